#include "qt/form_tarvola.h"

#include "app/about_commands.h"
#include "app/accessible_names.h"
#include "qt/artwork.h"
#include "qt/window_font.h"
#include "app/field_defaults.h"
#include "qt/fitted_text.h"
#include "app/form_layout.h"
#include "app/window_texts.h"
#include "qt/keyboard_menu_bar.h"
#include "qt/edit_field.h"
#include "qt/refresh_timer.h"
#include "qt/single_line_validator.h"
#include "qt/user_separators.h"
#include "qt/taskbar.h"
#include "qt/pixels.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

namespace tarvola {

namespace {

constexpr qreal kDialogFontPoints = 8.25;
constexpr qreal kFieldFontPoints = 9.75;
constexpr qreal kUnitMarkFontPoints = 12;
const QColor kResultBackground(224, 224, 224);

QGroupBox* NewFrame(QWidget* client, const char* name, const QString& title, const QRect& geometry)
{
    auto* frame = new QGroupBox(title, client);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The control's place in logical pixels, relative to its frame (or the client area for a frame).
QRect Place(FormControl control)
{
    return ToPixels(PlaceOf(control).rect);
}

// "Input" and "Result" over their fields, placed by the number of blanks between them.
QLabel* NewHeader(QGroupBox* frame, std::string_view text, const QRect& geometry)
{
    auto* header = new QLabel(FromView(text), frame);
    header->setGeometry(geometry);
    // The layout was measured against a bitmap font; a scalable fallback can be a few pixels
    // wider, and "Result" must not lose its last letter.
    FitLabel(*header);
    return header;
}

} // namespace

FormTarvola::FormTarvola(AboutCommands& about, QWidget* parent)
    : QMainWindow(parent)
    , m_about(about)
{
    setObjectName(QStringLiteral("FormTarvola"));
    setWindowTitle(QStringLiteral(" Tarvola v1.1"));
    // A fixed dialog frame: a close box, no minimize or maximize button, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ClassicSansFont(kDialogFontPoints));
    setWindowIcon(QIcon(Artwork(QStringLiteral("tarvola.png"))));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    createMenu();
    createDmsToDecimal(client);
    createDecimalToDms(client);
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Text1->setFocus();

    KeepOutOfTaskbar(*this);
    startRefresh();
}

FormTarvola::~FormTarvola() = default;

void FormTarvola::createMenu()
{
    // Qt's own menu bar: a native one would drop an entry that has no sub-entries.
    auto* bar = new KeyboardMenuBar(this);
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, &KeyboardMenuBar::toggleFocus);
    MenuAbout = menuBar()->addAction(QStringLiteral("About"));
    MenuAbout->setObjectName(QStringLiteral("MenuAbout"));
    MenuAbout->setMenuRole(QAction::NoRole);
    connect(MenuAbout, &QAction::triggered, this, [this] { m_about.showAbout(); });
}

void FormTarvola::createDmsToDecimal(QWidget* client)
{
    Frame1 = NewFrame(client, "Frame1", QStringLiteral("DegDMS to DegDeci"), Place(FormControl::Frame1));
    Frame1->setFont(ClassicSansFont(kDialogFontPoints));
    Label3[0] = NewHeader(Frame1, TextOf(FormControl::Label3_0), Place(FormControl::Label3_0));

    Text1 = addField(Frame1, "Text1", kText1Default, FromView(kText1Name), Place(FormControl::Text1),
                     false);
    addUnitMark(Frame1, 0, QStringLiteral("\u00B0"), Place(FormControl::Label1_0));
    Text2 = addField(Frame1, "Text2", kText2Default, FromView(kText2Name), Place(FormControl::Text2),
                     false);
    addUnitMark(Frame1, 1, QStringLiteral("'"), Place(FormControl::Label1_1));
    Text3 = addField(Frame1, "Text3", kText3Default, FromView(kText3Name), Place(FormControl::Text3),
                     false);
    addUnitMark(Frame1, 2, QStringLiteral(" \""), Place(FormControl::Label1_2));
    Text4 = addField(Frame1, "Text4", kText4Default, FromView(kText4Name),
                     Place(FormControl::Text4), true);
    addUnitMark(Frame1, 3, QStringLiteral("\u00B0"), Place(FormControl::Label1_3));
}

void FormTarvola::createDecimalToDms(QWidget* client)
{
    Frame2 = NewFrame(client, "Frame2", QStringLiteral("DegDeci to DegDMS"), Place(FormControl::Frame2));
    Label3[1] = NewHeader(Frame2, TextOf(FormControl::Label3_1), Place(FormControl::Label3_1));

    Text5 = addField(Frame2, "Text5", kText5Default, FromView(kText5Name),
                     Place(FormControl::Text5), false);
    addUnitMark(Frame2, 4, QStringLiteral("\u00B0"), Place(FormControl::Label1_4));
    Text6 = addField(Frame2, "Text6", kText6Default, FromView(kText6Name),
                     Place(FormControl::Text6), true);
}

void FormTarvola::addUnitMark(QGroupBox* frame, int index, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setFont(ClassicSansFont(kUnitMarkFontPoints));
    label->setGeometry(geometry);
    FitLabel(*label);
    Label1[static_cast<std::size_t>(index)] = label;
}

QLineEdit* FormTarvola::addField(QGroupBox* frame, const char* name, const FieldDefault& field,
                                 const QString& accessibleName, const QRect& geometry, bool readOnly)
{
    auto* edit = new QLineEdit(FromView(LocalDefaultText(field, UserSeparators())), frame);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    edit->setFont(ClassicSansFont(kFieldFontPoints));
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(geometry);
    if (field.maxLength)
        edit->setMaxLength(*field.maxLength);
    edit->setValidator(new SingleLineValidator(edit));
    // The default text is as long as a typed value may be. The unbounded result fits the result
    // of the default input, and shows its start when longer.
    FitField(*edit, field.maxLength ? edit->text() : QStringLiteral(" 0\u00B0 0' 0\""));
    if (readOnly) {
        edit->setReadOnly(true);
        // Dark text on the fixed light grey, so the result stays readable under a dark theme.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, kResultBackground);
        palette.setColor(QPalette::Text, Qt::black);
        edit->setPalette(palette);
    }
    return edit;
}

void FormTarvola::setTabOrder()
{
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, Text5);
    QWidget::setTabOrder(Text5, Text6);
}

