#include "core/DegDMS_to_DegDeci.h"

#include "core/conversion_failure.h"

#include <cmath>

namespace tarvola::DegDMS_to_DegDeci {

double DMSToDeci(std::int16_t degrees, std::int16_t minutes, std::int16_t seconds)
{
    // At most 32768 * 3661 in magnitude: exact in 32 bits, and in a double.
    const std::int32_t totalSeconds = std::int32_t {degrees} * 3600 + std::int32_t {minutes} * 60 + seconds;
    const double result = totalSeconds / 3600.0;
    // An invalid operation, a division by zero or an overflow would all leave a non-finite result.
    if (!std::isfinite(result))
        throw ConversionFailure {};
    return result;
}

} // namespace tarvola::DegDMS_to_DegDeci
