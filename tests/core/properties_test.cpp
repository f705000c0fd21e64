// Properties over whole ranges of input, catching classes of faults rather than single cases.
#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "tests/core/dms_text.h"
#include "tests/core/exact_decimal.h"
#include "app/memory_form.h"
#include "core/number_text.h"
#include "app/refresh_cycle.h"
#include "tests/core/test_locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvola {
namespace {

using test::kCommaDecimal;

// The sanitizer build walks every n-th row of the grids: the same ranges, fewer points.
#ifndef TARVOLA_PROPERTY_GRID_STRIDE
#define TARVOLA_PROPERTY_GRID_STRIDE 1
#endif
constexpr int kGridStride = TARVOLA_PROPERTY_GRID_STRIDE;

TEST(RefreshCycleProperty, EveryTypeableDegreesInputGivesTheExactCutDecimal)
{
    MemoryForm form;

    long mismatches = 0;
    for (int degrees = -99; degrees <= 999; ++degrees) {
        for (int minutes = -9; minutes <= 99; ++minutes) {
            for (int seconds = -9; seconds <= 99; seconds += kGridStride) {
                const std::string degreesText = std::to_string(degrees);
                form.typeDms(degreesText, std::to_string(minutes), std::to_string(seconds));
                const int writesBefore = form.text4.writeCount();
                RunRefreshTick(form.fields, kCommaDecimal);

                bool ok;
                if (degrees < 181) {
                    // The exact angle in seconds, written at 15 digits and cut to 9.
                    const std::string full = test::ExactDegreesText(degrees * 3600 + minutes * 60 + seconds, ",");
                    ok = form.text4.writeCount() == writesBefore + 1
                        && form.text4.text() == test::FirstCharacters(full, 9) && form.text1.text() == degreesText;
                } else {
                    ok = form.text4.writeCount() == writesBefore && form.text1.text() == "000";
                }
                if (!ok && ++mismatches <= 5)
                    ADD_FAILURE() << degrees << ' ' << minutes << ' ' << seconds << " -> " << form.text4.text();
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(DeciToDMSProperty, PiecesStayInRangeAndReadBackWithinHalfASecond)
{
    // About 1.2 seconds of arc (times the stride), never a whole number of them.
    constexpr double kStep = kGridStride / 3001.0;
    constexpr double kHalfSecond = 0.5 / 3600;
    long failures = 0;
    for (long i = 0;; ++i) {
        const double value = -1000 + i * kStep;
        if (value > 180)
            break;
        const std::string input = NumberToText(value, kCommaDecimal);
        const std::string text = DDeci_to_DMS::DeciToDMS(LooseValue::Text(input), kCommaDecimal);
        std::optional<long> degrees, minutes, seconds;
        if (const std::optional<test::DmsPieces> pieces = test::SplitDmsText(text)) {
            degrees = test::WholeNumber(pieces->degrees);
            minutes = test::WholeNumber(pieces->minutes);
            seconds = test::WholeNumber(pieces->seconds);
        }
        bool ok = degrees && minutes && seconds && *minutes >= 0 && *minutes <= 59 && *seconds >= 0 && *seconds <= 59;
        if (ok) {
            const double back = DegDMS_to_DegDeci::DMSToDeci(static_cast<std::int16_t>(*degrees),
                                                              static_cast<std::int16_t>(*minutes),
                                                              static_cast<std::int16_t>(*seconds));
            ok = std::abs(back - ParseNumber(input, kCommaDecimal)) <= kHalfSecond * (1 + 1e-9);
        }
        if (!ok && ++failures <= 5)
            ADD_FAILURE() << input << " -> " << text;
    }
    EXPECT_EQ(failures, 0);
}

TEST(NumberTextProperty, WrittenNumbersReadBackToTheirFifteenDigitValue)
{
    // Powers of two spread over the whole double range, with awkward mantissas.
    for (int exponent = -1020; exponent <= 1020; exponent += 7) {
        for (double mantissa : {1.0, 1.1, 1.999999999999999, 1.3333333333333333}) {
            const double value = std::ldexp(mantissa, exponent);
            const std::string text = NumberToText(value, test::kFrench);
            const double back = ParseNumber(text, test::kFrench);
            EXPECT_EQ(NumberToText(back, test::kFrench), text) << value;
            EXPECT_LE(std::abs(back - value), std::abs(value) * 1e-14) << text;
        }
    }
}

} // namespace
} // namespace tarvola
