#pragma once

#include <QColor>

namespace tarvola {

// The contrast ratio of two colours as the accessibility guidelines define it, from 1 (equal)
// to 21 (black on white), from their relative luminance.
[[nodiscard]] double ContrastRatio(const QColor& first, const QColor& second);

// The smallest contrast the guidelines ask of ordinary text.
inline constexpr double kReadableContrast = 4.5;

// `preferred` itself where it reads at kReadableContrast on `background`; otherwise the
// nearest colour of the same hue that does: darker on a light background, lighter on a dark one.
[[nodiscard]] QColor ReadableOn(const QColor& preferred, const QColor& background);

} // namespace tarvola
