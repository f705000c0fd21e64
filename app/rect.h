#pragma once

#include <array>
#include <cstddef>

namespace tarvola {

// A rectangle: left, top, width, height. The windows' layouts are drawn up in twips (1/1440
// inch), relative to the control's container; PixelsOf gives the same rectangle in pixels.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr bool contains(int x, int y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Twips to device pixels at a given resolution, to the nearest pixel: 15 twips make one pixel
// at 96 dots per inch, 10 at 144.
[[nodiscard]] constexpr int TwipsToPixels(int twips, int dotsPerInch = 96)
{
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>((scaled >= 0 ? scaled + 720 : scaled - 720) / 1440);
}

// Where a window puts a rectangle of its layout at a resolution: each of left, top, width and
// height rounded on its own, so that equal twips sizes give equal pixel sizes.
[[nodiscard]] constexpr Rect PixelsOf(const Rect& twips, int dotsPerInch)
{
    return {TwipsToPixels(twips.left, dotsPerInch), TwipsToPixels(twips.top, dotsPerInch),
            TwipsToPixels(twips.width, dotsPerInch), TwipsToPixels(twips.height, dotsPerInch)};
}

// The entry of a window's layout table for one control; null when the table has none.
template <typename Place, std::size_t size, typename Control>
[[nodiscard]] constexpr const Place* PlaceIn(const std::array<Place, size>& layout, Control control)
{
    for (const Place& place : layout)
        if (place.control == control)
            return &place;
    return nullptr;
}

} // namespace tarvola
