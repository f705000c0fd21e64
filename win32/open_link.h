#pragma once

#include <windows.h>

namespace tarvola {

struct Link;

namespace win32 {

// Hands a link to the shell on behalf of `owner`, which opens it with the user's handler for
// its scheme (mail program for mailto:, browser for http:). Whether a handler exists or not,
// nothing is reported.
void OpenLink(HWND owner, const Link& link);

} // namespace win32

} // namespace tarvola
