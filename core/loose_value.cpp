#include "core/loose_value.h"

#include "core/conversion_failure.h"
#include "core/number_text.h"

namespace tarvola {

std::optional<double> TryNumericValue(const LooseValue& value, const LocaleSeparators& separators)
{
    if (const double* number = value.number())
        return *number;
    if (const std::string* text = value.text())
        return TryParseNumber(*text, separators);
    return 0.0;
}

std::string Join(std::initializer_list<std::reference_wrapper<const LooseValue>> pieces,
                 const LocaleSeparators& separators)
{
    std::string joined;
    for (const LooseValue& piece : pieces) {
        if (const double* number = piece.number())
            joined += NumberToText(*number, separators);
        else if (const std::string* text = piece.text())
            joined += *text;
    }
    return joined;
}

} // namespace tarvola
