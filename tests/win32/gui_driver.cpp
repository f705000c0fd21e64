// Drives the real tarvola.exe from outside, under Wine, inside the virtual desktop the test
// script made: finds its windows, checks them against the pixel layouts written out in
// expected_layout.h, types into the fields, uses the mouse and the keyboard as a person would
// (X events through xdotool, keys through SendInput), clicks the links, and reads the version
// record. Usage:
//   gui_driver.exe TARVOLA_EXE comma|dot|dpi120|dpi144|dpi168|dpi192 LINK_LOG X_CURSOR XDOTOOL
// (the last two are Unix paths). Prints one line per failure and a closing "N passed, N failed";
// a fault of the driver or of a tool it runs ends the run at once as a failure.
#include "app/version.h"
#include "tests/win32/driver_input.h"
#include "tests/win32/driver_support.h"
#include "tests/win32/expected_layout.h"
#include "tests/win32/screen_ink.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tarvola::driver;
using namespace tarvola::expected;

constexpr const wchar_t* kDesktop = L"TarvolaTest";

class Program {
public:
    explicit Program(const std::wstring& exe)
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.lpDesktop = const_cast<wchar_t*>(kDesktop);
        std::wstring command = L"\"" + exe + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
            return;
        WaitFor([&] { return (main = FindWindowW(L"TarvolaMain", nullptr)) != nullptr && IsWindowVisible(main); }, 15000);
    }
    ~Program()
    {
        if (m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    bool endsWithin(int milliseconds) const { return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0; }
    bool running() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD thread() const { return m_process.dwThreadId; }

    HWND main = nullptr;

private:
    PROCESS_INFORMATION m_process {};
};

// How wide the first `count` characters of `text` are in a font of this process.
int ExtentIn(const std::wstring& text, int count, const wchar_t* face, int height, bool bold = false)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, face);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), count, &extent);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return extent.cx;
}

// The size of the ink of a text (from its first inked column to its last, its top inked row to
// its bottom) when this process draws it on one line in a font: what the same text must show in
// another process's window.
SIZE InkSizeIn(const std::wstring& text, const wchar_t* face, int height, bool bold)
{
    const int width = ExtentIn(text, static_cast<int>(text.size()), face, height, bold) + 2 * height;
    const int rows = 2 * height;
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -rows, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, face);
    HGDIOBJ previousFont = SelectObject(dc, font);
    RECT all {0, 0, width, rows};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, height, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    int left = width, right = -1, top = rows, bottom = -1;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    SelectObject(dc, previousFont);
    DeleteObject(font);
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return right < left ? SIZE {0, 0} : SIZE {right - left + 1, bottom - top + 1};
}

// Whether an edit draws its text in the given face and character height. Another process's font
// cannot be read, so the edit's own character positions are compared with the same text set
// here in that face, the same fonts of the same Wine prefix answering both: whichever font
// stands in for the face, the widths are equal only in the same face and size. The dialog
// font's size must give another width, or the text could not tell the two apart.
bool DrawsWith(HWND edit, const wchar_t* face, int height, int otherHeight, std::string& detail)
{
    const std::wstring text = Text(edit);
    Require(text.size() >= 2, "a field to measure holds two characters or more");
    const int last = static_cast<int>(text.size()) - 1;
    const int drawn = static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(last), 0)))
        - static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, 0, 0)));
    const int expected = ExtentIn(text, last, face, height);
    Require(expected != ExtentIn(text, last, face, otherHeight),
            "the text \"" + Narrow(text) + "\" is as wide in both sizes it should tell apart");
    detail = "drawn " + std::to_string(drawn) + " px, expected " + std::to_string(expected);
    return drawn == expected;
}

bool ShowsWithin(HWND edit, const std::wstring& expected)
{
    return WaitFor([&] { return Text(edit) == expected; }, 2000);
}

// Checks that an edit comes to show `expected`, and says what it shows when it does not.
void CheckShows(HWND edit, const std::wstring& expected, const std::string& what)
{
    const bool shown = ShowsWithin(edit, expected);
    Check(shown, what, Narrow(Text(edit)));
}

const Placed& Main(MainIndex i) { return kMain[i]; }

HWND MainField(HWND main, MainIndex field, int dpi = 96)
{
    return ChildAt(main, Main(field).at(dpi).rect());
}

void CheckLayout(HWND main, int dpi)
{
    RECT client;
    GetClientRect(main, &client);
    const RECT expected = kMainClient.at(dpi).rect();
    Check(EqualRect(&client, &expected), "main window client area" + AtDpi(dpi), Describe(client));
    for (const Placed& place : kMain) {
        const RECT rect = place.at(dpi).rect();
        Check(PlacedChild(main, place, dpi) != nullptr, "control at its place" + AtDpi(dpi) + ": " + place.name,
              "expected " + Describe(rect));
    }
    Capture capture;
    CheckWhenShown([&] { capture = CaptureClient(main); }, FieldEdgeChecks(capture, dpi));
}

