#pragma once

namespace tarvola {

// What the main window asks of the About window, which lives on its own.
class AboutCommands {
public:
    virtual ~AboutCommands() = default;

    // Creates the About window if there is none, else makes the existing one visible.
    virtual void showAbout() = 0;
    // Closes and destroys the About window if there is one.
    virtual void closeAbout() = 0;
};

} // namespace tarvola
