#include "core/exact_angle.h"

#include <algorithm>

namespace tarvola {

namespace {

// How many of an angle's units make one degree.
std::uint64_t UnitsPerDegree(AngleUnit unit)
{
    switch (unit) {
    case AngleUnit::Degree: return 1;
    case AngleUnit::Minute: return 60;
    case AngleUnit::Second: return 3600;
    }
    return 1;
}

// digits × factor, as decimal digits (an empty text reads as 0); factor below 2^32, so no step
// overflows 64 bits.
std::string Multiply(const std::string& digits, std::uint64_t factor)
{
    std::string product(digits.size() + 10, '0');
    std::uint64_t carry = 0;
    std::size_t out = product.size();
    for (std::size_t i = digits.size(); i-- > 0;) {
        const std::uint64_t step = static_cast<std::uint64_t>(digits[i] - '0') * factor + carry;
        product[--out] = static_cast<char>('0' + step % 10);
        carry = step / 10;
    }
    while (carry > 0) {
        product[--out] = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    return product;
}

// digits + addend, as decimal digits; addend below 2^32.
std::string Add(std::string digits, std::uint64_t addend)
{
    for (std::size_t i = digits.size(); i-- > 0 && addend > 0;) {
        const std::uint64_t step = static_cast<std::uint64_t>(digits[i] - '0') + addend;
        digits[i] = static_cast<char>('0' + step % 10);
        addend = step / 10;
    }
    return addend > 0 ? std::to_string(addend) + digits : digits;
}

// floor(digits / divisor), as decimal digits of the same length; divisor below 2^32.
std::string Divide(const std::string& digits, std::uint64_t divisor)
{
    std::string quotient(digits.size(), '0');
    std::uint64_t remainder = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::uint64_t step = remainder * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        quotient[i] = static_cast<char>('0' + step / divisor);
        remainder = step % divisor;
    }
    return quotient;
}

} // namespace

ExactAngle::ExactAngle(bool negative, std::string_view degrees, unsigned minutes, unsigned seconds,
                       std::string_view fraction, AngleUnit unit)
    : m_negative(negative)
    , m_unit(unit)
{
    // The whole units, then the fraction of the last one: one decimal number in that unit.
    std::string whole = Multiply(std::string(degrees), UnitsPerDegree(unit));
    if (unit == AngleUnit::Minute)
        whole = Add(whole, minutes);
    else if (unit == AngleUnit::Second)
        whole = Add(whole, minutes * 60 + seconds);
    // Leading zeros of the whole part and trailing zeros of the fraction change nothing; without
    // them a long text of zeros costs nothing later.
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const std::size_t fractionEnd = fraction.find_last_not_of('0') + 1; // 0 when all zeros (npos + 1)
    m_digits = whole;
    m_digits.append(fraction.substr(0, fractionEnd));
    m_fractionDigits = fractionEnd;
}

std::optional<std::int64_t> ExactAngle::RoundedMultiple(std::int64_t perDegree) const
{
    // With X the digits as a whole number and n the fraction digits, the magnitude times
    // perDegree is v = X·perDegree / (unitsPerDegree·10^n). Rounding half up is
    // floor((floor(2v) + 1) / 2), and floor(2v) is found exactly on the digits: multiply by
    // 2·perDegree, divide by unitsPerDegree, drop the last n digits (floor of a floor is the floor).
    const std::string twice = Divide(Multiply(m_digits, 2 * static_cast<std::uint64_t>(perDegree)),
                                     UnitsPerDegree(m_unit));
    const std::string_view whole(twice.data(), twice.size() - std::min(twice.size(), m_fractionDigits));
    const std::size_t first = std::min(whole.find_first_not_of('0'), whole.size());
    const std::string_view significant = whole.substr(first);
    if (significant.size() > 18)
        return std::nullopt;
    std::uint64_t doubled = 0;
    for (const char digit : significant)
        doubled = doubled * 10 + static_cast<std::uint64_t>(digit - '0');
    const auto rounded = static_cast<std::int64_t>((doubled + 1) / 2);
    if (rounded >= 500'000'000'000'000'000)
        return std::nullopt;
    return m_negative ? -rounded : rounded;
}

} // namespace tarvola
