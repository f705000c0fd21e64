#include "win32/readable_colour.h"

#include "app/window_colours.h"

namespace tarvola::win32 {

namespace {

Rgb RgbOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

double ContrastRatio(COLORREF first, COLORREF second)
{
    return ContrastRatio(RgbOf(first), RgbOf(second));
}

COLORREF ReadableOn(COLORREF preferred, COLORREF background)
{
    return ColourRefOf(ReadableOn(RgbOf(preferred), RgbOf(background)));
}

COLORREF LinkColour()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HIGHCONTRASTW theme {};
    theme.cbSize = sizeof theme;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof theme, &theme, 0) && (theme.dwFlags & HCF_HIGHCONTRASTON)) {
        const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
        return ContrastRatio(link, face) >= kReadableContrast ? link : GetSysColor(COLOR_BTNTEXT);
    }
    return ReadableOn(ColourRefOf(kLinkColour), face);
}

} // namespace tarvola::win32
