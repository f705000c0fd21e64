#include "app/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace tarvola {

namespace {

double LinearChannel(std::uint8_t channel)
{
    const double srgb = channel / 255.0;
    return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb colour)
{
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green)
        + 0.0722 * LinearChannel(colour.blue);
}

// A colour as hue (0..6, in sixths of the circle), saturation and lightness (0..1).
struct Hsl {
    double hue;
    double saturation;
    double lightness;
};

Hsl ToHsl(Rgb colour)
{
    const double r = colour.red / 255.0, g = colour.green / 255.0, b = colour.blue / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double chroma = high - low;
    if (chroma == 0)
        return {0, 0, lightness};
    const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
    double hue = high == r ? std::fmod((g - b) / chroma + 6, 6) : high == g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
    return {hue, saturation, lightness};
}

std::uint8_t Channel(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

Rgb FromHsl(const Hsl& hsl)
{
    const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double x = chroma * (1 - std::abs(std::fmod(hsl.hue, 2) - 1));
    const double m = hsl.lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hsl.hue) % 6) {
    case 0: r = chroma; g = x; break;
    case 1: r = x; g = chroma; break;
    case 2: g = chroma; b = x; break;
    case 3: g = x; b = chroma; break;
    case 4: r = x; b = chroma; break;
    default: r = chroma; b = x; break;
    }
    return {Channel(r + m), Channel(g + m), Channel(b + m)};
}

} // namespace

double ContrastRatio(Rgb first, Rgb second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb ReadableOn(Rgb preferred, Rgb background)
{
    // Walks the lightness in HSL, keeping hue and saturation, towards the end away from the
    // background; a step of one in 255 is fine enough for 8-bit channels.
    const bool darken = RelativeLuminance(background) > 0.18;
    Hsl hsl = ToHsl(preferred);
    Rgb colour = preferred;
    for (int step = 0; step <= 255 && ContrastRatio(colour, background) < kReadableContrast; ++step) {
        hsl.lightness = std::clamp(hsl.lightness + (darken ? -1.0 : 1.0) / 255, 0.0, 1.0);
        colour = FromHsl(hsl);
    }
    return colour;
}

} // namespace tarvola
