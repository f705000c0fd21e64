#pragma once

// Expected results worked out the way a person checks them by hand: whole seconds of arc as
// integers, long division, rounding on the written digits. Nothing here calls the program's
// number rules, so a fault in them cannot hide in the expectation.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvola::test {

// The value of `seconds` / 3600 degrees, rounded to 15 significant digits and written as the
// program writes numbers: a minus sign when negative, the integer digits ("0" below 1), then
// `decimal` and the fraction without trailing zeros. Any 64-bit count of seconds is accepted.
// Rounds half up on the digits; an exact tie at the 16th digit cannot occur for n / 3600,
// whose fraction ends after four places or repeats a digit 1 to 8 from the fifth on.
inline std::string ExactDegreesText(std::int64_t seconds, std::string_view decimal)
{
    if (seconds == 0)
        return "0";
    const bool negative = seconds < 0;
    std::uint64_t rest = negative ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    std::string digits = std::to_string(rest / 3600);
    std::size_t integerDigits = digits.size();
    rest %= 3600;
    // Long division until there are 16 significant digits: 15 to keep, one to round on.
    while (digits.find_first_not_of('0') == std::string::npos || digits.size() < digits.find_first_not_of('0') + 16) {
        rest *= 10;
        digits += static_cast<char>('0' + rest / 3600);
        rest %= 3600;
    }
    const std::size_t first = digits.find_first_not_of('0');
    const bool roundUp = digits[first + 15] >= '5';
    digits.resize(first + 15);
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++integerDigits;
        } else {
            ++digits[i - 1];
        }
    }
    if (digits.size() < integerDigits)
        digits.append(integerDigits - digits.size(), '0');

    std::string whole = digits.substr(0, integerDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string fraction = digits.substr(integerDigits);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text.append(decimal).append(fraction);
    return text;
}

// The first `count` characters of UTF-8 text, counting each character once however many bytes
// it takes: what a field that holds `count` characters shows of a longer text.
inline std::string FirstCharacters(std::string_view utf8, int count)
{
    std::size_t end = 0;
    for (int taken = 0; end < utf8.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;
        if (startsCharacter && taken++ == count)
            break;
    }
    return std::string(utf8.substr(0, end));
}

} // namespace tarvola::test
