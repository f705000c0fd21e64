#pragma once

#include "core/locale_separators.h"

#include <string_view>

namespace tarvola {

class TextField;

// The six fields of the main window, by their names there.
struct RefreshFields {
    TextField& Text1; // degrees input
    TextField& Text2; // minutes input
    TextField& Text3; // seconds input
    TextField& Text4; // decimal result
    TextField& Text5; // decimal input
    TextField& Text6; // DMS result
};

// How often the main window runs the refresh cycle, in milliseconds: ten times a second.
inline constexpr int kRefreshIntervalMs = 100;

// A degrees text whose value reaches this is put back to its reset text (180.9 still passes).
inline constexpr double kDegreesBound = 181;
// A decimal text whose value reaches this is put back to its reset text.
inline constexpr double kDecimalBound = 180.00001;

// One refresh of both converters. Degrees side: if Text1 reads below kDegreesBound (or is not
// a number), Text4 gets the decimal value of Text1/Text2/Text3, unless one of them is not a
// 16-bit whole number, in which case Text4 keeps its text; otherwise Text1 is reset. Decimal
// side: if Text5 reads below kDecimalBound (or is not a number), Text6 gets DeciToDMS of the
// raw text; otherwise Text5 is reset. Resets write the field's default text as the separators
// read it (LocalDefaultText). The two sides never affect each other.
// Never throws: a conversion failure skips its statement, anything else ends the tick early.
void RunRefreshTick(const RefreshFields& fields, const LocaleSeparators& separators) noexcept;

} // namespace tarvola
