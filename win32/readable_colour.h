#pragma once

#include "app/colour_contrast.h"

#include <windows.h>

namespace tarvola::win32 {

// A shared colour as GDI takes it.
[[nodiscard]] constexpr COLORREF ColourRefOf(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// The shared contrast rule (colour_contrast.h) for GDI's colours.
[[nodiscard]] double ContrastRatio(COLORREF first, COLORREF second);
[[nodiscard]] COLORREF ReadableOn(COLORREF preferred, COLORREF background);

// The links' colour on the window's colour, read from the system at each call: a
// high-contrast theme's own hyperlink colour (its text colour where that one would not read),
// else the links' green, darker or lighter until it reads.
[[nodiscard]] COLORREF LinkColour();

} // namespace tarvola::win32
