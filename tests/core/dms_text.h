#pragma once

// Reads a DMS display text back into its pieces by its shape alone, without the program's
// number rules, so that a fault in them cannot hide in the reading.

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace tarvola::test {

// The pieces of " D° M' S\"" as written; degrees is empty for a value that is not a number.
struct DmsPieces {
    std::string_view degrees;
    std::string_view minutes;
    std::string_view seconds;
};

// Splits " D° M' S\"" into its three pieces; nothing when the text has another shape. The
// pieces point into `text`.
inline std::optional<DmsPieces> SplitDmsText(std::string_view text)
{
    constexpr std::string_view kDegreeSign = "\u00B0 ";
    constexpr std::string_view kMinuteSign = "' ";
    if (text.empty() || text.front() != ' ' || text.back() != '"')
        return std::nullopt;
    const std::size_t degreeSign = text.find(kDegreeSign, 1);
    if (degreeSign == std::string_view::npos)
        return std::nullopt;
    const std::size_t minutesStart = degreeSign + kDegreeSign.size();
    const std::size_t minuteSign = text.find(kMinuteSign, minutesStart);
    if (minuteSign == std::string_view::npos)
        return std::nullopt;
    // The minute sign ends in a blank, the text in a quote: the seconds start before the quote.
    const std::size_t secondsStart = minuteSign + kMinuteSign.size();
    return DmsPieces {text.substr(1, degreeSign - 1), text.substr(minutesStart, minuteSign - minutesStart),
                      text.substr(secondsStart, text.size() - 1 - secondsStart)};
}

// The value of a piece that is a whole number (decimal digits after an optional minus sign,
// nothing else); nothing for any other text.
inline std::optional<long> WholeNumber(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace tarvola::test
