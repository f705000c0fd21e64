#include "application_setup.h"

#include "artwork.h"

#include <QApplication>
#include <QIcon>

namespace tarvola {

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tarvola"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLA_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(Artwork(QStringLiteral("tarvola.png"))));
}

} // namespace tarvola
