// The smallest Qt Widgets program doing what Tarvola's window does at rest: one window, six
// line edits, a 100 ms timer rewriting two of them. Tarvola's start-up, idle cost and memory
// are measured against it.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QVBoxLayout(&window);
    QLineEdit* edits[6];
    for (QLineEdit*& edit : edits) {
        edit = new QLineEdit(QStringLiteral("000"), &window);
        layout->addWidget(edit);
    }
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, &window, [&] {
        ++ticks;
        edits[3]->setText(QString::number(ticks % 2));
        edits[5]->setText(QString::number(ticks % 3));
    });
    timer.start(100);
    window.show();
    return QApplication::exec();
}
