#include "DegDMS_to_DegDeci.h"

#include "conversion_failure.h"

#include <cmath>

namespace tarvola::DegDMS_to_DegDeci {

double DMSToDeci(std::int16_t degrees, std::int16_t minutes, std::int16_t seconds)
{
    const double a = seconds / 60.0;
    const double b = a + minutes;
    const double c = b / 60.0;
    const double result = c + degrees;
    // An invalid operation, a division by zero or an overflow would all leave a non-finite result.
    if (!std::isfinite(result))
        throw ConversionFailure {};
    return result;
}

} // namespace tarvola::DegDMS_to_DegDeci
