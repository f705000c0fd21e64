#pragma once

#include <QMenuBar>
#include <QPointer>

namespace tarvola {

// A menu bar whose entries, having no sub-menus, are reached by keyboard as in a Windows dialog's
// menu bar: F10 or Alt alone gives it the focus, drawn as the highlighted entry; Return, Enter,
// Space or Down runs that entry; Escape, F10 or Alt gives the focus back to where it was.
class KeyboardMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit KeyboardMenuBar(QWidget* parent);

    // Gives the menu bar the focus, its first entry highlighted, or gives the focus back when it
    // has it: the window's F10.
    void toggleFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The focus goes back to the widget that had it.
    void leave();

    QPointer<QWidget> m_previousFocus;
};

} // namespace tarvola
