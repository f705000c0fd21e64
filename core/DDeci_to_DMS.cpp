#include "DDeci_to_DMS.h"

#include "conversion_failure.h"
#include "number_text.h"

namespace tarvola::DDeci_to_DMS {

namespace {

// FormatWhole writes plain ASCII digits, so a full minute of rounded seconds reads exactly so.
constexpr std::string_view kFullMinuteOfSeconds = "60";
constexpr double kMinutesPerDegree = 60;

} // namespace

std::string DeciToDMS(const LooseValue& value, const LocaleSeparators& separators)
{
    // Each working value is written by one step only; a step that fails leaves it Empty and
    // the next step runs anyway.
    LooseValue degrees;
    LooseValue minutesExact;
    try {
        degrees = LooseValue::Number(FloorValue(value, separators));
    } catch (const ConversionFailure&) {
    }
    try {
        minutesExact = Multiply(Subtract(value, degrees, separators), LooseValue::Number(60), separators);
    } catch (const ConversionFailure&) {
    }

    // From here on every operand is Empty or a Number, so nothing can fail.
    double wholeMinutes = FloorValue(minutesExact, separators);
    const LooseValue secondsExact =
        Multiply(Subtract(minutesExact, LooseValue::Number(wholeMinutes), separators), LooseValue::Number(60), separators);
    std::string seconds = FormatWhole(*secondsExact.number());

    // Rounding can reach a full minute (1,15 would otherwise read 1° 8' 60"); carry it so that
    // no text ever shows 60 seconds or 60 minutes.
    if (seconds == kFullMinuteOfSeconds) {
        seconds = "0";
        wholeMinutes += 1;
        if (wholeMinutes == kMinutesPerDegree) {
            wholeMinutes = 0;
            if (const double* wholeDegrees = degrees.number())
                degrees = LooseValue::Number(*wholeDegrees + 1);
        }
    }

    const LooseValue secondsPiece = Add(LooseValue::Text(std::move(seconds)), LooseValue::Text("\""), separators);
    return Join({LooseValue::Text(" "), degrees, LooseValue::Text("\u00B0 "), LooseValue::Number(wholeMinutes),
                 LooseValue::Text("' "), secondsPiece},
                separators);
}

} // namespace tarvola::DDeci_to_DMS
