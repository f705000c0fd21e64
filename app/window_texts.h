#pragma once

#include "app/form_layout.h"
#include "app/version.h"

#include <string_view>

namespace tarvola {

// Every text the two windows show of their own, in every front end. The fields' texts are
// their defaults (field_defaults.h); the links' are in about_links.h.

// The main window.
inline constexpr std::string_view kMainCaption = TARVOLA_MAIN_CAPTION; // set in CMakeLists.txt
inline constexpr std::string_view kAboutMenuEntry = "About";

// The text a control of the main window shows: the frames' titles, the headers (the blanks put
// "Result" above the result field) and the unit marks; none for the fields.
[[nodiscard]] constexpr std::string_view TextOf(FormControl control)
{
    switch (control) {
    case FormControl::Frame1: return "DegDMS to DegDeci";
    case FormControl::Label3_0: return "Input                       Result"; // 23 blanks
    case FormControl::Label1_0: return "\u00B0";
    case FormControl::Label1_1: return "'";
    case FormControl::Label1_2: return " \"";
    case FormControl::Label1_3: return "\u00B0";
    case FormControl::Frame2: return "DegDeci to DegDMS";
    case FormControl::Label3_1: return "Input                      Result"; // 22 blanks
    case FormControl::Label1_4: return "\u00B0";
    case FormControl::Text1:
    case FormControl::Text2:
    case FormControl::Text3:
    case FormControl::Text4:
    case FormControl::Text5:
    case FormControl::Text6: break;
    }
    return {};
}

// The About window.
inline constexpr std::string_view kAboutCaption = "About Ulvo";
inline constexpr std::string_view kAboutTitle = "Tarvola";                  // Label3
inline constexpr std::string_view kAboutVersion = "v " TARVOLA_SHORT_VERSION; // Label5
inline constexpr std::string_view kOkText = "OK";                           // Command1

} // namespace tarvola
