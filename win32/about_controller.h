#pragma once

#include "app/about_commands.h"
#include "app/about_lifetime.h"
#include "win32/about.h"

#include <windows.h>

namespace tarvola::win32 {

// The Win32 About windows' keeper: at most one window (the shared AboutLifetime), each made
// for the program's instance and owned by the main window.
class AboutController final : public AboutCommands {
public:
    explicit AboutController(HINSTANCE instance);
    // Closes the open About window, if any.
    ~AboutController() override;
    AboutController(const AboutController&) = delete;
    AboutController& operator=(const AboutController&) = delete;

    // The window the next About windows belong to: the main window, once it exists.
    void setOwner(HWND owner) { m_owner = owner; }

    void showAbout() override { m_lifetime.showAbout(); }
    void closeAbout() override { m_lifetime.closeAbout(); }

    // The open About window, or none.
    [[nodiscard]] About* window() const { return static_cast<About*>(m_lifetime.window()); }

private:
    AboutWindow* createWindow();

    HINSTANCE m_instance;
    HWND m_owner = nullptr;
    AboutLifetime m_lifetime {[this] { return createWindow(); }};
};

} // namespace tarvola::win32
