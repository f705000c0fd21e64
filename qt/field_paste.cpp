#include "qt/field_paste.h"

#include "app/angle_paste.h"
#include "qt/user_separators.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace tarvola {

FieldPaste::FieldPaste(const RefreshFields& fields, QObject* parent) : QObject(parent), m_fields(fields) { }

void FieldPaste::watch(QLineEdit& edit, FormControl control)
{
    m_controls.insert(&edit, control);
    edit.installEventFilter(this);
}

bool FieldPaste::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || !m_controls.contains(watched))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) && paste(*edit, QClipboard::Clipboard);
    case QEvent::MouseButtonRelease:
        // The line edit pastes the selection on the middle button's release.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
            && QGuiApplication::clipboard()->supportsSelection() && paste(*edit, QClipboard::Selection);
    case QEvent::ContextMenu:
        showContextMenu(*edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

bool FieldPaste::paste(QLineEdit& edit, QClipboard::Mode mode)
{
    try {
        const std::string pasted = QGuiApplication::clipboard()->text(mode).toStdString();
        return PasteIntoForm(m_controls.value(&edit), pasted, m_fields, UserSeparators());
    } catch (...) {
        return true; // out of memory: nothing changes, as for a refused paste
    }
}

void FieldPaste::showContextMenu(QLineEdit& edit, const QPoint& globalPosition)
{
    QMenu* menu = edit.createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The Paste entry is the one connected to QLineEdit::paste, which knows no angles: it is
    // found by that connection, whatever the entries are called in the user's language.
    const QList<QAction*> entries = menu->actions();
    for (QAction* entry : entries) {
        // Qt 6.4 makes that connection by name; later versions may make it by member pointer.
        const bool pasteEntry = disconnect(entry, SIGNAL(triggered()), &edit, SLOT(paste()))
            || disconnect(entry, &QAction::triggered, &edit, &QLineEdit::paste);
        if (!pasteEntry)
            continue;
        connect(entry, &QAction::triggered, &edit, [this, &edit] {
            if (!paste(edit, QClipboard::Clipboard))
                edit.paste();
        });
    }
    menu->popup(globalPosition);
}

} // namespace tarvola
