#pragma once

#include "app/colour_contrast.h"

#include <QColor>

namespace tarvola {

// A colour of the shared facts (window_colours.h) as Qt's colour, opaque.
[[nodiscard]] inline QColor ToQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// The shared contrast rule (colour_contrast.h) for Qt's colours; alpha is ignored.
[[nodiscard]] double ContrastRatio(const QColor& first, const QColor& second);
[[nodiscard]] QColor ReadableOn(const QColor& preferred, const QColor& background);

} // namespace tarvola
