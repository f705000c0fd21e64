#include "core/conversion_failure.h"
#include "core/number_text.h"
#include "tests/core/test_locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace tarvola {
namespace {

using test::kArabic;
using test::kCommaDecimal;
using test::kDotDecimal;
using test::kFrench;
using test::kNoGroup;

struct ParseCase {
    const char* text;
    const LocaleSeparators* separators;
    double expected;
};

TEST(ParseNumber, ReadsEveryAcceptedForm)
{
    const std::vector<ParseCase> cases = {
        {"000", &kCommaDecimal, 0},
        {"000,00000", &kCommaDecimal, 0},
        {"000,00000", &kDotDecimal, 0}, // the comma is a group separator there: still zero
        {",5", &kCommaDecimal, 0.5},
        {"5,", &kCommaDecimal, 5},
        {"-,5", &kCommaDecimal, -0.5},
        {"  12,5\t", &kCommaDecimal, 12.5},
        {"+3", &kCommaDecimal, 3},
        {"-3", &kCommaDecimal, -3},
        {"1.000", &kCommaDecimal, 1000},
        {"1.2.3,5", &kCommaDecimal, 123.5}, // no group-size rule
        {"1..000", &kCommaDecimal, 1000},
        {"1e3", &kCommaDecimal, 1000},
        {"2,5E-1", &kCommaDecimal, 0.25},
        {"1e+2", &kCommaDecimal, 100},
        {"1,000.5", &kDotDecimal, 1000.5},
        {"2.5", &kDotDecimal, 2.5},
        {"1\u202F000,5", &kFrench, 1000.5},
        {"1000e-1", &kNoGroup, 100}, // an empty group separator matches nowhere
        {"3\u066B5", &kArabic, 3.5},
        {"1\u066C000", &kArabic, 1000},
        // The digits that Arabic and Persian keyboard layouts type.
        {"\u0661\u0662\u066B\u0665", &kArabic, 12.5},
        {"\u06F1\u06F2\u066B\u06F5", &kArabic, 12.5},
        {"-\u0661\u066C\u0660\u0660\u0660e\u0662", &kArabic, -100000},
        // Exact conversion: the nearest double, never a digit-by-digit accumulation.
        {"45,5125", &kCommaDecimal, 45.5125},
        {"12,5825", &kCommaDecimal, 12.5825},
        {"180,00001", &kCommaDecimal, 180.00001},
        {"0,1", &kCommaDecimal, 0.1},
        {"0,1000000000000000055511151231257827", &kCommaDecimal, 0.1},
        {"123456789012345678901234567890", &kCommaDecimal, 123456789012345678901234567890.0},
        {"1,7976931348623157e308", &kCommaDecimal, std::numeric_limits<double>::max()},
        {"4,9e-324", &kCommaDecimal, std::numeric_limits<double>::denorm_min()},
        // Subnormal and rounded: some C libraries report these as out of range.
        {"1e-310", &kCommaDecimal, 1e-310},
        {"2,2250738585072011e-308", &kCommaDecimal, 2.2250738585072011e-308},
        // Too small for a double is zero, not an error.
        {"1e-400", &kCommaDecimal, 0},
        {"0e99999999999999999999", &kCommaDecimal, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseNumber(c.text, *c.separators), c.expected);
    }
}

TEST(ParseNumber, SaturatesExponentsOfTextsOverAMillionCharacters)
{
    // 0,(1,000,004 zeros)1 times 10^1000005 is exactly 1.
    const std::string one = "0," + std::string(1'000'004, '0') + "1e1000005";
    EXPECT_EQ(ParseNumber(one, kCommaDecimal), 1);
    EXPECT_EQ(ParseNumber("1" + std::string(1'000'004, '0') + "e-1000004", kCommaDecimal), 1);
    EXPECT_EQ(ParseNumber("0," + std::string(2'000'000, '0') + "1", kCommaDecimal), 0);
}

TEST(ParseNumber, KeepsTheSignOfZero)
{
    EXPECT_TRUE(std::signbit(ParseNumber("-0", kCommaDecimal)));
    EXPECT_TRUE(std::signbit(ParseNumber("-1e-400", kCommaDecimal)));
}

TEST(ParseNumber, RejectsEverythingElse)
{
    const std::vector<std::pair<const char*, const LocaleSeparators*>> cases = {
        {"", &kCommaDecimal},        {"   ", &kCommaDecimal},      {"-", &kCommaDecimal},
        {"+", &kCommaDecimal},       {",", &kCommaDecimal},        {"abc", &kCommaDecimal},
        {"inf", &kCommaDecimal},     {"nan", &kCommaDecimal},      {"infinity", &kCommaDecimal},
        {"0x10", &kCommaDecimal},    {"1e", &kCommaDecimal},       {"e5", &kCommaDecimal},
        {"1e-", &kCommaDecimal},     {"--1", &kCommaDecimal},      {"+-1", &kCommaDecimal},
        {"1,2,3", &kCommaDecimal},   {"1,5,", &kCommaDecimal},     {"5,,", &kCommaDecimal},
        {"1 2", &kCommaDecimal},     {"1e400", &kCommaDecimal},
        {"-1e400", &kCommaDecimal},  {"1,5.3", &kCommaDecimal},    {".5", &kCommaDecimal},
        {"5-", &kCommaDecimal},      {"(5)", &kCommaDecimal},      {"1e5,5", &kCommaDecimal},
        {"12abc", &kCommaDecimal},   {"5\n", &kCommaDecimal},      {"\xFF\xFE", &kCommaDecimal},
        {"1.2.3", &kDotDecimal},     {"1 000,5", &kFrench},        {"1\u0662", &kArabic},
        {"\u0661\u06F2", &kArabic},  {"\u0661e2", &kArabic},    {"1,000", &kNoGroup},
        {"1e99999999999999999999", &kCommaDecimal},
    };
    for (const auto& [text, separators] : cases) {
        SCOPED_TRACE(text);
        EXPECT_THROW((void)ParseNumber(text, *separators), ConversionFailure);
    }
}

TEST(ToInteger16, RoundsHalvesToEvenWithinRange)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"2,5", 2},        {"3,5", 4},        {"-2,5", -2},         {"1,5", 2},
        {"-0,5", 0},       {"0,5", 0},        {"2,4999", 2},        {"32767", 32767},
        {"-32768", -32768}, {"32767,4", 32767}, {"-32768,5", -32768}, {"1e4", 10000},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ToInteger16(text, kCommaDecimal), expected);
    }
}

