// 20,000 refresh ticks on the real window's widgets, one after another with the event loop
// processed between them, while random texts of every kind are typed and pasted into the four
// input fields. Nothing may crash, memory must stay flat, and afterwards the window must still
// convert what is typed into it. Then 2,000 About windows opened and closed, with the heap flat
// after warm-up.
#include "app/about_commands.h"
#include "qt/about_controller.h"
#include "qt/form_tarvola.h"
#include "qt/refresh_timer.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <malloc.h>

#include <random>

namespace tarvola {

namespace {

class NoAbout final : public AboutCommands {
public:
    void showAbout() override { }
    void closeAbout() override { }
};

// Resident memory of this process, in KiB.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

// Bytes of heap in use, as the C library counts them: finer than resident memory.
long HeapBytes()
{
    return static_cast<long>(mallinfo2().uordblks);
}

// The offscreen platform warns at every raise of a window; 2,000 of them would bury the result.
QtMessageHandler g_testHandler = nullptr;
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("does not support raise()")))
        g_testHandler(type, context, text);
}

// Texts of every kind a user could type or paste: numbers, near-numbers, printable noise,
// non-ASCII, control characters and very long runs.
class TextSource {
public:
    QString next()
    {
        switch (pick(7)) {
        case 0: return QString::number(pick(2000) - 1000);
        case 1: return QString::number((pick(400000) - 200000) / 1000.0, 'f', pick(6)).replace('.', ',');
        case 2: return fromAlphabet(QStringLiteral("0123456789,.-+eE "), 1 + pick(12));
        case 3: return fromAlphabet(QStringLiteral("\u00B0\u202F\u066B\u066C\u0661\u00E9\u4E2D\U0001F600\u200B\u202E"),
                                    1 + pick(8));
        case 4: {
            QString text;
            for (int i = 0, n = 1 + pick(10); i < n; ++i)
                text += QChar(static_cast<char16_t>(pick(0x20)));
            return text;
        }
        case 5: return QString(1000 + pick(100000), QChar(u'0' + pick(10)));
        default: return fromAlphabet(QStringLiteral("abcXYZ!@#$%^&*()[]{}<>|\\/\"'`~;:"), 1 + pick(15));
        }
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

private:
    QString fromAlphabet(const QString& alphabet, int length)
    {
        const QList<uint> letters = alphabet.toUcs4();
        QList<uint> text;
        for (int i = 0; i < length; ++i)
            text.append(letters[pick(static_cast<int>(letters.size()))]);
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.constData()), text.size());
    }

    std::mt19937 m_random {20261207}; // fixed: a failure can be replayed
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandTicksUnderRandomInput()
    {
        constexpr int kTicks = 20000;
        constexpr int kWarmUp = 4000;
        constexpr long kAllowedGrowthKiB = 1024;
        // The known values at the end are written for the comma-decimal locale.
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));

        NoAbout about;
        FormTarvola window(about);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* timer = window.findChild<RefreshTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QLineEdit* inputs[] = {window.findChild<QLineEdit*>("Text1"), window.findChild<QLineEdit*>("Text2"),
                               window.findChild<QLineEdit*>("Text3"), window.findChild<QLineEdit*>("Text5")};

        TextSource texts;
        long afterWarmUp = 0;
        for (int tick = 0; tick < kTicks; ++tick) {
            QLineEdit* input = inputs[texts.pick(4)];
            const QString text = texts.next();
            switch (texts.pick(3)) {
            case 0: input->setText(text); break;            // as the program would write it
            case 1: input->selectAll(); input->insert(text); break; // as typed over a selection
            default:                                       // pasted
                QApplication::clipboard()->setText(text);
                input->setFocus();
                input->selectAll();
                QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
            }
            timer->tick();
            QCoreApplication::processEvents();
            if (tick == kWarmUp)
                afterWarmUp = ResidentKiB();
        }
        const long atEnd = ResidentKiB();
        qInfo("%d ticks; resident memory %ld KiB after warm-up, %ld KiB at the end", kTicks, afterWarmUp, atEnd);
        QVERIFY2(atEnd - afterWarmUp <= kAllowedGrowthKiB, "resident memory grew after warm-up");

        // After all that, known values typed over whatever was left convert as on a fresh window,
        // on the timer's own ticks.
        const char* known[] = {"45", "30", "45", "12,5825"};
        for (int i = 0; i < 4; ++i) {
            inputs[i]->setFocus();
            inputs[i]->selectAll();
            QTest::keyClicks(inputs[i], QLatin1String(known[i]));
            QCOMPARE(inputs[i]->text(), QLatin1String(known[i]));
        }
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLineEdit*>("Text4")->text(), QStringLiteral("45,5125"), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLineEdit*>("Text6")->text(), QStringLiteral(" 12\u00B0 34' 57\""),
                                  2000);
    }

    void twoThousandAboutWindowsKeepTheHeapFlat()
    {
        constexpr int kRounds = 2000;
        constexpr int kWarmUp = 200;
        constexpr long kAllowedGrowthBytes = 16 * 1024; // a leak of 0.25 KiB a round is 450 KiB

        g_testHandler = qInstallMessageHandler(DropRaiseWarnings);
        AboutController about([](QWidget*, const Link&) { });
        long afterWarmUp = 0;
        for (int round = 0; round < kRounds; ++round) {
            about.showAbout();
            QCoreApplication::processEvents();
            about.closeAbout();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            QVERIFY(!about.window());
            if (round == kWarmUp)
                afterWarmUp = HeapBytes();
        }
        const long atEnd = HeapBytes();
        qInstallMessageHandler(g_testHandler);
        qInfo("%d About windows; heap in use %ld bytes after warm-up, %ld at the end", kRounds, afterWarmUp, atEnd);
        QVERIFY2(atEnd - afterWarmUp <= kAllowedGrowthBytes, "the heap grew after warm-up");
    }
};

} // namespace tarvola

QTEST_MAIN(tarvola::SoakTest)
#include "soak_test.moc"
