#include "qt/about.h"

#include "app/accessible_names.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "qt/fitted_text.h"
#include "qt/link_area.h"
#include "qt/picture_control.h"
#include "qt/pixels.h"
#include "qt/readable_colour.h"
#include "qt/taskbar.h"
#include "qt/window_font.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <string_view>
#include <utility>
#include <vector>

namespace tarvola {

namespace {

// The control's place in logical pixels, relative to its container.
QRect Place(AboutControl control)
{
    return ToPixels(PlaceOf(control).rect);
}

QLabel* NewPicture(const QPixmap& pixmap, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setPixmap(pixmap);
    return picture;
}

LinkArea* NewLinkArea(QWidget* parent, const char* name, const QRect& geometry, std::string_view accessibleName,
                      const QCursor& cursor)
{
    auto* area = new LinkArea(QString::fromUtf8(accessibleName), parent);
    area->setObjectName(QLatin1String(name));
    area->setGeometry(geometry);
    area->setCursor(cursor);
    return area;
}

// A focusable picture as its role makes it: a link (the donation picture) with one action that
// does what Space does, or a plain picture (the program icon). A focusable "image" with no action
// would leave a screen reader's user nothing to do with a picture that opens something.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureControl* picture) : QAccessibleWidget(picture, QAccessible::Graphic) { }

    [[nodiscard]] QAccessible::Role role() const override
    {
        return isDonation() ? QAccessible::Link : QAccessible::Graphic;
    }
    [[nodiscard]] QStringList actionNames() const override
    {
        return isDonation() ? QStringList {pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (!isDonation() || action != pressAction())
            return QAccessibleWidget::doAction(action);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &space);
    }

private:
    [[nodiscard]] bool isDonation() const
    {
        return static_cast<const PictureControl*>(widget())->role() == PictureControl::Role::Link;
    }
};

// What assistive technology sees of the window, its pictures and its links, decided by the
// object's type. A plain widget window would be a nameless "filler"; as a dialog it is named by
// its caption. For QAccessible::installFactory, which asks with each class name the object has,
// most derived first: the type is known at the first.
QAccessibleInterface* AccessibleAboutPart(const QString& /*className*/, QObject* object)
{
    if (auto* window = qobject_cast<About*>(object))
        return new QAccessibleWidget(window, QAccessible::Dialog);
    if (auto* picture = qobject_cast<PictureControl*>(object))
        return new AccessiblePicture(picture);
    return LinkArea::accessibleFor(object);
}

// The links' green, made darker or lighter where it would not read on the window's colour.
void ColourAsLink(QLabel* address, const QColor& window)
{
    QPalette palette = address->palette();
    palette.setColor(QPalette::WindowText, ReadableOn(ToQColor(kLinkColour), window));
    address->setPalette(palette);
}

QLabel* NewAddress(QWidget* area, const char* name, const QString& text, const QRect& geometry)
{
    auto* address = new QLabel(text, area);
    address->setObjectName(QLatin1String(name));
    address->setGeometry(geometry);
    FitLabel(*address);
    ColourAsLink(address, address->palette().color(QPalette::Window));
    return address;
}

} // namespace

About::About(LinkOpener openLink, const AboutArtwork& artwork, QWidget* parent)
    : QWidget(parent)
    , m_openLink(std::move(openLink))
    , m_artwork(artwork)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    // A fixed tool window: small caption, close box only, kept out of the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientSize);
    setFont(WindowFont(kDialogFont));
    static const bool accessible = (QAccessible::installFactory(AccessibleAboutPart), true);
    (void)accessible;

    createPictures();
    createSiteLink();
    createMailLink();
    createTitle();
    setUpPointerRouting();
    setTabOrder();
    Command1->setFocus();
    KeepOutOfTaskbar(*this);
}

void About::createPictures()
{
    Picture1 = new PictureControl(m_artwork.icon, PictureControl::Role::Picture, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Place(AboutControl::Picture1));
    Picture1->setAccessibleName(QString::fromUtf8(kProgramIconName));

    PictureDon = new PictureControl(m_artwork.donation, PictureControl::Role::Link, this);
    PictureDon->setObjectName(QStringLiteral("PictureDon"));
    PictureDon->setGeometry(QRect(Place(AboutControl::PictureDon).topLeft(), PictureDon->pixmap().size()));
    PictureDon->setCursor(m_artwork.hand);
    PictureDon->setAccessibleName(QString::fromUtf8(kDonationPictureName));

    Command1 = new QPushButton(QString::fromUtf8(kOkText), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Place(AboutControl::Command1));
    Command1->setAutoDefault(false);
    Command1->setAccessibleName(QString::fromUtf8(kOkText));
    connect(Command1, &QPushButton::clicked, this, [this] { m_behaviour.clicked(AboutControl::Command1); });
}

void About::createSiteLink()
{
    SiteUlvo = NewLinkArea(this, "SiteUlvo", Place(AboutControl::SiteUlvo), kSiteLinkName, m_artwork.hand);

    // The banner takes no pointer input: over it, the pointer is over the link area.
    Image2 = NewPicture(m_artwork.banner, SiteUlvo);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(Place(AboutControl::Image2));
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label2 = NewAddress(SiteUlvo, "Label2", QString::fromStdString(SiteAddressText()), Place(AboutControl::Label2));
    connect(SiteUlvo, &LinkArea::followed, this, [this] { m_behaviour.clicked(AboutControl::SiteUlvo); });
}

