#include "app/field_defaults.h"

#include "core/number_text.h"

namespace tarvola {

std::string LocalDefaultText(const FieldDefault& field, const LocaleSeparators& separators)
{
    std::string text(field.text);
    if (TryParseNumber(text, separators))
        return text;
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos)
        text.replace(comma, 1, separators.decimal);
    return text;
}

} // namespace tarvola
