// Feeds arbitrary bytes to the number-text rules, the decimal-to-DMS conversion and a whole
// refresh tick, under the five kinds of locale separators the program meets, and checks the
// promises that hold for every input.
#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "core/conversion_failure.h"
#include "tests/core/dms_text.h"
#include "tests/core/exact_decimal.h"
#include "app/field_defaults.h"
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
    return 0;
}
