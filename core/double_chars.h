#pragma once

#include <charconv>

namespace tarvola::detail {

// Doubles to and from plain ASCII text, exactly and whatever the C locale says. They are
// std::to_chars and std::from_chars wherever the standard library has them for double; a
// library without them (the WebAssembly build's libc++) gets its C library's snprintf and
// strtod instead, which there are correctly rounded and know only the "C" locale.

// Writes a finite x in scientific notation with `precision` digits after the point
// ("-1.25e+02" for precision 2) into [first, last); as std::to_chars in that format.
[[nodiscard]] std::to_chars_result WriteScientific(char* first, char* last, double x, int precision);

// Reads a decimal number in general format ("12.5e-3": no sign, no blanks, no "inf") from the
// start of [first, last); as std::from_chars: `value` is written only on success, and a value
// beyond the range of double is errc::result_out_of_range.
[[nodiscard]] std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

} // namespace tarvola::detail
