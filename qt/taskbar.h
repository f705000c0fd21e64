#pragma once

class QWidget;

namespace tarvola {

// Asks the desktop not to list the top-level window in its taskbar. Call before the window is
// first shown. On X11 this sets _NET_WM_STATE_SKIP_TASKBAR, which Qt keeps when it maps the
// window; Wayland has no such request, so there it does nothing.
void KeepOutOfTaskbar(QWidget& window);

} // namespace tarvola
