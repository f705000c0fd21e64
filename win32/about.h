#pragma once

#include "app/about_behaviour.h"
#include "app/about_lifetime.h"
#include "app/click_rule.h"
#include "win32/about_artwork.h"
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

    // Creates the window, not yet shown; `lifetime` hears when it goes. Null when the window
    // could not be made, with nothing left behind.
    static About* Create(HINSTANCE instance, HWND owner, AboutLifetime& lifetime);
    About(const About&) = delete;
    About& operator=(const About&) = delete;

    // Registers the window classes; once per process.
    static bool Register(HINSTANCE instance);
    // The window, for the dialog keyboard of the message loop.
    [[nodiscard]] HWND handle() const { return m_window; }

    // AboutWindow
    void setUnderlined(AboutLabel label, bool underlined) override;
    void openLink(const Link& link) override;
    void closeWindow() override { DestroyWindow(m_window); }
    void present() override;

private:
    About(HINSTANCE instance, HWND owner, AboutLifetime& lifetime);
    ~About() override = default;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    // Gives the controls their fonts, pictures and places at `dpi`.
    void layOut(int dpi);
    void givePictures(int dpi); // each picture at its size for the resolution
    [[nodiscard]] AboutControl controlAt(LPARAM clientPoint) const;
    [[nodiscard]] HWND control(AboutControl name) const { return m_controls[static_cast<std::size_t>(name)]; }

    HINSTANCE m_instance;
    AboutLifetime& m_lifetime;
    AboutBehaviour m_behaviour {*this};
    ClickRule m_clickRule;
    AboutArtwork m_artwork;
    HWND m_window = nullptr;
    bool m_creating = false;  // inside CreateWindowEx: a failed creation must not delete this
    bool m_presented = false; // shown once: later commands leave the focus where it is
    FocusKeeper m_focusKeeper;
    std::array<HWND, 12> m_controls {}; // by AboutControl
    int m_dpi = 96;
    bool m_underlined[2] = {false, false};
    WindowFont m_dialogFont;
    WindowFont m_underlinedFont;
    WindowFont m_titleFont;
    WindowFont m_versionFont;
};

} // namespace tarvola::win32
