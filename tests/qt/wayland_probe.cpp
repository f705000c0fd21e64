// Started as the program starts (its desktop session, its main window), types a
// value into the decimal field once the window is exposed and prints the platform and what the
// degrees-minutes-seconds result shows after the next refresh. The keys go to the field
// directly: a headless compositor has no keyboard to send them through.
// Prints "platform NAME" and "result TEXT"; status 1 when the window or the refresh never comes.
// It leaves as the program does, so a hang at the end fails the test.
#include "qt/about_controller.h"
#include "qt/desktop_session.h"
#include "qt/form_tarvola.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    const auto app = tarvola::StartOnDesktop(argc, argv);
    tarvola::AboutController about([](QWidget*, const tarvola::Link&) {});
    tarvola::FormTarvola window(about);
    window.show();
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    if (!QTest::qWaitForWindowExposed(&window, 20000)) {
        std::puts("the window was never exposed");
        return 1;
    }
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("Text5"));
    const auto* result = window.findChild<QLineEdit*>(QStringLiteral("Text6"));
    const QString before = result->text();
    input->setFocus();
    input->selectAll();
    QTest::keyClicks(input, QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    const bool refreshed = QTest::qWaitFor([&] { return result->text() != before; }, 20000);
    std::printf("result %s\n", qPrintable(result->text()));
    std::fflush(stdout);
    return tarvola::LeaveDesktop(refreshed ? 0 : 1);
}
