#include "qt/form_tarvola.h"

#include "app/about_commands.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "qt/artwork.h"
#include "qt/edit_field.h"
#include "qt/field_paste.h"
#include "qt/fitted_text.h"
#include "qt/keyboard_menu_bar.h"
#include "qt/readable_colour.h"
#include "qt/refresh_timer.h"
#include "qt/single_line_validator.h"
#include "qt/taskbar.h"
#include "qt/user_separators.h"
#include "qt/window_font.h"
#include "qt/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

namespace tarvola {

namespace {

// The control's place in logical pixels, relative to its frame (or the client area for a frame).
QRect Place(const FormPlace& place)
{
    return ToPixels(place.rect);
}

} // namespace

FormTarvola::FormTarvola(AboutCommands& about, QWidget* parent)
    : QMainWindow(parent)
    , m_about(about)
{
    setObjectName(QStringLiteral("FormTarvola"));
    setWindowTitle(QString::fromUtf8(kMainCaption));
    // A fixed dialog frame: a close box, no minimize or maximize button, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont(kDialogFont));
    setWindowIcon(QIcon(Artwork(QStringLiteral("tarvola.png"))));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    createMenu();
    createControls(client);
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    writeDefaults();
    // The field the window opens in has its text selected, as after Tab: typing replaces the
    // default instead of meeting its length limit.
    field(kFormFields.front())->setFocus();
    field(kFormFields.front())->selectAll();

    KeepOutOfTaskbar(*this);
    CentreOnScreen(*this);
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
    MenuAbout = menuBar()->addAction(QString::fromUtf8(kAboutMenuEntry));
    MenuAbout->setObjectName(QStringLiteral("MenuAbout"));
    MenuAbout->setMenuRole(QAction::NoRole);
    connect(MenuAbout, &QAction::triggered, this, [this] { m_about.showAbout(); });
}

void FormTarvola::createControls(QWidget* client)
{
    // In the layout's order, each frame before what it holds: the order the controls stack in
    // and screen readers list them.
    for (const FormPlace& place : kFormLayout) {
        QWidget*& created = m_controls[static_cast<std::size_t>(place.control)];
        QWidget* container = place.container == place.control ? client : control(place.container);
        switch (place.kind) {
        case FormControlKind::Frame:
            created = addFrame(place, container);
            break;
        case FormControlKind::Header:
        case FormControlKind::UnitMark:
            created = addLabel(place, container);
            break;
        case FormControlKind::Field:
            created = addField(place, *PlaceIn(kFormFields, place.control), container);
            break;
        }
    }
    for (std::size_t i = 0; i < kFormFields.size(); ++i)
        m_fields[i] = std::make_unique<EditField>(*field(kFormFields[i]));
}

QWidget* FormTarvola::addFrame(const FormPlace& place, QWidget* client)
{
    auto* frame = new QGroupBox(QString::fromUtf8(TextOf(place.control)), client);
    frame->setObjectName(QString::fromUtf8(place.name));
    frame->setFont(WindowFont(FontOf(place.kind)));
    frame->setGeometry(Place(place));
    return frame;
}

QLabel* FormTarvola::addLabel(const FormPlace& place, QWidget* frame)
{
    auto* label = new QLabel(QString::fromUtf8(TextOf(place.control)), frame);
    label->setObjectName(QString::fromUtf8(place.name));
    label->setFont(WindowFont(FontOf(place.kind)));
    label->setGeometry(Place(place));
    // The layout was measured with a bitmap face; a scalable one in its place can be a few pixels
    // wider, and a header's "Result" must not lose its last letter.
    FitLabel(*label);
    return label;
}

QLineEdit* FormTarvola::addField(const FormPlace& place, const FormField& field, QWidget* frame)
{
    auto* edit = new QLineEdit(frame);
    edit->setObjectName(QString::fromUtf8(place.name));
    edit->setAccessibleName(QString::fromUtf8(field.accessibleName));
    edit->setFont(WindowFont(FontOf(place.kind)));
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(Place(place));
    if (field.defaults.maxLength)
        edit->setMaxLength(*field.defaults.maxLength);
    edit->setValidator(new SingleLineValidator(edit));
    // The default text is as long as a typed value may be. The unbounded result fits the result
    // of the default input; a longer one is fitted when it is written (EditField, which takes
    // the font fitted here as the field's own).
    FitField(*edit, field.defaults.maxLength ? QString::fromStdString(LocalDefaultText(field.defaults, UserSeparators()))
                                             : QStringLiteral(" 0\u00B0 0' 0\""));
    if (field.readOnly) {
        edit->setReadOnly(true);
        // The fixed result colours, so that a result stays readable under a dark theme.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, ToQColor(kResultBackground));
        palette.setColor(QPalette::Text, ToQColor(kResultText));
        edit->setPalette(palette);
    }
    return edit;
}

QLineEdit* FormTarvola::field(const FormField& field) const
{
    return static_cast<QLineEdit*>(control(field.control));
}

void FormTarvola::setTabOrder()
{
    for (std::size_t i = 1; i < kFormFields.size(); ++i)
        QWidget::setTabOrder(field(kFormFields[i - 1]), field(kFormFields[i]));
}

RefreshFields FormTarvola::refreshFields() const
{
    return {*m_fields[0], *m_fields[1], *m_fields[2], *m_fields[3], *m_fields[4], *m_fields[5]};
}

void FormTarvola::writeDefaults()
{
    WriteDefaultTexts(refreshFields(), UserSeparators());
    // A write shows a text's start, as a result must; a line edit made with its text has the
    // caret after it, and that is where the fields have it when the window opens.
    for (const FormField& each : kFormFields)
        field(each)->end(false);
}

void FormTarvola::startRefresh()
{
    auto* paste = new FieldPaste(refreshFields(), this);
    for (const FormField& each : kFormFields)
        paste->watch(*field(each), each.control);
    Timer1 = new RefreshTimer(refreshFields(), UserSeparators, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->start();
}

void FormTarvola::closeEvent(QCloseEvent* event)
{
    m_about.closeAbout();
    event->accept();
    // Quit explicitly: the program ends with this window, whatever other window is left.
    QCoreApplication::quit();
}

} // namespace tarvola
