#include "qt/about_controller.h"

namespace tarvola {

AboutController::AboutController(LinkOpener openLink)
    : m_openLink(std::move(openLink))
{
}

AboutController::~AboutController()
{
    delete window();
}

AboutWindow* AboutController::createWindow()
{
    auto* window = new About(m_openLink, m_artwork);
    // A closing window is destroyed a moment later; from its closing on, the next command makes a
    // new one.
    QObject::connect(window, &About::closed, window, [this] { m_lifetime.windowGone(); });
    return window;
}

} // namespace tarvola
