#include "app/angle_paste.h"

#include "app/field_defaults.h"
#include "app/text_field.h"
#include "core/angle_text.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace tarvola {

namespace {

constexpr int kSecondsPerDegree = 3600;
// The most decimals a nine-character field can show: "0,0000000".
constexpr int kMostDecimals = 7;

int CharactersOf(std::string_view text) { return static_cast<int>(text.size()); } // ASCII only

// Text1 ... Text3 of the angle, or nothing when the degrees do not fit Text1.
std::optional<std::vector<FieldWrite>> DmsWrites(const ExactAngle& angle)
{
    const std::optional<std::int64_t> seconds = angle.RoundedMultiple(kSecondsPerDegree);
    if (!seconds)
        return std::nullopt;
    // Degrees floored, the rest added: -121914" is -34° + 8' + 6".
    std::int64_t degrees = *seconds / kSecondsPerDegree;
    std::int64_t rest = *seconds % kSecondsPerDegree;
    if (rest < 0) {
        --degrees;
        rest += kSecondsPerDegree;
    }
    std::string degreesText = std::to_string(degrees);
    if (CharactersOf(degreesText) > *kText1Default.maxLength)
        return std::nullopt;
    return std::vector<FieldWrite> {{FormControl::Text1, std::move(degreesText)},
                                    {FormControl::Text2, std::to_string(rest / 60)},
                                    {FormControl::Text3, std::to_string(rest % 60)}};
}

// `scaled` / 10^decimals written with the separator, without trailing fractional zeros, and its
// length before they are dropped.
std::string DecimalText(std::int64_t scaled, int decimals, const LocaleSeparators& separators, int& fullLength)
{
    const std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    if (CharactersOf(digits) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    const std::size_t wholeDigits = digits.size() - static_cast<std::size_t>(decimals);
    std::string whole = digits.substr(0, wholeDigits);
    std::string fraction = digits.substr(wholeDigits);
    fullLength = (scaled < 0 ? 1 : 0) + CharactersOf(whole) + (decimals > 0 ? 1 + decimals : 0);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = scaled < 0 ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text.append(separators.decimal).append(fraction);
    return text;
}

// Text5 of the angle, or nothing when not even its whole degrees fit.
std::optional<std::vector<FieldWrite>> DecimalWrites(const ExactAngle& angle, const LocaleSeparators& separators)
{
    const int fieldLength = *kText5Default.maxLength;
    std::int64_t perDegree = 10'000'000;
    for (int decimals = kMostDecimals; decimals >= 0; --decimals, perDegree /= 10) {
        const std::optional<std::int64_t> scaled = angle.RoundedMultiple(perDegree);
        if (!scaled)
            continue;
        // Counted with the trailing zeros: a value that rounds up to a longer whole part (99.99999996
        // to 100.000000) is tried again with one decimal less, and reads the same.
        int fullLength = 0;
        std::string text = DecimalText(*scaled, decimals, separators, fullLength);
        if (fullLength <= fieldLength)
            return std::vector<FieldWrite> {{FormControl::Text5, std::move(text)}};
    }
    return std::nullopt;
}

} // namespace

PasteDecision DecidePaste(FormControl field, std::string_view pasted, const LocaleSeparators& separators)
{
    const bool degreesSide = field == FormControl::Text1 || field == FormControl::Text2 || field == FormControl::Text3;
    if (!degreesSide && field != FormControl::Text5)
        return {PasteDecision::Kind::Refused, {}};
    const AngleText read = ReadAngle(pasted);
    switch (read.kind) {
    case AngleText::Kind::NotAnAngle: return {PasteDecision::Kind::AsBefore, {}};
    case AngleText::Kind::Refused: return {PasteDecision::Kind::Refused, {}};
    case AngleText::Kind::Angle: break;
    }
    std::optional<std::vector<FieldWrite>> writes =
        degreesSide ? DmsWrites(read.angle) : DecimalWrites(read.angle, separators);
    if (!writes)
        return {PasteDecision::Kind::Refused, {}};
    return {PasteDecision::Kind::Writes, std::move(*writes)};
}

bool PasteIntoForm(FormControl field, std::string_view pasted, const RefreshFields& fields,
                   const LocaleSeparators& separators)
{
    const PasteDecision decision = DecidePaste(field, pasted, separators);
    for (const FieldWrite& write : decision.writes) {
        TextField& target = write.field == FormControl::Text1 ? fields.Text1
            : write.field == FormControl::Text2               ? fields.Text2
            : write.field == FormControl::Text3               ? fields.Text3
                                                              : fields.Text5;
        target.write(write.text);
    }
    return decision.kind != PasteDecision::Kind::AsBefore;
}

} // namespace tarvola