// Every static text shows whole, on one line: its window is as wide as the text in its font,
// and on the screen its ink spans as wide as the same text drawn here on one line (a text
// wrapped onto a hidden second line, or cut, spans less). A centred text's ink is as wide and as
// high as that, so drawn in its own face, size and weight, with equal margins left and right of
// its place. Another process's font cannot be read: the sizes come from the same face and size
// set here, from the same fonts of the same Wine prefix.
template <std::size_t N>
void CheckTexts(HWND window, const ShownText (&texts)[N], int dpi)
{
    const std::size_t level = static_cast<std::size_t>(std::find(std::begin(kDpis), std::end(kDpis), dpi) - std::begin(kDpis));
    Require(level < std::size(kDpis), "a resolution the texts' fonts are written out for");
    struct Measured {
        std::string name;
        std::wstring shown;
        int needed;
        int width;
        SIZE whole;
        Box box;
        const ShownText* text;
    };
    std::vector<Measured> measured;
    for (const ShownText& text : texts) {
        const std::string name = text.place.name + AtDpi(dpi);
        HWND control = PlacedChild(window, text.place, dpi);
        Check(control != nullptr, "text at its place: " + name);
        if (!control)
            continue;
        const std::wstring shown = Text(control);
        const int height = text.font.height[level];
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        measured.push_back({name, shown, ExtentIn(shown, static_cast<int>(shown.size()), text.font.face, height, text.font.bold),
                            rect.right - rect.left, InkSizeIn(shown, text.font.face, height, text.font.bold),
                            {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}, &text});
    }
    // A window that has just come up may not be all on the screen yet.
    Capture capture;
    const auto showsWhole = [&](const Measured& text) {
        return text.whole.cx > 0 && InkBounds(capture, text.box).width >= text.whole.cx - 1;
    };
    const auto sizeShown = [&](const Measured& text) {
        const Box ink = InkBounds(capture, text.box);
        return std::abs(ink.width - text.whole.cx) <= 1 && std::abs(ink.height - text.whole.cy) <= 1;
    };
    const auto margins = [&](const Measured& text) {
        const Box ink = InkBounds(capture, text.box), place = text.text->place.at(dpi);
        return std::pair {ink.left - place.left, place.left + place.width - ink.left - ink.width};
    };
    const auto centred = [&](const Measured& text) {
        const auto [left, right] = margins(text);
        return std::abs(left - right) <= 2;
    };
    std::vector<ShownCheck> checks;
    for (const Measured& text : measured) {
        checks.push_back({text.name + " has room for its text on one line", [&text] { return text.width >= text.needed; },
                          [&text] {
                              std::ostringstream room;
                              room << '"' << Narrow(text.shown) << "\" needs " << text.needed << " px, has " << text.width;
                              return room.str();
                          }});
        checks.push_back({text.name + " shows whole on the screen", [&, t = &text] { return showsWhole(*t); }, [&, t = &text] {
                              return "its ink spans " + std::to_string(InkBounds(capture, t->box).width)
                                  + " px, the whole text's " + std::to_string(t->whole.cx);
                          }});
        if (!text.text->centred)
            continue;
        checks.push_back({text.name + " drawn in its font's size and weight", [&, t = &text] { return sizeShown(*t); },
                          [&, t = &text] {
                              const Box ink = InkBounds(capture, t->box);
                              return "its ink is " + std::to_string(ink.width) + " x " + std::to_string(ink.height)
                                  + " px, the text's in " + std::to_string(t->text->font.height[level]) + " px "
                                  + Narrow(t->text->font.face) + (t->text->font.bold ? " bold " : " ")
                                  + std::to_string(t->whole.cx) + " x " + std::to_string(t->whole.cy);
                          }});
        checks.push_back({text.name + " centred in its place", [&, t = &text] { return centred(*t); }, [&, t = &text] {
                              const auto [left, right] = margins(*t);
                              return "margins " + std::to_string(left) + " px left, " + std::to_string(right) + " px right";
                          }});
    }
    CheckWhenShown([&] { capture = CaptureClient(window); }, checks);
}

