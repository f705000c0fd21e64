// Tarvola for Windows: the main window, the About window on demand, and the message loop that
// gives both the dialog keyboard (Tab, Shift+Tab).
#include "win32/about.h"
#include "win32/about_controller.h"
#include "win32/form_tarvola.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

namespace {

// COM for the thread, released on every way out, and only when it was taken.
class ComApartment {
public:
    // The shell's link handlers may use COM; single-threaded, as ShellExecute asks.
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) { }
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace tarvola::win32;
    const ComApartment com;
    INITCOMMONCONTROLSEX controls {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!FormTarvola::Register(instance) || !About::Register(instance))
        return 1;

    AboutController about(instance);
    FormTarvola window(instance, about);
    if (!window.handle())
        return 1;
    about.setOwner(window.handle());

    MSG message {};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        const About* aboutWindow = about.window();
        if (aboutWindow && IsDialogMessageW(aboutWindow->handle(), &message))
            continue;
        if (window.handle() && IsDialogMessageW(window.handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // -1: the loop itself failed, and there is no WM_QUIT to take the exit code from.
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}
