#pragma once

#include "about_commands.h"
#include "about.h"
#include "about_links.h"

#include <QPointer>

namespace tarvola {

// Keeps at most one About window: creates it on demand, shows the one that exists, and closes
// it when the main window goes.
class AboutController final : public AboutCommands {
public:
    explicit AboutController(LinkOpener openLink);
    ~AboutController() override;

    void showAbout() override;
    void closeAbout() override;

    // The open About window, or none.
    [[nodiscard]] About* window() const { return m_window; }

private:
    LinkOpener m_openLink;
    QPointer<About> m_window;
};

} // namespace tarvola
