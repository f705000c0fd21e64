#include "app/accessible_names.h"
#include "app/version.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "qt/about.h"
#include "qt/about_controller.h"
#include "qt/artwork.h"
#include "qt/desktop_session.h"
#include "qt/form_tarvola.h"
#include "qt/open_link.h"
#include "qt/readable_colour.h"
#include "tests/core/recording_about_view.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <string_view>
#include <vector>

Q_DECLARE_METATYPE(tarvola::AboutControl)
Q_DECLARE_METATYPE(QList<tarvola::Link>)

namespace tarvola {

// What the shared behaviour asks of a window, recorded: the expected side of the routing checks.
using RecordingView = test::RecordingAboutView;

// Whether the label shows a line under its text, as drawn: a row of the label's picture inked
// across at least 90 % of the text's width, which no row through the letters comes near.
bool DrawsAnUnderline(QLabel& label)
{
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb ground = std::max_element(counts.cbegin(), counts.cend()).key();
    const int span = std::min(label.fontMetrics().horizontalAdvance(label.text()), label.contentsRect().width());
    for (int y = 0; y < image.height(); ++y) {
        int inked = 0;
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != ground ? 1 : 0;
        if (inked * 10 >= span * 9)
            return true;
    }
    return false;
}

// The box around the ink of a picture of text: pixels at least halfway from the most common
// colour (the ground) to the one farthest from it (the text), in grey.
QRect InkBox(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_Grayscale8);
    QHash<int, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[qGray(image.pixel(x, y))];
    const int ground = std::max_element(counts.cbegin(), counts.cend()).key();
    int farthest = 0;
    for (auto grey = counts.cbegin(); grey != counts.cend(); ++grey)
        farthest = std::max(farthest, std::abs(grey.key() - ground));
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (farthest > 0 && 2 * std::abs(qGray(image.pixel(x, y)) - ground) >= farthest)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The box around the ink of the text drawn whole, in the widget's font and resolution, with
// nothing to clip it.
QSize WholeInk(const QString& text, const QWidget& widget)
{
    QImage image(1, 1, QImage::Format_RGB32);
    const auto dotsPerMetre = [](int dpi) { return qRound(dpi / 0.0254); };
    image.setDotsPerMeterX(dotsPerMetre(widget.logicalDpiX()));
    image.setDotsPerMeterY(dotsPerMetre(widget.logicalDpiY()));
    const QFont font(widget.font(), &image);
    const QFontMetrics metrics(font, &image);
    image = QImage(metrics.horizontalAdvance(text) + 40, metrics.height() + 40, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre(widget.logicalDpiX()));
    image.setDotsPerMeterY(dotsPerMetre(widget.logicalDpiY()));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(20, 20 + metrics.ascent(), text);
    painter.end();
    return InkBox(image).size();
}

// A dark desktop theme's colours.
QPalette DarkPalette()
{
    QPalette dark;
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>> {
             {QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(42, 42, 42)},   {QPalette::Text, Qt::white},
             {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white}})
        dark.setColor(role, colour);
    return dark;
}

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

    // Spots of the window, in client pixels, where only the window or one link area takes the pointer.
    static constexpr QPoint kBackground {200, 5};
    static constexpr QPoint kSiteArea {197, 100};
    static constexpr QPoint kMailArea {206, 163};

    // Spots of the window, in client pixels, and the control whose area each lies in. What each
    // control does is the shared behaviour's table, tested on its own; here the question is only
    // whether the real widgets deliver the pointer, the clicks and the cursor to the right control.
    static void spots()
    {
        QTest::addColumn<QPoint>("spot");
        QTest::addColumn<AboutControl>("control");
        QTest::newRow("background") << kBackground << AboutControl::Background;
        QTest::newRow("icon") << QPoint(13, 13) << AboutControl::Picture1;
        QTest::newRow("title") << QPoint(100, 12) << AboutControl::Label3;
        QTest::newRow("version") << QPoint(110, 36) << AboutControl::Label5;
        QTest::newRow("site area beside the banner") << kSiteArea << AboutControl::SiteUlvo;
        QTest::newRow("banner") << QPoint(52, 90) << AboutControl::SiteUlvo; // it draws only
        QTest::newRow("site address") << QPoint(45, 133) << AboutControl::Label2;
        QTest::newRow("mail area right of the address") << kMailArea << AboutControl::Mail;
        QTest::newRow("mail icon") << QPoint(26, 178) << AboutControl::Image1;
        QTest::newRow("mail address") << QPoint(61, 180) << AboutControl::Label1;
        QTest::newRow("donation") << QPoint(18, 218) << AboutControl::PictureDon;
        QTest::newRow("OK") << QPoint(100, 242) << AboutControl::Command1;
    }
    // A pointer move to a spot, through the window system as a real one would come.
    static void moveTo(About* about, QPoint spot)
    {
        QTest::mouseMove(about, spot);
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
        QCOMPARE(about->windowTitle(), QString::fromUtf8(kAboutCaption));
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
        // The title and version: their texts and faces, and drawn in the middle of their places.
        struct Title {
            const char* name;
            std::string_view text;
            const FontDescription& font;
        };
        for (const Title& title :
             {Title {"Label3", kAboutTitle, kTitleFont}, Title {"Label5", kAboutVersion, kVersionFont}}) {
            auto* label = child<QLabel>(about, title.name);
            QCOMPARE(label->text(), QString::fromUtf8(title.text));
            QCOMPARE(label->font().families().constFirst(), QString::fromUtf8(title.font.face));
            QCOMPARE(label->font().pointSizeF(), title.font.points);
            QCOMPARE(label->font().bold(), title.font.bold);
            const QRect ink = InkBox(label->grab().toImage());
            const int left = ink.left(), right = label->width() - 1 - ink.right();
            QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("%1 drawn %2 px from the left, %3 from the right")
                                                                 .arg(QLatin1String(title.name)).arg(left).arg(right)));
        }
        QCOMPARE(child<QLabel>(about, "Label2")->text(), QStringLiteral("http://www.ulvo.example.org"));
        // The links' green, a shade darker where the light palette's grey asks for it.
        const QColor link = child<QLabel>(about, "Label1")->palette().color(QPalette::WindowText);
        QCOMPARE(link.hslHue(), ToQColor(kLinkColour).hslHue());
        QVERIFY(link.red() == 0 && link.blue() == 0 && link.green() >= 120 && link.green() <= kLinkColour.green);
        QCOMPARE(child<QPushButton>(about, "Command1")->text(), QString::fromUtf8(kOkText));
        QVERIFY(!child<QPushButton>(about, "Command1")->isDefault());
        // Every picture is really there, at its size, drawn from its own compiled-in drawing (the
        // mail icon's 32-pixel one, not its 16-pixel one scaled up), compared as it is drawn:
        // premultiplied, where a transparent pixel has no colour of its own.
        const std::pair<const char*, const char*> pictures[] = {
            {"PictureDon", "donation.png"}, {"Image2", "site_banner.png"},
            {"Image1", "mail_32.png"},      {"Picture1", "tarvola.png"}};
        for (const auto& [name, drawing] : pictures) {
            const QImage expected = ArtworkImage(QLatin1String(drawing)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(!expected.isNull(), drawing);
            QVERIFY2(child<QLabel>(about, name)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected, name);
        }
    }

    void focusesOkFirstAndTabsThroughThePictures()
    {
        About* about = openAbout();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), child(about, "Command1"));
        // A focused picture shows it has the focus, and stops showing it when the focus moves on.
        const QImage donation = child(about, "PictureDon")->grab().toImage();
        const QImage icon = child(about, "Picture1")->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "PictureDon"));
        QVERIFY2(child(about, "PictureDon")->grab().toImage() != donation, "no focus mark on the donation picture");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "Picture1"));
        QVERIFY2(child(about, "Picture1")->grab().toImage() != icon, "no focus mark on the program icon");
        QCOMPARE(child(about, "PictureDon")->grab().toImage(), donation);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(about, "Command1"));
        QCOMPARE(child(about, "Picture1")->grab().toImage(), icon);
    }

    void aboutTwiceGivesOneWindow()
    {
        About* first = openAbout();
        About* second = openAbout();
        QCOMPARE(first, second);
        QCOMPARE(aboutWindows().size(), 1);
        // A minimised window comes back, with the focus where it was.
        QVERIFY(QTest::qWaitForWindowActive(first));
        child(first, "PictureDon")->setFocus();
        first->showMinimized();
        QTRY_VERIFY(first->isMinimized());
        QCOMPARE(openAbout(), first);
        QTRY_VERIFY(!first->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), child(first, "PictureDon"));
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

    void spotsLieWhereTheSharedLayoutPutsTheirControls_data() { spots(); }
    void spotsLieWhereTheSharedLayoutPutsTheirControls()
    {
        QFETCH(QPoint, spot);
        QFETCH(AboutControl, control);
        // The middle of the pixel, in twips.
        QCOMPARE(AboutControlAt(spot.x() * 15 + 7, spot.y() * 15 + 7), control);
    }

    void pointerMovesReachTheControlUnderThePointer_data() { spots(); }
    void pointerMovesReachTheControlUnderThePointer()
    {
        QFETCH(QPoint, spot);
        QFETCH(AboutControl, control);
        // From no underline, and from both: a control that changes nothing must not clear them.
        for (const std::vector<std::pair<QPoint, AboutControl>>& before :
             {std::vector<std::pair<QPoint, AboutControl>> {{kBackground, AboutControl::Background}},
              {{kMailArea, AboutControl::Mail}, {kSiteArea, AboutControl::SiteUlvo}}}) {
            About* about = openAbout();
            RecordingView expected;
            AboutBehaviour behaviour(expected);
            for (const auto& [point, over] : before) {
                moveTo(about, point);
                behaviour.pointerMoved(over);
            }
            moveTo(about, spot);
            behaviour.pointerMoved(control);
            QCOMPARE(underlined(about, "Label1"), expected.label1);
            QCOMPARE(underlined(about, "Label2"), expected.label2);
            m_controller->closeAbout();
        }
    }

    void clicksReachTheControlUnderThePointerOnce_data() { spots(); }
    void clicksReachTheControlUnderThePointerOnce()
    {
        QFETCH(QPoint, spot);
        QFETCH(AboutControl, control);
        RecordingView expected;
        AboutBehaviour(expected).clicked(control);
        About* about = openAbout();
        // The other buttons do nothing anywhere, OK included.
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mouseClick(about->windowHandle(), button, {}, spot);
        QVERIFY(m_opened.isEmpty() && m_controller->window());
        QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, spot);
        QCOMPARE(m_opened, QList<Link>(expected.opened.begin(), expected.opened.end()));
        QCOMPARE(aboutWindows().size(), expected.closes ? 0 : 1);
        if (expected.closes)
            return;
        // A double-click is one more click, not two.
        QTest::mouseDClick(about->windowHandle(), Qt::LeftButton, {}, spot);
        QCOMPARE(m_opened.size(), 2 * expected.opened.size());
    }

    void showsTheCursorOfTheControlUnderThePointer_data() { spots(); }
    void showsTheCursorOfTheControlUnderThePointer()
    {
        QFETCH(QPoint, spot);
        QFETCH(AboutControl, control);
        About* about = openAbout();
        const QWidget* under = about->childAt(spot) ? about->childAt(spot) : about;
        const QCursor cursor = under->cursor();
        if (!AboutBehaviour::showsHand(control)) {
            QCOMPARE(cursor.shape(), Qt::ArrowCursor);
            return;
        }
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
        QCOMPARE(cursor.bitmap().size(), QSize(32, 32));
    }

    void aPressReleasedOverAnotherLinkOpensNothing()
    {
        About* about = openAbout();
        QTest::mousePress(about->windowHandle(), Qt::LeftButton, {}, kMailArea);
        QTest::mouseMove(about->windowHandle(), kSiteArea);
        QTest::mouseRelease(about->windowHandle(), Qt::LeftButton, {}, kSiteArea);
        QTest::mousePress(about->windowHandle(), Qt::LeftButton, {}, kSiteArea);
        QTest::mouseMove(about->windowHandle(), kMailArea);
        QTest::mouseRelease(about->windowHandle(), Qt::LeftButton, {}, kMailArea);
        QVERIFY(m_opened.isEmpty());
    }

    void hoverUnderlinesAreDrawn()
    {
        About* about = openAbout();
        for (const char* name : {"Label1", "Label2"}) {
            auto* address = child<QLabel>(about, name);
            moveTo(about, kBackground);
            QVERIFY2(!DrawsAnUnderline(*address), name);
            moveTo(about, QLatin1String(name) == "Label1" ? kMailArea : kSiteArea);
            QVERIFY2(DrawsAnUnderline(*address), name);
        }
    }

    void keysOnTheFocusedDonationPictureOpenItOnceAndCloseOnOk_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << " ";
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "\r";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "\r";
    }
    void keysOnTheFocusedDonationPictureOpenItOnceAndCloseOnOk()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        About* about = openAbout();
        QVERIFY(QTest::qWaitForWindowActive(about));
        // The same key on the focused icon opens nothing.
        child(about, "Picture1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QVERIFY(m_opened.isEmpty());
        child(about, "PictureDon")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QCOMPARE(m_opened, QList<Link>({DonationLink()}));
        // A key held down repeats its press; the page opens once all the same.
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent held(QEvent::KeyPress, key, modifiers, text, true);
            QApplication::sendEvent(child(about, "PictureDon"), &held);
        }
        QCOMPARE(m_opened.size(), 1);

        // On the focused OK, Escape does nothing and the same key closes the window.
        child(about, "Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(m_controller->window());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QTRY_VERIFY(!m_controller->window());
        QCOMPARE(m_opened.size(), 1);
    }

    void linksStayReadableWhenThePaletteChangesUnderThem()
    {
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette());
        About* about = openAbout();
        QApplication::setPalette(DarkPalette()); // reaches open windows through the event loop
        QTRY_COMPARE(about->palette().color(QPalette::Window), QColor(53, 53, 53));
        for (const char* name : {"Label1", "Label2"}) {
            const QColor link = child<QLabel>(about, name)->palette().color(QPalette::WindowText);
            const double ratio = ContrastRatio(link, about->palette().color(QPalette::Window));
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(ratio)));
            QCOMPARE(link.hslHue(), ToQColor(kLinkColour).hslHue()); // still the link green
        }
    }

    void exposesTheWindowAndItsLinksToScreenReaders_data()
    {
        QTest::addColumn<QString>("name"); // none: the window
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QList<Link>>("followed"); // what its action opens
        const auto text = [](std::string_view name) { return QString::fromUtf8(name); };
        QTest::newRow("window") << QString() << QAccessible::Dialog << text(kAboutCaption) << QList<Link>();
        QTest::newRow("mail") << "Mail" << QAccessible::Link << text(kMailLinkName) << QList<Link>({MailLink()});
        QTest::newRow("site") << "SiteUlvo" << QAccessible::Link << text(kSiteLinkName) << QList<Link>({WebSiteLink()});
        QTest::newRow("donation") << "PictureDon" << QAccessible::Link << text(kDonationPictureName)
                                  << QList<Link>({DonationLink()});
        QTest::newRow("icon") << "Picture1" << QAccessible::Graphic << text(kProgramIconName) << QList<Link>();
        QTest::newRow("OK") << "Command1" << QAccessible::Button << text(kOkText) << QList<Link>();
    }
    void exposesTheWindowAndItsLinksToScreenReaders()
    {
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, accessibleName);
        QFETCH(QList<Link>, followed);
        About* about = openAbout();
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(name.isEmpty() ? about : child(about, qPrintable(name)));
        QVERIFY(control);
        QCOMPARE(control->role(), role);
        QCOMPARE(control->text(QAccessible::Name), accessibleName);
        if (followed.isEmpty())
            return;
        QAccessibleActionInterface* actions = control->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_opened, followed);
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
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(TARVOLA_VERSION_TEXT));
        // The windows keep their own captions; About has no icon.
        FormTarvola window(*m_controller);
        QCOMPARE(window.windowTitle(), QString::fromUtf8(kMainCaption));
        QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>({QSize(48, 48)}));
        About* about = openAbout();
        QCOMPARE(about->windowTitle(), QString::fromUtf8(kAboutCaption));
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
        QTest::newRow("dark") << DarkPalette();
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

    // Run under other fonts and resolutions too (ui.about.any_font_*): every text of both
    // windows draws whole, none cut by its place.
    void everyTextDrawsWhole()
    {
        FormTarvola window(*m_controller);
        About* about = openAbout();
        QStringList cut;
        for (QWidget* top : std::initializer_list<QWidget*> {&window, about}) {
            for (QWidget* widget : top->findChildren<QWidget*>()) {
                QString text;
                QImage shown;
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    text = label->text();
                    shown = label->grab().toImage();
                } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                    // Inside the frame; a shown window's caret, and the selection the first field
                    // opens with, would add ink of their own.
                    edit->clearFocus();
                    edit->deselect();
                    text = edit->text();
                    shown = edit->grab(edit->rect().adjusted(3, 3, -3, -3)).toImage();
                }
                if (text.trimmed().isEmpty())
                    continue; // a picture, or a blank
                const QSize whole = WholeInk(text, *widget);
                const QSize drawn = InkBox(shown).size();
                if (std::abs(drawn.width() - whole.width()) > 1 || std::abs(drawn.height() - whole.height()) > 1)
                    cut << QStringLiteral("%1 \"%2\" %3x%4 of %5x%6")
                               .arg(widget->objectName(), text)
                               .arg(drawn.width())
                               .arg(drawn.height())
                               .arg(whole.width())
                               .arg(whole.height());
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    void closingTheMainWindowClosesAboutFirstAndEndsTheLoop()
    {
        FormTarvola window(*m_controller);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* menuAbout = window.findChild<QAction*>("MenuAbout");
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {}, window.menuBar()->actionGeometry(menuAbout).center());
        About* about = m_controller->window();
        QVERIFY(about);
        int closes = 0;
        bool mainShownAtClose = false;
        connect(about, &About::closed, &window, [&] {
            ++closes;
            mainShownAtClose = window.isVisible();
        });
        // The program's own loop: QCoreApplication::quit only ends a running exec().
        QTimer::singleShot(100, &window, [&] { window.close(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(closes, 1);
        QVERIFY2(mainShownAtClose, "About must close while the main window still shows");
        QCOMPARE(aboutWindows().size(), 0);
        QVERIFY(!window.isVisible());
    }
};

} // namespace tarvola

QTEST_MAIN(tarvola::AboutTest)
#include "about_test.moc"
