#pragma once

#include "app/form_layout.h"

#include <string_view>

namespace tarvola {

// A font as the windows ask for it: the face, the size in points, bold or not. Each front end
// turns it into its toolkit's font at the window's resolution.
struct FontDescription {
    std::string_view face;
    double points = 0;
    bool bold = false;
};

// The layouts are measured in the Windows dialog face, which Windows ships; a desktop without
// it takes a face with the same metrics (the Qt front end).
inline constexpr std::string_view kDialogFace = "Microsoft Sans Serif";

inline constexpr FontDescription kDialogFont {kDialogFace, 8.25};   // both windows, frames and headers
inline constexpr FontDescription kFieldFont {kDialogFace, 9.75};    // the six fields
inline constexpr FontDescription kUnitMarkFont {kDialogFace, 12};   // the unit marks
inline constexpr FontDescription kTitleFont {"Arial", 14.25};       // About's title, Label3
inline constexpr FontDescription kVersionFont {"Arial", 11.25, true}; // About's version, Label5

// A text wider than its place is drawn smaller, this many points at a time, so that it shows
// whole; below the smallest size it would not read anyway.
inline constexpr double kFitStepPoints = 0.25;
inline constexpr double kSmallestFittedPoints = 5;

// The font of a control of the main window.
[[nodiscard]] constexpr const FontDescription& FontOf(FormControlKind kind)
{
    switch (kind) {
    case FormControlKind::Field: return kFieldFont;
    case FormControlKind::UnitMark: return kUnitMarkFont;
    case FormControlKind::Frame:
    case FormControlKind::Header: break;
    }
    return kDialogFont;
}

} // namespace tarvola
