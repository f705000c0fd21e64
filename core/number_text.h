#pragma once

#include "core/locale_separators.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvola {

// Reads a number written under the given separators: blanks around it, an optional sign,
// digits with at most one decimal separator (",5" and "5," are fine), group separators after
// the first digit and before the decimal separator, then an optional exponent (E or e, a sign,
// digits). Digits are Latin, Arabic-Indic (U+0660..U+0669) or Persian (U+06F0..U+06F9), one
// script per number. Values too small for a double read as zero of the same sign, however
// long the text.
// Throws ConversionFailure on any other text, and on values beyond the double range.
[[nodiscard]] double ParseNumber(std::string_view text, const LocaleSeparators& separators);

// ParseNumber for callers that meet non-numbers all the time (fields mid-typing): no value
// instead of ConversionFailure.
[[nodiscard]] std::optional<double> TryParseNumber(std::string_view text, const LocaleSeparators& separators);

// ParseNumber, then rounded to the nearest whole number with exact halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Throws ConversionFailure when ParseNumber does, or when the result lies outside int16_t.
[[nodiscard]] std::int16_t ToInteger16(std::string_view text, const LocaleSeparators& separators);

// ToInteger16 with no value instead of ConversionFailure.
[[nodiscard]] std::optional<std::int16_t> TryToInteger16(std::string_view text, const LocaleSeparators& separators);

// Writes x rounded to 15 significant digits: positional notation ("45,5125", "-9,5",
// "0,000277777777777778") with trailing fractional zeros removed; scientific notation
// ("1E+15", "-2,5E-05") once the rounded magnitude reaches 1e15 or falls below 1e-4.
// Never writes "-0", never groups digits. Never fails; non-finite values read "inf", "-inf", "nan".
[[nodiscard]] std::string NumberToText(double x, const LocaleSeparators& separators);

// The largest whole number not greater than x (FloorValue(-0.5) == -1).
[[nodiscard]] double FloorValue(double x);

// Rounds x to 15 significant digits, then to a whole number with exact halves going away from
// zero (59.5 -> "60", 13.499999999999998 -> "14"), and writes it with no separators.
// Never writes "-0". Never fails; non-finite values read as in NumberToText.
[[nodiscard]] std::string FormatWhole(double x);

} // namespace tarvola
