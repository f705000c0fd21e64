#pragma once

#include "app/rect.h"

#include <windows.h>

namespace tarvola::win32 {

// How a fixed window is framed, as it is created: its styles and whether it has a menu bar.
struct FrameStyle {
    DWORD style;
    DWORD exStyle;
    bool menuBar;
};

// The size of the frame around a client area of `client` twips at `dpi`.
[[nodiscard]] SIZE FrameSize(const FrameStyle& frame, const Rect& client, int dpi);

// Gives the window this frame size where it stands.
void ResizeFrame(HWND window, SIZE frame);

// Gives the window this frame size in the middle of the work area of its monitor (the primary
// one when it is on none).
void CentreInWorkArea(HWND window, SIZE frame);

// Moves the window to the rectangle WM_DPICHANGED suggests (its lParam), at this frame size:
// the suggested rectangle scales the old frame linearly, which rounds otherwise than the
// layout's twips do at the new resolution.
void MoveToSuggestedRect(HWND window, LPARAM suggestedRect, SIZE frame);

} // namespace tarvola::win32