void FormTarvola::startRefresh()
{
    m_fields = {std::make_unique<EditField>(*Text1), std::make_unique<EditField>(*Text2),
                std::make_unique<EditField>(*Text3), std::make_unique<EditField>(*Text4),
                std::make_unique<EditField>(*Text5), std::make_unique<EditField>(*Text6)};
    const RefreshFields fields {*m_fields[0], *m_fields[1], *m_fields[2], *m_fields[3], *m_fields[4], *m_fields[5]};
    Timer1 = new RefreshTimer(fields, UserSeparators, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->start();
}

void FormTarvola::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    adjustSize();
    // The frame as the window system reports it now: none until the window manager has framed
    // the window. The client goes where it puts the frame in the middle.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect frame = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size().grownBy(margins),
                                            screen->availableGeometry());
    const QPoint client = frame.topLeft() + QPoint(margins.left(), margins.top());
    if (windowHandle())
        windowHandle()->setPosition(client);
    else
        move(client);
    m_centreOnceFramed = margins.isNull();
}

bool FormTarvola::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager frames the window before it is first exposed, or, if it started after
    // the window, later: centre again once, as soon as a frame shows.
    const bool mayBeFramed = event->type() == QEvent::Expose || event->type() == QEvent::Move;
    if (watched == windowHandle() && mayBeFramed && m_centreOnceFramed && !windowHandle()->frameMargins().isNull()) {
        watched->removeEventFilter(this);
        centreOnScreen();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormTarvola::showEvent(QShowEvent* event)
{
    if (m_centreOnceFramed && windowHandle())
        windowHandle()->installEventFilter(this);
    QMainWindow::showEvent(event);
}

void FormTarvola::closeEvent(QCloseEvent* event)
{
    m_about.closeAbout();
    event->accept();
    // Quit explicitly: the program ends with this window, whatever other window is left.
    QCoreApplication::quit();
}

} // namespace tarvola
