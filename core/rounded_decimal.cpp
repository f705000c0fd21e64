#include "core/rounded_decimal.h"

#include "core/double_chars.h"

#include <charconv>
#include <system_error>

namespace tarvola::detail {

RoundedDecimal RoundedDecimal::From(double x)
{
    // WriteScientific is exact and ignores the C locale, which the toolkit may have switched to a
    // decimal comma. Scientific notation with 14 fractional digits is exactly 15 significant
    // digits: "-d.ddddddddddddddde+XX".
    char buffer[32];
    const auto [end, error] = WriteScientific(std::begin(buffer), std::end(buffer), x, kDigits - 1);
    RoundedDecimal result;
    if (error != std::errc {})
        return result; // cannot happen for a finite double; zero is a safe answer

    const char* cursor = buffer;
    if (*cursor == '-') {
        result.negative = true;
        ++cursor;
    }
    result.digits[0] = *cursor;
    cursor += 2; // the digit and the '.'
    for (int i = 1; i < kDigits; ++i)
        result.digits[i] = *cursor++;
    ++cursor; // 'e'
    const bool negativeExponent = *cursor++ == '-';
    std::from_chars(cursor, end, result.exponent);
    if (negativeExponent)
        result.exponent = -result.exponent;
    return result;
}

int RoundedDecimal::significantDigits() const
{
    int count = kDigits;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return count;
}

} // namespace tarvola::detail
