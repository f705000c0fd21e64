#pragma once

#include "qt/about.h"
#include "qt/about_artwork.h"
#include "app/about_commands.h"
#include "app/about_lifetime.h"

namespace tarvola {

// The Qt About windows' keeper: at most one window (the shared AboutLifetime), each made with
// the artwork built once here.
class AboutController final : public AboutCommands {
public:
    // Needs the application object: the windows' artwork is built here, once.
    explicit AboutController(LinkOpener openLink);
    ~AboutController() override;

    void showAbout() override { m_lifetime.showAbout(); }
    void closeAbout() override { m_lifetime.closeAbout(); }

    // The open About window, or none.
    [[nodiscard]] About* window() const { return static_cast<About*>(m_lifetime.window()); }

private:
    AboutWindow* createWindow();

    LinkOpener m_openLink;
    AboutArtwork m_artwork;
    AboutLifetime m_lifetime {[this] { return createWindow(); }};
};

} // namespace tarvola
