#include "about.h"
#include "about_controller.h"
#include "application_setup.h"
#include "form_tarvola.h"
#include "open_link.h"
#include "readable_colour.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace tarvola {

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class AboutTest : public QObject {
    Q_OBJECT

private:
    QList<Link> m_opened;
    std::unique_ptr<AboutController> m_controller;

    LinkOpener recorder()
    {
        return [this](QWidget* owner, const Link& link) {
            QVERIFY(qobject_cast<About*>(owner));
            m_opened.append(link);
        };
    }
    About* openAbout()
    {
        m_controller->showAbout();
        About* about = m_controller->window();
        if (about)
            (void)QTest::qWaitForWindowExposed(about);
        return about;
    }
    static QList<About*> aboutWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<About*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* about = qobject_cast<About*>(widget))
                windows.append(about);
        return windows;
    }
    template <typename T = QWidget>
    static T* child(About* about, const char* name)
    {
        return about->findChild<T*>(QLatin1String(name));
    }
    static bool underlined(About* about, const char* label) { return child<QLabel>(about, label)->font().underline(); }
    // A pointer move over a control, through the window system as a real one would come.
    static void moveOver(About* about, const char* name, QPoint offset = {2, 2})
    {
        QWidget* control = name ? child(about, name) : about;
        QTest::mouseMove(about, control->mapTo(about, offset));
        QApplication::processEvents();
    }

