#pragma once

#include <cstdint>

// Degrees-minutes-seconds to decimal degrees.
namespace tarvola::DegDMS_to_DegDeci {

// degrees + (minutes + seconds / 60) / 60, computed in exactly that order so that the last bits
// match what the decimal field has always shown. No range check and no normalisation: minutes
// and seconds above 59 or below 0 are taken as they are, and a negative degrees value does not
// change the sign of the others (-10, 30, 0 gives -9.5).
// Throws ConversionFailure if the result is not finite (impossible with 16-bit inputs).
[[nodiscard]] double DMSToDeci(std::int16_t degrees, std::int16_t minutes, std::int16_t seconds);

} // namespace tarvola::DegDMS_to_DegDeci
