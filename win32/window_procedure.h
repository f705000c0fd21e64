#pragma once

#include <windows.h>

namespace tarvola::win32 {

// The object that handles a window's messages: stored with the window at WM_NCCREATE, from the
// last argument of CreateWindowEx, and found again for every later message.
template <typename Handler>
Handler* HandlerOf(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* handler = static_cast<Handler*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(handler));
        return handler;
    }
    return reinterpret_cast<Handler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace tarvola::win32
