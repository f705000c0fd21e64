#pragma once

#include "app/about_commands.h"
#include "win32/edit_field.h"
#include "win32/focus_keeper.h"
#include "app/form_layout.h"
#include "win32/window_font.h"

#include <windows.h>

#include <array>
#include <memory>

namespace tarvola::win32 {

// The main window in Win32: the two converters in their group boxes, the About menu entry and
// Timer1, which runs the shared refresh cycle on the six EDIT controls every 100 ms. A fixed
// dialog frame, centred on the screen, kept out of the taskbar by a hidden owner window.
class FormTarvola {
public:
    static constexpr const wchar_t* kClassName = L"TarvolaMain";
    static constexpr const wchar_t* kCaption = L" Tarvola v1.1";

    FormTarvola(HINSTANCE instance, AboutCommands& about);
    ~FormTarvola();
    FormTarvola(const FormTarvola&) = delete;
    FormTarvola& operator=(const FormTarvola&) = delete;

    [[nodiscard]] HWND handle() const { return m_window; }

    // Registers the window classes; once per process.
    static bool Register(HINSTANCE instance);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The keys of the menu bar while it is open from the keyboard: Down on About opens it.
    static LRESULT CALLBACK MenuKeys(int code, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void layOut(int dpi);
    void placeFrameCentred(int dpi);
    [[nodiscard]] SIZE frameSize(int dpi) const; // the frame around the layout's client area
    [[nodiscard]] bool isUnitMark(HWND control) const; // one of the five Label1 marks
    void tick();

    HINSTANCE m_instance;
    AboutCommands& m_about;
    HWND m_owner = nullptr;
    HWND m_window = nullptr;
    std::array<HWND, kFormLayout.size()> m_controls {};
    std::array<std::unique_ptr<EditField>, 6> m_fields;
    FocusKeeper m_focusKeeper;
    HHOOK m_menuKeys = nullptr;     // while the menu bar is open
    bool m_aboutHighlighted = false; // About is the menu bar's highlighted entry
    HBRUSH m_resultBrush = nullptr;
    WindowFont m_dialogFont;
    WindowFont m_fieldFont;
    WindowFont m_unitFont;
};

} // namespace tarvola::win32