void CheckMainWindow(Program& program)
{
    HWND main = program.main;
    Check(Text(main) == Widen(TARVOLA_MAIN_CAPTION), "caption", Narrow(Text(main)));
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(main, GWL_EXSTYLE);
    Check((style & WS_SYSMENU) && (style & WS_CAPTION), "caption and close box");
    Check(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)), "no minimize, maximize or sizing");
    Check(!(exStyle & WS_EX_TOOLWINDOW), "main window keeps its normal frame");
    HWND owner = GetWindow(main, GW_OWNER);
    Check(owner && !IsWindowVisible(owner), "kept off the taskbar by a hidden owner");
    RECT frame, work;
    GetWindowRect(main, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int dx = (frame.left + frame.right) - (work.left + work.right);
    const int dy = (frame.top + frame.bottom) - (work.top + work.bottom);
    Check(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2, "frame centred in the work area", Describe(frame));
    CheckLayout(main, 96);
    CheckTexts(main, kMainTexts, 96);

    // Field font: Microsoft Sans Serif 9.75 pt is 13 pixels high at 96 DPI; the dialog font's
    // 8.25 pt is 11.
    const int limits[] = {3, 2, 2, 9, 9, 0};
    const wchar_t* const names[] = {L"Degrees", L"Minutes", L"Seconds", L"Decimal degrees result", L"Decimal degrees",
                                    L"Degrees minutes seconds result"};
    for (int i = Text1; i <= Text6; ++i) {
        const auto field = static_cast<MainIndex>(i);
        HWND edit = MainField(main, field);
        const std::string name = Main(field).name;
        const LONG editStyle = GetWindowLongW(edit, GWL_STYLE);
        Check(edit && (editStyle & ES_CENTER) && (editStyle & ES_AUTOHSCROLL), "centred scrolling edit: " + name);
        const bool readOnly = field == Text4 || field == Text6;
        Check(((editStyle & ES_READONLY) != 0) == readOnly, "read-only exactly for the results: " + name);
        const int limit = static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
        Check(limits[i] ? limit == limits[i] : limit > 9, "maximum length: " + name, std::to_string(limit));
        const std::wstring spoken = AccessibleName(edit);
        Check(spoken == names[i], "the name a screen reader reads: " + name, Narrow(spoken));
        std::string detail;
        if (field != Text4) // "0" after the first tick: nothing to measure
            Check(DrawsWith(edit, L"Microsoft Sans Serif", 13, 11, detail), "field font Microsoft Sans Serif 9.75: " + name, detail);
        if (field != Text6)
            Check(GetNextDlgTabItem(main, edit, FALSE) == MainField(main, static_cast<MainIndex>(i + 1)), "tab order after " + name);
    }
    DWORD start = 0, end = 0;
    SendMessageW(MainField(main, Text1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Check(FocusOf(program.thread()) == MainField(main, Text1) && start == 0 && end == 3,
          "Text1 has the focus, its text selected so that typing replaces it",
          std::to_string(start) + ".." + std::to_string(end));
}

// Pastes from the clipboard as a user does: Ctrl+V and Shift+Insert in a field clicked into, and
// WM_PASTE as the edit's context menu sends it. An angle fills its converter's input fields
// wherever the caret was, a refused angle text changes nothing, any other text pastes as before.
void CheckPaste(Program& program)
{
    HWND main = program.main;
    HWND text1 = MainField(main, Text1), text2 = MainField(main, Text2), text3 = MainField(main, Text3);
    HWND text4 = MainField(main, Text4), text5 = MainField(main, Text5), text6 = MainField(main, Text6);
    RECT field {};
    GetClientRect(text2, &field);
    POINT middle {field.right / 2, field.bottom / 2};
    ClientToScreen(text2, &middle);
    SetClipboardText(L"33\u00B051\u203254\u2033S");
    PointAt(middle, "click 1");
    Require(WaitFor([&] { return FocusOf(program.thread()) == text2; }), "a click puts the focus in Text2");
    PressChord(VK_CONTROL, 'V');
    Check(WaitFor([&] { return Text(text1) == L"-34" && Text(text2) == L"8" && Text(text3) == L"6"; }),
          "Ctrl+V of 33°51′54″S in Text2 writes -34, 8 and 6",
          Narrow(Text(text1) + L" " + Text(text2) + L" " + Text(text3)));
    CheckShows(text4, L"-33,865", "the pasted angle converted");

    SetClipboardText(L"48\u00B051'30.2\"N");
    GetClientRect(text5, &field);
    POINT left {2, field.bottom / 2};
    ClientToScreen(text5, &left);
    PointAt(left, "click 1");
    Require(WaitFor([&] { return FocusOf(program.thread()) == text5; }), "a click puts the focus in Text5");
    PressChord(VK_SHIFT, VK_INSERT);
    Check(WaitFor([&] { return Text(text5) == L"48,858389"; }), "Shift+Insert of 48°51'30.2\"N in Text5 writes 48,858389",
          Narrow(Text(text5)));
    CheckShows(text6, L" 48\u00B0 51' 30\"", "the pasted decimal converted");

    SetClipboardText(L"-33\u00B0 51' 54\"");
    SendMessageW(text3, WM_PASTE, 0, 0);
    SendMessageW(text5, WM_PASTE, 0, 0);
    Check(Text(text1) == L"-34" && Text(text3) == L"6" && Text(text5) == L"48,858389",
          "an ambiguous minus is refused: nothing changes");

    SetClipboardText(L"12");
    SendMessageW(text5, EM_SETSEL, 0, -1);
    SendMessageW(text5, WM_PASTE, 0, 0);
    Check(Text(text5) == L"12", "a plain number pastes as before", Narrow(Text(text5)));
}

// The columns between a field's inner edges and its text's ink, left and right, as the screen
// shows them: a text cut at the edge leaves no column on its right.
std::pair<int, int> InkMargins(HWND main, HWND edit)
{
    const Capture capture = CaptureClient(main);
    RECT inside;
    GetClientRect(edit, &inside);
    MapWindowPoints(edit, main, reinterpret_cast<POINT*>(&inside), 2);
    const Box box {inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top};
    if (!capture.holds(box))
        return {-1, -1};
    const Box ink = InkBounds(capture, box, ColoursOf(capture, box).background);
    if (ink.width == 0)
        return {-1, -1};
    return {ink.left - box.left, box.left + box.width - (ink.left + ink.width)};
}

// A result wider than its field in the field's own font shows whole: its end comes into view
// without the start moving, and the screen shows ink clear of both inner edges.
void CheckShowsWhole(HWND main, HWND result, const std::string& what)
{
    const LRESULT first = SendMessageW(result, EM_POSFROMCHAR, 0, 0);
    const auto length = static_cast<WPARAM>(Text(result).size());
    SendMessageW(result, EM_SETSEL, length, length);
    SendMessageW(result, EM_SCROLLCARET, 0, 0);
    const LRESULT atEnd = SendMessageW(result, EM_POSFROMCHAR, 0, 0);
    SendMessageW(result, EM_SETSEL, 0, 0);
    SendMessageW(result, EM_SCROLLCARET, 0, 0);
    Check(first != -1 && static_cast<short>(LOWORD(first)) >= 0 && atEnd == first, what + " shows whole",
          std::to_string(static_cast<short>(LOWORD(first))) + " px, then " + std::to_string(static_cast<short>(LOWORD(atEnd)))
              + " px with its end in view");
    std::pair<int, int> margins;
    CheckWhenShown([&] { margins = InkMargins(main, result); },
                   {{what + " is drawn clear of the field's edges", [&] { return margins.first > 0 && margins.second > 0; },
                     [&] { return std::to_string(margins.first) + " and " + std::to_string(margins.second) + " px"; }}});
}

void CheckRefresh(Program& program, bool comma)
{
    HWND main = program.main;
    HWND text1 = MainField(main, Text1), text2 = MainField(main, Text2), text3 = MainField(main, Text3);
    HWND text4 = MainField(main, Text4), text5 = MainField(main, Text5), text6 = MainField(main, Text6);
    Require(text1 && text2 && text3 && text4 && text5 && text6, "the six fields are found at their places");
    const std::wstring dec = comma ? L"," : L".";
    Check(ShowsWithin(text4, L"0") && ShowsWithin(text6, L" 0\u00B0 0' 0\""), "first tick shows zero on both sides");
    Check(Text(text5) == L"000,00000", "decimal default (reads as zero under both locales)", Narrow(Text(text5)));

    Type(text1, L"45"); Type(text2, L"30"); Type(text3, L"45");
    CheckShows(text4, L"45" + dec + L"5125", "45 30 45");
    Type(text1, L"10"); Type(text2, L"20"); Type(text3, L"0");
    CheckShows(text4, L"10" + dec + L"333333", "decimal result cut to 9");
    Type(text1, L"1234");
    Check(Text(text1) == L"123", "a fourth character is refused", Narrow(Text(text1)));
    Type(text1, L"181");
    CheckShows(text1, L"000", "181 or more is reset");
    Type(text4, L"9");
    Check(Text(text4) != L"9", "the decimal result refuses typing");

    Type(text5, L"12" + dec + L"5825");
    CheckShows(text6, L" 12\u00B0 34' 57\"", "12.5825 to DMS");
    Type(text5, L"1" + dec + L"15");
    CheckShows(text6, L" 1\u00B0 9' 0\"", "rounded seconds carry");
    Type(text5, L"1e5");
    CheckShows(text5, L"000,00000", "decimal input past its bound is reset");
    Type(text5, L"-122" + dec + L"4194");
    CheckShows(text6, L" -123\u00B0 34' 50\"", "negative angle");
    CheckShowsWhole(main, text6, "the negative angle");
    Type(text5, L"123" + dec + L"456");
    CheckShows(text6, L" 123\u00B0 27' 22\"", "123.456 to DMS");
    CheckShowsWhole(main, text6, "123.456 to DMS");

    // A selection in a result survives the ticks that rewrite the same text: a new result on the
    // other side shows that a tick has run since the selection was made.
    SendMessageW(text6, EM_SETSEL, 0, -1);
    Type(text1, L"2");
    CheckShows(text4, L"2" + dec + L"3333333", "2 20 0 after the reset");
    DWORD start = 0, end = 0;
    SendMessageW(text6, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Check(start == 0 && end == Text(text6).size(), "selection kept across ticks");
}

// Enter and Escape on the main window, from the keyboard: the window stays, no field changes and
// the focus stays where it was. A character typed after them shows they have been handled.
void CheckEnterAndEscape(Program& program)
{
    HWND main = program.main;
    HWND text1 = MainField(main, Text1);
    Require(GetForegroundWindow() == main, "the main window is in front for the keyboard");
    Check(FocusOf(program.thread()) == text1, "Text1 has the focus before Enter and Escape");
    Type(text1, L"1");
    Require(Text(text1) == L"1", "Text1 takes a typed 1");
    std::vector<std::wstring> before;
    for (int i = Text2; i <= Text6; ++i)
        before.push_back(Text(MainField(main, static_cast<MainIndex>(i))));
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    PressCharacter(L'7');
    Check(WaitFor([&] { return Text(text1) == L"17"; }) && program.running() && IsWindowVisible(main),
          "Enter and Escape leave the window open and Text1 as it was", Narrow(Text(text1)));
    Check(FocusOf(program.thread()) == text1, "Enter and Escape keep the focus");
    for (int i = Text2; i <= Text6; ++i) {
        if (i == Text4)
            continue; // follows Text1
        const std::wstring now = Text(MainField(main, static_cast<MainIndex>(i)));
        Check(now == before[static_cast<std::size_t>(i - Text2)], std::string("Enter and Escape leave ") + Main(static_cast<MainIndex>(i)).name,
              Narrow(now));
    }
}

// Opens About through the menu bar; a click that X delivers to nothing (rare under load) is
// tried again, and a menu that does not work fails all three.
HWND OpenAbout(HWND main)
{
    HWND about = nullptr;
    const auto shown = [&] { return (about = FindWindowW(L"TarvolaAbout", nullptr)) != nullptr && IsWindowVisible(about); };
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickMenuAbout(main);
        if (WaitFor(shown, 2000))
            return about;
    }
    return nullptr;
}

void CheckAboutLayout(HWND about, int dpi)
{
    RECT client;
    GetClientRect(about, &client);
    const RECT expected = kAboutClient.at(dpi).rect();
    Check(EqualRect(&client, &expected), "About client area" + AtDpi(dpi), Describe(client));
    for (const Placed& place : kAbout) {
        const RECT rect = place.at(dpi).rect();
        Check(PlacedChild(about, place, dpi) != nullptr, "About control at its place" + AtDpi(dpi) + ": " + place.name,
              "expected " + Describe(rect));
    }
}

// What the pictures draw, read from the screen: each at its size in the layout, none stretched
// past it nor left at its 96-DPI size; the mail icon only inside its frame, around its
// envelope the button colour (its mask), not a square of its own.
void CheckPictures(HWND about, int dpi)
{
    Capture capture;
    std::vector<ShownCheck> checks = PictureSizeChecks(capture, dpi);
    const Box place = kMailIconPlace.at(dpi);
    const DWORD background = ButtonFace();
    checks.push_back({"the mail icon's corners show the button colour through it" + AtDpi(dpi), [&] {
                          return capture.holds(place) && capture.at(place.left, place.top) == background
                              && capture.at(place.left + place.width - 1, place.top) == background;
                      }});
    CheckWhenShown([&] { capture = CaptureClient(about); }, checks);
}

// Points of About's client area at 96 DPI, in the control they stand for, with the cursor and
// the underlines a move there must leave. Hand and arrow alternate, so that every move shows in
// the cursor before the underlines are read; a move that must change nothing is followed, before
// the next move over the background, by one that turns an underline on.
struct Hover {
    const char* over;
    POINT at;
    const Box* in;      // the control or area the point stands for
    bool bare;          // in no control's window: the mail or site area, or the background
    bool hand;
    bool label1;
    bool label2;
};

const Hover kHovers[] = {
    {"the background", {210, 66}, &kAboutClient96, true, false, false, false},
    {"Label2 itself", {116, 136}, &kAbout[Label2].at96, false, true, false, false},
    {"Picture1", {32, 32}, &kAbout[Picture1].at96, false, false, false, false},
    {"the mail area between icon and address", {52, 166}, &kMailArea96, true, true, true, false},
    {"Label5", {128, 40}, &kAbout[Label5].at96, false, false, true, false},
    {"Label1 itself", {128, 184}, &kAbout[Label1].at96, false, true, true, false},
    {"Command1", {108, 244}, &kAbout[Command1].at96, false, false, true, false},
    {"the banner", {107, 97}, &kAbout[Image2].at96, false, true, true, true},
    {"the background", {210, 66}, &kAboutClient96, true, false, false, false},
    {"the site area beside the banner", {190, 100}, &kSiteArea96, true, true, false, true},
    {"Label3", {136, 20}, &kAbout[Label3].at96, false, false, false, true},
    {"the mail icon", {32, 184}, &kAbout[Image1].at96, false, true, true, true},
    {"the background", {210, 66}, &kAboutClient96, true, false, false, false},
    {"the donation picture", {36, 220}, &kAbout[PictureDon].at96, false, true, false, false},
    {"Label3", {136, 20}, &kAbout[Label3].at96, false, false, false, false},
    {"the site area beside the banner", {190, 100}, &kSiteArea96, true, true, false, true},
};

// The driver's own points must be where they say: a fault here is the driver's, not the program's.
void RequireHoverPoints()
{
    for (const Hover& hover : kHovers) {
        Require(hover.in->contains(hover.at), std::string("the point for ") + hover.over + " is in it");
        if (!hover.bare)
            continue;
        for (const Placed& place : kAbout)
            Require(!place.at96.contains(hover.at), std::string("the point for ") + hover.over + " is clear of " + place.name);
    }
}

POINT OnScreen(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

// Moves the pointer over a point of About and waits until X shows the cursor expected there,
// which the program sets while it handles the move; then waits for it to have handled the move.
bool MovePointer(HWND about, POINT client, bool hand, std::string& cursor)
{
    PointAt(OnScreen(about, client));
    const bool shown = WaitFor([&] { return ((cursor = XCursor()) == kHandCursor) == hand; }, 2000, 5);
    Require(RoundTrip(about), "About answers a message");
    return shown;
}

// Both addresses read at 4.5:1 or more on the background drawn around them.
void CheckLinkContrast(HWND about, const std::string& scheme)
{
    Capture capture;
    std::vector<ShownCheck> checks;
    for (const int label : {Label1, Label2}) {
        const Box box = kAbout[label].at96;
        checks.push_back({std::string(kAbout[label].name) + " reads at 4.5:1 under " + scheme,
                          [&capture, box] { return TextContrast(capture, box) >= 4.5; },
                          [&capture, box] { return std::to_string(TextContrast(capture, box)) + ":1"; }});
    }
    CheckWhenShown([&] { capture = CaptureClient(about); }, checks);
}

// The two results show their light grey with dark text under any scheme: the program sets
// both, as the theme's own text colour (white under a dark one) would not read on the grey.
void CheckResultColours(HWND main, const std::string& scheme)
{
    const MainIndex results[] = {Text4, Text6};
    TextColours colours[2];
    const auto asSet = [](const TextColours& drawn) {
        return drawn.background == 0xE0E0E0 && drawn.darkInk && drawn.contrast >= 4.5;
    };
    std::vector<ShownCheck> checks;
    for (int i = 0; i < 2; ++i)
        checks.push_back({std::string(Main(results[i]).name) + " shows dark text on #E0E0E0 under " + scheme,
                          [&, i] { return asSet(colours[i]); }, [&, i] { return DescribeColours(colours[i]); }});
    CheckWhenShown([&] {
        const Capture capture = CaptureClient(main);
        for (int i = 0; i < 2; ++i) {
            HWND edit = MainField(main, results[i]);
            RECT inside;
            GetClientRect(edit, &inside);
            MapWindowPoints(edit, main, reinterpret_cast<POINT*>(&inside), 2);
            colours[i] = ColoursOf(capture, {inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top});
        }
    }, checks);
}

void CheckHover(HWND about)
{
    RequireHoverPoints();
    bool coloursChecked = false;
    for (const Hover& hover : kHovers) {
        std::string cursor;
        Check(MovePointer(about, hover.at, hover.hand, cursor),
              std::string(hover.hand ? "the hand" : "no hand") + " over " + hover.over, cursor);
        LabelInk label1, label2;
        CheckWhenShown(
            [&] {
                const Capture capture = CaptureClient(about);
                label1 = InkOf(capture, kAbout[Label1].at96);
                label2 = InkOf(capture, kAbout[Label2].at96);
            },
            {{std::string("after a move over ") + hover.over + ": Label1 " + (hover.label1 ? "underlined" : "plain")
                  + ", Label2 " + (hover.label2 ? "underlined" : "plain"),
              [&] { return label1.underlined == hover.label1 && label2.underlined == hover.label2; },
              [&] { return DescribeInk("Label1", label1) + "; " + DescribeInk("Label2", label2); }}});
        if (!coloursChecked && !hover.label1 && !hover.label2) {
            coloursChecked = true;
            CheckLinkContrast(about, "the default colours");
        }
    }
}

// The links opened so far, as the stand-in handlers logged them, sorted.
class LinkLog {
public:
    explicit LinkLog(std::wstring file) : m_file(std::move(file)) { }

    // After an action that opens `added` (and nothing else): waits until it has come, then
    // checks that nothing more came, from this action or an earlier one. An earlier action's
    // late extra has come by then: the program hands links on in the order of the clicks.
    void expect(const std::vector<std::string>& added, const std::string& what)
    {
        m_expected.insert(m_expected.end(), added.begin(), added.end());
        std::sort(m_expected.begin(), m_expected.end());
        std::vector<std::string> lines;
        WaitFor([&] {
            lines = LogLines(m_file);
            return std::includes(lines.begin(), lines.end(), m_expected.begin(), m_expected.end());
        }, 8000);
        Check(lines == m_expected, what, "expected " + Joined(m_expected) + "seen " + Joined(lines));
    }

private:
    std::wstring m_file;
    std::vector<std::string> m_expected;
};

// A point of About where the arrow shows and no underline changes: the pointer rests there
// between two links, so that the move onto the next link shows in the cursor.
constexpr POINT kRest {136, 20}; // Label3

// Clicks (or does `how` at) a link point of About with real input, once the pointer is seen there.
void ClickLink(HWND about, POINT at, const std::string& how = "click 1")
{
    std::string cursor;
    const bool rests = MovePointer(about, kRest, false, cursor);
    Require(rests, "the pointer shows the arrow over Label3, where it rests between links (it shows " + cursor + ")");
    const bool overLink = MovePointer(about, at, true, cursor);
    Require(overLink, "the pointer shows the hand over the link to click (it shows " + cursor + ")");
    PointAt(OnScreen(about, at), how);
}

void CheckLinks(Program& program, HWND about, const std::wstring& logFile)
{
    LinkLog log(logFile);
    ClickLink(about, {128, 184}); // Label1
    log.expect({kMailOpened}, "a click on Label1 sends mail");
    ClickLink(about, {107, 97}, "click --repeat 2 --delay 60 1"); // the banner
    log.expect({kSiteOpened}, "a double-click on the banner opens the web site");
    // Pressed over Label1, released over Label2: no link.
    ClickLink(about, {128, 184}, "mousedown 1 " + XdotoolMoveTo(OnScreen(about, {116, 136})) + " mouseup 1");
    std::string cursor;
    Check(MovePointer(about, {32, 32}, false, cursor), "the arrow over Picture1", cursor);
    PointAt(OnScreen(about, {32, 32}), "click 1"); // Picture1: no link
    ClickLink(about, {36, 220}); // the donation picture
    log.expect({kDonationOpened}, "a press carried from one link to another, or a click on Picture1, opens nothing;"
                                  " a double-click opens once; a click on the donation picture opens it");

    // The keyboard on the donation picture, which Tab reaches from OK.
    HWND donation = ChildAt(about, kAbout[PictureDon].at96.rect());
    Require(GetForegroundWindow() == about, "About is in front for the keyboard");
    PressKey(VK_TAB);
    Check(WaitFor([&] { return FocusOf(program.thread()) == donation; }), "Tab from OK focuses the donation picture");
    PressKey(VK_SPACE, 3); // held: three auto-repeats
    log.expect({kDonationOpened}, "Space on the donation picture opens it");
    ClickLink(about, {116, 136}); // Label2
    log.expect({kSiteOpened}, "Space held opens the donation page once; a click on Label2 opens the web site");
    PressKey(VK_RETURN, 3);
    log.expect({kDonationOpened}, "Enter on the donation picture opens it");
    ClickLink(about, {32, 184}); // the mail icon
    log.expect({kMailOpened}, "Enter held opens the donation page once; a click on the mail icon sends mail");

    // Round the three stops from the donation picture: Escape on each, Space and Enter on the
    // icon; then the middle and right buttons on each link and picture. None opens anything.
    for (const WORD key : {VK_ESCAPE, VK_TAB, VK_SPACE, VK_RETURN, VK_ESCAPE, VK_TAB, VK_ESCAPE, VK_TAB})
        PressKey(key);
    Check(WaitFor([&] { return FocusOf(program.thread()) == donation; }) && IsWindowVisible(about),
          "Escape, and Space and Enter on the icon, leave About open; Tab goes round to the donation picture");
    for (const POINT at : {POINT {128, 184}, POINT {107, 97}, POINT {36, 220}, POINT {32, 184}})
        for (const char* click : {"click 2", "click 3"})
            ClickLink(about, at, click);
    ClickLink(about, {116, 136}); // Label2
    log.expect({kSiteOpened}, "keys on the icon, and middle or right clicks on Label1, the banner, the donation picture"
                              " and the mail icon open nothing; a click on Label2 opens the web site");
    Check(FindWindowW(L"TarvolaAbout", nullptr) == about, "About stays open after its links");
}

// The pointer takes exactly what the pictures draw: a click just outside the donation picture,
// or just below the mail frame (the icon's own size would reach past it), opens nothing and
// shows no hand; one on the last pixel drawn opens its link.
void CheckPictureAreas(HWND about, int dpi, const std::wstring& logFile)
{
    LinkLog log(logFile);
    const Box donation = kAbout[PictureDon].at(dpi), mailIcon = kAbout[Image1].at(dpi), mailArea = kMailArea.at(dpi);
    const POINT inside[] = {{donation.left + donation.width - 1, donation.top + donation.height - 1},
                            {mailIcon.left + mailIcon.width / 2, mailIcon.top + mailIcon.height - 1}};
    const struct {
        const char* where;
        POINT at;
    } outside[] = {
        {"just right of the donation picture", {donation.left + donation.width, donation.top + donation.height / 2}},
        {"just below the donation picture", {donation.left + donation.width / 2, donation.top + donation.height}},
        {"just below the mail frame", {mailIcon.left + mailIcon.width / 2, mailArea.top + mailArea.height}},
    };
    for (const auto& point : outside) {
        std::string cursor;
        Check(MovePointer(about, point.at, false, cursor), std::string("no hand ") + point.where + AtDpi(dpi), cursor);
        PointAt(OnScreen(about, point.at), "click 1");
    }
    for (const POINT& at : inside) {
        std::string cursor;
        Require(MovePointer(about, kRest, false, cursor), "the arrow over Label3, where the pointer rests");
        Check(MovePointer(about, at, true, cursor), "the hand on the last pixel drawn of a picture" + AtDpi(dpi), cursor);
        PointAt(OnScreen(about, at), "click 1");
    }
    log.expect({kDonationOpened, kMailOpened}, "clicks just outside the pictures open nothing, on their last pixels"
                                               " their links" + AtDpi(dpi));
}

void CheckAbout(Program& program, const std::wstring& log)
{
    HWND main = program.main;
    HWND about = OpenAbout(main);
    Check(about != nullptr, "the About menu entry opens About");
    if (!about)
        return;
    HWND ok = ChildAt(about, kAbout[Command1].at96.rect());
    Check(ok && WaitFor([&] { return FocusOf(program.thread()) == ok; }, 1000), "OK has the focus when About opens");
    const Capture unfocused = CaptureClient(about); // the donation picture without its focus frame

    // A second About command, with the main window in front: About comes forward, and alone.
    // That it has come forward shows the command has been handled.
    const POINT bare = OnScreen(main, {3, 3}); // left of the upper group box
    Require(WindowFromPoint(bare) == main, "the main window's corner is not covered");
    PointAt(bare, "sleep 0.1 click 1"); // resting first, as for the menu
    Check(WaitFor([&] { return GetForegroundWindow() == main; }), "a click on the main window brings it forward");
    ClickMenuAbout(main);
    Check(WaitFor([&] { return GetForegroundWindow() == about; }), "About again brings the open About forward");
    Require(RoundTrip(main), "the main window answers a message");
    Check(CountWindows(L"TarvolaAbout") == 1, "About twice gives one window");

    Check(Text(about) == L"About Ulvo", "About caption", Narrow(Text(about)));
    const LONG style = GetWindowLongW(about, GWL_STYLE);
    Check((GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, "About is a tool window");
    Check(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)), "About is fixed");
    Check(SendMessageW(about, WM_GETICON, ICON_SMALL, 0) == 0 && GetClassLongPtrW(about, GCLP_HICON) == 0, "About has no icon");
    CheckAboutLayout(about, 96);
    CheckTexts(about, kAboutTexts, 96);
    CheckPictures(about, 96);
    HWND donation = ChildAt(about, kAbout[PictureDon].at96.rect());
    HWND icon = ChildAt(about, kAbout[Picture1].at96.rect());
    for (const auto& [picture, name] : {std::pair {donation, L"Donate"}, std::pair {icon, L"Tarvola"}}) {
        const std::wstring spoken = AccessibleName(picture);
        Check(spoken == name, "the name a screen reader reads: " + Narrow(name), Narrow(spoken));
    }
    CheckHover(about);
    CheckLinks(program, about, log);

    // About minimised with the focus on the donation picture (where CheckLinks left it): the
    // next About command brings it back and forward, and moves no focus.
    Require(FocusOf(program.thread()) == donation, "the donation picture has the focus after its keys");
    ShowWindow(about, SW_MINIMIZE);
    Require(WaitFor([&] { return IsIconic(about) != FALSE; }), "About minimises");
    ClickMenuAbout(main);
    Check(WaitFor([&] { return !IsIconic(about) && GetForegroundWindow() == about; }),
          "About again brings a minimised About back and forward");
    Require(RoundTrip(about), "About answers a message");
    Check(FocusOf(program.thread()) == donation, "About again leaves the focus on the donation picture");

    // The focus frame is drawn on the focused donation picture, and comes and goes with the
    // focus as Tab moves it, without a repaint of the whole window; Tab goes round the three stops.
    const auto framed = [&](const Capture& capture) {
        const Box box = kAbout[PictureDon].at96;
        for (int y = box.top; y < box.top + box.height; ++y)
            for (int x = box.left; x < box.left + box.width; ++x)
                if (capture.at(x, y) != unfocused.at(x, y))
                    return true;
        return false;
    };
    const auto shown = [&] {
        RedrawWindow(about, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); // what is due, nothing more
        return CaptureShown(about);
    };
    Check(framed(CaptureClient(about)), "the focused donation picture draws its focus frame");
    PressKey(VK_TAB);
    Check(WaitFor([&] { return FocusOf(program.thread()) == icon; }), "Tab from the donation picture focuses the icon");
    Check(WaitFor([&] { return !framed(shown()); }), "the donation picture's focus frame goes when Tab moves the focus on");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    Check(WaitFor([&] { return FocusOf(program.thread()) == donation && framed(shown()); }),
          "Tab round to the donation picture draws its focus frame");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    Check(WaitFor([&] { return FocusOf(program.thread()) == ok; }) && IsWindowVisible(about), "Tab goes on to OK");

    // Back from the main window by a click on About's background: the focus is on OK again, and
    // Space presses it.
    PointAt(bare, "sleep 0.1 click 1");
    Check(WaitFor([&] { return GetForegroundWindow() == main; }), "a click on the main window brings it forward again");
    PointAt(OnScreen(about, {210, 66}), "click 1");
    Check(WaitFor([&] { return GetForegroundWindow() == about; }), "a click on About's background brings it forward");
    Require(RoundTrip(about), "About answers a message");
    PressKey(VK_SPACE);
    Check(WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }),
          "Space on OK, focused again after About was reactivated, closes About");
    about = OpenAbout(main);
    Check(about != nullptr, "About opens again");
    if (about) {
        LabelInk label1, label2;
        WaitFor([&] {
            const Capture capture = CaptureClient(about);
            label1 = InkOf(capture, kAbout[Label1].at96);
            label2 = InkOf(capture, kAbout[Label2].at96);
            return label1.inkPixels > 0 && label2.inkPixels > 0;
        });
        Check(label1.inkPixels > 0 && !label1.underlined && label2.inkPixels > 0 && !label2.underlined,
              "About opens again with neither address underlined",
              DescribeInk("Label1", label1) + "; " + DescribeInk("Label2", label2));
        PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        Check(WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }), "the close box closes About");
    }
    about = OpenAbout(main);
    Check(about && WaitFor([&] {
        return GetForegroundWindow() == about && FocusOf(program.thread()) == ChildAt(about, kAbout[Command1].at96.rect());
    }), "About opens again in front with the focus on OK");
    PressKey(VK_RETURN);
    Check(WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }), "Enter on the focused OK closes About");
    Check(OpenAbout(main) != nullptr, "About is open before the main window is closed");
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check(program.endsWithin(5000), "closing the main window closes About and ends the program");
}

