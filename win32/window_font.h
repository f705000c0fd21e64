#pragma once

#include <windows.h>

namespace tarvola::win32 {

// A font of the classic design at a window's resolution: points to pixels at `dpi`.
class WindowFont {
public:
    WindowFont() = default;
    WindowFont(const wchar_t* face, double points, int dpi, bool bold = false, bool underline = false);
    WindowFont(WindowFont&& other) noexcept : m_font(other.m_font) { other.m_font = nullptr; }
    WindowFont& operator=(WindowFont&& other) noexcept;
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;
    ~WindowFont();

    [[nodiscard]] HFONT handle() const { return m_font; }

private:
    HFONT m_font = nullptr;
};

// Gives a control its font; the control does not own it.
void SetControlFont(HWND control, const WindowFont& font);

// How wide a control's own text is on one line in this font, in pixels.
[[nodiscard]] int TextWidth(HWND control, const WindowFont& font);

} // namespace tarvola::win32
