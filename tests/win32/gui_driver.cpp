// Drives the real tarvola.exe from outside, under Wine, inside the virtual desktop the test
// script made: finds its windows, checks them against the layout in twips, types into the
// fields, opens About through the menu, clicks the links, and reads the version record.
// Usage: gui_driver.exe TARVOLA_EXE comma|dot|dpi144 LINK_LOG X_CURSOR_PROGRAM
// Prints one line per failure and a closing "N passed, N failed".
#include "about_behaviour.h"
#include "about_layout.h"
#include "form_layout.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tarvola;

constexpr const wchar_t* kDesktop = L"TarvolaTest";
int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const std::string& what, const std::string& detail = {})
{
    if (ok) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("FAIL: %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

// Waits for a condition, polling, for at most `milliseconds`.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000)
{
    for (int waited = 0;; waited += 20) {
        if (condition())
            return true;
        if (waited >= milliseconds)
            return false;
        Sleep(20);
    }
}

std::string Narrow(const std::wstring& text)
{
    std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.pop_back();
    return out;
}

std::wstring Text(HWND window)
{
    wchar_t buffer[512] = {};
    SendMessageW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << r.left << ',' << r.top << ' ' << r.right - r.left << 'x' << r.bottom - r.top;
    return out.str();
}

// The children of a window with their rectangles in its client coordinates and their classes.
struct Child {
    HWND window;
    RECT rect;
    std::wstring windowClass;
};

std::vector<Child> Children(HWND parent)
{
    std::vector<Child> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* list = reinterpret_cast<std::vector<Child>*>(data);
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            list->push_back({child, rect, name});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

RECT Pixels(const TwipsRect& rect, int dpi)
{
    const int left = TwipsToPixels(rect.left, dpi), top = TwipsToPixels(rect.top, dpi);
    return {left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

HWND ChildAt(HWND parent, const RECT& expected)
{
    for (const Child& child : Children(parent))
        if (EqualRect(&child.rect, &expected))
            return child.window;
    return nullptr;
}

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
    bool endsWithin(int milliseconds) const { return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0; }
    DWORD thread() const { return m_process.dwThreadId; }

    HWND main = nullptr;

private:
    PROCESS_INFORMATION m_process {};
};

HWND FocusOf(DWORD thread)
{
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Whether an edit draws its text in the given font: another process's font handle cannot be
// read, so the edit's own character positions are compared with the text set in that font here.
bool DrawsWith(HWND edit, const wchar_t* face, double points, std::string& detail)
{
    const std::wstring text = Text(edit);
    if (text.size() < 2)
        return false;
    const int last = static_cast<int>(text.size()) - 1;
    const int drawn = static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(last), 0)))
        - static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, 0, 0)));
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-static_cast<int>(points * 96 / 72 + 0.5), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), last, &extent);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    detail = "drawn " + std::to_string(drawn) + " px, expected " + std::to_string(extent.cx);
    return drawn >= extent.cx - 1 && drawn <= extent.cx + 1;
}

void Type(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 0);
}

bool ShowsWithin(HWND edit, const std::wstring& expected)
{
    return WaitFor([&] { return Text(edit) == expected; }, 2000);
}

// Runs a Unix program through Wine and waits for it.
void RunUnix(const std::wstring& command)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    std::wstring line = command;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

// Moves the X pointer to a point of the screen (Win32 coordinates are the virtual desktop's),
// and clicks there if asked: the mouse as a person uses it, from the X side.
void PointAt(POINT screen, bool click)
{
    // The pointer rests a moment before the click, as a hand's does: a press that comes with
    // the very motion that brought the pointer can reach Wine before the motion does.
    RunUnix(L"Z:\\usr\\bin\\xdotool search --name \"^TarvolaTest - Wine desktop$\" mousemove --window %1 "
            + std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y) + (click ? L" sleep 0.1 click 1" : L""));
}