void CheckVersionRecord(const std::wstring& exe)
{
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) {
        Check(false, "version record present");
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size);
    constexpr DWORD kVersionHigh = MAKELONG(TARVOLA_VERSION_MINOR, TARVOLA_VERSION_MAJOR);
    constexpr DWORD kVersionLow = MAKELONG(TARVOLA_VERSION_TWEAK, TARVOLA_VERSION_PATCH);
    Check(fixed && fixed->dwFileVersionMS == kVersionHigh && fixed->dwFileVersionLS == kVersionLow
              && fixed->dwProductVersionMS == kVersionHigh && fixed->dwProductVersionLS == kVersionLow,
          "file and product version are the build's four numbers");
    WORD* translation = nullptr;
    VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size);
    Check(translation && translation[0] == 0x040C && translation[1] == 1200, "French, Unicode");
    wchar_t* version = nullptr;
    VerQueryValueW(data.data(), L"\\StringFileInfo\\040C04B0\\FileVersion", reinterpret_cast<void**>(&version), &size);
    Check(version && std::wstring(version) == Widen(TARVOLA_VERSION_TEXT), "file version text");
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC manifest = module ? FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    Check(manifest != nullptr, "manifest present");
    if (manifest) {
        const auto* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
        const std::string content(text, SizeofResource(module, manifest));
        Check(content.find("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>") != std::string::npos,
              "the manifest names Windows 10 and 11 as supported");
    }
    if (module)
        FreeLibrary(module);
}

