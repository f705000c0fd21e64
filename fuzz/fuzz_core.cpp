// Feeds arbitrary bytes to the number-text rules, the decimal-to-DMS conversion, a whole
// refresh tick and the reading of a pasted angle, under the five kinds of locale separators the
// program meets, and checks the promises that hold for every input.
#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "core/conversion_failure.h"
#include "tests/core/dms_text.h"
#include "tests/core/exact_decimal.h"
#include "app/angle_paste.h"
#include "app/field_defaults.h"
#include "core/angle_text.h"
#include "app/memory_form.h"
#include "core/number_text.h"
#include "app/refresh_cycle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tarvola;

const LocaleSeparators kLocales[] = {
    {",", "."},
    {".", ","},
    {",", "\u202F"},
    {"\u066B", "\u066C"},
    {".", ""},
};

void Check(bool promise)
{
    if (!promise)
        std::abort();
}

void CheckNumberText(std::string_view text, const LocaleSeparators& separators)
{
    double value = 0;
    try {
        value = ParseNumber(text, separators);
    } catch (const ConversionFailure&) {
        return;
    }
    Check(std::isfinite(value));
    const std::string written = NumberToText(value, separators);
    Check(written != "-0");
    // What the program writes, it reads back to the same text, except at the very top of the
    // double range, where 15 digits round up past the largest double.
    const std::optional<double> back = TryParseNumber(written, separators);
    Check(back ? NumberToText(*back, separators) == written : std::abs(value) > 1.797693134862315e308);
    Check(FormatWhole(value) != "-0");
    try {
        const auto whole = ToInteger16(text, separators);
        Check(std::abs(whole - value) <= 0.5);
    } catch (const ConversionFailure&) {
        Check(!(value > -32768.5 && value < 32767.5));
    }
}

// The DMS text has the shape " D° M' S\"", minutes and seconds are whole numbers 0..59, and
// where the degrees fit the degrees field, the three pieces read back to the input within half
// a second of arc.
void CheckDmsText(const std::string& dms, std::string_view input, const LocaleSeparators& separators)
{
    const std::optional<test::DmsPieces> pieces = test::SplitDmsText(dms);
    Check(pieces.has_value());
    const auto minutes = test::WholeNumber(pieces->minutes);
    const auto seconds = test::WholeNumber(pieces->seconds);
    Check(minutes && *minutes >= 0 && *minutes <= 59);
    Check(seconds && *seconds >= 0 && *seconds <= 59);

    const std::optional<double> value = TryParseNumber(input, separators);
    Check(value.has_value() != pieces->degrees.empty());
    if (!value || !(std::abs(*value) < 32767))
        return;
    const auto degrees = test::WholeNumber(pieces->degrees);
    Check(degrees.has_value());
    const double back = DegDMS_to_DegDeci::DMSToDeci(static_cast<std::int16_t>(*degrees),
                                                      static_cast<std::int16_t>(*minutes),
                                                      static_cast<std::int16_t>(*seconds));
    Check(std::abs(back - *value) <= 0.5 / 3600 * (1 + 1e-9));
}

// The whole seconds of arc a DMS input text stands for, or nothing when it is not a 16-bit number.
std::optional<std::int64_t> WholeInput(const std::string& text, const LocaleSeparators& separators)
{
    try {
        return ToInteger16(text, separators);
    } catch (const ConversionFailure&) {
        return std::nullopt;
    }
}

// One tick over the four typed texts: each result is what exact arithmetic on the inputs gives,
// or the field keeps its text; an input past its bound comes back as a default that reads as zero.
void CheckTick(const std::vector<std::string>& texts, const LocaleSeparators& separators)
{
    MemoryForm form;
    form.typeDms(texts[0], texts[1], texts[2]);
    form.text5.type(texts[3]);
    RunRefreshTick(form.fields, separators);

    const std::optional<double> degreesValue = TryParseNumber(texts[0], separators);
    const auto degrees = WholeInput(texts[0], separators), minutes = WholeInput(texts[1], separators);
    const auto seconds = WholeInput(texts[2], separators);
    if (degreesValue && *degreesValue >= 181) {
        Check(form.text1.text() == kText1Default.text && form.text4.text() == kText4Default.text);
    } else if (degrees && minutes && seconds) {
        const std::string exact = test::ExactDegreesText(*degrees * 3600 + *minutes * 60 + *seconds, separators.decimal);
        Check(form.text1.text() == texts[0] && form.text4.text() == test::FirstCharacters(exact, 9));
    } else {
        Check(form.text1.text() == texts[0] && form.text4.text() == kText4Default.text);
    }

    const std::optional<double> decimalValue = TryParseNumber(texts[3], separators);
    if (decimalValue && *decimalValue >= 180.00001) {
        // Reset to nine characters that read as zero: "000", a separator, "00000".
        const std::string reset = form.text5.text();
        Check(TryParseNumber(reset, separators) == 0.0 && reset.starts_with("000") && reset.ends_with("00000")
              && (reset.size() == 9 || reset.substr(3, reset.size() - 8) == separators.decimal));
        Check(form.text6.text() == kText6Default.text);
    } else {
        Check(form.text5.text() == texts[3]);
        CheckDmsText(form.text6.text(), texts[3], separators);
        if (!decimalValue)
            Check(form.text6.text() == " \u00B0 0' 0\"");
    }
}

