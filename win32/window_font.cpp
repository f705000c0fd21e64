#include "win32/window_font.h"

#include "win32/wide_text.h"

#include <cmath>
#include <string>

namespace tarvola::win32 {

WindowFont::WindowFont(const FontDescription& description, int dpi, bool underline)
{
    // A negative height asks for the character height, as point sizes mean it.
    const int height = -static_cast<int>(std::lround(description.points * dpi / 72.0));
    m_font = CreateFontW(height, 0, 0, 0, description.bold ? FW_BOLD : FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_SWISS, Widen(description.face).c_str());
}

WindowFont& WindowFont::operator=(WindowFont&& other) noexcept
{
    if (this != &other) {
        if (m_font)
            DeleteObject(m_font);
        m_font = other.m_font;
        other.m_font = nullptr;
    }
    return *this;
}

WindowFont::~WindowFont()
{
    if (m_font)
        DeleteObject(m_font);
}

void SetControlFont(HWND control, const WindowFont& font)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), TRUE);
}

int TextWidth(HWND control, const WindowFont& font)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, font.handle());
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

} // namespace tarvola::win32
