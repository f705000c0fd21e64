#include "tests/win32/driver_support.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tarvola::driver {

namespace {
int g_passed = 0;
int g_failed = 0;
} // namespace

void Check(bool ok, const std::string& what, const std::string& detail)
{
    if (ok) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("FAIL: %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

void Require(bool ok, const std::string& what)
{
    if (!ok)
        throw DriverFault(what);
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds, int period)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(static_cast<DWORD>(period));
    }
}

void CheckWhenShown(const std::function<void()>& read, const std::vector<ShownCheck>& checks, int milliseconds)
{
    WaitFor([&] {
        read();
        return std::all_of(checks.begin(), checks.end(), [](const ShownCheck& check) { return check.holds(); });
    }, milliseconds);
    for (const ShownCheck& check : checks) {
        const bool ok = check.holds();
        Check(ok, check.what, ok || !check.seen ? std::string() : check.seen());
    }
}

std::string Narrow(const std::wstring& text)
{
    std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.pop_back();
    return out;
}

std::wstring Widen(const std::string& text)
{
    std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
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

bool RoundTrip(HWND window)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored) != 0;
}

HWND FindChild(HWND parent, const std::function<bool(HWND, const RECT&)>& matches)
{
    struct Search {
        const std::function<bool(HWND, const RECT&)>& matches;
        HWND found;
    } search {matches, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
            if (!s->matches(child, rect))
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildAt(HWND parent, const RECT& expected)
{
    return FindChild(parent, [&](HWND, const RECT& rect) { return EqualRect(&rect, &expected) != 0; });
}

HWND FocusOf(DWORD thread)
{
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

int CountWindows(const wchar_t* windowClass)
{
    int count = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, nullptr); w; w = FindWindowExW(nullptr, w, windowClass, nullptr))
        ++count;
    return count;
}

std::wstring AccessibleName(HWND window)
{
    IAccessible* accessible = nullptr;
    // MinGW's IID_IAccessible symbol does not hold the interface's id; __uuidof does.
    const HRESULT found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&accessible));
    if (FAILED(found) || !accessible)
        return L"(none: no accessible object)";
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT read = accessible->get_accName(self, &name);
    accessible->Release();
    if (read != S_OK || !name)
        return L"(none: get_accName " + std::to_wstring(static_cast<unsigned long>(read)) + L")";
    std::wstring text(name, SysStringLen(name));
    SysFreeString(name);
    return text;
}

int PassedChecks()
{
    return g_passed;
}

int FailedChecks()
{
    return g_failed;
}

void CountFailure()
{
    ++g_failed;
}

std::string AtDpi(int dpi)
{
    return " at " + std::to_string(dpi) + " DPI";
}

HWND PlacedChild(HWND parent, const expected::Placed& place, int dpi)
{
    const RECT expected = place.at(dpi).rect();
    if (!place.text)
        return ChildAt(parent, expected);
    return FindChild(parent, [&](HWND child, const RECT& rect) {
        const bool around = rect.left <= expected.left && rect.right >= expected.right
            && (rect.left == expected.left || rect.left + rect.right == expected.left + expected.right
                || rect.left + rect.right == expected.left + expected.right - 1);
        return IsWindowVisible(child) && rect.top == expected.top && rect.bottom == expected.bottom && around;
    });
}

bool JoinDesktop(const wchar_t* name)
{
    HDESK desktop = nullptr;
    WaitFor([&] { return (desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL)) != nullptr; }, 15000);
    return desktop && SetThreadDesktop(desktop);
}

std::vector<std::string> LogLines(const std::wstring& log)
{
    std::vector<std::string> lines;
    std::ifstream in {std::filesystem::path(log)};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string seen;
    for (const std::string& line : lines)
        seen += line + "; ";
    return seen.empty() ? "nothing" : seen;
}

} // namespace tarvola::driver
