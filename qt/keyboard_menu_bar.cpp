#include "qt/keyboard_menu_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace tarvola {

KeyboardMenuBar::KeyboardMenuBar(QWidget* parent)
    : QMenuBar(parent)
{
    // Alt alone reaches the menu bar through Qt's own handling: remember, either way, whose focus
    // it took, so that leaving gives it back.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old && old != this && old->window() == window())
            m_previousFocus = old;
    });
}

void KeyboardMenuBar::toggleFocus()
{
    if (hasFocus()) {
        leave();
        return;
    }
    if (actions().isEmpty())
        return;
    setFocus(Qt::MenuBarFocusReason);
    update();
}

void KeyboardMenuBar::leave()
{
    if (m_previousFocus)
        m_previousFocus->setFocus(Qt::MenuBarFocusReason);
    else
        clearFocus();
    update();
}

void KeyboardMenuBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Down:
        if (!actions().isEmpty() && !event->isAutoRepeat()) {
            QAction* entry = actions().constFirst();
            leave();
            entry->trigger();
        }
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F10:
        leave();
        event->accept();
        return;
    default:
        QMenuBar::keyPressEvent(event);
    }
}

void KeyboardMenuBar::paintEvent(QPaintEvent* event)
{
    QMenuBar::paintEvent(event);
    if (!hasFocus() || actions().isEmpty())
        return;
    // The entry drawn as the style draws an open one: a highlight a person can see.
    QAction* entry = actions().constFirst();
    QPainter painter(this);
    QStyleOptionMenuItem option;
    initStyleOption(&option, entry);
    option.rect = actionGeometry(entry);
    option.state |= QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_HasFocus;
    style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, this);
}

void KeyboardMenuBar::focusOutEvent(QFocusEvent* event)
{
    QMenuBar::focusOutEvent(event);
    update();
}

} // namespace tarvola
