#include "qt/readable_colour.h"

namespace tarvola {

namespace {

Rgb ToRgb(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    return ContrastRatio(ToRgb(first), ToRgb(second));
}

QColor ReadableOn(const QColor& preferred, const QColor& background)
{
    return ToQColor(ReadableOn(ToRgb(preferred), ToRgb(background)));
}

} // namespace tarvola
