#pragma once

#include "app/rect.h"

#include <windows.h>

namespace tarvola::win32 {

// A layout rectangle in twips as the RECT a window gives it at `dpi`: PixelsOf's left, top,
// width and height, each rounded on its own.
[[nodiscard]] inline RECT PixelRect(const Rect& twips, int dpi)
{
    const Rect pixels = PixelsOf(twips, dpi);
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

} // namespace tarvola::win32
