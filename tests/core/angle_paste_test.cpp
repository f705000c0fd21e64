#include "app/angle_paste.h"
#include "app/memory_form.h"
#include "tests/core/test_locales.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tarvola {
namespace {

using Kind = PasteDecision::Kind;

struct PasteCase {
    FormControl field;
    std::string pasted;
    const LocaleSeparators* separators;
    Kind kind;
    // Text1, Text2, Text3 and Text5 afterwards, worked out by hand in exact fractions; "" where
    // the field keeps its default.
    std::array<std::string, 4> inputs;
};

TEST(PasteIntoForm, WritesTheAngleIntoItsConverterOrRefusesOrLeavesThePasteAlone)
{
    const LocaleSeparators* comma = &test::kCommaDecimal;
    const LocaleSeparators* dot = &test::kDotDecimal;
    const LocaleSeparators* arabic = &test::kArabic;
    const std::vector<PasteCase> cases = {
        // Whole seconds, degrees floored and the rest added, wherever in the converter it lands.
        {FormControl::Text1, "48°51'30.2\"N", comma, Kind::Writes, {"48", "51", "30", ""}},
        {FormControl::Text2, "33°51'54\"S", dot, Kind::Writes, {"-34", "8", "6", ""}},
        {FormControl::Text3, "59° 59' 59.5\"", comma, Kind::Writes, {"60", "0", "0", ""}},
        {FormControl::Text1, "-98.5°", comma, Kind::Writes, {"-99", "30", "0", ""}},
        {FormControl::Text1, "S 0° 0' 0.4\"", comma, Kind::Writes, {"0", "0", "0", ""}},
        {FormControl::Text1, "999° 59' 59.4\"", comma, Kind::Writes, {"999", "59", "59", ""}},
        // Degrees that need a fourth character.
        {FormControl::Text1, "999° 59' 59.5\"", comma, Kind::Refused, {}},
        {FormControl::Text3, "122° 25' 9.8\" W", comma, Kind::Refused, {}},
        {FormControl::Text1, "-99.99°", comma, Kind::Refused, {}},
        // Decimal degrees to nine characters, in the locale's separator.
        {FormControl::Text5, "48°51'30.2\"N", comma, Kind::Writes, {"", "", "", "48,858389"}},
        {FormControl::Text5, "48°51'30.2\"N", dot, Kind::Writes, {"", "", "", "48.858389"}},
        {FormControl::Text5, "48,8584 N", arabic, Kind::Writes, {"", "", "", "48\u066B8584"}},
        {FormControl::Text5, "122°25'9.8\"W", comma, Kind::Writes, {"", "", "", "-122,4194"}},
        {FormControl::Text5, "179° 59' 59.9999\"", comma, Kind::Writes, {"", "", "", "180"}},
        {FormControl::Text5, "0° 0' 0.1\"", comma, Kind::Writes, {"", "", "", "0,0000278"}},
        {FormControl::Text5, "S 0° 0' 0.1\"", comma, Kind::Writes, {"", "", "", "-0,000028"}},
        {FormControl::Text5, "-0.00000004°", comma, Kind::Writes, {"", "", "", "0"}},
        {FormControl::Text5, "99.99999996°", dot, Kind::Writes, {"", "", "", "100"}},
        {FormControl::Text5, "-12345678.5°", comma, Kind::Writes, {"", "", "", "-12345679"}},
        {FormControl::Text5, "1234567890°", comma, Kind::Refused, {}},
        // Refused texts, result fields, and texts that paste as before.
        {FormControl::Text5, "-33° 51' 54\"", comma, Kind::Refused, {}},
        {FormControl::Text2, "48°51'30\"N 2°17'40\"E", comma, Kind::Refused, {}},
        {FormControl::Text4, "48°51'30\"", comma, Kind::Refused, {}},
        {FormControl::Text6, "12,5", comma, Kind::Refused, {}},
        {FormControl::Text1, "48", comma, Kind::AsBefore, {}},
        {FormControl::Text5, "12,5", comma, Kind::AsBefore, {}},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.pasted + " into " + std::string(PlaceOf(c.field).name));
        MemoryForm form;
        const bool dealtWith = PasteIntoForm(c.field, c.pasted, form.fields, *c.separators);
        EXPECT_EQ(dealtWith, c.kind != Kind::AsBefore);
        EXPECT_EQ(DecidePaste(c.field, c.pasted, *c.separators).kind, c.kind);
        const std::array<MemoryTextField*, 4> inputs {&form.text1, &form.text2, &form.text3, &form.text5};
        const std::array<FieldDefault, 4> defaults {kText1Default, kText2Default, kText3Default, kText5Default};
        for (std::size_t i = 0; i < inputs.size(); ++i)
            EXPECT_EQ(inputs[i]->text(), c.inputs[i].empty() ? std::string(defaults[i].text) : c.inputs[i]) << i;
        EXPECT_EQ(form.text4.writeCount() + form.text6.writeCount(), 0);
    }
}

} // namespace
} // namespace tarvola