// A colour scheme for the programs started while it lives, set in the user's registry as the
// Control Panel sets it; the colours that were there come back when it goes.
class ColourScheme {
public:
    struct Colour {
        const wchar_t* name;
        const wchar_t* rgb; // "R G B"
    };

    explicit ColourScheme(const std::vector<Colour>& colours)
    {
        Require(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &m_key)
                    == ERROR_SUCCESS,
                "the colours key of the Wine prefix opens");
        for (const Colour& colour : colours) {
            wchar_t old[32] = {};
            DWORD size = sizeof old - sizeof(wchar_t);
            const bool had = RegQueryValueExW(m_key, colour.name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size)
                == ERROR_SUCCESS;
            m_saved.push_back({colour.name, had ? std::optional<std::wstring>(old) : std::nullopt});
            set(colour.name, colour.rgb);
        }
    }
    ~ColourScheme()
    {
        for (const auto& [name, old] : m_saved)
            old ? set(name, *old) : static_cast<void>(RegDeleteValueW(m_key, name.c_str()));
        RegCloseKey(m_key);
    }
    ColourScheme(const ColourScheme&) = delete;
    ColourScheme& operator=(const ColourScheme&) = delete;

private:
    void set(const std::wstring& name, const std::wstring& rgb)
    {
        RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(rgb.c_str()),
                       static_cast<DWORD>((rgb.size() + 1) * sizeof(wchar_t)));
    }

    HKEY m_key = nullptr;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> m_saved;
};

