#pragma once

#include <QRect>

namespace tarvola {

// Window layouts are drawn up in twips (1/1440 inch): 15 twips make one logical pixel at 96 dpi.
// Qt scales logical pixels to the screen, so high-DPI screens keep the proportions.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; // nearest pixel; layouts are never negative
}

[[nodiscard]] constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace tarvola
