#include "about_controller.h"
#include "form_tarvola.h"
#include "open_link.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvola"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLA_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/tarvola.png")));

    tarvola::AboutController about(tarvola::OpenLink);
    tarvola::FormTarvola window(about);
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
