#include "core/angle_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvola {
namespace {

using Kind = AngleText::Kind;

struct AngleCase {
    std::string text;
    Kind kind;
    AngleRefusal refusal; // when Refused
    // When an angle: the angle in whole seconds and in units of 1e-7 degree, rounded halves away
    // from zero, worked out by hand in exact fractions (48 + 51/60 + 30.2/3600 for 48°51'30.2").
    std::optional<std::int64_t> seconds;
    std::optional<std::int64_t> tenMillionths;
};

AngleCase Angle(std::string text, std::optional<std::int64_t> seconds, std::optional<std::int64_t> tenMillionths)
{
    return {std::move(text), Kind::Angle, {}, seconds, tenMillionths};
}
AngleCase Refused(std::string text, AngleRefusal reason) { return {std::move(text), Kind::Refused, reason, {}, {}}; }
AngleCase NotAnAngle(std::string text) { return {std::move(text), Kind::NotAnAngle, {}, {}, {}}; }

TEST(ReadAngle, ReadsEveryFormExactlyAndRefusesWhatIsNotOneUsableAngle)
{
    const std::vector<AngleCase> cases = {
        // Degrees with marks, every mark once.
        Angle("48°51'30.2\"", 175890, 488583889),
        Angle("45\u00BA 30\u2019 45\u201D", 163845, 455125000),
        Angle("48\u02DA 51\u2032 30\u2033", 175890, 488583333),
        Angle("48°51'30''", 175890, 488583333),
        Angle("48° 51.502'", 175890, 488583667),
        Angle("48.8584°", 175890, 488584000),
        Angle(" 12° 34' 57\"", 45297, 125825000), // this window's own result
        Angle("48°\u00A051'\u202F30\"", 175890, 488583333), // no-break and narrow no-break spaces
        // Numbers separated by blanks; a number with a hemisphere letter.
        Angle("48 51 30", 175890, 488583333),
        Angle("48 51,5", 175890, 488583333),
        Angle("48.8584 N", 175890, 488584000),
        Angle("S 33.865", -121914, -338650000),
        Angle("33.865 s", -121914, -338650000),
        Angle("2.2945e", 8260, 22945000), // a letter, not an exponent: nothing follows it
        // Signs and letters before or after.
        Angle("33°51′54″S", -121914, -338650000),
        Angle("N 48° 51.502'", 175890, 488583667),
        Angle("122°25'9.8\"W", -440710, -1224193889),
        Angle("-33,865°", -121914, -338650000),
        Angle("\u221233°", -118800, -330000000),
        Angle("+48° 30'", 174600, 485000000),
        // Native digits, with the Arabic decimal separator too.
        Angle("\u0664\u0668° \u0665\u0661' \u0663\u0660\u066B\u0662\"", 175890, 488583889),
        Angle("\u06F4\u06F8.\u06F8\u06F5\u06F8\u06F4 N", 175890, 488584000),
        // Rounding: halves away from zero, carries, and ties decided on all the written digits
        // (a double would read the first two as the same half second).
        Angle("59° 59' 59.5\"", 216000, 599998611),
        Angle("0.000138888888888888888889°", 1, 1389),
        Angle("0.000138888888888888888888°", 0, 1389),
        Angle("0° 0.0083333333333333333334'", 1, 1389),
        Angle("0° 0.0083333333333333333333'", 0, 1389),
        Angle("0.00125°", 5, 12500),
        Angle("0.00125° S", -5, -12500),
        Angle("0.00000005 S", 0, -1),
        Angle("0.000000049999999999999999 S", 0, 0),
        Angle("179° 59' 59.9999\"", 648000, 1800000000),
        Angle("000048° 05' 07.000\"", 173107, 480852778),
        Angle("48° 59.99'", 176399, 489998333),
        Angle("123456789012345678901234567890°", std::nullopt, std::nullopt),
        // Only the first line counts.
        Angle("48°51'30\"\r\nParis", 175890, 488583333),
        NotAnAngle("\n48°51'30\""),

        Refused("48° 75'", AngleRefusal::MinutesOrSecondsTooLarge),
        Refused("48° 30' 60\"", AngleRefusal::MinutesOrSecondsTooLarge),
        Refused("48 60", AngleRefusal::MinutesOrSecondsTooLarge),
        Refused("48.5° 30'", AngleRefusal::FractionBeforeLastPart),
        Refused("48 30.5 15", AngleRefusal::FractionBeforeLastPart),
        Refused("-48° 30' N", AngleRefusal::SignWithHemisphere),
        Refused("+48.5 N", AngleRefusal::SignWithHemisphere),
        Refused("48°51'30\"N 2°17'40\"E", AngleRefusal::TwoAngles),
        Refused("N 48.8584 E 2.2945", AngleRefusal::TwoAngles),
        Refused("48.8584, 2.2945", AngleRefusal::TwoAngles),
        Refused("-33° 51' 54\"", AngleRefusal::AmbiguousMinus),
        Refused(" -1° 30' 0\"", AngleRefusal::AmbiguousMinus),
        Refused("\u221233 51 54", AngleRefusal::AmbiguousMinus),

        // Everything else pastes as it always did.
        NotAnAngle("48"),
        NotAnAngle("-48,5"),
        NotAnAngle("1e5"),
        NotAnAngle("2E-3"),
        NotAnAngle(""),
        NotAnAngle("abc"),
        NotAnAngle("North 48°"),
        NotAnAngle("30'"),
        NotAnAngle("48° 30\""),
        NotAnAngle("48° 30"),
        NotAnAngle("48°51'30\" (Paris)"),
        NotAnAngle("48..5°"),
        NotAnAngle("4\u0668°"),
        NotAnAngle("48 51 30 15"),
        NotAnAngle("N S 48"),
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.text);
        const AngleText read = ReadAngle(c.text);
        ASSERT_EQ(read.kind, c.kind);
        if (c.kind == Kind::Refused) {
            EXPECT_EQ(read.refusal, c.refusal);
        }
        if (c.kind != Kind::Angle)
            continue;
        EXPECT_EQ(read.angle.RoundedMultiple(3600), c.seconds);
        EXPECT_EQ(read.angle.RoundedMultiple(10'000'000), c.tenMillionths);
    }
}

} // namespace
} // namespace tarvola
