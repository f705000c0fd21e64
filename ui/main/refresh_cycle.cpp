#include "refresh_cycle.h"

#include "DDeci_to_DMS.h"
#include "DegDMS_to_DegDeci.h"
#include "conversion_failure.h"
#include "number_text.h"
#include "text_field.h"

namespace tarvola {

namespace {

// A condition that cannot be evaluated counts as holding: a field the user is still typing in
// (empty, a lone minus) must never be reset.
bool ReadsBelow(const TextField& field, double bound, const LocaleSeparators& separators)
{
    try {
        return ParseNumber(field.text(), separators) < bound;
    } catch (const ConversionFailure&) {
        return true;
    }
}

void RefreshDegreesSide(const RefreshFields& fields, const LocaleSeparators& separators)
{
    if (!ReadsBelow(fields.Text1, kDegreesBound, separators)) {
        fields.Text1.write(kDegreesResetText);
        return;
    }
    try {
        // Seconds first, then minutes, then degrees: the order the conversion has always used.
        const auto seconds = ToInteger16(fields.Text3.text(), separators);
        const auto minutes = ToInteger16(fields.Text2.text(), separators);
        const auto degrees = ToInteger16(fields.Text1.text(), separators);
        fields.Text4.write(NumberToText(DegDMS_to_DegDeci::DMSToDeci(degrees, minutes, seconds), separators));
    } catch (const ConversionFailure&) {
        // Text4 keeps its last value until the inputs read as numbers again.
    }
}

void RefreshDecimalSide(const RefreshFields& fields, const LocaleSeparators& separators)
{
    if (!ReadsBelow(fields.Text5, kDecimalBound, separators)) {
        fields.Text5.write(kDecimalResetText);
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
