#pragma once

#include "about_artwork.h"
#include "about_commands.h"
#include "about.h"
#include "about_links.h"

#include <QPointer>

namespace tarvola {

// Keeps at most one About window: creates it on demand, shows the one that exists, and closes
// it when the main window goes.
class AboutController final : public AboutCommands {
public:
    // Needs the application object: the windows' artwork is built here, once.
    explicit AboutController(LinkOpener openLink);
    ~AboutController() override;

    void showAbout() override;
    void closeAbout() override;

    // The open About window, or none.
    [[nodiscard]] About* window() const { return m_window; }

private:
    LinkOpener m_openLink;
    AboutArtwork m_artwork;
    QPointer<About> m_window;
};

} // namespace tarvola
