#pragma once

#include "about_commands.h"

namespace tarvola {

// Stands in for the About window until it exists.
class NoAbout final : public AboutCommands {
public:
    void showAbout() override { }
    void closeAbout() override { }
};

} // namespace tarvola