// The results and the addresses under a light, a dark and a high-contrast scheme, each with a
// window colour on which the links' green reads at less than 4.5:1. (Wine reports no
// high-contrast theme to the program whatever its colours: this checks the colours, not the
// theme's own link colour.)
void CheckSchemes(const std::wstring& exe)
{
    struct Scheme {
        const char* name;
        std::vector<ColourScheme::Colour> colours;
    };
    const Scheme schemes[] = {
        {"a light scheme (Windows Classic grey)", {{L"ButtonFace", L"212 208 200"}, {L"ButtonText", L"0 0 0"}}},
        {"a dark scheme", {{L"ButtonFace", L"32 32 32"}, {L"ButtonText", L"255 255 255"}, {L"Window", L"0 0 0"},
                           {L"WindowText", L"255 255 255"}}},
        {"a high-contrast scheme", {{L"ButtonFace", L"0 0 0"}, {L"ButtonText", L"255 255 255"}, {L"Window", L"0 0 0"},
                                    {L"WindowText", L"255 255 255"}, {L"HotTrackingColor", L"255 255 0"}}},
    };
    for (const Scheme& scheme : schemes) {
        const ColourScheme colours(scheme.colours);
        Program program(exe);
        Require(program.main != nullptr, std::string("the main window appears under ") + scheme.name);
        HWND about = OpenAbout(program.main);
        Check(about != nullptr, std::string("About opens under ") + scheme.name);
        if (about)
            CheckLinkContrast(about, scheme.name);
        // After About's check: RedrawWindow on the main window just before About opened left
        // the driver waiting for ever in About's first RedrawWindow under Wine.
        CheckResultColours(program.main, scheme.name);
        PostMessageW(program.main, WM_SYSCOMMAND, SC_CLOSE, 0);
        Check(program.endsWithin(5000), std::string("the program ends under ") + scheme.name);
    }
}

