#include "app/about_commands.h"
#include "app/accessible_names.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "qt/edit_field.h"
#include "qt/form_tarvola.h"
#include "qt/readable_colour.h"
#include "qt/refresh_timer.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <clocale>

namespace tarvola {

// A locale the window is tested under (the LC_ALL the test is started with), with its
// separators written out here as the locale data gives them, not asked of the locale under test.
struct TestLocale {
    const char* name;
    QString decimal;
    QString group;
    QString decimalDefault; // what the default "000,00000" of the decimal fields shows
};

const TestLocale kTestLocales[] = {
    {"de_DE.UTF-8", QStringLiteral(","), QStringLiteral("."), QStringLiteral("000,00000")},
    // The comma groups, so the default still reads as zero and is kept.
    {"en_US.UTF-8", QStringLiteral("."), QStringLiteral(","), QStringLiteral("000,00000")},
    {"ar_EG.UTF-8", QStringLiteral("\u066B"), QStringLiteral("\u066C"), QStringLiteral("000\u066B00000")},
};

// The entry of kTestLocales named by LC_ALL, or null.
const TestLocale* LocaleUnderTest()
{
    const QByteArray name = qgetenv("LC_ALL");
    for (const TestLocale& locale : kTestLocales)
        if (name == locale.name)
            return &locale;
    return nullptr;
}

// A text written for a comma-decimal, dot-group locale, as typed or shown under the locale
// under test.
QString Local(const QString& text)
{
    const TestLocale* locale = LocaleUnderTest();
    QString local;
    for (const QChar c : text)
        local += c == u',' ? locale->decimal : c == u'.' ? locale->group : QString(c);
    return local;
}

// Counts how often the main window asks for the About window.
class AboutSpy final : public AboutCommands {
public:
    void showAbout() override { ++shown; }
    void closeAbout() override { }
    int shown = 0;
};

class FormTarvolaTest : public QObject {
    Q_OBJECT

private:
    AboutSpy m_about;
    std::unique_ptr<FormTarvola> m_window;

    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(QLatin1String(name)); }
    // Types the text into the field, over what it held. Characters beyond Latin-1 (an Arabic
    // decimal separator) come as the window system sends them from such a keyboard layout: a
    // key press carrying the character.
    void type(const char* name, const QString& text)
    {
        QLineEdit* edit = field(name);
        edit->clear();
        for (const QChar c : text) {
            if (c.unicode() < 0x100) {
                QTest::keyClick(edit, c.toLatin1());
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

private slots:
    void initTestCase()
    {
        // Never a silent run under another locale: the C library and Qt must both have it.
        const TestLocale* locale = LocaleUnderTest();
        QVERIFY2(locale, "start this test with LC_ALL set to one of the locales in kTestLocales");
        QVERIFY2(QByteArray(std::setlocale(LC_NUMERIC, nullptr)) == locale->name,
                 qPrintable(QStringLiteral("the C library has no locale %1: the ui.locales test makes it into LOCPATH")
                                .arg(QLatin1String(locale->name))));
        QCOMPARE(QLocale::system().decimalPoint(), locale->decimal);
        QCOMPARE(QLocale::system().groupSeparator(), locale->group);
    }

    void init()
    {
        m_about = {};
        m_window = std::make_unique<FormTarvola>(m_about);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void framesTheWindowAsAFixedDialog()
    {
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8(kMainCaption));
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_window->centralWidget()->size(), QSize(224, 159));
        QCOMPARE(m_window->size(), QSize(224, 159 + m_window->menuBar()->height()));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        // Centred by the window itself: openbox, under which the real program is tested, would
        // centre a window that did not.
        const QPoint offCentre = m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 1, qPrintable(QStringLiteral("frame %1 px off centre").arg(offCentre.manhattanLength())));
    }

    void laysOutEveryControlInLogicalPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // Twips divided by 15, to the nearest pixel.
        QTest::newRow("Frame1") << "Frame1" << QRect(8, 0, 209, 73);
        QTest::newRow("Frame2") << "Frame2" << QRect(8, 80, 209, 73);
        QTest::newRow("Text1") << "Text1" << QRect(8, 40, 33, 19);
        QTest::newRow("Text2") << "Text2" << QRect(48, 40, 25, 19);
        QTest::newRow("Text3") << "Text3" << QRect(80, 40, 25, 19);
        QTest::newRow("Text4") << "Text4" << QRect(120, 40, 73, 19);
        QTest::newRow("Text5") << "Text5" << QRect(16, 40, 73, 19);
        QTest::newRow("Text6") << "Text6" << QRect(112, 40, 73, 19);
        QTest::newRow("Label1(0)") << "Label1_0" << QRect(41, 40, 17, 17);
        QTest::newRow("Label1(1)") << "Label1_1" << QRect(75, 40, 17, 17);
        QTest::newRow("Label1(2)") << "Label1_2" << QRect(104, 40, 17, 17);
        QTest::newRow("Label1(3)") << "Label1_3" << QRect(195, 40, 9, 17);
        QTest::newRow("Label1(4)") << "Label1_4" << QRect(91, 40, 17, 17);
    }
    void laysOutEveryControlInLogicalPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void setsUpEveryField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("readOnly");
        const QString decimalDefault = LocaleUnderTest()->decimalDefault;
        QTest::newRow("Text1") << "Text1" << "000" << 3 << false;
        QTest::newRow("Text2") << "Text2" << "00" << 2 << false;
        QTest::newRow("Text3") << "Text3" << "00" << 2 << false;
        QTest::newRow("Text4") << "Text4" << decimalDefault << 9 << true;
        QTest::newRow("Text5") << "Text5" << decimalDefault << 9 << false;
        QTest::newRow("Text6") << "Text6" << "000" << 32767 << true;
    }
    void setsUpEveryField()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(bool, readOnly);
        // A fresh window, before its first tick rewrites the results.
        AboutSpy about;
        const FormTarvola fresh(about);
        const auto* edit = fresh.findChild<QLineEdit*>(name);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->cursorPosition(), text.size()); // the caret after the default, as Text1 opens
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(edit->isReadOnly(), readOnly);
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
        QCOMPARE(edit->font().families().constFirst(), QString::fromUtf8(kFieldFont.face));
        QCOMPARE(edit->font().pointSizeF(), kFieldFont.points);
        if (readOnly) {
            QCOMPARE(edit->palette().color(QPalette::Base), ToQColor(kResultBackground));
            QCOMPARE(edit->palette().color(QPalette::Text), ToQColor(kResultText));
        }
    }

    void namesTheFieldsForAssistiveTechnology_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("Text1") << "Text1" << QString::fromUtf8(kText1Name);
        QTest::newRow("Text2") << "Text2" << QString::fromUtf8(kText2Name);
        QTest::newRow("Text3") << "Text3" << QString::fromUtf8(kText3Name);
        QTest::newRow("Text4") << "Text4" << QString::fromUtf8(kText4Name);
        QTest::newRow("Text5") << "Text5" << QString::fromUtf8(kText5Name);
        QTest::newRow("Text6") << "Text6" << QString::fromUtf8(kText6Name);
    }
    void namesTheFieldsForAssistiveTechnology()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        // What a screen reader is told, through Qt's accessibility layer.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(m_window->findChild<QLineEdit*>(name));
        QVERIFY(field);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), accessibleName);
        QCOMPARE(field->state().readOnly, name == "Text4" || name == "Text6");
    }

    void showsCaptionsAndUnitMarks()
    {
        QCOMPARE(m_window->findChild<QGroupBox*>("Frame1")->title(), QString::fromUtf8(TextOf(FormControl::Frame1)));
        QCOMPARE(m_window->findChild<QGroupBox*>("Frame2")->title(), QString::fromUtf8(TextOf(FormControl::Frame2)));
        const FormControl marks[] = {FormControl::Label1_0, FormControl::Label1_1, FormControl::Label1_2,
                                     FormControl::Label1_3, FormControl::Label1_4};
        for (int i = 0; i < 5; ++i) {
            const auto* mark = m_window->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
            QCOMPARE(mark->text(), QString::fromUtf8(TextOf(marks[i])));
            QCOMPARE(mark->font().pointSizeF(), kUnitMarkFont.points);
        }
        const QList<QLabel*> labels = m_window->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text() == "Input" + QString(23, ' ') + "Result";
        }));
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text() == "Input" + QString(22, ' ') + "Result";
        }));
    }

    void refusesCharactersBeyondEachLimit()
    {
        type("Text1", "1234");
        QCOMPARE(field("Text1")->text(), QStringLiteral("123"));
        type("Text2", "123");
        QCOMPARE(field("Text2")->text(), QStringLiteral("12"));
        type("Text3", "123");
        QCOMPARE(field("Text3")->text(), QStringLiteral("12"));
        type("Text5", "1234567890");
        QCOMPARE(field("Text5")->text(), QStringLiteral("123456789"));
    }

    void resultFieldsRefuseEditsButTakeFocus()
    {
        for (const char* name : {"Text4", "Text6"}) {
            QLineEdit* edit = field(name);
            const QString before = edit->text();
            QTest::keyClicks(edit, "12");
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), before);
            QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
        }
    }

    void startsInText1AndTabsThroughTheFieldsInOrder()
    {
        // Each field the keyboard reaches has its whole text selected, so typing replaces it.
        QCOMPARE(QApplication::focusWidget(), field("Text1"));
        QCOMPARE(field("Text1")->selectedText(), QStringLiteral("000"));
        for (const char* next : {"Text2", "Text3", "Text4", "Text5", "Text6"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), field(next));
            QCOMPARE(field(next)->selectedText(), field(next)->text());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(field("Text5")->selectedText(), field("Text5")->text());
        // A click places the caret where it lands.
        QTest::mouseClick(field("Text2"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), field("Text2"));
        QVERIFY(!field("Text2")->hasSelectedText());
    }

    void reachesTheMenuByKeyboard_data()
    {
        QTest::addColumn<QString>("from"); // the field that has the focus
        QTest::addColumn<int>("enter");    // the key that gives the menu bar the focus
        QTest::addColumn<int>("leave");    // the key that gives it back
        QTest::addColumn<int>("run");      // the key that then runs About
        QTest::newRow("F10, F10, Return") << "Text1" << int(Qt::Key_F10) << int(Qt::Key_F10) << int(Qt::Key_Return);
        QTest::newRow("F10, Escape, Down") << "Text4" << int(Qt::Key_F10) << int(Qt::Key_Escape) << int(Qt::Key_Down);
        QTest::newRow("Alt, Alt, Return") << "Text6" << int(Qt::Key_Alt) << int(Qt::Key_Alt) << int(Qt::Key_Return);
        QTest::newRow("Alt, Escape, Down") << "Text3" << int(Qt::Key_Alt) << int(Qt::Key_Escape) << int(Qt::Key_Down);
    }
    void reachesTheMenuByKeyboard()
    {
        QFETCH(QString, from);
        QFETCH(int, enter);
        QFETCH(int, leave);
        QFETCH(int, run);
        QLineEdit* origin = field(from.toLatin1().constData());
        origin->setFocus();
        QMenuBar* bar = m_window->menuBar();
        const QImage idle = bar->grab().toImage();
        // Through the window system, as a real key comes: shortcuts and Qt's own Alt handling.
        QTest::keyClick(m_window->windowHandle(), Qt::Key(enter));
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QVERIFY2(bar->grab().toImage() != idle, "the focused menu bar must look focused");
        // Leaving gives the focus back to the field it came from; then once more into the menu bar.
        QTest::keyClick(m_window->windowHandle(), Qt::Key(leave));
        QTRY_COMPARE(QApplication::focusWidget(), origin);
        QCOMPARE(bar->grab().toImage(), idle);
        QTest::keyClick(m_window->windowHandle(), Qt::Key(enter));
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(m_about.shown, 0);
        QTest::keyClick(m_window->windowHandle(), Qt::Key(run));
        QCOMPARE(m_about.shown, 1);
        QCOMPARE(QApplication::focusWidget(), origin);
    }

    void refreshesBothConvertersOnTheTimer_data()
    {
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("text4");
        QTest::addColumn<QString>("text6");
        // Written for a comma-decimal, dot-group locale; Local() turns them into the locale's.
        QTest::newRow("road of one event") << "45" << "30" << "45" << "12,5825" << "45,5125" << " 12° 34' 57\"";
        QTest::newRow("cut to nine") << "10" << "20" << "0" << "180" << "10,333333" << " 180° 0' 0\"";
        QTest::newRow("no lower bound") << "-99" << "30" << "0" << "-1000" << "-98,5" << " -1000° 0' 0\"";
        QTest::newRow("above 59 taken as is") << "180" << "99" << "99" << "1,15" << "181,6775" << " 1° 9' 0\"";
        QTest::newRow("not a number") << "2,5" << "0" << "0" << "" << "2" << " ° 0' 0\"";
    }
    void refreshesBothConvertersOnTheTimer()
    {
        QFETCH(QString, degrees);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, decimal);
        QFETCH(QString, text4);
        QFETCH(QString, text6);
        type("Text1", Local(degrees));
        type("Text2", Local(minutes));
        type("Text3", Local(seconds));
        type("Text5", Local(decimal));
        QTRY_COMPARE_WITH_TIMEOUT(field("Text4")->text(), Local(text4), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(field("Text6")->text(), Local(text6), 1000);
    }

    void resetsOutOfRangeInputsWithinATick()
    {
        type("Text1", "181");
        type("Text5", "1e5");
        QTRY_COMPARE_WITH_TIMEOUT(field("Text1")->text(), QStringLiteral("000"), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(field("Text5")->text(), LocaleUnderTest()->decimalDefault, 1000);
    }

    void keepsTheSelectionOfAResultAcrossTicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Text4") << "Text4" << "45";
        QTest::newRow("Text6") << "Text6" << " 0\u00B0 0' 0\"";
    }

    void keepsTheSelectionOfAResultAcrossTicks()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QLineEdit* result = field(name.toLatin1().constData());
        type("Text1", "45");
        QTRY_COMPARE_WITH_TIMEOUT(result->text(), expected, 1000);
        result->setFocus();
        result->selectAll();
        // Rewriting the same text must be invisible: no caret or selection events at all.
        QSignalSpy cursorMoves(result, &QLineEdit::cursorPositionChanged);
        QSignalSpy selectionChanges(result, &QLineEdit::selectionChanged);
        auto* timer = m_window->findChild<RefreshTimer*>(QStringLiteral("Timer1"));
        for (int tick = 0; tick < 10; ++tick)
            timer->tick();
        QCOMPARE(cursorMoves.count(), 0);
        QCOMPARE(selectionChanges.count(), 0);
        QCOMPARE(result->selectedText(), expected);
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }

    void drawsAResultWiderThanItsFieldSmallerToShowItWhole_data()
    {
        QTest::addColumn<QString>("input");
        // An ordinary western longitude, the longest result within a turn, eight-digit degrees.
        for (const char* input : {"-122,4194", "-358,0003", "-99999999"})
            QTest::newRow(input) << input;
    }

    void drawsAResultWiderThanItsFieldSmallerToShowItWhole()
    {
        QFETCH(QString, input);
        QLineEdit* result = field("Text6");
        const QFont own = result->font();
        auto* timer = m_window->findChild<RefreshTimer*>(QStringLiteral("Timer1"));
        type("Text5", Local(input));
        timer->tick();
        QVERIFY(result->text().startsWith(QStringLiteral(" -")));
        QVERIFY2(QFontMetrics(own).horizontalAdvance(result->text()) > result->contentsRect().width(),
                 "the result must be wider than its field in the field's own font for this check to mean anything");
        QVERIFY(result->font().pointSizeF() < own.pointSizeF());

        // Whole: the end of the text shows where its start does, nothing scrolled out of view.
        const QImage shown = result->grab().toImage();
        QTest::keyClick(result, Qt::Key_End);
        QCOMPARE(result->grab().toImage(), shown);

        // A short result gets the field's own font back.
        type("Text5", Local("1,5"));
        timer->tick();
        QCOMPARE(result->font().pointSizeF(), own.pointSizeF());
    }

    void cutsHostilePastesAndConvertsWhatIsLeft_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("kept"); // Text1, Text2, Text3, Text5 after the paste
        QTest::addColumn<QString>("text4");
        QTest::addColumn<QString>("text6");
        // Written for a comma-decimal, dot-group locale, as above.
        const QString overrides(5000, QChar(0x202E));
        QTest::newRow("bidi overrides, controls, emoji, huge exponent")
            << overrides + QStringLiteral("\u0000\t\x1b[2J\U0001F600") + "9e9999"
            << QStringList {overrides.left(3), overrides.left(2), overrides.left(2), overrides.left(9)}
            << "45,5125" /* not numbers: the degrees result keeps its value */ << " \u00B0 0' 0\"";
        QTest::newRow("a number of 5007 characters")
            << "12,5825" + QString(5000, u'9')
            << QStringList {"12,", "12", "12", "12,582599"} << "12,203333" << " 12\u00B0 34' 57\"";
        // A single-line field keeps what comes before the first line break.
        QTest::newRow("a spreadsheet cell") << "12,5\r\n" << QStringList {"12,", "12", "12", "12,5"}
                                            << "12,203333" << " 12\u00B0 30' 0\"";
        QTest::newRow("a terminal line") << "45\nrm -rf" << QStringList {"45", "45", "45", "45"} << "45,7625"
                                         << " 45\u00B0 0' 0\"";
        // The length cut never leaves half a character.
        QTest::newRow("emoji") << "\U0001F600\U0001F600\U0001F600"
                               << QStringList {"\U0001F600", "\U0001F600", "\U0001F600", "\U0001F600\U0001F600\U0001F600"}
                               << "45,5125" << " \u00B0 0' 0\"";
    }

    void cutsHostilePastesAndConvertsWhatIsLeft()
    {
        QFETCH(QString, pasted);
        QFETCH(QStringList, kept);
        QFETCH(QString, text4);
        QFETCH(QString, text6);
        auto* timer = m_window->findChild<RefreshTimer*>(QStringLiteral("Timer1"));
        type("Text1", "45");
        type("Text2", "30");
        type("Text3", "45");
        timer->tick();
        QCOMPARE(field("Text4")->text(), Local("45,5125"));

        QApplication::clipboard()->setText(Local(pasted));
        const char* inputs[] = {"Text1", "Text2", "Text3", "Text5"};
        for (int i = 0; i < 4; ++i) {
            QLineEdit* edit = field(inputs[i]);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), Local(kept[i]));
        }
        timer->tick();
        QCOMPARE(field("Text4")->text(), Local(text4));
        QCOMPARE(field("Text6")->text(), Local(text6));
    }

    void pastesAnAngleIntoItsConverter_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("into");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("selected");      // the field's text selected, or the caret after its first character
        QTest::addColumn<QStringList>("inputs"); // Text1, Text2, Text3, Text5 afterwards
        QTest::addColumn<QString>("result");     // Text4 or Text6, after a tick
        // Texts written for a comma-decimal, dot-group locale, as above; the pasted ones read the
        // same under every locale.
        QTest::newRow("Ctrl+V, degrees side") << "Ctrl+V" << "Text2" << QStringLiteral("33°51′54″S") << false
                                              << QStringList {"-34", "8", "6", "000,00000"} << "-33,865";
        QTest::newRow("Shift+Insert, decimal side") << "Shift+Insert" << "Text5" << QStringLiteral("48°51'30.2\"N") << false
                                                    << QStringList {"000", "00", "00", "48,858389"} << " 48° 51' 30\"";
        QTest::newRow("context menu, refused") << "menu" << "Text1" << QStringLiteral("-33° 51' 54\"") << true
                                               << QStringList {"000", "00", "00", "000,00000"} << "0";
        QTest::newRow("context menu, not an angle") << "menu" << "Text5" << QStringLiteral("12") << true
                                                    << QStringList {"000", "00", "00", "12"} << " 12° 0' 0\"";
    }
    void pastesAnAngleIntoItsConverter()
    {
        QFETCH(QString, how);
        QFETCH(QString, into);
        QFETCH(QString, pasted);
        QFETCH(bool, selected);
        QFETCH(QStringList, inputs);
        QFETCH(QString, result);
        QLineEdit* edit = field(into.toLatin1().constData());
        edit->setFocus();
        if (selected)
            edit->selectAll();
        else
            edit->setCursorPosition(1);
        QApplication::clipboard()->setText(pasted);
        if (how == "menu") {
            // The line edit's own context menu, opened from the keyboard; its Paste entry.
            QContextMenuEvent request(QContextMenuEvent::Keyboard, edit->rect().center(),
                                      edit->mapToGlobal(edit->rect().center()));
            QApplication::sendEvent(edit, &request);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            // Its Paste entry, the one the paste keys are shown in.
            const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
            const QList<QAction*> entries = menu->actions();
            const auto paste = std::find_if(entries.begin(), entries.end(),
                                            [&](QAction* entry) { return entry->text().endsWith(pasteKeys); });
            QVERIFY(paste != entries.end() && (*paste)->isEnabled());
            (*paste)->trigger();
            menu->close();
        } else {
            QTest::keyClick(edit, how == "Ctrl+V" ? Qt::Key_V : Qt::Key_Insert,
                            how == "Ctrl+V" ? Qt::ControlModifier : Qt::ShiftModifier);
        }
        const QStringList shown {field("Text1")->text(), field("Text2")->text(), field("Text3")->text(),
                                 field("Text5")->text()};
        QStringList expected;
        for (const QString& input : inputs)
            expected << (input == "000,00000" ? LocaleUnderTest()->decimalDefault : Local(input));
        QCOMPARE(shown, expected);
        m_window->findChild<RefreshTimer*>(QStringLiteral("Timer1"))->tick();
        QCOMPARE(field(into == "Text5" ? "Text6" : "Text4")->text(), Local(result));
    }

    void menuAboutAsksForTheAboutWindowOncePerClick()
    {
        QMenuBar* bar = m_window->menuBar();
        QAction* about = m_window->findChild<QAction*>("MenuAbout");
        QVERIFY(about);
        QCOMPARE(about->text(), QString::fromUtf8(kAboutMenuEntry));
        QVERIFY(!about->menu());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
        QCOMPARE(m_about.shown, 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
        QCOMPARE(m_about.shown, 2);
    }
};

