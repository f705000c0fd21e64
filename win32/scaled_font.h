#pragma once

#include <windows.h>

namespace tarvola::win32 {

// A font of the classic design at a window's resolution: points to pixels at `dpi`.
class ScaledFont {
public:
    ScaledFont() = default;
    ScaledFont(const wchar_t* face, double points, int dpi, bool bold = false, bool underline = false);
    ScaledFont(ScaledFont&& other) noexcept : m_font(other.m_font) { other.m_font = nullptr; }
    ScaledFont& operator=(ScaledFont&& other) noexcept;
    ScaledFont(const ScaledFont&) = delete;
    ScaledFont& operator=(const ScaledFont&) = delete;
    ~ScaledFont();

    [[nodiscard]] HFONT handle() const { return m_font; }

private:
    HFONT m_font = nullptr;
};

// Gives a control its font; the control does not own it.
void SetControlFont(HWND control, const ScaledFont& font);

// How wide a control's own text is on one line in this font, in pixels.
[[nodiscard]] int TextWidth(HWND control, const ScaledFont& font);

} // namespace tarvola::win32
