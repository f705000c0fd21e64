// Runs Tarvola's two windows inside this process, under Wine, and moves them to monitors of
// other scales the way Windows does, with WM_DPICHANGED: Wine never sends it, and from another
// process its rectangle could not be passed. Both windows start at the prefix's 96 DPI, go to
// 144 and then from 144 to 192; at each resolution they are checked against expected_layout.h:
// client areas and control places, fonts, each picture at its size from the right drawing, and
// the pointer's areas over the links equal to what is drawn. Then Timer1's period. Run as
// run_gui_tests.sh runs the GUI driver (stand-in link handlers, Wine's virtual desktop):
//   dpi_change_test.exe UNUSED dpichange LINK_LOG ...
// Prints one line per failure and a closing "N passed, N failed".
#include "win32/about.h"
#include "win32/about_controller.h"
#include "win32/form_tarvola.h"
#include "win32/resource_ids.h"

#include "tests/win32/driver_input.h"
#include "tests/win32/driver_support.h"
#include "tests/win32/expected_layout.h"
#include "tests/win32/screen_ink.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using namespace tarvola::driver;
using namespace tarvola::expected;

HWND g_main = nullptr;
std::vector<LONGLONG> g_ticks; // when Timer1's messages came, in performance-counter counts

// Handles every message waiting for this thread, noting when the main window's timer ticks.
void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER && message.hwnd == g_main) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            g_ticks.push_back(now.QuadPart);
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Waits for a condition while the windows go on handling their messages.
bool Until(const std::function<bool()>& condition, int milliseconds = 2000)
{
    return WaitFor([&] { Pump(); return condition(); }, milliseconds, 10);
}

std::size_t Level(int dpi)
{
    return static_cast<std::size_t>(std::find(std::begin(kDpis), std::end(kDpis), dpi) - std::begin(kDpis));
}

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font {};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!handle || !GetObjectW(handle, sizeof font, &font))
        font = LOGFONTW {};
    return font;
}

// Checks a control's font: its face, weight and character height at the resolution.
void CheckFont(HWND control, const TextFont& expected, int dpi, const std::string& name)
{
    const LOGFONTW font = FontOf(control);
    const bool same = font.lfHeight == -expected.height[Level(dpi)] && std::wstring(font.lfFaceName) == expected.face
        && (font.lfWeight >= FW_BOLD) == expected.bold;
    Check(same, name + " in " + Narrow(expected.face) + " " + std::to_string(expected.height[Level(dpi)]) + " px" + AtDpi(dpi),
          Narrow(font.lfFaceName) + " height " + std::to_string(font.lfHeight) + " weight " + std::to_string(font.lfWeight));
}

