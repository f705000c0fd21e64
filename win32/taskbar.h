#pragma once

#include <windows.h>

namespace tarvola::win32 {

// Keeps a window with a normal frame out of the taskbar: Windows lists no window that a hidden
// window owns. This creates that owner, never shown, and destroys it (and with it whatever it
// owns) when it goes.
class KeepOutOfTaskbar {
public:
    explicit KeepOutOfTaskbar(HINSTANCE instance);
    ~KeepOutOfTaskbar();
    KeepOutOfTaskbar(const KeepOutOfTaskbar&) = delete;
    KeepOutOfTaskbar& operator=(const KeepOutOfTaskbar&) = delete;

    // Registers the owner's window class; once per process.
    static bool Register(HINSTANCE instance);

    // The owner to create the window with; null when it could not be made.
    [[nodiscard]] HWND owner() const { return m_owner; }

private:
    HWND m_owner = nullptr;
};

} // namespace tarvola::win32
