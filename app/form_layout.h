#pragma once

#include "twips_rect.h"

#include <array>
#include <string_view>

namespace tarvola {

// The controls of the main window that have a place, by their names.
enum class FormControl {
    Frame1, Label3_0, Text1, Label1_0, Text2, Label1_1, Text3, Label1_2, Text4, Label1_3,
    Frame2, Label3_1, Text5, Label1_4, Text6,
};

struct FormPlace {
    FormControl control;
    std::string_view name;   // as the control is named in the window ("Label1_0" for Label1(0))
    FormControl container;   // Frame1 or Frame2; a frame's own container is the window
    TwipsRect rect;          // relative to the container
};

// The client area below the menu bar.
inline constexpr TwipsRect kFormClient {0, 0, 3360, 2385};

inline constexpr std::array<FormPlace, 15> kFormLayout {{
    {FormControl::Frame1, "Frame1", FormControl::Frame1, {120, 0, 3135, 1095}},
    {FormControl::Label3_0, "Label3_0", FormControl::Frame1, {600, 240, 2055, 255}},
    {FormControl::Text1, "Text1", FormControl::Frame1, {120, 600, 495, 285}},
    {FormControl::Label1_0, "Label1_0", FormControl::Frame1, {620, 600, 255, 255}},
    {FormControl::Text2, "Text2", FormControl::Frame1, {720, 600, 375, 285}},
    {FormControl::Label1_1, "Label1_1", FormControl::Frame1, {1130, 600, 255, 255}},
    {FormControl::Text3, "Text3", FormControl::Frame1, {1200, 600, 375, 285}},
    {FormControl::Label1_2, "Label1_2", FormControl::Frame1, {1560, 600, 255, 255}},
    {FormControl::Text4, "Text4", FormControl::Frame1, {1800, 600, 1095, 285}},
    {FormControl::Label1_3, "Label1_3", FormControl::Frame1, {2920, 600, 135, 255}},
    {FormControl::Frame2, "Frame2", FormControl::Frame2, {120, 1200, 3135, 1095}},
    {FormControl::Label3_1, "Label3_1", FormControl::Frame2, {600, 240, 1815, 255}},
    {FormControl::Text5, "Text5", FormControl::Frame2, {240, 600, 1095, 285}},
    {FormControl::Label1_4, "Label1_4", FormControl::Frame2, {1360, 600, 255, 255}},
    {FormControl::Text6, "Text6", FormControl::Frame2, {1680, 600, 1095, 285}},
}};

// The place of one control.
[[nodiscard]] constexpr const FormPlace& FormPlaceOf(FormControl control)
{
    return kFormLayout[static_cast<std::size_t>(control)];
}

// The control's rectangle relative to the client area (a frame's contents are offset by it).
[[nodiscard]] constexpr TwipsRect FormWindowRectOf(FormControl control)
{
    const FormPlace& place = FormPlaceOf(control);
    if (place.container == control)
        return place.rect;
    const TwipsRect frame = FormPlaceOf(place.container).rect;
    return {frame.left + place.rect.left, frame.top + place.rect.top, place.rect.width, place.rect.height};
}

// The header labels: "Input", the blanks that put "Result" above the result field, "Result".
inline constexpr std::string_view kUpperHeader = "Input                       Result"; // 23 blanks
inline constexpr std::string_view kLowerHeader = "Input                      Result";  // 22 blanks

} // namespace tarvola