TEST(ToInteger16, FailsOutsideTheRangeOrOnNonNumbers)
{
    for (const char* text : {"40000", "32767,5", "-32769", "-32768,6", "1e300", "abc", "", "-"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW((void)ToInteger16(text, kCommaDecimal), ConversionFailure);
    }
}

TEST(NumberToText, WritesFifteenSignificantDigits)
{
    const std::vector<std::pair<double, const char*>> cases = {
        {45.5125, "45,5125"},
        {10.333333333333334, "10,3333333333333"},
        {180, "180"},
        {0, "0"},
        {-0.0, "0"},
        {-9.5, "-9,5"},
        {0.0002777777777777778, "0,000277777777777778"},
        {0.0001, "0,0001"},
        {0.1 + 0.2, "0,3"},
        {181.6775, "181,6775"},
        {123456789012345, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        // Left open for very large and very small magnitudes: scientific notation.
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"}, // rounds up to 1e15 at 15 digits
        {-2.5e-5, "-2,5E-05"},
        {0.00009999999999999999, "0,0001"}, // rounds up into positional range
        {1e100, "1E+100"},
        {-1.5e-300, "-1,5E-300"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(NumberToText(value, kCommaDecimal), expected);
    }
}

TEST(NumberToText, UsesTheLocaleDecimalSeparatorOnly)
{
    EXPECT_EQ(NumberToText(12345.5, kDotDecimal), "12345.5");
    EXPECT_EQ(NumberToText(12345.5, kFrench), "12345,5");
    EXPECT_EQ(NumberToText(3.5, kArabic), "3\u066B5");
    EXPECT_EQ(NumberToText(-2.5e-5, kArabic), "-2\u066B5E-05");
}

TEST(FormatWhole, RoundsTheFifteenDigitValueHalfAwayFromZero)
{
    const std::vector<std::pair<double, const char*>> cases = {
        {59.964, "60"},
        {0.49, "0"},
        {59.9999999999997, "60"},
        {59.5, "60"},
        {0.5, "1"},
        {13.499999999999998, "14"}, // 13.5 at 15 digits
        {2.4999999999999996, "3"},  // likewise 2.5 at 15 digits
        {2.4999999999999, "2"},     // a true fraction below the half
        {100000000000000.5, "100000000000000"}, // 15 digits leave no fraction to round
        {-59.5000000000001, "-60"},
        {9.5, "10"},
        {0.05, "0"},
        {0, "0"},
        {-0.4, "0"}, // never "-0"
        {-0.5, "-1"},
        {-2.5, "-3"},
        {99999999999999.5, "100000000000000"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(FormatWhole(value), expected);
    }
}

} // namespace
} // namespace tarvola
