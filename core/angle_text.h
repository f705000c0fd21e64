#pragma once

#include "core/exact_angle.h"

#include <string_view>

namespace tarvola {

// Why a text that is written as an angle is still not one usable angle.
enum class AngleRefusal {
    MinutesOrSecondsTooLarge, // 60 or more: 48° 75', 48° 30' 60"
    FractionBeforeLastPart,   // 48.5° 30'
    SignWithHemisphere,       // -48° 30' N: a sign and a letter both say which way
    TwoAngles,                // 48°51'30"N 2°17'40"E, or 48.8584, 2.2945: a position, not an angle
    AmbiguousMinus,           // -33° 51' 54": -33.865 to most tools, -32.135 in this window's convention
};

// What a pasted text is: not an angle (any other text, a plain number included), an angle text
// refused for a reason, or an exact angle.
struct AngleText {
    enum class Kind { NotAnAngle, Refused, Angle };

    Kind kind = Kind::NotAnAngle;
    AngleRefusal refusal = AngleRefusal::TwoAngles; // when Refused
    ExactAngle angle;                               // when Angle
};

// Reads the first line of `text` (blanks around it ignored) as one angle, in one of three forms:
//  - degrees marked by ° º or ˚, then optionally minutes marked by ' ′ or ’, then optionally
//    seconds marked by " ″ ” or '' (48°51'30.2", 48° 51.502', 48.8584°);
//  - two or three numbers separated by blanks (48 51 30, 48 51,5);
//  - one number with a hemisphere letter (48.8584 N, S 33.865);
// with blanks (also no-break and thin spaces) between the parts, and either a leading sign
// (-, U+2212 or +) or one hemisphere letter N S E W (either case) before or after; S and W are
// negative. Numbers use . or , as decimal separator whatever the locale (or U+066B, the Arabic
// one), no group separators,
// and Latin, Arabic-Indic or Persian digits (one script per number); only the last part may
// have a fraction. Refusals are listed with AngleRefusal; a minus is refused before degrees
// that have minutes or seconds, and accepted on degrees alone. Never fails; linear in the text.
[[nodiscard]] AngleText ReadAngle(std::string_view text);

} // namespace tarvola
