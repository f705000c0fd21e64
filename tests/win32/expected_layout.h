#pragma once
// Where the two windows' controls must be, in client pixels, written out by hand from their
// places in twips: 15 twips a pixel at 96 DPI, 12 at 120, 10 at 144, 60/7 at 168 and 7.5 at 192,
// each of left, top, width and height rounded to the nearest pixel (halves up), as Windows'
// MulDiv rounds. Kept apart from the program's own conversion so that a wrong conversion or
// layout table shows here.
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
    friend constexpr bool operator==(const Box&, const Box&) = default;
};

// The resolutions the windows are checked at: 100, 125, 150, 175 and 200 % display scale.
inline constexpr int kDpis[] = {96, 120, 144, 168, 192};

// A rectangle at each of the five resolutions.
struct PerDpi {
    Box at96;
    Box at120;
    Box at144;
    Box at168;
    Box at192;

    [[nodiscard]] const Box& at(int dpi) const
    {
        return dpi == 120 ? at120 : dpi == 144 ? at144 : dpi == 168 ? at168 : dpi == 192 ? at192 : at96;
    }
};

// A control's place. A text's place is where it starts: its window may be wider, by what the
// font needs beyond its place (font sizes round up faster than places scale), never narrower.
struct Placed {
    const char* name;
    Box at96;
    Box at120;
    Box at144;
    Box at168;
    Box at192;
    bool text = false;

    [[nodiscard]] const Box& at(int dpi) const
    {
        return dpi == 120 ? at120 : dpi == 144 ? at144 : dpi == 168 ? at168 : dpi == 192 ? at192 : at96;
    }
};

inline constexpr PerDpi kMainClient {{0, 0, 224, 159}, {0, 0, 280, 199}, {0, 0, 336, 239}, {0, 0, 392, 278}, {0, 0, 448, 318}};
inline constexpr Box kMainClient96 = kMainClient.at96;

// The main window's controls; the fields come first, in tab order.
enum MainIndex { Text1, Text2, Text3, Text4, Text5, Text6, Frame1, Label3_0, Label1_0, Label1_1, Label1_2, Label1_3,
                 Frame2, Label3_1, Label1_4 };
inline constexpr Placed kMain[] = {
    {"Text1", {16, 40, 33, 19}, {20, 50, 41, 24}, {24, 60, 50, 29}, {28, 70, 58, 33}, {32, 80, 66, 38}},
    {"Text2", {56, 40, 25, 19}, {70, 50, 31, 24}, {84, 60, 38, 29}, {98, 70, 44, 33}, {112, 80, 50, 38}},
    {"Text3", {88, 40, 25, 19}, {110, 50, 31, 24}, {132, 60, 38, 29}, {154, 70, 44, 33}, {176, 80, 50, 38}},
    {"Text4", {128, 40, 73, 19}, {160, 50, 91, 24}, {192, 60, 110, 29}, {224, 70, 128, 33}, {256, 80, 146, 38}},
    {"Text5", {24, 120, 73, 19}, {30, 150, 91, 24}, {36, 180, 110, 29}, {42, 210, 128, 33}, {48, 240, 146, 38}},
    {"Text6", {120, 120, 73, 19}, {150, 150, 91, 24}, {180, 180, 110, 29}, {210, 210, 128, 33}, {240, 240, 146, 38}},
    {"Frame1", {8, 0, 209, 73}, {10, 0, 261, 91}, {12, 0, 314, 110}, {14, 0, 366, 128}, {16, 0, 418, 146}},
    {"Label3_0", {48, 16, 137, 17}, {60, 20, 171, 21}, {72, 24, 206, 26}, {84, 28, 240, 30}, {96, 32, 274, 34}, true},
    {"Label1_0", {49, 40, 17, 17}, {62, 50, 21, 21}, {74, 60, 26, 26}, {86, 70, 30, 30}, {99, 80, 34, 34}, true},
    {"Label1_1", {83, 40, 17, 17}, {104, 50, 21, 21}, {125, 60, 26, 26}, {146, 70, 30, 30}, {167, 80, 34, 34}, true},
    {"Label1_2", {112, 40, 17, 17}, {140, 50, 21, 21}, {168, 60, 26, 26}, {196, 70, 30, 30}, {224, 80, 34, 34}, true},
    {"Label1_3", {203, 40, 9, 17}, {253, 50, 11, 21}, {304, 60, 14, 26}, {355, 70, 16, 30}, {405, 80, 18, 34}, true},
    {"Frame2", {8, 80, 209, 73}, {10, 100, 261, 91}, {12, 120, 314, 110}, {14, 140, 366, 128}, {16, 160, 418, 146}},
    {"Label3_1", {48, 96, 121, 17}, {60, 120, 151, 21}, {72, 144, 182, 26}, {84, 168, 212, 30}, {96, 192, 242, 34}, true},
    {"Label1_4", {99, 120, 17, 17}, {123, 150, 21, 21}, {148, 180, 26, 26}, {173, 210, 30, 30}, {197, 240, 34, 34}, true},
};

inline constexpr PerDpi kAboutClient {{0, 0, 214, 261}, {0, 0, 268, 326}, {0, 0, 321, 392}, {0, 0, 375, 457}, {0, 0, 428, 522}};
inline constexpr Box kAboutClient96 = kAboutClient.at96;

