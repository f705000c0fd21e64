#pragma once

#include "app/colour_contrast.h"

#include <QColor>

namespace tarvola {

// The shared contrast rule (colour_contrast.h) for Qt's colours; alpha is ignored.
[[nodiscard]] double ContrastRatio(const QColor& first, const QColor& second);
[[nodiscard]] QColor ReadableOn(const QColor& preferred, const QColor& background);

} // namespace tarvola
