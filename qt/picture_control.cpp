#include "qt/picture_control.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tarvola {

PictureControl::PictureControl(const QPixmap& pixmap, Role role, QWidget* parent)
    : QLabel(parent)
    , m_role(role)
{
    setPixmap(pixmap);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureControl::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace tarvola