// Clicks the About entry of the menu bar.
void ClickMenuAbout(HWND main)
{
    POINT client {0, 0};
    ClientToScreen(main, &client);
    PointAt({client.x + 15, client.y - GetSystemMetrics(SM_CYMENU) / 2}, true);
}

std::wstring g_xCursorProgram;

// The cursor X shows now, as "WIDTHxHEIGHT hot X,Y", read by a Unix helper into a file.
std::string XCursor()
{
    const std::wstring file = L"/tmp/tarvola-x-cursor-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    const std::wstring mapped = L"Z:" + file; // Z: is the Unix root
    RunUnix(g_xCursorProgram + L" " + file);
    std::string line;
    {
        std::ifstream in {std::filesystem::path(mapped)};
        std::getline(in, line);
    }
    DeleteFileW(mapped.c_str());
    return line;
}

// How many pixels of a control, as the screen shows it, differ from the dialog background.
int InkPixels(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<std::size_t>(width * height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const DWORD background = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                          [&](DWORD pixel) { return (pixel & 0xFFFFFF) != background; }));
}

int CountWindows(const wchar_t* windowClass)
{
    int count = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, nullptr); w; w = FindWindowExW(nullptr, w, windowClass, nullptr))
        ++count;
    return count;
}

std::vector<std::string> LogLines(const std::wstring& log)
{
    std::vector<std::string> lines;
    std::ifstream in {std::filesystem::path(log)};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void ClickAt(HWND window, const TwipsRect& rect, int dpi, bool twice = false)
{
    const LPARAM point = MAKELPARAM(TwipsToPixels(rect.left + rect.width / 2, dpi), TwipsToPixels(rect.top + rect.height / 2, dpi));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
    if (twice) {
        SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageW(window, WM_LBUTTONUP, 0, point);
    }
}

void CheckLayout(HWND main, int dpi)
{
    RECT client;
    GetClientRect(main, &client);
    Check(client.right == TwipsToPixels(kFormClient.width, dpi) && client.bottom == TwipsToPixels(kFormClient.height, dpi),
          "main window client area", Describe(client));
    for (const FormPlace& place : kFormLayout) {
        const RECT expected = Pixels(FormWindowRectOf(place.control), dpi);
        Check(ChildAt(main, expected) != nullptr, "control at its twips position: " + std::string(place.name),
              "expected " + Describe(expected));
    }
}

HWND Field(HWND main, FormControl control, int dpi = 96)
{
    return ChildAt(main, Pixels(FormWindowRectOf(control), dpi));
}

void CheckMainWindow(Program& program)
{
    HWND main = program.main;
    Check(Text(main) == L" Tarvola v1.1", "caption", Narrow(Text(main)));
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

    const FormControl fields[] = {FormControl::Text1, FormControl::Text2, FormControl::Text3,
                                  FormControl::Text4, FormControl::Text5, FormControl::Text6};
    const int limits[] = {3, 2, 2, 9, 9, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        HWND edit = Field(main, fields[i]);
        const LONG editStyle = GetWindowLongW(edit, GWL_STYLE);
        const std::string name(FormPlaceOf(fields[i]).name);
        Check(edit && (editStyle & ES_CENTER) && (editStyle & ES_AUTOHSCROLL), "centred scrolling edit: " + name);
        const bool readOnly = fields[i] == FormControl::Text4 || fields[i] == FormControl::Text6;
        Check(((editStyle & ES_READONLY) != 0) == readOnly, "read-only exactly for the results: " + name);
        const auto limit = static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
        Check(limits[i] ? limit == limits[i] : limit > 9, "maximum length: " + name, std::to_string(limit));
        std::string detail;
        if (fields[i] != FormControl::Text4) // "0" after the first tick: nothing to measure
            Check(DrawsWith(edit, L"Microsoft Sans Serif", 9.75, detail), "field font Microsoft Sans Serif 9.75: " + name, detail);
        if (i + 1 < 6)
            Check(GetNextDlgTabItem(main, edit, FALSE) == Field(main, fields[i + 1]), "tab order after " + name);
    }
    Check(FocusOf(program.thread()) == Field(main, FormControl::Text1), "Text1 has the focus");
}

void CheckRefresh(Program& program, bool comma)
{
    HWND main = program.main;
    HWND text1 = Field(main, FormControl::Text1), text2 = Field(main, FormControl::Text2);
    HWND text3 = Field(main, FormControl::Text3), text4 = Field(main, FormControl::Text4);
    HWND text5 = Field(main, FormControl::Text5), text6 = Field(main, FormControl::Text6);
    const std::wstring dec = comma ? L"," : L".";
    Check(ShowsWithin(text4, L"0") && ShowsWithin(text6, L" 0\u00B0 0' 0\""), "first tick shows zero on both sides");
    Check(Text(text5) == L"000,00000", "decimal default (reads as zero under both locales)", Narrow(Text(text5)));

    Type(text1, L"45"); Type(text2, L"30"); Type(text3, L"45");
    Check(ShowsWithin(text4, L"45" + dec + L"5125"), "45 30 45", Narrow(Text(text4)));
    Type(text1, L"10"); Type(text2, L"20"); Type(text3, L"0");
    Check(ShowsWithin(text4, L"10" + dec + L"333333"), "decimal result cut to 9", Narrow(Text(text4)));
    Type(text1, L"1234");
    Check(Text(text1) == L"123", "a fourth character is refused", Narrow(Text(text1)));
    Type(text1, L"181");
    Check(ShowsWithin(text1, L"000"), "181 or more is reset", Narrow(Text(text1)));
    Type(text4, L"9");
    Check(Text(text4) != L"9", "the decimal result refuses typing");

    Type(text5, L"12" + dec + L"5825");
    Check(ShowsWithin(text6, L" 12\u00B0 34' 57\""), "12.5825 to DMS", Narrow(Text(text6)));
    Type(text5, L"1" + dec + L"15");
    Check(ShowsWithin(text6, L" 1\u00B0 9' 0\""), "rounded seconds carry", Narrow(Text(text6)));
    Type(text5, L"1e5");
    Check(ShowsWithin(text5, L"000,00000"), "decimal input past its bound is reset", Narrow(Text(text5)));
    Type(text5, L"-122" + dec + L"4194");
    Check(ShowsWithin(text6, L" -123\u00B0 34' 50\""), "negative angle", Narrow(Text(text6)));
    const LRESULT first = SendMessageW(text6, EM_POSFROMCHAR, 0, 0);
    Check(first != -1 && static_cast<short>(LOWORD(first)) >= 0, "the start of a wide result is in view");

    // A selection in a result survives the ticks that rewrite the same text.
    SendMessageW(text6, EM_SETSEL, 0, -1);
    Sleep(350);
    DWORD start = 0, end = 0;
    SendMessageW(text6, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Check(start == 0 && end == Text(text6).size(), "selection kept across ticks");
}

void CheckAbout(Program& program, const std::wstring& log)
{
    HWND main = program.main;
    HWND about = nullptr;
    const auto aboutShown = [&] { return (about = FindWindowW(L"TarvolaAbout", nullptr)) != nullptr && IsWindowVisible(about); };
    // A click that X delivers to nothing (rare under load) is tried again; a menu that does not
    // work fails all three.
    bool opened = false;
    for (int attempt = 0; attempt < 3 && !opened; ++attempt) {
        ClickMenuAbout(main);
        opened = WaitFor(aboutShown, 2000);
    }
    Check(opened, "the About menu entry opens About");
    if (!about)
        return;
    HWND ok = ChildAt(about, Pixels(WindowRectOf(AboutControl::Command1), 96));
    Check(WaitFor([&] { return FocusOf(program.thread()) == ok; }, 1000), "OK has the focus when About opens");
    ClickMenuAbout(main);
    Sleep(200);
    Check(CountWindows(L"TarvolaAbout") == 1, "About twice gives one window");
    Check(Text(about) == L"About Ulvo", "About caption", Narrow(Text(about)));
    const LONG style = GetWindowLongW(about, GWL_STYLE);
    Check((GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, "About is a tool window");
    Check(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)), "About is fixed");
    Check(SendMessageW(about, WM_GETICON, ICON_SMALL, 0) == 0 && GetClassLongPtrW(about, GCLP_HICON) == 0, "About has no icon");
    RECT client;
    GetClientRect(about, &client);
    Check(client.right == 214 && client.bottom == 261, "About client area", Describe(client));
    for (const AboutPlace& place : kAboutLayout) {
        if (place.control == AboutControl::SiteUlvo || place.control == AboutControl::Mail || place.control == AboutControl::PictureDon)
            continue; // frames have no window; the donation picture is sized to its bitmap
        Check(ChildAt(about, Pixels(WindowRectOf(place.control), 96)) != nullptr, "About control at its twips position",
              Describe(Pixels(WindowRectOf(place.control), 96)));
    }
    // The hand over the link areas and the donation picture, the arrow elsewhere.
    for (AboutControl over : {AboutControl::Mail, AboutControl::Image2, AboutControl::Label2, AboutControl::PictureDon,
                              AboutControl::Label3, AboutControl::Command1}) {
        const TwipsRect rect = WindowRectOf(over);
        POINT point {TwipsToPixels(rect.left + rect.width / 2, 96), TwipsToPixels(rect.top + rect.height / 2, 96)};
        ClientToScreen(about, &point);
        PointAt(point, false);
        const bool hand = AboutBehaviour::showsHand(over);
        std::string cursor;
        WaitFor([&] { return ((cursor = XCursor()) == "32x32 hot 5,0") == hand; }, 1500);
        Check((cursor == "32x32 hot 5,0") == hand, std::string(hand ? "hand" : "no hand") + " cursor over control "
                  + std::to_string(static_cast<int>(over)), cursor);
    }

    // Hover underlines, as drawn: an underlined address has a line more of ink under it. Only a
    // move over the background takes both underlines away.
    HWND label1 = ChildAt(about, Pixels(WindowRectOf(AboutControl::Label1), 96));
    HWND label2 = ChildAt(about, Pixels(WindowRectOf(AboutControl::Label2), 96));
    int plainInk[2] = {InkPixels(label1), InkPixels(label2)};
    const auto underlined = [&](HWND label) {
        RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const int ink = InkPixels(label);
        return ink > plainInk[label == label1 ? 0 : 1] + 20;
    };
    const auto pointAtControl = [&](AboutControl over) {
        // The middle of the control; the mail area's middle is its address, so its gap between
        // icon and address stands for it, and a corner for the background.
        TwipsRect rect = WindowRectOf(over);
        if (over == AboutControl::Mail)
            rect = {780, 2500, 0, 0};
        else if (over == AboutControl::Background)
            rect = {3150, 1000, 0, 0};
        POINT point {TwipsToPixels(rect.left + rect.width / 2, 96), TwipsToPixels(rect.top + rect.height / 2, 96)};
        ClientToScreen(about, &point);
        PointAt(point, false);
        Sleep(100);
    };
    pointAtControl(AboutControl::Background);
    plainInk[0] = InkPixels(label1);
    plainInk[1] = InkPixels(label2);
    Check(AboutControlAt(780, 2500) == AboutControl::Mail && AboutControlAt(3150, 1000) == AboutControl::Background,
          "the points that stand for the mail area and the background are in them");
    pointAtControl(AboutControl::Mail);
    Check(underlined(label1) && !underlined(label2), "a move over the mail area underlines Label1 only");
    pointAtControl(AboutControl::Label2);
    Check(underlined(label1) && !underlined(label2), "a move over Label2 itself changes nothing");
    pointAtControl(AboutControl::Image2);
    Check(underlined(label1) && underlined(label2), "a move over the banner underlines Label2 too");
    pointAtControl(AboutControl::Background);
    Check(!underlined(label1) && !underlined(label2), "a move over the background clears both");

    // Links, caught by the stand-in xdg-email and xdg-open; a double-click opens once.
    ClickAt(about, WindowRectOf(AboutControl::Label1), 96);
    ClickAt(about, WindowRectOf(AboutControl::Image2), 96, true);
    ClickAt(about, WindowRectOf(AboutControl::PictureDon), 96);
    ClickAt(about, WindowRectOf(AboutControl::Picture1), 96);
    const std::vector<std::string> expected = {
        "xdg-email mailto:contact@ulvo.example.org?Subject=Freeware%20Ulvo%20-%20Tarvola",
        "xdg-open http://www.ulvo.example.org/",
        "xdg-open http://www.ulvo.example.org/DON.html",
    };
    WaitFor([&] { return LogLines(log).size() >= expected.size(); }, 5000);
    Sleep(300); // a link opened twice would arrive now
    std::vector<std::string> lines = LogLines(log);
    std::sort(lines.begin(), lines.end());
    std::string seen;
    for (const std::string& line : lines)
        seen += line + "; ";
    Check(lines == expected, "links handed to the desktop, once each", seen);

    SendMessageW(ok, BM_CLICK, 0, 0);
    Check(WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }), "OK closes About");
    ClickMenuAbout(main);
    Check(WaitFor([&] { return (about = FindWindowW(L"TarvolaAbout", nullptr)) != nullptr; }), "About opens again");
    PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check(WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) == nullptr; }), "the close box closes About");
    ClickMenuAbout(main);
    WaitFor([] { return FindWindowW(L"TarvolaAbout", nullptr) != nullptr; });
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
    Check(fixed && fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0x00000001
              && fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0x00000001,
          "file and product version 1,0,0,1");
    WORD* translation = nullptr;
    VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size);
    Check(translation && translation[0] == 0x040C && translation[1] == 1200, "French, Unicode");
    wchar_t* version = nullptr;
    VerQueryValueW(data.data(), L"\\StringFileInfo\\040C04B0\\FileVersion", reinterpret_cast<void**>(&version), &size);
    Check(version && std::wstring(version) == L"1.00.0001", "file version text");
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    Check(module && FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), "manifest present");
    if (module)
        FreeLibrary(module);
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

