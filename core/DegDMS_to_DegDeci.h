#pragma once

#include <cstdint>

// Degrees-minutes-seconds to decimal degrees.
namespace tarvola::DegDMS_to_DegDeci {

// degrees + minutes / 60 + seconds / 3600, as the double nearest to the exact angle: the sum is
// taken in whole seconds of arc, which is exact, and divided once. Adding the parts in doubles
// instead can land a bit beside the angle where they cancel, and the decimal field then shows
// it (-1, 53, 87 read -0,092499 instead of -0,0925). No range check and no normalisation: minutes
// and seconds above 59 or below 0 are taken as they are, and a negative degrees value does not
// change the sign of the others (-10, 30, 0 gives -9.5).
// Throws ConversionFailure if the result is not finite (impossible with 16-bit inputs).
[[nodiscard]] double DMSToDeci(std::int16_t degrees, std::int16_t minutes, std::int16_t seconds);

} // namespace tarvola::DegDMS_to_DegDeci
