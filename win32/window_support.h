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

// Moves a window to the rectangle WM_DPICHANGED suggests for its new resolution.
inline void MoveToSuggestedRect(HWND window, LPARAM suggestedRect)
{
    const auto* rect = reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(window, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tarvola::win32
