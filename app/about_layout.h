#pragma once

#include "app/rect.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvola {

// The controls of the About window, by their names.
enum class AboutControl {
    Background, // the window itself, where no control is
    Picture1,
    PictureDon,
    Command1,
    SiteUlvo,
    Image2,
    Label2,
    Mail,
    Image1,
    Label1,
    Label3,
    Label5,
};

// Where a control sits, in twips; `container` is Background for the window itself, else the
// frame that holds it. `tab` orders the controls that take the focus, lowest first; kNoTab for
// those that never do. Which of them take it is each window's own (a page's links do).
struct AboutPlace {
    AboutControl control;
    std::string_view name; // as the control is named in the window
    AboutControl container;
    Rect rect;
    int tab;
};

inline constexpr int kNoTab = -1;

// The client area of the About window.
inline constexpr Rect kAboutClient {0, 0, 3210, 3915};

// Every control, topmost first within its container: a point over a label inside a frame
// belongs to the label, not to the frame.
inline constexpr std::array<AboutPlace, 11> kAboutLayout {{
    {AboutControl::Label2, "Label2", AboutControl::SiteUlvo, {120, 720, 2295, 255}, 3},
    {AboutControl::Image2, "Image2", AboutControl::SiteUlvo, {0, 0, 2250, 525}, kNoTab},
    {AboutControl::Label1, "Label1", AboutControl::Mail, {600, 240, 2175, 255}, 1},
    {AboutControl::Image1, "Image1", AboutControl::Mail, {0, 120, 480, 480}, kNoTab},
    {AboutControl::Picture1, "Picture1", AboutControl::Background, {120, 120, 735, 735}, 6},
    {AboutControl::PictureDon, "PictureDon", AboutControl::Background, {120, 3120, 855, 375}, 5},
    {AboutControl::Command1, "Command1", AboutControl::Background, {1200, 3480, 855, 375}, 4},
    {AboutControl::SiteUlvo, "SiteUlvo", AboutControl::Background, {480, 1200, 2535, 975}, 2},
    {AboutControl::Mail, "Mail", AboutControl::Background, {240, 2400, 2895, 495}, 0},
    {AboutControl::Label3, "Label3", AboutControl::Background, {960, 120, 2175, 375}, 7},
    {AboutControl::Label5, "Label5", AboutControl::Background, {1440, 480, 975, 255}, 9},
}};

// `controls` sorted by their tab index: the order in which Tab reaches those of them that a
// window lets take the focus.
[[nodiscard]] std::vector<AboutControl> InTabOrder(std::vector<AboutControl> controls);

// The place of one control.
[[nodiscard]] const AboutPlace& PlaceOf(AboutControl control);

// The control's rectangle relative to the window's client area, cut to its frame: what sticks
// out of a frame is neither shown nor takes the pointer.
[[nodiscard]] Rect WindowRectOf(AboutControl control);

// The control that takes the pointer at a point of the client area, in twips. The banner Image2
// takes no pointer input (it draws only), so over it the pointer is over SiteUlvo.
[[nodiscard]] AboutControl AboutControlAt(int x, int y);

// The same at a point in device pixels of a window laid out at `dotsPerInch`: a control takes
// exactly the pixels the window gives it (PixelsOf its WindowRectOf), not those around it
// that round to the same twips.
[[nodiscard]] AboutControl AboutControlAtPixel(int x, int y, int dotsPerInch);

} // namespace tarvola
