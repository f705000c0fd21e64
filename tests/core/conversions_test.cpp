#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "tests/core/test_locales.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvola {
namespace {

using DDeci_to_DMS::DeciToDMS;
using DegDMS_to_DegDeci::DMSToDeci;
using test::kArabic;
using test::kCommaDecimal;
using test::kDotDecimal;

// The display text from its pieces; an empty degrees piece is the non-numeric form.
std::string Dms(const std::string& degrees, const std::string& minutes, const std::string& seconds)
{
    return " " + degrees + "\u00B0 " + minutes + "' " + seconds + "\"";
}

struct DmsCase {
    int degrees;
    int minutes;
    int seconds;
    double expected;
};

TEST(DMSToDeci, ReturnsTheDoubleNearestToTheExactAngle)
{
    const std::vector<DmsCase> cases = {
        {45, 30, 45, 45.5125},
        {10, 20, 0, 10.333333333333334},
        {180, 0, 0, 180},
        {0, 0, 0, 0},
        {-10, 30, 0, -9.5}, // minutes are added to negative degrees, not subtracted
        {99, 99, 99, 100.6775},
        {0, 0, 1, 0.0002777777777777778},
        {12, 34, 56, 12.582222222222223},
        {0, -30, 0, -0.5},
        {-1, 53, 87, -0.0925}, // the parts cancel: added one by one they miss by 6 units in the last place
        {-32768, -32768, -32768, -32768 - 32768 / 60.0 - 32768 / 3600.0},
    };
    for (const DmsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.degrees << ' ' << c.minutes << ' ' << c.seconds);
        EXPECT_EQ(DMSToDeci(static_cast<std::int16_t>(c.degrees), static_cast<std::int16_t>(c.minutes),
                            static_cast<std::int16_t>(c.seconds)),
                  c.expected);
    }
}

struct DeciCase {
    const char* input;
    std::string expected;
};

TEST(DeciToDMS, FloorsDegreesAndMinutesAndRoundsSeconds)
{
    const std::vector<DeciCase> cases = {
        {"45,5125", Dms("45", "30", "45")},
        {"0", Dms("0", "0", "0")},
        {"180", Dms("180", "0", "0")},
        {"12,5825", Dms("12", "34", "57")},
        {"30,25", Dms("30", "15", "0")},
        {"-0,5", Dms("-1", "30", "0")}, // floored degrees, added minutes
        {"0,00375", Dms("0", "0", "14")},
        {"-1000", Dms("-1000", "0", "0")},
        {"-10,99999", Dms("-11", "0", "0")},
        {"000,00000", Dms("0", "0", "0")},
        {"-1e300", Dms("-1E+300", "0", "0")},
        // Not a number: the degrees piece is missing.
        {"", Dms("", "0", "0")},
        {"abc", Dms("", "0", "0")},
        {"-", Dms("", "0", "0")},
    };
    for (const DeciCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(DeciToDMS(LooseValue::Text(c.input), kCommaDecimal), c.expected);
    }
}

TEST(DeciToDMS, CarriesSixtySecondsOrMinutesIntoTheNextUnit)
{
    const std::vector<DeciCase> cases = {
        {"1,15", Dms("1", "9", "0")},
        {"10,99999", Dms("11", "0", "0")},
        {"0,3333333", Dms("0", "20", "0")},
        {"179,9999999", Dms("180", "0", "0")},
        {"-0,0000001", Dms("0", "0", "0")}, // never "-0"
        {"0,9999999", Dms("1", "0", "0")},
        // value - floor(value) rounds to exactly 1: the minutes floor to 60 with 0 seconds.
        {"-1e-17", Dms("0", "0", "0")},
        {"-1e-300", Dms("0", "0", "0")},
        {"-4e-324", Dms("0", "0", "0")},
    };
    for (const DeciCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(DeciToDMS(LooseValue::Text(c.input), kCommaDecimal), c.expected);
    }
}

TEST(DeciToDMS, ReadsTheInputUnderTheGivenLocale)
{
    EXPECT_EQ(DeciToDMS(LooseValue::Text("12.5825"), kDotDecimal), Dms("12", "34", "57"));
    EXPECT_EQ(DeciToDMS(LooseValue::Text("12\u066B5825"), kArabic), Dms("12", "34", "57"));
    // Under a comma-group locale the comma is ignored: 125825 whole degrees.
    EXPECT_EQ(DeciToDMS(LooseValue::Text("12,5825"), kDotDecimal), Dms("125825", "0", "0"));
}

TEST(DeciToDMS, AcceptsNumbersAndEmptyAsWell)
{
    EXPECT_EQ(DeciToDMS(LooseValue::Number(-0.5), kCommaDecimal), Dms("-1", "30", "0"));
    EXPECT_EQ(DeciToDMS(LooseValue(), kCommaDecimal), Dms("0", "0", "0"));
}

} // namespace
} // namespace tarvola