// The keyboard away from Text1, and the focus each reactivation gives back: Enter and Escape
// held in Text3 change nothing, nor do F10 then Escape; F10 and Return open About, Enter on its
// OK closes it and Text3 has the focus again, Tab going on from there; Alt alone and Down open
// About from Text6, and both a click on the main window and Space on About's OK give Text6 back;
// Alt and Escape leave the menu for the field.
void CheckMainKeys(Program& program)
{
    HWND main = program.main;
    HWND text1 = MainField(main, Text1), text3 = MainField(main, Text3), text6 = MainField(main, Text6);
    const auto focused = [&](HWND control) { return WaitFor([&] { return FocusOf(program.thread()) == control; }); };
    HWND about = nullptr;
    const auto aboutInFront = [&] {
        return WaitFor([&] { return (about = FindWindowW(L"TarvolaAbout", nullptr)) && GetForegroundWindow() == about; });
    };
    const auto aboutGone = [] { return WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }); };
    // Each step starts where the one before left the windows: the first to fail ends the walk.
    const auto step = [](bool ok, const std::string& what, const std::string& detail = {}) {
        Check(ok, what, detail);
        return ok;
    };
    Require(GetForegroundWindow() == main && FocusOf(program.thread()) == text1, "the main window in front, Text1 focused");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    if (!step(focused(text3), "two Tabs from Text1 focus Text3"))
        return;
    PressKey(VK_RETURN, 2);
    PressKey(VK_ESCAPE, 2);
    PressKey(VK_F10);
    PressKey(VK_ESCAPE);
    PressCharacter(L'7'); // replaces the text Tab selected
    if (!step(WaitFor([&] { return Text(text3) == L"7"; }) && !FindWindowW(L"TarvolaAbout", nullptr) && program.running(),
              "Enter and Escape held, and F10 then Escape, in Text3 keep its focus and open or close nothing",
              Narrow(Text(text3))))
        return;
    PressKey(VK_F10);
    PressKey(VK_RETURN);
    if (!step(aboutInFront(), "F10 and Return open About"))
        return;
    PressKey(VK_RETURN);
    if (!step(aboutGone() && focused(text3), "Enter on About's OK closes it and gives Text3 its focus back"))
        return;
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    if (!step(focused(text6), "Tab goes on from Text3 after About: three Tabs reach Text6"))
        return;
    PressKey(VK_MENU);
    PressKey(VK_DOWN);
    if (!step(aboutInFront(), "Alt alone and Down open About"))
        return;
    PointAt(OnScreen(main, {3, 3}), "sleep 0.1 click 1"); // left of the upper group box
    if (!step(WaitFor([&] { return GetForegroundWindow() == main; }) && focused(text6),
              "a click on the main window gives Text6 its focus back"))
        return;
    PointAt(OnScreen(about, {210, 66}), "click 1");
    if (!step(WaitFor([&] { return GetForegroundWindow() == about; }), "a click on About's background brings it forward"))
        return;
    PressKey(VK_SPACE);
    if (!step(aboutGone() && focused(text6), "Space on About's OK closes it and gives Text6 its focus back"))
        return;
    PressKey(VK_MENU);
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    Check(focused(text1), "Alt then Escape leave the menu, and Tab goes round from Text6 to Text1");
}

