#include "win32/edit_field.h"

#include "win32/wide_text.h"

#include <string>

namespace tarvola::win32 {

namespace {

// Pixels at 96 DPI: a column for the caret after the last character, and one clear of the edge
// for the last mark's ink.
constexpr int kCaretRoom = 2;

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
    if (m_dpi)
        fitText(m_dpi);
    // The start of a text wider than the field stays in view, minus sign included.
    SendMessageW(m_edit, EM_SETSEL, 0, 0);
    SendMessageW(m_edit, EM_SCROLLCARET, 0, 0);
}

void EditField::fitText(int dpi)
{
    if (!m_fitting)
        return;
    m_dpi = dpi;
    RECT client {};
    GetClientRect(m_edit, &client);
    // The edit has no inner margins, but scrolls a text that leaves no room for the caret at its
    // end.
    const int room = client.right - client.left - MulDiv(kCaretRoom, dpi, 96);
    double points = kFieldFont.points;
    WindowFont font(kFieldFont, dpi);
    while (font.handle() && TextWidth(m_edit, font) > room
           && points - kFitStepPoints >= kSmallestFittedPoints) {
        points -= kFitStepPoints;
        font = WindowFont({kFieldFont.face, points, kFieldFont.bold}, dpi);
    }
    if (!font.handle())
        return; // GDI refused: the field keeps the font it has
    // The edit takes the new font before the old one is deleted. A new font gives an edit the
    // margins that font asks for: the field has none.
    SetControlFont(m_edit, font);
    SendMessageW(m_edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    m_font = std::move(font);
}

} // namespace tarvola::win32
