#pragma once

#include "app/form_layout.h"
#include "app/refresh_cycle.h"

#include <QClipboard>
#include <QHash>
#include <QObject>

class QLineEdit;
class QPoint;

namespace tarvola {

// Sends every paste into the main window's fields through the shared paste rule (PasteIntoForm):
// Ctrl+V, Shift+Insert and the other paste keys, the context menu's Paste and, where the window
// system has a selection (X11), the middle-click paste. A paste the rule deals with (an angle
// written into its converter, or an angle text refused) never reaches the line edit; any other
// text is pasted by the line edit as it always was.
class FieldPaste final : public QObject {
public:
    FieldPaste(const RefreshFields& fields, QObject* parent);

    // Routes the pastes into `edit`, which is the window's field `control`.
    void watch(QLineEdit& edit, FormControl control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The rule's handling of the clipboard's text pasted into `edit`: true when it dealt with it.
    bool paste(QLineEdit& edit, QClipboard::Mode mode);
    // The line edit's own context menu, its Paste going through paste() first.
    void showContextMenu(QLineEdit& edit, const QPoint& globalPosition);

    RefreshFields m_fields;
    QHash<const QObject*, FormControl> m_controls;
};

} // namespace tarvola