// The resolution programs started from now on lay out at, as Windows keeps it for the user.
bool SetLogPixels(DWORD dpi)
{
    HKEY desktop = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &desktop) != ERROR_SUCCESS)
        return false;
    const bool set = RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                    sizeof dpi) == ERROR_SUCCESS;
    RegCloseKey(desktop);
    return set;
}

void Run(const std::wstring& exe, const std::wstring& mode, const std::wstring& log)
{
    // dpiNNN: NNN dots per inch; the other modes at 96.
    const int dpi = mode.rfind(L"dpi", 0) == 0 ? std::stoi(mode.substr(3)) : 96;
    Require(std::find(std::begin(kDpis), std::end(kDpis), dpi) != std::end(kDpis), "a resolution the driver knows");
    Require(SetLogPixels(static_cast<DWORD>(dpi)), "the resolution is set in the Wine prefix");
    Program program(exe);
    Check(program.main != nullptr, "the main window appears");
    if (!program.main)
        return;
    // What does not depend on the locale is checked once, in the comma-decimal run; at the
    // other resolutions only what depends on the resolution.
    if (dpi != 96) {
        CheckLayout(program.main, dpi);
        CheckTexts(program.main, kMainTexts, dpi);
        HWND about = OpenAbout(program.main);
        Check(about != nullptr, "the About menu entry opens About" + AtDpi(dpi));
        if (about) {
            CheckAboutLayout(about, dpi);
            CheckTexts(about, kAboutTexts, dpi);
            CheckPictures(about, dpi);
            CheckPictureAreas(about, dpi, log);
        }
    } else if (mode == L"dot") {
        CheckResultColours(program.main, "the default colours");
        CheckRefresh(program, false);
        CheckEnterAndEscape(program);
        CheckMainKeys(program);
        PostMessageW(program.main, WM_SYSCOMMAND, SC_CLOSE, 0);
        Check(program.endsWithin(5000), "the program ends when its window is closed");
        CheckSchemes(exe);
    } else {
        CheckMainWindow(program);
        CheckRefresh(program, true);
        CheckPaste(program);
        CheckAbout(program, log);
    }
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 6) {
        std::printf("usage: gui_driver TARVOLA_EXE comma|dot|dpi120|dpi144|dpi168|dpi192 LINK_LOG X_CURSOR XDOTOOL\n");
        return 2;
    }
    const std::wstring exe = argv[1], mode = argv[2], log = argv[3];
    g_xCursor.path = Narrow(argv[4]);
    g_xdotool.path = Narrow(argv[5]);
    if (!JoinDesktop(kDesktop)) {
        std::printf("FAIL: no desktop %ls\n0 passed, 1 failed\n", kDesktop);
        return 1;
    }
    // For the accessible objects; after joining the desktop, since a thread that has a window
    // (COM's apartment window) cannot join one.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    try {
        Run(exe, mode, log);
        if (mode == L"comma")
            CheckVersionRecord(exe);
    } catch (const DriverFault& fault) {
        // The program is gone by now (its Program has ended it); what was checked still counts.
        CountFailure();
        std::printf("FAIL: the driver could not go on: %s\n", fault.what());
    }
    SetLogPixels(96);
    std::printf("%d passed, %d failed\n", PassedChecks(), FailedChecks());
    return FailedChecks() == 0 ? 0 : 1;
}
