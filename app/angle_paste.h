#pragma once

#include "app/form_layout.h"
#include "app/refresh_cycle.h"
#include "core/locale_separators.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvola {

// One field's new text.
struct FieldWrite {
    FormControl field;
    std::string text;
};

// What a paste into one of the main window's fields does.
struct PasteDecision {
    enum class Kind {
        AsBefore, // not an angle: the field pastes the text as it always did
        Refused,  // an angle text that is not one usable angle: nothing changes
        Writes,   // the angle, written into the converter's input fields
    };
    Kind kind = Kind::AsBefore;
    std::vector<FieldWrite> writes; // when Writes
};

// The decision for `pasted` (ReadAngle's rules) pasted into `field`. Into Text1, Text2 or
// Text3: the angle at whole seconds (halves away from zero, with carries), degrees floored and
// minutes and seconds added so that DMSToDeci gives the angle back (33°51'54"S: -34, 8, 6);
// refused when the degrees need more than Text1's three characters. Into Text5: the decimal
// degrees rounded (halves away from zero) to as many decimals as fit its nine characters, no
// trailing zeros, with the locale's decimal separator; refused when not even the whole degrees
// fit. Into a result field: refused, as every edit there is.
[[nodiscard]] PasteDecision DecidePaste(FormControl field, std::string_view pasted, const LocaleSeparators& separators);

// Decides as DecidePaste and carries out the writes through the fields. True when the paste is
// dealt with (written or refused); false when the field should paste the text as it always did.
bool PasteIntoForm(FormControl field, std::string_view pasted, const RefreshFields& fields,
                   const LocaleSeparators& separators);

} // namespace tarvola