// The About window's controls that are windows (the two link frames are not). The mail icon's
// place is cut to the mail frame it sticks out of (below 2895 twips).
enum AboutIndex { Picture1, PictureDon, Command1, Image2, Label2, Image1, Label1, Label3, Label5 };
inline constexpr Placed kAbout[] = {
    {"Picture1", {8, 8, 49, 49}, {10, 10, 61, 61}, {12, 12, 74, 74}, {14, 14, 86, 86}, {16, 16, 98, 98}},
    {"PictureDon", {8, 208, 57, 25}, {10, 260, 71, 31}, {12, 312, 86, 38}, {14, 364, 100, 44}, {16, 416, 114, 50}},
    {"Command1", {80, 232, 57, 25}, {100, 290, 71, 31}, {120, 348, 86, 38}, {140, 406, 100, 44}, {160, 464, 114, 50}},
    {"Image2", {32, 80, 150, 35}, {40, 100, 188, 44}, {48, 120, 225, 53}, {56, 140, 263, 61}, {64, 160, 300, 70}},
    {"Label2", {40, 128, 153, 17}, {50, 160, 191, 21}, {60, 192, 230, 26}, {70, 224, 268, 30}, {80, 256, 306, 34}, true},
    {"Image1", {16, 168, 32, 25}, {20, 210, 40, 31}, {24, 252, 48, 38}, {28, 294, 56, 44}, {32, 336, 64, 50}},
    {"Label1", {56, 176, 145, 17}, {70, 220, 181, 21}, {84, 264, 218, 26}, {98, 308, 254, 30}, {112, 352, 290, 34}, true},
    {"Label3", {64, 8, 145, 25}, {80, 10, 181, 31}, {96, 12, 218, 38}, {112, 14, 254, 44}, {128, 16, 290, 50}, true},
    {"Label5", {96, 32, 65, 17}, {120, 40, 81, 21}, {144, 48, 98, 26}, {168, 56, 114, 30}, {192, 64, 130, 34}, true},
};

// The two link areas at 96 DPI: the site frame and the mail frame.
inline constexpr Box kSiteArea96 {32, 80, 169, 65};
inline constexpr Box kMailArea96 {16, 160, 193, 33};
inline constexpr PerDpi kMailArea {{16, 160, 193, 33}, {20, 200, 241, 41}, {24, 240, 290, 50}, {28, 280, 338, 58},
                                   {32, 320, 386, 66}};

// What the pictures draw. The program icon, 48 x 48 at 96 DPI, at its own size from the top left
// of its 735-twips place; the donation picture and the banner fill their places; the mail icon
// (32 x 32 at 96 DPI, in its unclipped place here) shows only inside the mail frame.
inline constexpr PerDpi kIconDrawn {{8, 8, 48, 48}, {10, 10, 60, 60}, {12, 12, 72, 72}, {14, 14, 84, 84}, {16, 16, 96, 96}};
inline constexpr PerDpi kMailIconPlace {{16, 168, 32, 32}, {20, 210, 40, 40}, {24, 252, 48, 48}, {28, 294, 56, 56},
                                        {32, 336, 64, 64}};
// The donation picture and the banner come from their drawing at twice the size from 144 DPI
// on (past 1.41 times 96), from the one at their own size below: by kDpis.
inline constexpr bool kTwiceDrawn[] = {false, false, true, true, true};

// The fonts the texts are drawn in, by character height in pixels at each resolution (points
// times DPI / 72, rounded): what the driver measures a text's width in.
struct TextFont {
    const wchar_t* face;
    bool bold;
    int height[5]; // at 96, 120, 144, 168 and 192 DPI
};
inline constexpr TextFont kDialogFont {L"Microsoft Sans Serif", false, {11, 14, 17, 19, 22}}; // 8.25 pt
inline constexpr TextFont kFieldFont {L"Microsoft Sans Serif", false, {13, 16, 20, 23, 26}};  // 9.75 pt
inline constexpr TextFont kUnitFont {L"Microsoft Sans Serif", false, {16, 20, 24, 28, 32}};   // 12 pt
inline constexpr TextFont kTitleFont {L"Arial", false, {19, 24, 29, 33, 38}};                 // 14.25 pt
inline constexpr TextFont kVersionFont {L"Arial", true, {15, 19, 23, 26, 30}};                // 11.25 pt bold

// Every static text of the two windows, with its font and whether it is centred in its place.
struct ShownText {
    const Placed& place;
    const TextFont& font;
    bool centred;
};
inline constexpr ShownText kMainTexts[] = {
    {kMain[Label3_0], kDialogFont, false}, {kMain[Label3_1], kDialogFont, false}, {kMain[Label1_0], kUnitFont, false},
    {kMain[Label1_1], kUnitFont, false},   {kMain[Label1_2], kUnitFont, false},   {kMain[Label1_3], kUnitFont, false},
    {kMain[Label1_4], kUnitFont, false},
};
inline constexpr ShownText kAboutTexts[] = {
    {kAbout[Label1], kDialogFont, false}, {kAbout[Label2], kDialogFont, false},
    {kAbout[Label3], kTitleFont, true},   {kAbout[Label5], kVersionFont, true},
};

} // namespace tarvola::expected
