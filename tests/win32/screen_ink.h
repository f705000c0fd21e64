#pragma once
// What the screen shows of a window, read back as pixels: how the driver sees underlines and
// text colours as a person does, whatever font draws them.
#include "tests/win32/driver_support.h"
#include "tests/win32/expected_layout.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tarvola::driver {

// A window's client area as the screen shows it, as 0xRRGGBB pixels.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;

    [[nodiscard]] DWORD at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFF;
    }
    // Whether the box lies wholly within what the capture holds.
    [[nodiscard]] bool holds(const expected::Box& box) const
    {
        return box.left >= 0 && box.top >= 0 && box.left + box.width <= width && box.top + box.height <= height;
    }
};

// Has the window and its children painted now, then reads its client area from the screen.
Capture CaptureClient(HWND window);

// A window's client area as the screen shows it now, without asking it to paint.
Capture CaptureShown(HWND window);

// The dialog background, the system's button face, as a capture's pixel.
DWORD ButtonFace();

// Whether a field's frame shows down its right edge, where the unit marks start: its middle
// pixel there is not the dialog background, the field lying within the capture.
bool RightEdgeShows(const Capture& capture, const expected::Box& field);

// That every field's frame shows on the screen down its right edge at `dpi`: the unit mark
// beside Text3 starts a pixel inside it and must not paint its background there. The checks
// read `capture` as it is when they run.
std::vector<ShownCheck> FieldEdgeChecks(const Capture& capture, int dpi);

// That the program icon, the donation picture and the banner are drawn at their sizes in
// About's layout at `dpi`, none stretched past it nor left at its 96-DPI size, and the mail
// icon at its size inside the mail frame. The checks read `capture` as it is when they run.
std::vector<ShownCheck> PictureSizeChecks(const Capture& capture, int dpi);

// What a label shows: its ink (pixels not of the dialog background), and whether one row of ink
// runs unbroken across nearly all of it, as an underline does and no row of letters does.
struct LabelInk {
    int inkPixels = 0;
    bool underlined = false;
};

LabelInk InkOf(const Capture& capture, const expected::Box& box);

std::string DescribeInk(const char* name, const LabelInk& ink);

// The smallest box holding every pixel of `box` that is not of the background (the dialog's
// unless given): where a picture or a text has drawn. Width and height 0 where nothing has.
expected::Box InkBounds(const Capture& capture, const expected::Box& box);
expected::Box InkBounds(const Capture& capture, const expected::Box& box, DWORD background);

// The colours a text is drawn in: the box's commonest pixel is the background, and the ink
// pixel that stands out most from it is the text's own colour (edge pixels blend the two); its
// contrast, as the accessibility guidelines reckon it, 1 with no ink.
struct TextColours {
    DWORD background = 0;
    DWORD ink = 0;
    double contrast = 1;
    bool darkInk = true; // every pixel not of the background darker than it: no light text, no light cells
};

TextColours ColoursOf(const Capture& capture, const expected::Box& box);

double TextContrast(const Capture& capture, const expected::Box& box);

std::string DescribeColours(const TextColours& colours);

} // namespace tarvola::driver
