#pragma once

namespace tarvola {

// A rectangle in twips (1/1440 inch), as the windows' layouts are drawn up: left, top, width,
// height, relative to the control's container.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr bool contains(int x, int y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

// Twips to device pixels at a given resolution, to the nearest pixel: 15 twips make one pixel
// at 96 dots per inch, 10 at 144.
[[nodiscard]] constexpr int TwipsToPixels(int twips, int dotsPerInch = 96)
{
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>((scaled >= 0 ? scaled + 720 : scaled - 720) / 1440);
}

// A rectangle in device pixels: left, top, width, height.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr bool contains(int x, int y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

// Where a window puts a rectangle of its layout at a resolution: each of left, top, width and
// height rounded on its own, so that equal twips sizes give equal pixel sizes.
[[nodiscard]] constexpr PixelBox PixelBoxOf(const TwipsRect& rect, int dotsPerInch)
{
    return {TwipsToPixels(rect.left, dotsPerInch), TwipsToPixels(rect.top, dotsPerInch),
            TwipsToPixels(rect.width, dotsPerInch), TwipsToPixels(rect.height, dotsPerInch)};
}

} // namespace tarvola
