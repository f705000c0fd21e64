#include "core/double_chars.h"

#include <system_error>

// libc++ before version 20 declares no floating-point from_chars, and version 13 (Emscripten's)
// no floating-point to_chars either; libstdc++ has both.
#if defined(_LIBCPP_VERSION) && !defined(__cpp_lib_to_chars)
#define TARVOLA_DOUBLE_CHARS_FROM_C_LIBRARY 1
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <algorithm>
#endif

namespace tarvola::detail {

#ifndef TARVOLA_DOUBLE_CHARS_FROM_C_LIBRARY

std::to_chars_result WriteScientific(char* first, char* last, double x, int precision)
{
    return std::to_chars(first, last, x, std::chars_format::scientific, precision);
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value, std::chars_format::general);
}

#else

std::to_chars_result WriteScientific(char* first, char* last, double x, int precision)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", precision, x);
    if (length < 0 || length >= static_cast<int>(sizeof buffer) || length > last - first)
        return {last, std::errc::value_too_large};
    std::copy(buffer, buffer + length, first);
    return {first + length, std::errc {}};
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value)
{
    // Only the characters of the general format go to strtod, so that it neither skips blanks
    // nor reads "inf", "nan" or hexadecimal; copied, since strtod needs the text to end in a NUL.
    const char* end = first;
    while (end != last && ((*end >= '0' && *end <= '9') || *end == '.' || *end == 'e' || *end == 'E'
                           || ((*end == '+' || *end == '-') && end != first && (end[-1] == 'e' || end[-1] == 'E'))))
        ++end;
    const std::string text(first, end);
    char* stop = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &stop);
    if (stop == text.c_str())
        return {first, std::errc::invalid_argument};
    const char* const readEnd = first + (stop - text.c_str());
    // ERANGE also comes with subnormal results, which from_chars returns as values.
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return {readEnd, std::errc::result_out_of_range};
    value = read;
    return {readEnd, std::errc {}};
}

#endif

} // namespace tarvola::detail
