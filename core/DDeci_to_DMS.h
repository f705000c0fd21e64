#pragma once

#include "core/locale_separators.h"
#include "core/loose_value.h"

#include <string>

// Decimal degrees to degrees-minutes-seconds text.
namespace tarvola::DDeci_to_DMS {

// The display text " D° M' S\"" of a decimal-degree value (normally the raw Text of the
// decimal field). Degrees and minutes are floored, seconds rounded half away from zero; a
// rounded 60 seconds carries into the minutes and a resulting 60 minutes into the degrees.
// Degrees are floored towards minus infinity and minutes and seconds always added:
// "-0,5" gives " -1° 30' 0\"". A value that is not a number gives " ° 0' 0\"".
// Never fails.
[[nodiscard]] std::string DeciToDMS(const LooseValue& value, const LocaleSeparators& separators);

} // namespace tarvola::DDeci_to_DMS