private slots:
    void init()
    {
        m_opened.clear();
        m_controller = std::make_unique<AboutController>(recorder());
    }
    void cleanup()
    {
        m_controller.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void laysOutTheWindowAsAFixedToolWindow()
    {
        About* about = openAbout();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Ulvo"));
        QVERIFY(about->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(about->size(), QSize(214, 261));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(child(about, "Picture1")->geometry(), QRect(8, 8, 49, 49));
        QCOMPARE(child(about, "PictureDon")->geometry(), QRect(8, 208, 57, 25));
        QCOMPARE(child(about, "Command1")->geometry(), QRect(80, 232, 57, 25));
        QCOMPARE(child(about, "SiteUlvo")->geometry(), QRect(32, 80, 169, 65));
        QCOMPARE(child(about, "Mail")->geometry(), QRect(16, 160, 193, 33));
        QCOMPARE(child<QLabel>(about, "Label3")->text(), QStringLiteral("Tarvola"));
        QCOMPARE(child<QLabel>(about, "Label5")->text(), QStringLiteral("v 1.1"));
        QVERIFY(child<QLabel>(about, "Label5")->font().bold());
        QCOMPARE(child<QLabel>(about, "Label2")->text(), QStringLiteral("http://www.ulvo.example.org"));
        // The classic green, a shade darker where the light palette's grey asks for it.
        const QColor link = child<QLabel>(about, "Label1")->palette().color(QPalette::WindowText);
        QCOMPARE(link.hslHue(), 120);
        QVERIFY(link.red() == 0 && link.blue() == 0 && link.green() >= 120 && link.green() <= 128);
        QCOMPARE(child<QPushButton>(about, "Command1")->text(), QStringLiteral("OK"));
        QVERIFY(!child<QPushButton>(about, "Command1")->isDefault());
        // Every picture is really there, drawn from the compiled-in artwork.
        QCOMPARE(child<QLabel>(about, "PictureDon")->pixmap().size(), QSize(57, 25));
        QCOMPARE(child<QLabel>(about, "Image2")->pixmap().size(), QSize(150, 35));
        QCOMPARE(child<QLabel>(about, "Image1")->pixmap().size(), QSize(32, 32));
        QCOMPARE(child<QLabel>(about, "Picture1")->pixmap().size(), QSize(48, 48));
    }

    void focusesOkFirstAndTabsThroughThePictures()
    {
        About* about = openAbout();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), child(about, "Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "PictureDon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "Picture1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "Command1"));
    }

    void aboutTwiceGivesOneWindow()
    {
        About* first = openAbout();
        About* second = openAbout();
        QCOMPARE(first, second);
        QCOMPARE(aboutWindows().size(), 1);
    }

    void okThenAboutGivesAFreshWindowWithNoUnderline()
    {
        About* first = openAbout();
        moveOver(first, "Mail");
        moveOver(first, "SiteUlvo");
        QVERIFY(underlined(first, "Label1") && underlined(first, "Label2"));
        QTest::mouseClick(child(first, "Command1"), Qt::LeftButton);
        QCOMPARE(aboutWindows().size(), 0);

        About* fresh = openAbout();
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(!underlined(fresh, "Label1"));
        QVERIFY(!underlined(fresh, "Label2"));
    }

    void theCloseBoxDestroysTheWindowToo()
    {
        openAbout()->close();
        QCOMPARE(aboutWindows().size(), 0);
        QVERIFY(!m_controller->window());
    }

    void hoverUnderlinesFollowThePointer()
    {
        About* about = openAbout();
        moveOver(about, "Mail");
        QVERIFY(underlined(about, "Label1"));
        QVERIFY(!underlined(about, "Label2"));
        moveOver(about, nullptr, {200, 5}); // the window's own background
        QVERIFY(!underlined(about, "Label1"));
        moveOver(about, "SiteUlvo", {165, 40}); // beside the banner, above the address
        QVERIFY(underlined(about, "Label2"));
        QVERIFY(!underlined(about, "Label1"));
        moveOver(about, "Image1");
        QVERIFY(underlined(about, "Label1"));
        QVERIFY(underlined(about, "Label2")); // one underline never clears the other
        moveOver(about, nullptr, {200, 5});
        moveOver(about, "Image2"); // the banner passes the pointer to its area
        QVERIFY(underlined(about, "Label2"));
    }

    void movesOverOtherControlsChangeNothing_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"Label1", "Label2", "Label3", "Label5", "Picture1", "PictureDon", "Command1"})
            QTest::newRow(name) << name;
    }
    void movesOverOtherControlsChangeNothing()
    {
        QFETCH(QString, control);
        About* about = openAbout();
        moveOver(about, control.toLatin1().constData(), {3, 3});
        QVERIFY(!underlined(about, "Label1"));
        QVERIFY(!underlined(about, "Label2"));
        moveOver(about, "Mail");
        moveOver(about, control.toLatin1().constData(), {3, 3});
        QVERIFY(underlined(about, "Label1")); // and they clear nothing either
    }

    void clicksOpenTheirLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("target");
        const QString mail = "mailto:contact@ulvo.example.org?Subject=Freeware Ulvo - Tarvola";
        const QString site = "http://www.ulvo.example.org/";
        QTest::newRow("mail area") << "Mail" << "Open" << mail;
        QTest::newRow("address label") << "Label1" << "Open" << mail;
        QTest::newRow("mail icon") << "Image1" << "Open" << mail;
        QTest::newRow("site area") << "SiteUlvo" << "open" << site;
        QTest::newRow("banner") << "Image2" << "open" << site;
        QTest::newRow("site label") << "Label2" << "open" << site;
        QTest::newRow("donation") << "PictureDon" << "open" << "http://www.ulvo.example.org/DON.html";
    }
    void clicksOpenTheirLinks()
    {
        QFETCH(QString, control);
        QFETCH(QString, verb);
        QFETCH(QString, target);
        About* about = openAbout();
        QWidget* widget = child(about, control.toLatin1().constData());
        // Through the window, so that the click reaches whatever is really under the pointer.
        QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, widget->mapTo(about, QPoint(4, 4)));
        QCOMPARE(m_opened, QList<Link>({{verb.toStdString(), target.toStdString()}}));
        QVERIFY(about->isVisible());
        // A double-click opens the link once, not twice.
        QTest::mouseDClick(about->windowHandle(), Qt::LeftButton, {}, widget->mapTo(about, QPoint(4, 4)));
        QCOMPARE(m_opened.size(), 2);
    }

    void otherClicksOpenNothing()
    {
        About* about = openAbout();
        for (const char* name : {"Picture1", "Label3", "Label5"})
            QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, child(about, name)->mapTo(about, QPoint(4, 4)));
        QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, QPoint(200, 5));
        QVERIFY(m_opened.isEmpty());
    }

    void theKeyboardOpensTheDonationPage()
    {
        About* about = openAbout();
        QTest::keyClick(child(about, "PictureDon"), Qt::Key_Space);
        QCOMPARE(m_opened, QList<Link>({DonationLink()}));
        // A key held down repeats its press; the page opens once all the same.
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(child(about, "PictureDon"), &held);
        }
        QCOMPARE(m_opened.size(), 1);
    }

    void showsTheHandCursorOverTheLinkAreas()
    {
        About* about = openAbout();
        for (const char* name : {"Mail", "SiteUlvo", "PictureDon"}) {
            const QCursor cursor = child(about, name)->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
            QCOMPARE(cursor.bitmap().size(), QSize(32, 32));
        }
        QCOMPARE(child(about, "Command1")->cursor().shape(), Qt::ArrowCursor);
    }

    void namesTheLinkAreasForScreenReaders()
    {
        About* about = openAbout();
        QCOMPARE(child(about, "Mail")->accessibleName(), QStringLiteral("Send mail"));
        QCOMPARE(child(about, "SiteUlvo")->accessibleName(), QStringLiteral("Open web site"));
        QCOMPARE(child(about, "PictureDon")->accessibleName(), QStringLiteral("Donate"));
        QCOMPARE(child(about, "Command1")->accessibleName(), QStringLiteral("OK"));
    }

    void handsTheMailLinkToTheDesktop()
    {
        // The real opener, with the desktop's handler for mailto: replaced by a catcher.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        m_controller = std::make_unique<AboutController>(OpenLink);
        About* about = openAbout();
        QTest::mouseClick(child(about, "Label1"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.constFirst().scheme(), QStringLiteral("mailto"));
        QCOMPARE(catcher.urls.constFirst().path(), QStringLiteral("contact@ulvo.example.org"));
        QCOMPARE(catcher.urls.constFirst().query(QUrl::FullyDecoded), QStringLiteral("Subject=Freeware Ulvo - Tarvola"));
    }

    void theApplicationReportsItsVersionAndTheMainWindowAloneHasTheIcon()
    {
        ConfigureApplication();
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00.0001"));
        // The windows keep their own captions; About has no icon.
        FormTarvola window(*m_controller);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Tarvola v1.1"));
        QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>({QSize(48, 48)}));
        About* about = openAbout();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Ulvo"));
        QVERIFY(about->windowIcon().isNull());
    }

    void measuresContrastAsTheGuidelinesDo()
    {
        QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(ContrastRatio(QColor(0, 128, 0), Qt::white) * 100), 514);
        QCOMPARE(qRound(ContrastRatio(QColor(0, 128, 0), QColor(53, 53, 53)) * 100), 239);
        QCOMPARE(ContrastRatio(QColor(0, 128, 0), QColor(0, 128, 0)), 1.0);
    }

    void everyTextReadsOnItsBackground_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
        QPalette dark;
        for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>> {
                 {QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                 {QPalette::Base, QColor(42, 42, 42)},   {QPalette::Text, Qt::white},
                 {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white}})
            dark.setColor(role, colour);
        QTest::newRow("dark") << dark;
    }

    void everyTextReadsOnItsBackground()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        FormTarvola window(*m_controller);
        About* about = openAbout();
        QStringList unreadable;
        for (QWidget* top : std::initializer_list<QWidget*> {&window, about}) {
            for (QWidget* widget : top->findChildren<QWidget*>()) {
                QPalette::ColorRole text = QPalette::WindowText, ground = QPalette::Window;
                if (qobject_cast<QLineEdit*>(widget))
                    std::tie(text, ground) = std::pair(QPalette::Text, QPalette::Base);
                else if (qobject_cast<QPushButton*>(widget))
                    std::tie(text, ground) = std::pair(QPalette::ButtonText, QPalette::Button);
                else if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QGroupBox*>(widget)
                         && !qobject_cast<QMenuBar*>(widget))
                    continue;
                if (qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text().isEmpty())
                    continue; // a picture
                const double ratio = ContrastRatio(widget->palette().color(text), widget->palette().color(ground));
                if (ratio < kReadableContrast)
                    unreadable << QStringLiteral("%1 %2").arg(widget->objectName()).arg(ratio, 0, 'f', 2);
            }
        }
        QApplication::setPalette(before);
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    }

    void closingTheMainWindowClosesAboutAndEndsTheLoop()
    {
        FormTarvola window(*m_controller);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* menuAbout = window.findChild<QAction*>("MenuAbout");
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {}, window.menuBar()->actionGeometry(menuAbout).center());
        QVERIFY(m_controller->window());
        QTimer::singleShot(100, &window, [&] { window.close(); });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(aboutWindows().size(), 0);
    }
};

} // namespace tarvola

QTEST_MAIN(tarvola::AboutTest)
#include "about_test.moc"
