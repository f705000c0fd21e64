#pragma once

#include "app/about_commands.h"
#include "app/form_layout.h"
#include "win32/edit_field.h"
#include "win32/field_paste.h"
#include "win32/focus_keeper.h"
#include "win32/keyboard_menu_bar.h"
#include "win32/refresh_timer.h"
#include "win32/taskbar.h"
#include "win32/window_font.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

namespace tarvola::win32 {

// The main window in Win32: the two converters in their group boxes, the About menu entry and
// Timer1, which runs the shared refresh cycle on the six EDIT controls. A fixed dialog frame,
// centred on the screen, kept out of the taskbar.
class FormTarvola {
public:
    static constexpr const wchar_t* kClassName = L"TarvolaMain";

    // Creates, shows and starts the window; handle() is null when it could not be made.
    FormTarvola(HINSTANCE instance, AboutCommands& about);
    ~FormTarvola();
    FormTarvola(const FormTarvola&) = delete;
    FormTarvola& operator=(const FormTarvola&) = delete;

    // The window; null once it is destroyed.
    [[nodiscard]] HWND handle() const { return m_window; }

    // Registers the window classes; once per process.
    static bool Register(HINSTANCE instance);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    // Places the controls and gives them their fonts at `dpi`.
    void layOut(int dpi);
    void startRefresh();

    // The six fields as the refresh cycle takes them; once the controls exist.
    [[nodiscard]] RefreshFields refreshFields() const;
    [[nodiscard]] HWND control(FormControl name) const { return m_controls[static_cast<std::size_t>(name)]; }
    [[nodiscard]] bool isUnitMark(HWND control) const; // one of the five Label1 marks

    HINSTANCE m_instance;
    AboutCommands& m_about;
    KeepOutOfTaskbar m_outOfTaskbar;
    KeyboardMenuBar m_menuBar;
    HWND m_window = nullptr;
    std::array<HWND, kFormLayout.size()> m_controls {}; // by FormControl
    std::array<std::unique_ptr<EditField>, 6> m_fields;  // as kFormFields
    std::optional<FieldPaste> m_paste;
    std::optional<RefreshTimer> Timer1;
    FocusKeeper m_focusKeeper;
    HBRUSH m_resultBrush = nullptr;
    std::array<WindowFont, 4> m_fonts; // by FormControlKind
};

} // namespace tarvola::win32