// How wide a control's text is on one line in the font it draws with.
int OwnTextWidth(HWND control)
{
    const std::wstring text = Text(control);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

// The client area at the resolution. Wine draws each frame at the system's resolution, whatever
// the window was told: at another one the frame is checked instead, as large as Windows makes
// the frame around that client area there.
void CheckClientArea(HWND window, const PerDpi& client, int dpi, const std::string& name)
{
    RECT rect, expected = client.at(dpi).rect();
    if (static_cast<int>(GetDpiForWindow(window)) == dpi) {
        GetClientRect(window, &rect);
        Check(EqualRect(&rect, &expected), name + " client area" + AtDpi(dpi), Describe(rect));
        return;
    }
    AdjustWindowRectExForDpi(&expected, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    GetWindowRect(window, &rect);
    Check(rect.right - rect.left == expected.right - expected.left && rect.bottom - rect.top == expected.bottom - expected.top,
          name + " frame around its client area" + AtDpi(dpi), Describe(rect) + ", expected " + Describe(expected));
}

// The places of a window's controls, and the fonts and widths of its texts.
template <std::size_t N>
void CheckControls(HWND window, const Placed (&places)[N], const ShownText* texts, std::size_t textCount, int dpi)
{
    for (const Placed& place : places) {
        HWND control = PlacedChild(window, place, dpi);
        Check(control != nullptr, std::string("control at its place") + AtDpi(dpi) + ": " + place.name,
              "expected " + Describe(place.at(dpi).rect()));
        const auto text = std::find_if(texts, texts + textCount, [&](const ShownText& t) { return &t.place == &place; });
        if (!control || text == texts + textCount)
            continue;
        CheckFont(control, text->font, dpi, place.name);
        RECT rect;
        GetWindowRect(control, &rect);
        Check(rect.right - rect.left >= OwnTextWidth(control), std::string(place.name) + " has room for its text" + AtDpi(dpi),
              std::to_string(rect.right - rect.left) + " px for " + std::to_string(OwnTextWidth(control)));
    }
}

void CheckMain(HWND main, int dpi)
{
    CheckClientArea(main, kMainClient, dpi, "main window");
    // The fields and group boxes take fonts too: the fields their own, the boxes the dialog's.
    const ShownText others[] = {{kMain[Text1], kFieldFont, false}, {kMain[Text2], kFieldFont, false},
                                {kMain[Text3], kFieldFont, false}, {kMain[Text4], kFieldFont, false},
                                {kMain[Text5], kFieldFont, false}, {kMain[Text6], kFieldFont, false},
                                {kMain[Frame1], kDialogFont, false}, {kMain[Frame2], kDialogFont, false}};
    CheckControls(main, kMain, kMainTexts, std::size(kMainTexts), dpi);
    for (const ShownText& other : others)
        if (HWND control = PlacedChild(main, other.place, dpi))
            CheckFont(control, other.font, dpi, other.place.name);
    Capture capture;
    CheckWhenShown([&] { Pump(); capture = CaptureClient(main); }, FieldEdgeChecks(capture, dpi));
}

// A bitmap resource smoothed to a size, as 0xRRGGBB pixels.
std::vector<DWORD> Smoothed(int resource, int width, int height)
{
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC target = CreateCompatibleDC(nullptr), source = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto art = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0));
    Require(canvas && art, "the artwork " + std::to_string(resource) + " loads");
    BITMAP size {};
    GetObjectW(art, sizeof size, &size);
    HGDIOBJ oldCanvas = SelectObject(target, canvas), oldArt = SelectObject(source, art);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + width * height);
    SelectObject(target, oldCanvas);
    SelectObject(source, oldArt);
    DeleteObject(art);
    DeleteObject(canvas);
    DeleteDC(source);
    DeleteDC(target);
    return pixels;
}

// How far what the screen shows in a box is from a drawing of its size: the mean difference
// per colour channel.
double Distance(const Capture& capture, const Box& box, const std::vector<DWORD>& drawn)
{
    if (!capture.holds(box))
        return 255;
    double sum = 0;
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x) {
            const DWORD a = capture.at(box.left + x, box.top + y), b = drawn[static_cast<std::size_t>(y * box.width + x)];
            for (int shift : {0, 8, 16})
                sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        }
    return sum / (3.0 * box.width * box.height);
}

// Reads About until every picture is drawn at its size (PictureSizeChecks) and the donation
// picture and the banner each from the drawing at the size nearer the one shown, and checks it.
void CheckPictures(HWND about, int dpi, Capture& capture)
{
    std::vector<ShownCheck> checks = PictureSizeChecks(capture, dpi);
    const bool twice = kTwiceDrawn[Level(dpi)];
    const struct {
        const char* name;
        Box box;
        int once, twice; // the drawing at its own size and at twice it
    } drawings[] = {
        {"the donation picture", kAbout[PictureDon].at(dpi), IDB_DONATION, IDB_DONATION_2X},
        {"the banner", kAbout[Image2].at(dpi), IDB_BANNER, IDB_BANNER_2X},
    };
    for (const auto& drawing : drawings) {
        const Box box = drawing.box;
        const auto right = std::make_shared<std::vector<DWORD>>(
            Smoothed(twice ? drawing.twice : drawing.once, box.width, box.height));
        const auto wrong = std::make_shared<std::vector<DWORD>>(
            Smoothed(twice ? drawing.once : drawing.twice, box.width, box.height));
        // (The two drawings may look alike at a size: the artwork at its own size is the one at
        // twice it, smoothed.)
        checks.push_back({std::string(drawing.name) + " drawn from its drawing at " + (twice ? "twice the" : "its own")
                              + " size" + AtDpi(dpi),
                          [&capture, box, right, wrong] {
                              const double toRight = Distance(capture, box, *right);
                              return toRight < Distance(capture, box, *wrong) || toRight < 1;
                          },
                          [&capture, box, right, wrong] {
                              return "differs by " + std::to_string(Distance(capture, box, *right)) + " from it, by "
                                  + std::to_string(Distance(capture, box, *wrong)) + " from the other";
                          }});
    }
    CheckWhenShown([&] { Pump(); capture = CaptureClient(about); }, checks);
}

