#pragma once

#include "app/about_behaviour.h"
#include "app/about_commands.h"

#include <functional>

namespace tarvola {

// One About window of a front end: the view its behaviour answers through, which the lifetime
// also closes (closeWindow), and which can be brought forward. As it is destroyed, the front
// end calls AboutLifetime::windowGone.
class AboutWindow : public AboutView {
public:
    // Makes the window visible and brings it forward.
    virtual void present() = 0;
};

// At most one About window: created by the first About command, shown again by the next ones,
// closed with the main window, and made afresh after it was closed.
class AboutLifetime final : public AboutCommands {
public:
    // Creates a window; the front end owns it and destroys it when it closes.
    using Factory = std::function<AboutWindow*()>;

    explicit AboutLifetime(Factory create) : m_create(std::move(create)) { }

    void showAbout() override;
    void closeAbout() override;

    // The front end's window is closing (OK, its close box, or closeAbout): forget it.
    void windowGone() { m_window = nullptr; }
    [[nodiscard]] AboutWindow* window() const { return m_window; }

private:
    Factory m_create;
    AboutWindow* m_window = nullptr;
};

} // namespace tarvola
