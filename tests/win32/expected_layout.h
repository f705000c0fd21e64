#pragma once
// Where the two windows' controls must be, in client pixels, written out by hand from their
// places in twips: 15 twips a pixel at 96 DPI and 10 at 144, each of left, top, width and height
// rounded to the nearest pixel (halves up), as Windows' MulDiv rounds. Kept apart from the
// program's own conversion so that a wrong conversion or layout table shows here.
#include <windows.h>

namespace tarvola::expected {

// A rectangle as left, top, width, height.
struct Box {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] RECT rect() const { return {left, top, left + width, top + height}; }
    [[nodiscard]] bool contains(POINT p) const
    {
        return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
    }
};

struct Placed {
    const char* name;
    Box at96;
    Box at144;
};

inline constexpr Box kMainClient96 {0, 0, 224, 159};
inline constexpr Box kMainClient144 {0, 0, 336, 239};

// The main window's controls; the fields come first, in tab order.
enum MainIndex { Text1, Text2, Text3, Text4, Text5, Text6 };
inline constexpr Placed kMain[] = {
    {"Text1", {16, 40, 33, 19}, {24, 60, 50, 29}},
    {"Text2", {56, 40, 25, 19}, {84, 60, 38, 29}},
    {"Text3", {88, 40, 25, 19}, {132, 60, 38, 29}},
    {"Text4", {128, 40, 73, 19}, {192, 60, 110, 29}},
    {"Text5", {24, 120, 73, 19}, {36, 180, 110, 29}},
    {"Text6", {120, 120, 73, 19}, {180, 180, 110, 29}},
    {"Frame1", {8, 0, 209, 73}, {12, 0, 314, 110}},
    {"Label3_0", {48, 16, 137, 17}, {72, 24, 206, 26}},
    {"Label1_0", {49, 40, 17, 17}, {74, 60, 26, 26}},
    {"Label1_1", {83, 40, 17, 17}, {125, 60, 26, 26}},
    {"Label1_2", {112, 40, 17, 17}, {168, 60, 26, 26}},
    {"Label1_3", {203, 40, 9, 17}, {304, 60, 14, 26}},
    {"Frame2", {8, 80, 209, 73}, {12, 120, 314, 110}},
    {"Label3_1", {48, 96, 121, 17}, {72, 144, 182, 26}},
    {"Label1_4", {99, 120, 17, 17}, {148, 180, 26, 26}},
};

inline constexpr Box kAboutClient96 {0, 0, 214, 261};
inline constexpr Box kAboutClient144 {0, 0, 321, 392};

// The About window's controls that are windows (the two link frames are not). The donation
// picture keeps its bitmap's 57 x 25 pixels at every resolution.
enum AboutIndex { Picture1, PictureDon, Command1, Image2, Label2, Image1, Label1, Label3, Label5 };
inline constexpr Placed kAbout[] = {
    {"Picture1", {8, 8, 49, 49}, {12, 12, 74, 74}},
    {"PictureDon", {8, 208, 57, 25}, {12, 312, 57, 25}},
    {"Command1", {80, 232, 57, 25}, {120, 348, 86, 38}},
    {"Image2", {32, 80, 150, 35}, {48, 120, 225, 53}},
    {"Label2", {40, 128, 153, 17}, {60, 192, 230, 26}},
    {"Image1", {16, 168, 32, 32}, {24, 252, 48, 48}},
    {"Label1", {56, 176, 145, 17}, {84, 264, 218, 26}},
    {"Label3", {64, 8, 145, 25}, {96, 12, 218, 38}},
    {"Label5", {96, 32, 65, 17}, {144, 48, 98, 26}},
};

// The two link areas at 96 DPI: the site frame and the mail frame.
inline constexpr Box kSiteArea96 {32, 80, 169, 65};
inline constexpr Box kMailArea96 {16, 160, 193, 33};

} // namespace tarvola::expected