// A cursor as "WIDTHxHEIGHT hot X,Y".
std::string Shape(HCURSOR cursor)
{
    ICONINFO info {};
    if (!cursor || !GetIconInfo(cursor, &info))
        return "no cursor";
    BITMAP mask {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    const int height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2; // a mono cursor: AND over XOR
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return std::to_string(mask.bmWidth) + "x" + std::to_string(height) + " hot " + std::to_string(info.xHotspot) + ","
        + std::to_string(info.yHotspot);
}

// The pointer over the last pixels drawn of the link pictures and just past them: the hand (and
// the address's underline) exactly over what is drawn, and a click there opens its link.
void CheckPointerAreas(HWND about, int dpi, const Capture& capture, const std::wstring& log,
                       std::vector<std::string>& opened)
{
    const Box donation = InkBounds(capture, kAbout[PictureDon].at(dpi)), banner = InkBounds(capture, kAbout[Image2].at(dpi));
    const Box mailIcon = kAbout[Image1].at(dpi), mailArea = kMailArea.at(dpi);
    const int mailX = mailIcon.left + mailIcon.width / 2;
    const struct {
        const char* where;
        POINT at;
        int underlined; // 0: neither address, 1: Label1, 2: Label2
        const std::string* opens;
    } points[] = {
        {"just right of the donation picture", {donation.left + donation.width, donation.top + donation.height / 2}, 0, nullptr},
        {"on the donation picture's last pixel", {donation.left + donation.width - 1, donation.top + donation.height - 1}, 0,
         &kDonationOpened},
        {"just below the donation picture", {donation.left + donation.width / 2, donation.top + donation.height}, 0, nullptr},
        {"on the mail icon's last row", {mailX, mailIcon.top + mailIcon.height - 1}, 1, &kMailOpened},
        {"just below the mail frame", {mailX, mailArea.top + mailArea.height}, 0, nullptr},
        {"on the banner's first pixel", {banner.left, banner.top}, 2, &kSiteOpened},
        {"just above the banner", {banner.left, banner.top - 1}, 0, nullptr},
    };
    HWND label1 = PlacedChild(about, kAbout[Label1], dpi), label2 = PlacedChild(about, kAbout[Label2], dpi);
    Require(label1 && label2, "the two addresses are at their places" + AtDpi(dpi));
    for (const auto& point : points) {
        const std::string where = std::string(point.where) + AtDpi(dpi);
        // The real pointer goes there first, for the cursor. X reports pointer moves late, and
        // a late report of the move before would put the pointer back there for a moment: the
        // position must hold for five reads running.
        POINT screen = point.at;
        ClientToScreen(about, &screen);
        SetCursorPos(screen.x, screen.y);
        int held = 0;
        Require(Until([&] {
            POINT now {};
            held = GetCursorPos(&now) && now.x == screen.x && now.y == screen.y ? held + 1 : 0;
            return held >= 5;
        }), "the pointer goes to " + where);
        // Moves from the background (the first point), where neither address is underlined,
        // whatever late moves X has reported.
        SendMessageW(about, WM_MOUSEMOVE, 0, MAKELPARAM(points[0].at.x, points[0].at.y));
        SendMessageW(about, WM_MOUSEMOVE, 0, MAKELPARAM(point.at.x, point.at.y));
        const bool under1 = FontOf(label1).lfUnderline, under2 = FontOf(label2).lfUnderline;
        Check(under1 == (point.underlined == 1) && under2 == (point.underlined == 2), "the addresses' underlines " + where,
              std::string("Label1 ") + (under1 ? "underlined" : "plain") + ", Label2 " + (under2 ? "underlined" : "plain"));
        if (point.underlined)
            CheckFont(point.underlined == 1 ? label1 : label2, kDialogFont, dpi, "the underlined address");
        SendMessageW(about, WM_SETCURSOR, reinterpret_cast<WPARAM>(about), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const std::string cursor = Shape(GetCursor());
        Check((cursor == kHandCursor) == (point.opens != nullptr),
              std::string(point.opens ? "the hand " : "no hand ") + where, cursor);
        SendMessageW(about, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.at.x, point.at.y));
        SendMessageW(about, WM_LBUTTONUP, 0, MAKELPARAM(point.at.x, point.at.y));
        if (point.opens)
            opened.push_back(*point.opens);
    }
    // The links go out in the order of the clicks: once the expected ones have come, so has
    // any that a click outside opened.
    std::sort(opened.begin(), opened.end());
    std::vector<std::string> lines;
    Until([&] {
        lines = LogLines(log);
        return std::includes(lines.begin(), lines.end(), opened.begin(), opened.end());
    }, 8000);
    Check(lines == opened, "clicks open the links on their pictures' last pixels, nothing past them" + AtDpi(dpi),
          Joined(lines));
    opened = lines; // the next resolution's clicks are judged on their own
}

void CheckAbout(HWND about, int dpi, const std::wstring& log, std::vector<std::string>& opened)
{
    CheckClientArea(about, kAboutClient, dpi, "About");
    CheckControls(about, kAbout, kAboutTexts, std::size(kAboutTexts), dpi);
    if (HWND ok = PlacedChild(about, kAbout[Command1], dpi))
        CheckFont(ok, kDialogFont, dpi, "Command1");
    Capture capture;
    CheckPictures(about, dpi, capture);
    CheckPointerAreas(about, dpi, capture, log, opened);
}

// Sends a window WM_DPICHANGED as Windows does when it goes to a monitor of another scale: the
// suggested rectangle is its frame scaled, at a place that keeps the two windows apart.
void ChangeDpi(HWND window, int from, int to, POINT at, const char* name)
{
    RECT frame;
    GetWindowRect(window, &frame);
    RECT suggested {at.x, at.y, at.x + MulDiv(frame.right - frame.left, to, from),
                    at.y + MulDiv(frame.bottom - frame.top, to, from)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    GetWindowRect(window, &frame);
    Check(frame.left == at.x && frame.top == at.y, std::string(name) + " goes where Windows suggests" + AtDpi(to),
          Describe(frame));
}

// What a window shows once it has handled its paints and the screen has them: one read alike
// twice running.
Capture Steady(HWND window)
{
    Capture previous, now;
    Until([&] {
        previous = std::move(now);
        now = CaptureShown(window);
        return now.pixels == previous.pixels;
    });
    return now;
}

// After a change the window shows what it draws afresh: nothing left of its drawing at the old
// size, where controls have moved from or the frame has grown over.
void CheckRepainted(HWND window, int dpi, const std::string& name)
{
    const Capture shown = Steady(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const Capture afresh = Steady(window);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < std::min(shown.pixels.size(), afresh.pixels.size()); ++i)
        differing += shown.pixels[i] != afresh.pixels[i];
    Check(differing == 0 && shown.pixels.size() == afresh.pixels.size(), name + " shows no drawing left from before" + AtDpi(dpi),
          std::to_string(differing) + " pixels differ from a fresh paint");
}

// The median time between consecutive ticks of Timer1 over `intervals` of them, in ms; 0 when
// they did not come within 10 s.
double MedianTickSpacing(std::size_t intervals)
{
    g_ticks.clear();
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (g_ticks.size() <= intervals && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        Pump();
    }
    if (g_ticks.size() <= intervals)
        return 0;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> spacing;
    for (std::size_t i = 1; i < g_ticks.size(); ++i)
        spacing.push_back(1000.0 * static_cast<double>(g_ticks[i] - g_ticks[i - 1]) / static_cast<double>(frequency.QuadPart));
    std::nth_element(spacing.begin(), spacing.begin() + static_cast<std::ptrdiff_t>(spacing.size() / 2), spacing.end());
    return spacing[spacing.size() / 2];
}

// Timer1 ticks every 100 ms. A timer message comes late when the machine is busy, never early,
// and late ones merge: the median spacing stays near the period when some are late. A stretch
// whose median a busy machine has pushed out is measured again, up to three times; a period of
// 50 or 250 ms is out of range in every one.
void CheckTimer()
{
    double median = 0;
    for (int stretch = 0; stretch < 3 && !(median >= 80 && median <= 150); ++stretch)
        median = MedianTickSpacing(16);
    Check(median >= 80 && median <= 150, "Timer1 ticks every 100 ms (median spacing within 80..150 ms)",
          std::to_string(median) + " ms");
}

void Run(const std::wstring& log)
{
    using namespace tarvola;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Require(win32::FormTarvola::Register(instance) && win32::About::Register(instance),
            "the window classes register");
    win32::AboutController about(instance);
    win32::FormTarvola window(instance, about);
    g_main = window.handle();
    Require(g_main != nullptr, "the main window is made");
    about.setOwner(g_main);
    // Under Wine each window has the system's resolution: the prefix's LogPixels, 96 unless a
    // GUI driver run was cut short.
    Require(GetDpiForWindow(g_main) == 96, "the main window starts at 96 DPI");
    SendMessageW(g_main, WM_COMMAND, IDM_ABOUT, 0); // the About menu entry
    HWND aboutWindow = FindWindowW(win32::About::kClassName, nullptr);
    Require(aboutWindow && IsWindowVisible(aboutWindow), "About opens");
    std::vector<std::string> opened;
    CheckMain(g_main, 96);
    CheckAbout(aboutWindow, 96, log, opened);
    for (const auto& [from, to] : {std::pair {96, 144}, std::pair {144, 192}}) {
        ChangeDpi(g_main, from, to, {8, 8}, "the main window");
        ChangeDpi(aboutWindow, from, to, {520, 8}, "About");
        CheckRepainted(g_main, to, "the main window");
        CheckRepainted(aboutWindow, to, "About");
        CheckMain(g_main, to);
        CheckAbout(aboutWindow, to, log, opened);
    }
    CheckTimer();
    SendMessageW(g_main, WM_CLOSE, 0, 0);
    Check(!IsWindow(aboutWindow) && window.handle() == nullptr, "closing the main window closes both windows");
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 4) {
        std::printf("usage: dpi_change_test UNUSED dpichange LINK_LOG\n");
        return 2;
    }
    // A crash ends the run at once, a failure, rather than waiting on Wine's debugger.
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* exception) -> LONG {
        std::printf("FAIL: the test crashed, exception %08lx\n", exception->ExceptionRecord->ExceptionCode);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    // Wine's virtual desktop, which the script has started, before this thread has any window.
    if (!JoinDesktop(L"TarvolaTest")) {
        std::printf("FAIL: no desktop TarvolaTest\n0 passed, 1 failed\n");
        return 1;
    }
    // The shell's link handlers may use COM, as in the program.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    try {
        Run(argv[3]);
    } catch (const DriverFault& fault) {
        CountFailure();
        std::printf("FAIL: the test could not go on: %s\n", fault.what());
    }
    std::printf("%d passed, %d failed\n", PassedChecks(), FailedChecks());
    return FailedChecks() == 0 ? 0 : 1;
}
