#include "qt/application_setup.h"

#include "app/version.h"

#include <QApplication>

namespace tarvola {

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tarvola"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLA_VERSION_TEXT));
    // Ties the windows to the installed desktop entry: it becomes the Wayland app id, by which
    // docks and task switchers find the entry's name and icon. (On X11 they match the window
    // class, the application name above, against the entry's StartupWMClass.)
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ulvo.Tarvola"));
}

} // namespace tarvola
