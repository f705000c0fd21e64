#include "core/DDeci_to_DMS.h"

#include "core/number_text.h"

namespace tarvola::DDeci_to_DMS {

namespace {

// FormatWhole writes plain ASCII digits, so a full minute of rounded seconds reads exactly so.
constexpr std::string_view kFullMinuteOfSeconds = "60";
constexpr double kMinutesPerDegree = 60;

const LooseValue kSixty = LooseValue::Number(60);
const LooseValue kLeadingBlank = LooseValue::Text(" ");
const LooseValue kDegreeSign = LooseValue::Text("\u00B0 ");
const LooseValue kMinuteSign = LooseValue::Text("' ");
const LooseValue kSecondSign = LooseValue::Text("\"");

} // namespace

std::string DeciToDMS(const LooseValue& value, const LocaleSeparators& separators)
{
    // The degrees and the exact minutes fail together, exactly when the value is not a number;
    // both then stay Empty, which counts as zero in the arithmetic below and joins as nothing:
    // " ° 0' 0\"".
    LooseValue degrees;
    LooseValue minutesExact;
    if (const std::optional<double> number = TryNumericValue(value, separators)) {
        const LooseValue numeric = LooseValue::Number(*number);
        degrees = LooseValue::Number(FloorValue(*number));
        minutesExact = Multiply(Subtract(numeric, degrees, separators), kSixty, separators);
    }

    // From here on every operand is Empty or a Number, so nothing can fail.
    double wholeMinutes = FloorValue(minutesExact, separators);
    const LooseValue secondsExact =
        Multiply(Subtract(minutesExact, LooseValue::Number(wholeMinutes), separators), kSixty, separators);
    std::string seconds = FormatWhole(*secondsExact.number());

    // Rounding can reach a full minute (1,15 would otherwise read 1° 8' 60"), and the minutes
    // themselves can floor to 60 when value - degrees rounds up to exactly 1 (-1e-17). Carry
    // both, so that no text ever shows 60 seconds or 60 minutes.
    if (seconds == kFullMinuteOfSeconds) {
        seconds = "0";
        wholeMinutes += 1;
    }
    if (wholeMinutes >= kMinutesPerDegree) {
        wholeMinutes -= kMinutesPerDegree;
        if (const double* wholeDegrees = degrees.number())
            degrees = LooseValue::Number(*wholeDegrees + 1);
    }

    const LooseValue minutesPiece = LooseValue::Number(wholeMinutes);
    const LooseValue secondsPiece = LooseValue::Text(std::move(seconds));
    return Join({kLeadingBlank, degrees, kDegreeSign, minutesPiece, kMinuteSign, secondsPiece, kSecondSign},
                separators);
}

} // namespace tarvola::DDeci_to_DMS
