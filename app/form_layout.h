#pragma once

#include "app/rect.h"

#include <array>
#include <string_view>

namespace tarvola {

// The controls of the main window that have a place, by their names.
enum class FormControl {
    Frame1, Label3_0, Text1, Label1_0, Text2, Label1_1, Text3, Label1_2, Text4, Label1_3,
    Frame2, Label3_1, Text5, Label1_4, Text6,
};

// What a control of the main window is.
enum class FormControlKind { Frame, Header, Field, UnitMark };

struct FormPlace {
    FormControl control;
    FormControlKind kind;
    std::string_view name;   // as the control is named in the window ("Label1_0" for Label1(0))
    FormControl container;   // Frame1 or Frame2; a frame's own container is the window
    Rect rect;               // relative to the container
};

// The client area below the menu bar.
inline constexpr Rect kFormClient {0, 0, 3360, 2385};

inline constexpr std::array<FormPlace, 15> kFormLayout {{
    {FormControl::Frame1, FormControlKind::Frame, "Frame1", FormControl::Frame1, {120, 0, 3135, 1095}},
    {FormControl::Label3_0, FormControlKind::Header, "Label3_0", FormControl::Frame1, {600, 240, 2055, 255}},
    {FormControl::Text1, FormControlKind::Field, "Text1", FormControl::Frame1, {120, 600, 495, 285}},
    {FormControl::Label1_0, FormControlKind::UnitMark, "Label1_0", FormControl::Frame1, {620, 600, 255, 255}},
    {FormControl::Text2, FormControlKind::Field, "Text2", FormControl::Frame1, {720, 600, 375, 285}},
    {FormControl::Label1_1, FormControlKind::UnitMark, "Label1_1", FormControl::Frame1, {1130, 600, 255, 255}},
    {FormControl::Text3, FormControlKind::Field, "Text3", FormControl::Frame1, {1200, 600, 375, 285}},
    {FormControl::Label1_2, FormControlKind::UnitMark, "Label1_2", FormControl::Frame1, {1560, 600, 255, 255}},
    {FormControl::Text4, FormControlKind::Field, "Text4", FormControl::Frame1, {1800, 600, 1095, 285}},
    {FormControl::Label1_3, FormControlKind::UnitMark, "Label1_3", FormControl::Frame1, {2920, 600, 135, 255}},
    {FormControl::Frame2, FormControlKind::Frame, "Frame2", FormControl::Frame2, {120, 1200, 3135, 1095}},
    {FormControl::Label3_1, FormControlKind::Header, "Label3_1", FormControl::Frame2, {600, 240, 1815, 255}},
    {FormControl::Text5, FormControlKind::Field, "Text5", FormControl::Frame2, {240, 600, 1095, 285}},
    {FormControl::Label1_4, FormControlKind::UnitMark, "Label1_4", FormControl::Frame2, {1360, 600, 255, 255}},
    {FormControl::Text6, FormControlKind::Field, "Text6", FormControl::Frame2, {1680, 600, 1095, 285}},
}};

// The place of one control; every control of the window has one.
[[nodiscard]] constexpr const FormPlace& PlaceOf(FormControl control)
{
    return *PlaceIn(kFormLayout, control);
}

// The control's rectangle relative to the client area (a frame's contents are offset by it).
[[nodiscard]] constexpr Rect WindowRectOf(FormControl control)
{
    const FormPlace& place = PlaceOf(control);
    if (place.container == control)
        return place.rect;
    const Rect frame = PlaceOf(place.container).rect;
    return {frame.left + place.rect.left, frame.top + place.rect.top, place.rect.width, place.rect.height};
}

} // namespace tarvola
