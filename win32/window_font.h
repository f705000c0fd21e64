#pragma once

#include "app/window_fonts.h"

#include <windows.h>

namespace tarvola::win32 {

// A font of the windows (window_fonts.h) at a window's resolution, underlined or not; owns the
// GDI font.
class WindowFont {
public:
    WindowFont() = default;
    // The font at `dpi`: its points to pixels, as Windows rounds them. Null when GDI fails.
    WindowFont(const FontDescription& description, int dpi, bool underline = false);
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
