#include "app/form_fields.h"

#include "app/text_field.h"

namespace tarvola {

void WriteDefaultTexts(const RefreshFields& fields, const LocaleSeparators& separators)
{
    TextField* const inTabOrder[] {&fields.Text1, &fields.Text2, &fields.Text3,
                                   &fields.Text4, &fields.Text5, &fields.Text6};
    for (std::size_t i = 0; i < kFormFields.size(); ++i)
        inTabOrder[i]->write(LocalDefaultText(kFormFields[i].defaults, separators));
}

} // namespace tarvola
