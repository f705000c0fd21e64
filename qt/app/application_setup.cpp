#include "application_setup.h"

#include <QApplication>

namespace tarvola {

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tarvola"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLA_VERSION_TEXT));
}

} // namespace tarvola
