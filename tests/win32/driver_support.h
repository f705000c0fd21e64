#pragma once
// What every check of the GUI driver uses: counting checks, waiting for conditions, reading
// another process's windows.
#include "tests/win32/expected_layout.h"

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvola::driver {

// Counts a check, and prints a failed one with what was seen.
void Check(bool ok, const std::string& what, const std::string& detail = {});
int PassedChecks();
int FailedChecks();
void CountFailure();

// A fault of the driver or of a tool it needs: nothing after it could be trusted, and the run
// ends as a failure.
struct DriverFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// " at NNN DPI", for what a check says.
std::string AtDpi(int dpi);

// Throws a DriverFault saying `what` was expected when it is not so.
void Require(bool ok, const std::string& what);

// Waits for a condition, polling every `period` ms, for at most `milliseconds`; true once it holds.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000, int period = 20);

// One check of what a window shows: what it says, whether it holds on the latest reading, and
// what was seen when it does not.
struct ShownCheck {
    std::string what;
    std::function<bool()> holds;
    std::function<std::string()> seen = {};
};

// Reads afresh (`read`: a capture, say) until every check holds or `milliseconds` have passed,
// then counts each on the last reading: a window just shown or changed may still be painting.
void CheckWhenShown(const std::function<void()>& read, const std::vector<ShownCheck>& checks, int milliseconds = 2000);

std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& text);

// A window's text, read with WM_GETTEXT (up to 511 characters).
std::wstring Text(HWND window);

// "left,top widthxheight".
std::string Describe(const RECT& r);

// Whether the window's thread has handled everything sent or posted to it before this call: a
// sent message is answered only once the thread is back in its message loop.
bool RoundTrip(HWND window);

// The first child window that `matches` accepts, given the child and its rectangle in its
// parent's client coordinates; null when none does.
HWND FindChild(HWND parent, const std::function<bool(HWND, const RECT&)>& matches);

// The child window whose rectangle, in its parent's client coordinates, is exactly `expected`.
HWND ChildAt(HWND parent, const RECT& expected);

// The child window at a control's place: exactly there, or for a text starting there (centred:
// around it) and as wide or wider.
HWND PlacedChild(HWND parent, const expected::Placed& place, int dpi);

// The window that has the keyboard focus in a thread of another process.
HWND FocusOf(DWORD thread);

// How many top-level windows of a class exist.
int CountWindows(const wchar_t* windowClass);

// The name a screen reader reads for a window, through Active Accessibility (get_accName of its
// client object); "(none: ...)" with the reason when there is none.
std::wstring AccessibleName(HWND window);

// Joins this thread to a desktop of Wine's virtual desktop, waiting up to 15 s for it to exist.
bool JoinDesktop(const wchar_t* name);

// The links the stand-in handlers of run_gui_tests.sh have logged, one a line, sorted.
std::vector<std::string> LogLines(const std::wstring& log);

// Lines joined for a check's message, each ended by "; "; "nothing" for none.
std::string Joined(const std::vector<std::string>& lines);

// What they log for each of About's links.
inline const std::string kMailOpened = "xdg-email mailto:contact@ulvo.example.org?Subject=Freeware%20Ulvo%20-%20Tarvola";
inline const std::string kSiteOpened = "xdg-open http://www.ulvo.example.org/";
inline const std::string kDonationOpened = "xdg-open http://www.ulvo.example.org/DON.html";

} // namespace tarvola::driver