// The writes of a paste decision, as one text per field in the order given.
std::vector<std::string> WrittenTexts(const PasteDecision& decision)
{
    std::vector<std::string> texts;
    for (const FieldWrite& write : decision.writes)
        texts.push_back(write.text);
    return texts;
}

// A pasted text: nothing but what ReadAngle says happens; an angle fills Text1..Text3 with whole
// numbers that read back to it within half a second, and Text5 with at most nine characters that
// read back to it within half a unit of their last decimal; what is written, pasted again, writes
// the same.
void CheckPaste(const std::string& text, const LocaleSeparators& separators)
{
    const AngleText read = ReadAngle(text);
    const PasteDecision dms = DecidePaste(FormControl::Text2, text, separators);
    const PasteDecision decimal = DecidePaste(FormControl::Text5, text, separators);
    Check(DecidePaste(FormControl::Text4, text, separators).kind == PasteDecision::Kind::Refused);
    if (read.kind != AngleText::Kind::Angle) {
        const auto kind = read.kind == AngleText::Kind::Refused ? PasteDecision::Kind::Refused : PasteDecision::Kind::AsBefore;
        Check(dms.kind == kind && decimal.kind == kind && dms.writes.empty() && decimal.writes.empty());
        return;
    }
    Check(dms.kind != PasteDecision::Kind::AsBefore && decimal.kind != PasteDecision::Kind::AsBefore);
    // The angle in thousandths of a second and in billionths of a degree: finer than any field.
    const std::optional<std::int64_t> milliseconds = read.angle.RoundedMultiple(3'600'000);
    const std::optional<std::int64_t> billionths = read.angle.RoundedMultiple(1'000'000'000);

    if (dms.kind == PasteDecision::Kind::Writes) {
        const std::vector<std::string> fields = WrittenTexts(dms);
        Check(fields.size() == 3 && fields[0].size() <= 3);
        const auto degrees = test::WholeNumber(fields[0]), minutes = test::WholeNumber(fields[1]);
        const auto seconds = test::WholeNumber(fields[2]);
        Check(degrees && minutes && seconds && *minutes >= 0 && *minutes <= 59 && *seconds >= 0 && *seconds <= 59);
        Check(fields[0] == std::to_string(*degrees) && fields[1] == std::to_string(*minutes)
              && fields[2] == std::to_string(*seconds));
        const std::int64_t total = *degrees * 3600 + *minutes * 60 + *seconds;
        Check(milliseconds && std::abs(total * 1000 - *milliseconds) <= 500);
        const std::int64_t magnitude = std::abs(total);
        const std::string again = std::to_string(magnitude / 3600) + "\u00B0 " + std::to_string(magnitude % 3600 / 60)
            + "' " + std::to_string(magnitude % 60) + "\"" + (total < 0 ? " S" : "");
        Check(WrittenTexts(DecidePaste(FormControl::Text1, again, separators)) == fields);
    }
    if (decimal.kind == PasteDecision::Kind::Writes) {
        const std::string written = WrittenTexts(decimal).at(0);
        Check(test::FirstCharacters(written, 9) == written && written != "-0");
        const std::optional<double> value = TryParseNumber(written, separators);
        Check(value.has_value());
        const std::size_t separator = written.find(separators.decimal);
        const std::size_t decimals = separator == std::string::npos ? 0 : written.size() - separator - separators.decimal.size();
        Check(decimals == 0 || written.back() != '0');
        if (billionths) {
            const double error = std::abs(*value * 1e9 - static_cast<double>(*billionths));
            Check(error <= 0.5 * std::pow(10.0, 9 - static_cast<int>(decimals)) + 1e-6 * std::abs(*value * 1e9) + 1);
        }
        Check(WrittenTexts(DecidePaste(FormControl::Text5, written + "\u00B0", separators)) == WrittenTexts(decimal));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const LocaleSeparators& separators = kLocales[data[0] % std::size(kLocales)];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    // Up to four field texts, separated by newlines.
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (texts.size() < 4) {
        const std::size_t end = rest.find('\n', start);
        texts.emplace_back(rest.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    texts.resize(4);

    for (const std::string& text : texts)
        CheckNumberText(text, separators);

    const std::string dms = DDeci_to_DMS::DeciToDMS(LooseValue::Text(texts[3]), separators);
    CheckDmsText(dms, texts[3], separators);

    CheckTick(texts, separators);

    // The whole input pasted (its first line counts), and each text on its own line.
    CheckPaste(std::string(rest), separators);
    for (const std::string& text : texts)
        CheckPaste(text, separators);
    return 0;
}