void About::createMailLink()
{
    Mail = NewLinkArea(this, "Mail", Place(AboutControl::Mail), kMailLinkName, m_artwork.hand);

    Image1 = NewPicture(m_artwork.mail, Mail);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Place(AboutControl::Image1));

    Label1 = NewAddress(Mail, "Label1", QString::fromStdString(kShownMailAddress), Place(AboutControl::Label1));
    connect(Mail, &LinkArea::followed, this, [this] { m_behaviour.clicked(AboutControl::Mail); });
}

void About::createTitle()
{
    Label3 = new QLabel(QString::fromUtf8(kAboutTitle), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(Place(AboutControl::Label3));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setFont(WindowFont(kTitleFont));
    FitLabel(*Label3);

    Label5 = new QLabel(QString::fromUtf8(kAboutVersion), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(Place(AboutControl::Label5));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setFont(WindowFont(kVersionFont));
    FitLabel(*Label5);
}

void About::setUpPointerRouting()
{
    // Every control sees the pointer itself and keeps it: a move over a label must not reach the
    // link area around it, and a move over any control must not reach the window background,
    // which clears the underlines.
    setMouseTracking(true);
    for (QWidget* control : std::initializer_list<QWidget*> {Picture1, PictureDon, Command1, SiteUlvo, Label2, Mail,
                                                              Image1, Label1, Label3, Label5}) {
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }
}

void About::setTabOrder()
{
    // The controls that take the focus here, in the layout's tab order (the links do not).
    const std::vector<AboutControl> order =
        InTabOrder({AboutControl::Picture1, AboutControl::PictureDon, AboutControl::Command1});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgetOf(order[i - 1]), widgetOf(order[i]));
}

std::array<std::pair<QWidget*, AboutControl>, kAboutLayout.size()> About::widgets() const
{
    return {{
        {Picture1, AboutControl::Picture1}, {PictureDon, AboutControl::PictureDon}, {Command1, AboutControl::Command1},
        {SiteUlvo, AboutControl::SiteUlvo}, {Image2, AboutControl::Image2},         {Label2, AboutControl::Label2},
        {Mail, AboutControl::Mail},         {Image1, AboutControl::Image1},         {Label1, AboutControl::Label1},
        {Label3, AboutControl::Label3},     {Label5, AboutControl::Label5},
    }};
}

AboutControl About::controlOf(QObject* widget) const
{
    for (const auto& [control, name] : widgets())
        if (control == widget)
            return name;
    return AboutControl::Background;
}

QWidget* About::widgetOf(AboutControl control) const
{
    for (const auto& [widget, name] : widgets())
        if (name == control)
            return widget;
    return nullptr;
}

bool About::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        m_behaviour.pointerMoved(controlOf(watched));
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_clickRule.pressed(controlOf(watched));
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_clickRule.doubleClicked();
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // The control that took the press gets the release wherever the pointer is: over another
        // control the release is outside this one.
        const bool over = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        const AboutControl clicked = m_clickRule.released(over ? controlOf(watched) : AboutControl::Background);
        // The button reports its own clicks.
        if (clicked != AboutControl::Background && clicked != AboutControl::Command1)
            m_behaviour.clicked(clicked);
        break;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A focused push button answers Enter in any dialog, though OK is not the default button.
        if (watched == Command1 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (!key->isAutoRepeat())
                Command1->click();
            return true;
        }
        if ((key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && m_behaviour.activatedByKey(controlOf(watched), key->isAutoRepeat()))
            return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void About::changeEvent(QEvent* event)
{
    // A new desktop theme: the links are coloured against its window colour again. The window's
    // own palette, since the labels only take the new one after this event.
    if (event->type() == QEvent::PaletteChange && Label1 && Label2) {
        ColourAsLink(Label1, palette().color(QPalette::Window));
        ColourAsLink(Label2, palette().color(QPalette::Window));
    }
    QWidget::changeEvent(event);
}

void About::mouseMoveEvent(QMouseEvent* event)
{
    // Only moves over the window's own background get here.
    m_behaviour.pointerMoved(AboutControl::Background);
    QWidget::mouseMoveEvent(event);
}

void About::setUnderlined(AboutLabel label, bool underlined)
{
    QLabel* address = label == AboutLabel::Label1 ? Label1 : Label2;
    QFont font = address->font();
    font.setUnderline(underlined);
    address->setFont(font);
}

void About::openLink(const Link& link)
{
    m_openLink(this, link);
}

void About::present()
{
    // A minimised window comes back where it was, with the focus it had.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // The focus mark from the start, not only after the first Tab: Enter and Space act on the
    // focused OK as soon as About opens. (Set once shown: showing clears it.)
    setAttribute(Qt::WA_KeyboardFocusChange);
    raise();
    activateWindow();
}

void About::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}

} // namespace tarvola
