// Tarvola for Windows: the main window, the About window on demand, and the message loop that
// gives both the dialog keyboard (Tab, Shift+Tab).
#include "about_lifetime.h"
#include "about_window.h"
#include "form_tarvola_window.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace tarvola;
    // The shell's link handlers may use COM; single-threaded, as ShellExecute asks.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!win32::FormTarvolaWindow::Register(instance) || !win32::AboutWindowWin::Register(instance))
        return 1;

    HWND mainWindow = nullptr;
    AboutLifetime about([&]() -> AboutWindow* { return new win32::AboutWindowWin(instance, mainWindow, about); });
    win32::FormTarvolaWindow window(instance, about);
    mainWindow = window.handle();
    if (!mainWindow)
        return 1;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const auto* aboutWindow = static_cast<win32::AboutWindowWin*>(about.window());
        if (aboutWindow && IsDialogMessageW(aboutWindow->handle(), &message))
            continue;
        if (window.handle() && IsDialogMessageW(window.handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return static_cast<int>(message.wParam);
}
