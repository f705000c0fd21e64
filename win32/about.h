#pragma once

#include "app/about_behaviour.h"
#include "app/about_lifetime.h"
#include "win32/focus_keeper.h"
#include "win32/window_font.h"

#include <windows.h>

#include <array>

namespace tarvola::win32 {

// The About window in Win32: a fixed tool window at the system's default place, owned by the
// main window. Its statics are transparent to the mouse, so every pointer move and click comes
// to the window itself, which finds the control under the pointer in the shared twips layout
// and hands it to the shared AboutBehaviour. It deletes itself when it is destroyed.
class About final : public AboutWindow {
public:
    static constexpr const wchar_t* kClassName = L"TarvolaAbout";
    static constexpr const wchar_t* kCaption = L"About Ulvo";

    // Creates the window, not yet shown; `lifetime` hears when it goes. Null when the window
    // could not be made, with nothing left behind.
    static About* Create(HINSTANCE instance, HWND owner, AboutLifetime& lifetime);
    About(const About&) = delete;
    About& operator=(const About&) = delete;

    static bool Register(HINSTANCE instance);
    [[nodiscard]] HWND handle() const { return m_window; }

    // AboutWindow
    void setUnderlined(AboutLabel label, bool underlined) override;
    void openLink(const Link& link) override;
    void closeWindow() override { DestroyWindow(m_window); }
    void present() override;

private:
    About(HINSTANCE instance, HWND owner, AboutLifetime& lifetime);
    ~About() override;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void layOut(int dpi);
    void givePictures(int dpi); // each picture at its size for the resolution
    [[nodiscard]] AboutControl controlAt(LPARAM clientPoint) const;
    [[nodiscard]] HWND control(AboutControl name) const { return m_controls[static_cast<std::size_t>(name)]; }

    HINSTANCE m_instance;
    AboutLifetime& m_lifetime;
    AboutBehaviour m_behaviour {*this};
    HWND m_window = nullptr;
    bool m_creating = false;  // inside CreateWindowEx: a failed creation must not delete this
    bool m_presented = false; // shown once: later commands leave the focus where it is
    FocusKeeper m_focusKeeper;
    std::array<HWND, 12> m_controls {}; // by AboutControl
    int m_dpi = 96;
    AboutControl m_pressed = AboutControl::Background;
    bool m_underlined[2] = {false, false};
    HICON m_icon = nullptr;
    HICON m_mailIcon = nullptr;
    HBITMAP m_donation[2] = {nullptr, nullptr}; // as drawn, and drawn at twice the size
    HBITMAP m_banner[2] = {nullptr, nullptr};
    HCURSOR m_hand = nullptr;
    WindowFont m_dialogFont;
    WindowFont m_underlinedFont;
    WindowFont m_titleFont;
    WindowFont m_versionFont;
};

} // namespace tarvola::win32
