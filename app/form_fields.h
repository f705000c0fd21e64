#pragma once

#include "app/accessible_names.h"
#include "app/field_defaults.h"
#include "app/form_layout.h"
#include "app/refresh_cycle.h"
#include "core/locale_separators.h"

#include <array>
#include <string_view>

namespace tarvola {

// One of the main window's six fields: its control, its default text and length, the name
// screen readers give it, and whether it shows a result.
struct FormField {
    FormControl control;
    const FieldDefault& defaults;
    std::string_view accessibleName;
    bool readOnly;
};

// The fields in tab order, Text1 to Text6; the refresh cycle takes them in this order too.
inline constexpr std::array<FormField, 6> kFormFields {{
    {FormControl::Text1, kText1Default, kText1Name, false},
    {FormControl::Text2, kText2Default, kText2Name, false},
    {FormControl::Text3, kText3Default, kText3Name, false},
    {FormControl::Text4, kText4Default, kText4Name, true},
    {FormControl::Text5, kText5Default, kText5Name, false},
    {FormControl::Text6, kText6Default, kText6Name, true},
}};

// Writes each field its default text as these separators show it (LocalDefaultText), as the
// window opens: every front end fills its fields this one way.
void WriteDefaultTexts(const RefreshFields& fields, const LocaleSeparators& separators);

} // namespace tarvola
