#include "app/about_lifetime.h"

namespace tarvola {

void AboutLifetime::showAbout()
{
    if (!m_window)
        m_window = m_create();
    if (m_window)
        m_window->present();
}

void AboutLifetime::closeAbout()
{
    if (m_window)
        m_window->closeWindow(); // the window reports windowGone as it goes
    m_window = nullptr;
}

} // namespace tarvola
