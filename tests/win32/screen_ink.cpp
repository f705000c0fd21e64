#include "tests/win32/screen_ink.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tarvola::driver {

Capture CaptureClient(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return CaptureShown(window);
}

Capture CaptureShown(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    POINT origin {0, 0};
    ClientToScreen(window, &origin);
    Capture capture {client.right, client.bottom, {}};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, capture.width, capture.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), capture.width, -capture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    capture.pixels.resize(static_cast<std::size_t>(capture.width * capture.height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(capture.height), capture.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

namespace {

DWORD Rgb(COLORREF colour)
{
    return (static_cast<DWORD>(GetRValue(colour)) << 16) | (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
}

double Luminance(DWORD pixel)
{
    const auto linear = [](DWORD channel) {
        const double srgb = (channel & 0xFF) / 255.0;
        return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(pixel >> 16) + 0.7152 * linear(pixel >> 8) + 0.0722 * linear(pixel);
}

} // namespace

DWORD ButtonFace()
{
    return Rgb(GetSysColor(COLOR_BTNFACE));
}

bool RightEdgeShows(const Capture& capture, const expected::Box& field)
{
    return capture.holds(field) && capture.at(field.left + field.width - 1, field.top + field.height / 2) != ButtonFace();
}

TextColours ColoursOf(const Capture& capture, const expected::Box& box)
{
    std::map<DWORD, int> counts;
    for (int y = box.top; y < box.top + box.height; ++y)
        for (int x = box.left; x < box.left + box.width; ++x)
            ++counts[capture.at(x, y)];
    TextColours colours;
    colours.background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
    })->first;
    colours.ink = colours.background;
    const double back = Luminance(colours.background);
    for (const auto& [pixel, count] : counts) {
        const double ink = Luminance(pixel);
        const double contrast = (std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05);
        colours.darkInk = colours.darkInk && (pixel == colours.background || ink < back);
        if (contrast > colours.contrast) {
            colours.ink = pixel;
            colours.contrast = contrast;
        }
    }
    return colours;
}

double TextContrast(const Capture& capture, const expected::Box& box)
{
    return ColoursOf(capture, box).contrast;
}

std::string DescribeColours(const TextColours& colours)
{
    char text[80];
    std::snprintf(text, sizeof text, "ink #%06lX on #%06lX, %.2f:1", static_cast<unsigned long>(colours.ink),
                  static_cast<unsigned long>(colours.background), colours.contrast);
    return text + std::string(colours.darkInk ? "" : ", and pixels lighter than the background");
}

LabelInk InkOf(const Capture& capture, const expected::Box& box)
{
    const DWORD background = ButtonFace();
    LabelInk ink;
    int leftmost = box.width, rightmost = -1, longestRun = 0;
    for (int y = box.top; y < box.top + box.height; ++y) {
        int run = 0;
        for (int x = box.left; x < box.left + box.width; ++x) {
            const DWORD pixel = capture.at(x, y);
            if (pixel == background) {
                run = 0;
                continue;
            }
            ++ink.inkPixels;
            leftmost = std::min(leftmost, x - box.left);
            rightmost = std::max(rightmost, x - box.left);
            longestRun = std::max(longestRun, ++run);
        }
    }
    const int span = rightmost - leftmost + 1;
    ink.underlined = span >= 8 && longestRun * 10 >= span * 9;
    return ink;
}

expected::Box InkBounds(const Capture& capture, const expected::Box& box)
{
    return InkBounds(capture, box, ButtonFace());
}

expected::Box InkBounds(const Capture& capture, const expected::Box& box, DWORD background)
{
    int left = box.left + box.width, top = box.top + box.height, right = box.left - 1, bottom = box.top - 1;
    for (int y = std::max(0, box.top); y < std::min(capture.height, box.top + box.height); ++y)
        for (int x = std::max(0, box.left); x < std::min(capture.width, box.left + box.width); ++x)
            if (capture.at(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < left)
        return {box.left, box.top, 0, 0};
    return {left, top, right - left + 1, bottom - top + 1};
}

std::string DescribeInk(const char* name, const LabelInk& ink)
{
    return std::string(name) + ": " + std::to_string(ink.inkPixels) + " ink, " + (ink.underlined ? "underlined" : "plain");
}

std::vector<ShownCheck> FieldEdgeChecks(const Capture& capture, int dpi)
{
    std::vector<ShownCheck> checks;
    for (int i = expected::Text1; i <= expected::Text6; ++i) {
        const expected::Placed& field = expected::kMain[i];
        checks.push_back({std::string("the right edge of ") + field.name + "'s frame shows" + AtDpi(dpi),
                          [&capture, &field, dpi] { return RightEdgeShows(capture, field.at(dpi)); }});
    }
    return checks;
}

std::vector<ShownCheck> PictureSizeChecks(const Capture& capture, int dpi)
{
    using namespace expected;
    const struct {
        const char* name;
        Box search; // the picture's window
        Box drawn;
    } pictures[] = {
        {"the program icon", kAbout[Picture1].at(dpi), kIconDrawn.at(dpi)},
        {"the donation picture", kAbout[PictureDon].at(dpi), kAbout[PictureDon].at(dpi)},
        {"the banner", kAbout[Image2].at(dpi), kAbout[Image2].at(dpi)},
    };
    std::vector<ShownCheck> checks;
    for (const auto& picture : pictures)
        checks.push_back({std::string(picture.name) + " drawn at its layout size" + AtDpi(dpi),
                          [&capture, picture] { return InkBounds(capture, picture.search) == picture.drawn; },
                          [&capture, picture] {
                              return "expected " + Describe(picture.drawn.rect()) + ", drawn "
                                  + Describe(InkBounds(capture, picture.search).rect());
                          }});
    const Box place = kMailIconPlace.at(dpi), frame = kAbout[Image1].at(dpi);
    checks.push_back({"the mail icon's envelope drawn at its size, inside the mail frame" + AtDpi(dpi),
                      [&capture, place, frame] {
                          const Box ink = InkBounds(capture, place);
                          return ink.width * 32 >= place.width * 28 && ink.top >= frame.top
                              && ink.top + ink.height <= frame.top + frame.height;
                      },
                      [&capture, place, frame] {
                          return "its place " + Describe(place.rect()) + ", the frame ends at "
                              + std::to_string(frame.top + frame.height) + ", drawn "
                              + Describe(InkBounds(capture, place).rect());
                      }});
    return checks;
}

} // namespace tarvola::driver
