#include "about_controller.h"

#include "about.h"

namespace tarvola {

AboutController::AboutController(LinkOpener openLink)
    : m_openLink(std::move(openLink))
{
}

AboutController::~AboutController()
{
    delete m_window;
}

void AboutController::showAbout()
{
    if (!m_window) {
        m_window = new About(m_openLink, m_artwork);
        // A closing window is destroyed a moment later; from now on the next command makes a new one.
        QObject::connect(m_window, &About::closed, m_window, [this] { m_window = nullptr; });
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void AboutController::closeAbout()
{
    if (m_window)
        m_window->close();
}

} // namespace tarvola