// The field adapter on its own: what the cycle relies on when it writes.
class LineEditFieldTest : public QObject {
    Q_OBJECT

private slots:
    void cutsWritesToTheMaximumLength()
    {
        QLineEdit edit;
        edit.setMaxLength(9);
        EditField field(edit);
        field.write("10,3333333333333");
        QCOMPARE(edit.text(), QStringLiteral("10,333333"));
        QCOMPARE(field.text(), std::string("10,333333"));
        // The next tick writes the same long result: compared uncut, it would replace the text
        // and drop the user's selection at every tick.
        edit.selectAll();
        QSignalSpy textChanges(&edit, &QLineEdit::textChanged);
        field.write("10,3333333333333");
        QCOMPARE(textChanges.count(), 0);
        QCOMPARE(edit.selectedText(), QStringLiteral("10,333333"));
    }

    void keepsSelectionAndCursorWhenTheTextIsUnchanged()
    {
        QLineEdit edit(QStringLiteral("45,5125"));
        EditField field(edit);
        edit.setSelection(5, -3); // backwards: cursor at 2, anchor at 5
        QSignalSpy textChanges(&edit, &QLineEdit::textChanged);
        field.write("45,5125");
        QCOMPARE(textChanges.count(), 0);
        QCOMPARE(edit.selectedText(), QStringLiteral(",51"));
        QCOMPARE(edit.cursorPosition(), 2);
        QCOMPARE(edit.selectionEnd(), 5);

        edit.setCursorPosition(3);
        field.write("45,5125");
        QCOMPARE(edit.cursorPosition(), 3);
        QVERIFY(!edit.hasSelectedText());
    }

    void replacesTheTextWhenItChanges()
    {
        QLineEdit edit(QStringLiteral("45,5125"));
        EditField field(edit);
        edit.selectAll();
        field.write(" 12\u00B0 34' 57\"");
        QCOMPARE(edit.text(), QStringLiteral(" 12° 34' 57\""));
        QVERIFY(!edit.hasSelectedText());
    }
};

} // namespace tarvola

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        tarvola::LineEditFieldTest fieldTest;
        status |= QTest::qExec(&fieldTest, argc, argv);
    }
    {
        tarvola::FormTarvolaTest windowTest;
        status |= QTest::qExec(&windowTest, argc, argv);
    }
    return status;
}

#include "form_tarvola_test.moc"
