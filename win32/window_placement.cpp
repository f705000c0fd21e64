#include "win32/window_placement.h"

#include "win32/pixels.h"

namespace tarvola::win32 {

namespace {

constexpr UINT kKeepOrder = SWP_NOZORDER | SWP_NOACTIVATE;

} // namespace

SIZE FrameSize(const FrameStyle& frame, const Rect& client, int dpi)
{
    RECT outer = PixelRect(client, dpi);
    AdjustWindowRectExForDpi(&outer, frame.style, frame.menuBar ? TRUE : FALSE, frame.exStyle, static_cast<UINT>(dpi));
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void ResizeFrame(HWND window, SIZE frame)
{
    SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | kKeepOrder);
}

void CentreInWorkArea(HWND window, SIZE frame)
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - frame.cx) / 2,
                 work.top + (work.bottom - work.top - frame.cy) / 2, frame.cx, frame.cy, kKeepOrder);
}

void MoveToSuggestedRect(HWND window, LPARAM suggestedRect, SIZE frame)
{
    const auto* suggested = reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, frame.cx, frame.cy, kKeepOrder);
}

} // namespace tarvola::win32
