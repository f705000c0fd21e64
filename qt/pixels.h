#pragma once

#include "app/rect.h"

#include <QRect>

namespace tarvola {

// A layout rectangle in Qt's logical pixels: 15 twips make one at 96 dpi, and Qt scales logical
// pixels to the screen, so high-DPI screens keep the proportions.
[[nodiscard]] constexpr QRect ToPixels(const Rect& rect)
{
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width), TwipsToPixels(rect.height)};
}

} // namespace tarvola