bool JoinDesktop()
{
    HDESK desktop = nullptr;
    WaitFor([&] { return (desktop = OpenDesktopW(kDesktop, 0, FALSE, GENERIC_ALL)) != nullptr; }, 15000);
    return desktop && SetThreadDesktop(desktop);
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 5) {
        std::printf("usage: gui_driver TARVOLA_EXE comma|dot|dpi144 LINK_LOG X_CURSOR_PROGRAM\n");
        return 2;
    }
    const std::wstring exe = argv[1], mode = argv[2], log = argv[3];
    g_xCursorProgram = argc > 4 ? argv[4] : L"";
    if (!JoinDesktop()) {
        std::printf("FAIL: no desktop %ls\n0 passed, 1 failed\n", kDesktop);
        return 1;
    }
    Check(SetLogPixels(mode == L"dpi144" ? 144 : 96), "resolution set in the Wine prefix");
    {
        Program program(exe);
        Check(program.main != nullptr, "the main window appears");
        if (program.main) {
            // What does not depend on the locale is checked once, in the comma-decimal run.
            if (mode == L"dpi144") {
                CheckLayout(program.main, 144);
            } else if (mode == L"dot") {
                CheckRefresh(program, false);
            } else {
                CheckMainWindow(program);
                CheckRefresh(program, true);
                CheckAbout(program, log);
            }
        }
    }
    SetLogPixels(96);
    if (mode == L"comma")
        CheckVersionRecord(exe);
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
