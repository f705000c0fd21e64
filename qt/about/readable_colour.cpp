#include "readable_colour.h"

#include <algorithm>
#include <cmath>

namespace tarvola {

namespace {

double LinearChannel(double srgb)
{
    return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour)
{
    return 0.2126 * LinearChannel(colour.redF()) + 0.7152 * LinearChannel(colour.greenF())
        + 0.0722 * LinearChannel(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor& preferred, const QColor& background)
{
    // Walks the lightness of the colour in HSL, keeping hue and saturation, towards the end
    // away from the background; one step is fine enough for 8-bit channels.
    const bool darken = RelativeLuminance(background) > 0.18;
    QColor colour = preferred.toHsl();
    for (int step = 0; step <= 255 && ContrastRatio(colour, background) < kReadableContrast; ++step) {
        const int lightness = std::clamp(colour.lightness() + (darken ? -1 : 1), 0, 255);
        colour.setHsl(colour.hslHue(), colour.hslSaturation(), lightness);
    }
    return colour.toRgb();
}

} // namespace tarvola
