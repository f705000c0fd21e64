#pragma once

#include <cstdint>

namespace tarvola {

// A colour of the screen, 8 bits a channel.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The smallest contrast the accessibility guidelines ask of ordinary text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours as the accessibility guidelines define it, from 1 (equal)
// to 21 (black on white), from their relative luminance.
[[nodiscard]] double ContrastRatio(Rgb first, Rgb second);

// `preferred` itself where it reads at kReadableContrast on `background`; otherwise the
// nearest colour of the same hue that does: darker on a light background, lighter on a dark one.
[[nodiscard]] Rgb ReadableOn(Rgb preferred, Rgb background);

} // namespace tarvola
