#pragma once
// Input as a person gives it: keys through SendInput, the mouse through X events (xdotool), and
// the cursor as X shows it; plus typing by messages where the keyboard is not the point.
#include <windows.h>

#include <string>

namespace tarvola::driver {

// Types into an edit by messages, replacing its text.
void Type(HWND edit, const std::wstring& text);

// A key, or a character, pressed and released on the keyboard, for the window in front. A key
// held down sends `repeats` more presses before its release, as the keyboard's auto-repeat does.
void PressKey(WORD key, int repeats = 0);
void PressCharacter(wchar_t character);
// A key pressed while a modifier (VK_CONTROL, VK_SHIFT) is held, as Ctrl+V is.
void PressChord(WORD modifier, WORD key);

// Puts text on the clipboard, as copying it in another program does.
void SetClipboardText(const std::wstring& text);

// A Unix tool the driver runs (by its Unix path), and what to do when it is missing.
struct UnixTool {
    std::string path;
    const char* remedy;
};
extern UnixTool g_xCursor; // tests/win32/x_cursor.c
extern UnixTool g_xdotool;

// Runs a Unix tool with its arguments (a /bin/sh command line without double quotes) and waits
// until it has finished. Wine gives no handle to wait on nor an exit status for a Unix program,
// so a shell around it writes the status to a file; a tool that is missing or fails ends the
// run with a DriverFault that names it.
void RunUnix(const UnixTool& unixTool, const std::string& arguments);

// Moves the X pointer to a point of the screen (Win32 coordinates are the virtual desktop's):
// the mouse as a person uses it, from the X side. `then`: further xdotool commands.
void PointAt(POINT screen, const std::string& then = {});

// The xdotool command that moves the pointer to a point of the screen.
std::string XdotoolMoveTo(POINT screen);

// Clicks the About entry of a window's menu bar.
void ClickMenuAbout(HWND main);

// The cursor X shows now, as "WIDTHxHEIGHT hot X,Y".
std::string XCursor();

// The hand the About window shows over its links: 32 x 32 with the finger's tip at (5, 0).
inline constexpr const char* kHandCursor = "32x32 hot 5,0";

} // namespace tarvola::driver
