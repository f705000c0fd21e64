#include "loose_value.h"

#include "number_text.h"

namespace tarvola {

double NumericValue(const LooseValue& value, const LocaleSeparators& separators)
{
    if (const double* number = value.number())
        return *number;
    if (const std::string* text = value.text())
        return ParseNumber(*text, separators);
    return 0;
}

double FloorValue(const LooseValue& value, const LocaleSeparators& separators)
{
    return FloorValue(NumericValue(value, separators));
}

LooseValue Subtract(const LooseValue& a, const LooseValue& b, const LocaleSeparators& separators)
{
    return LooseValue::Number(NumericValue(a, separators) - NumericValue(b, separators));
}

LooseValue Multiply(const LooseValue& a, const LooseValue& b, const LocaleSeparators& separators)
{
    return LooseValue::Number(NumericValue(a, separators) * NumericValue(b, separators));
}

LooseValue Add(const LooseValue& a, const LooseValue& b, const LocaleSeparators& separators)
{
    if (a.text() && b.text())
        return LooseValue::Text(*a.text() + *b.text());
    return LooseValue::Number(NumericValue(a, separators) + NumericValue(b, separators));
}

std::string Join(std::initializer_list<LooseValue> pieces, const LocaleSeparators& separators)
{
    std::string joined;
    joined.reserve(32);
    for (const LooseValue& piece : pieces) {
        if (const double* number = piece.number())
            joined += NumberToText(*number, separators);
        else if (const std::string* text = piece.text())
            joined += *text;
    }
    return joined;
}

} // namespace tarvola
