#include "win32/about_controller.h"

namespace tarvola::win32 {

AboutController::AboutController(HINSTANCE instance)
    : m_instance(instance)
{
}

AboutController::~AboutController()
{
    m_lifetime.closeAbout();
}

AboutWindow* AboutController::createWindow()
{
    // The window tells the lifetime when it goes, and deletes itself.
    return About::Create(m_instance, m_owner, m_lifetime);
}

} // namespace tarvola::win32
