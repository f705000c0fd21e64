#include "core/number_text.h"

#include "core/conversion_failure.h"
#include "core/digit_reader.h"
#include "core/double_chars.h"
#include "core/rounded_decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tarvola {

namespace {

using detail::DigitReader;
using detail::RoundedDecimal;

// Written exponents saturate here: far beyond the double range either way, and far from
// overflowing when the count of digits before the first nonzero one is added.
constexpr long long kExponentCap = 100'000'000'000'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool TokenAt(std::string_view text, std::size_t position, std::string_view token)
{
    return !token.empty() && text.substr(position).starts_with(token);
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text of a non-finite value; the program itself never produces one.
std::string NonFiniteText(double x)
{
    if (std::isnan(x))
        return "nan";
    return x < 0 ? "-inf" : "inf";
}

// The number as plain ASCII that ReadDouble reads ("12.5e-3", no sign), with what is needed to
// tell an overflow from an underflow when ReadDouble reports the value out of range.
struct PlainNumber {
    std::string text;
    bool negative = false;
    // Power of ten of the first nonzero digit (0 for "5", -2 for "0,05"); meaningless when every
    // digit is zero. Counted without caps: a text of a million zeros stays exact.
    long long order = 0;
};

std::optional<PlainNumber> ToPlainNumber(std::string_view text, const LocaleSeparators& separators)
{
    const std::string_view body = TrimBlanks(text);
    PlainNumber plain;
    plain.text.reserve(body.size() + 2);
    plain.text.push_back('0'); // so that ",5" reads as "0.5"

    std::size_t position = 0;
    if (position < body.size() && (body[position] == '+' || body[position] == '-')) {
        plain.negative = body[position] == '-';
        ++position;
    }

    DigitReader digits(body);
    bool anyDigit = false;
    bool inFraction = false;
    bool seenNonZero = false;
    long long integerDigits = 0; // counted from the first nonzero digit
    long long fractionZeros = 0; // zeros after the separator before the first nonzero digit
    while (position < body.size()) {
        if (const std::optional<char> digit = digits.next(position)) {
            plain.text.push_back(*digit);
            anyDigit = true;
            seenNonZero = seenNonZero || *digit != '0';
            if (!inFraction && seenNonZero)
                ++integerDigits;
            else if (inFraction && !seenNonZero)
                ++fractionZeros;
        } else if (digits.mixed()) {
            return std::nullopt;
        } else if (!inFraction && TokenAt(body, position, separators.decimal)) {
            plain.text.push_back('.');
            inFraction = true;
            position += separators.decimal.size();
        } else if (!inFraction && anyDigit && TokenAt(body, position, separators.group)) {
            position += separators.group.size();
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (plain.text.back() == '.')
        plain.text.pop_back(); // "5," reads as "5"

    long long exponent = 0;
    if (position < body.size() && (body[position] == 'e' || body[position] == 'E')) {
        ++position;
        bool negativeExponent = false;
        if (position < body.size() && (body[position] == '+' || body[position] == '-')) {
            negativeExponent = body[position] == '-';
            ++position;
        }
        bool anyExponentDigit = false;
        while (const std::optional<char> digit = digits.next(position)) {
            anyExponentDigit = true;
            exponent = std::min(exponent * 10 + (*digit - '0'), kExponentCap); // below 10^18: no overflow
        }
        if (!anyExponentDigit)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
        char exponentDigits[24];
        const auto written = std::to_chars(std::begin(exponentDigits), std::end(exponentDigits), exponent);
        plain.text.push_back('e');
        plain.text.append(exponentDigits, written.ptr);
    }
    if (position != body.size())
        return std::nullopt;

    plain.order = (integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1)) + exponent;
    return plain;
}

// Adds one unit in the last place of a string of ASCII digits, carrying leftwards.
void IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

void AppendZeros(std::string& text, long count)
{
    if (count > 0)
        text.append(static_cast<std::size_t>(count), '0');
}

std::string ScientificText(const RoundedDecimal& value, const LocaleSeparators& separators)
{
    const int count = value.significantDigits();
    std::string text;
    if (value.negative)
        text.push_back('-');
    text.push_back(value.digits[0]);
    if (count > 1) {
        text += separators.decimal;
        text.append(&value.digits[1], static_cast<std::size_t>(count - 1));
    }
    text.push_back('E');
    text.push_back(value.exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(value.exponent);
    if (magnitude < 10)
        text.push_back('0');
    text += std::to_string(magnitude);
    return text;
}

std::string PositionalText(const RoundedDecimal& value, const LocaleSeparators& separators)
{
    const int count = value.significantDigits();
    std::string text;
    if (value.negative)
        text.push_back('-');
    if (value.exponent >= 0) {
        const int integerCount = std::min(count, value.exponent + 1);
        text.append(value.digits.data(), static_cast<std::size_t>(integerCount));
        AppendZeros(text, value.exponent + 1 - integerCount);
        if (count > integerCount) {
            text += separators.decimal;
            text.append(&value.digits[integerCount], static_cast<std::size_t>(count - integerCount));
        }
    } else {
        text.push_back('0');
        text += separators.decimal;
        AppendZeros(text, -value.exponent - 1);
        text.append(value.digits.data(), static_cast<std::size_t>(count));
    }
    return text;
}

} // namespace

std::optional<double> TryParseNumber(std::string_view text, const LocaleSeparators& separators)
{
    const std::optional<PlainNumber> plain = ToPlainNumber(text, separators);
    if (!plain)
        return std::nullopt;
    const char* const first = plain->text.data();
    const char* const last = first + plain->text.size();
    double value = 0;
    const auto [end, error] = detail::ReadDouble(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (plain->order >= 0)
            return std::nullopt; // too large for a double
        value = 0; // too small: reads as zero
    } else if (error != std::errc {} || end != last) {
        return std::nullopt;
    }
    return plain->negative ? -value : value;
}

double ParseNumber(std::string_view text, const LocaleSeparators& separators)
{
    if (const std::optional<double> value = TryParseNumber(text, separators))
        return *value;
    throw ConversionFailure {};
}

std::optional<std::int16_t> TryToInteger16(std::string_view text, const LocaleSeparators& separators)
{
    const std::optional<double> value = TryParseNumber(text, separators);
    if (!value)
        return std::nullopt;
    // Round half to even by hand rather than through the floating-point rounding mode, which
    // another library could have changed. value - floor(value) is exact wherever it matters.
    double whole = std::floor(*value);
    const double fraction = *value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::int16_t ToInteger16(std::string_view text, const LocaleSeparators& separators)
{
    if (const std::optional<std::int16_t> value = TryToInteger16(text, separators))
        return *value;
    throw ConversionFailure {};
}

std::string NumberToText(double x, const LocaleSeparators& separators)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    if (x == 0)
        return "0"; // also for -0
    if (std::abs(x) < 1e15 && x == std::trunc(x)) {
        // Whole numbers below 1e15 have at most 15 digits: written exactly, and much faster.
        char digits[24];
        const auto written = std::to_chars(std::begin(digits), std::end(digits), static_cast<long long>(x));
        return std::string(digits, written.ptr);
    }
    const RoundedDecimal value = RoundedDecimal::From(x);
    // Positional notation covers every value the converters produce (1/3600 up to about 181);
    // beyond it, it would take hundreds of zeros.
    if (value.exponent >= 15 || value.exponent < -4)
        return ScientificText(value, separators);
    return PositionalText(value, separators);
}

double FloorValue(double x) { return std::floor(x); }

std::string FormatWhole(double x)
{
    if (!std::isfinite(x))
        return NonFiniteText(x);
    const double magnitude = std::abs(x);
    if (magnitude < 1e15) {
        // Rounding to 15 digits moves x by at most 5e-15 * |x|. Away from a half, that cannot
        // change the whole number, so the exact decimal step below is only needed near one.
        const double below = std::floor(magnitude);
        const double fraction = magnitude - below;
        if (std::abs(fraction - 0.5) > 1e-14 * std::max(magnitude, 1.0)) {
            const long long whole = static_cast<long long>(below) + (fraction > 0.5 ? 1 : 0);
            return std::to_string(x < 0 ? -whole : whole); // a whole of 0 has no sign
        }
    }

    const RoundedDecimal value = RoundedDecimal::From(x);
    if (value.isZero() || value.exponent < -1)
        return "0";

    // Round the 15-digit decimal itself, not the double: 13.499999999999998 is 13.5 at 15
    // digits and must give 14.
    const int integerCount = std::min(value.exponent + 1, RoundedDecimal::kDigits);
    std::string whole(value.digits.data(), static_cast<std::size_t>(integerCount));
    if (integerCount < RoundedDecimal::kDigits && value.digits[integerCount] >= '5')
        IncrementDigits(whole);
    AppendZeros(whole, value.exponent + 1 - integerCount);
    if (whole.empty())
        return "0"; // below one half: no sign, never "-0"
    if (value.negative)
        whole.insert(whole.begin(), '-');
    return whole;
}

} // namespace tarvola
