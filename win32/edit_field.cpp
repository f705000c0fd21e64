#include "win32/edit_field.h"

#include "win32/wide_text.h"

#include <string>

namespace tarvola::win32 {

namespace {

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

std::string EditField::text() const
{
    return Narrow(WindowText(m_edit));
}

void EditField::write(std::string_view text)
{
    const std::wstring written = Widen(m_maxLength ? LeadingCharacters(text, *m_maxLength) : text);
    if (written == WindowText(m_edit))
        return;
    SetWindowTextW(m_edit, written.c_str());
    // The start of a text wider than the field stays in view, minus sign included.
    SendMessageW(m_edit, EM_SETSEL, 0, 0);
    SendMessageW(m_edit, EM_SCROLLCARET, 0, 0);
}

} // namespace tarvola::win32
