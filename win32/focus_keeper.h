#pragma once

#include <windows.h>

namespace tarvola::win32 {

// Remembers which control had the focus when its window was deactivated and puts it back when
// the window is activated again, as a dialog does; without it the window itself would take the
// focus and the keyboard would reach no control until Tab.
class FocusKeeper {
public:
    // Handles WM_ACTIVATE for `window`: true when it restored the focus, and the message is then
    // answered with 0; false when the default handling should go on.
    bool activated(HWND window, WPARAM wParam)
    {
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focus = GetFocus();
            return false;
        }
        if (!m_focus || !IsChild(window, m_focus))
            return false;
        SetFocus(m_focus);
        return true;
    }

private:
    HWND m_focus = nullptr;
};

} // namespace tarvola::win32
