#include "win32/open_link.h"

#include "app/about_links.h"

#include <shellapi.h>

namespace tarvola::win32 {

void OpenLink(HWND owner, const Link& link)
{
    // The shell takes the verb and the target in the system's code page; both are ASCII. Its
    // answer is not used: with or without a handler, nothing changes here.
    ShellExecuteA(owner, link.verb.c_str(), link.target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace tarvola::win32
