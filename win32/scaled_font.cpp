#include "scaled_font.h"

#include <cmath>

namespace tarvola::win32 {

ScaledFont::ScaledFont(const wchar_t* face, double points, int dpi, bool bold, bool underline)
{
    // A negative height asks for the character height, as point sizes mean it.
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    m_font = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_SWISS, face);
}

ScaledFont& ScaledFont::operator=(ScaledFont&& other) noexcept
{
    if (this != &other) {
        if (m_font)
            DeleteObject(m_font);
        m_font = other.m_font;
        other.m_font = nullptr;
    }
    return *this;
}

ScaledFont::~ScaledFont()
{
    if (m_font)
        DeleteObject(m_font);
}

void SetControlFont(HWND control, const ScaledFont& font)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), TRUE);
}

} // namespace tarvola::win32
