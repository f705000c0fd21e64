#include "app/refresh_cycle.h"

#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "core/conversion_failure.h"
#include "app/field_defaults.h"
#include "core/number_text.h"
#include "app/text_field.h"

namespace tarvola {

namespace {

// A condition that cannot be evaluated counts as holding: a field the user is still typing in
// (empty, a lone minus) must never be reset.
bool ReadsBelow(const TextField& field, double bound, const LocaleSeparators& separators)
{
    const std::optional<double> value = TryParseNumber(field.text(), separators);
    return !value || *value < bound;
}

void RefreshDegreesSide(const RefreshFields& fields, const LocaleSeparators& separators)
{
    if (!ReadsBelow(fields.Text1, kDegreesBound, separators)) {
        fields.Text1.write(LocalDefaultText(kText1Default, separators));
        return;
    }
    // Any of the three that is not a 16-bit whole number leaves Text4 with its last value. The
    // reads change nothing, so their order does not matter.
    const auto seconds = TryToInteger16(fields.Text3.text(), separators);
    if (!seconds)
        return;
    const auto minutes = TryToInteger16(fields.Text2.text(), separators);
    if (!minutes)
        return;
    const auto degrees = TryToInteger16(fields.Text1.text(), separators);
    if (!degrees)
        return;
    try {
        fields.Text4.write(NumberToText(DegDMS_to_DegDeci::DMSToDeci(*degrees, *minutes, *seconds), separators));
    } catch (const ConversionFailure&) {
    }
}

void RefreshDecimalSide(const RefreshFields& fields, const LocaleSeparators& separators)
{
    if (!ReadsBelow(fields.Text5, kDecimalBound, separators)) {
        fields.Text5.write(LocalDefaultText(kText5Default, separators));
        return;
    }
    fields.Text6.write(DDeci_to_DMS::DeciToDMS(LooseValue::Text(fields.Text5.text()), separators));
}

} // namespace

void RunRefreshTick(const RefreshFields& fields, const LocaleSeparators& separators) noexcept
{
    try {
        RefreshDegreesSide(fields, separators);
    } catch (...) {
        // Only running out of memory gets here; the next tick tries again.
    }
    try {
        RefreshDecimalSide(fields, separators);
    } catch (...) {
    }
}

} // namespace tarvola
