// One short session of the real program for valgrind: start, 50 refresh ticks, the About
// window opened and closed three times, then the main window closed.
#include "qt/about_controller.h"
#include "qt/desktop_session.h"
#include "qt/form_tarvola.h"
#include "qt/refresh_timer.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace {

void DropClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvola::ConfigureApplication();
    // Links are recorded, never handed to a desktop that valgrind would have to follow.
    int linksOpened = 0;
    tarvola::AboutController about([&](QWidget*, const tarvola::Link&) { ++linksOpened; });
    tarvola::FormTarvola window(about);
    window.show();

    QTimer::singleShot(0, &window, [&] {
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("45"));
        window.findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("12,5825"));
        auto* refresh = window.findChild<tarvola::RefreshTimer*>(QStringLiteral("Timer1"));
        for (int tick = 0; tick < 50; ++tick) {
            refresh->tick();
            QCoreApplication::processEvents();
        }
        for (int round = 0; round < 3; ++round) {
            about.showAbout();
            QCoreApplication::processEvents();
            about.closeAbout();
            DropClosedWindows();
        }
        about.showAbout(); // left open: closing the main window must take it along
        QCoreApplication::processEvents();
        window.close();
    });
    const int status = QApplication::exec();
    DropClosedWindows();
    return status;
}
