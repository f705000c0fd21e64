#include "qt/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace tarvola {

namespace {

// Centres its window again once the window manager has framed it: it watches the window for
// being shown, then the shown window's handle for the first expose or move with a frame. The
// window manager frames a window before it is first exposed, or, if it started after the
// window, later. A child of the window, so it lives as long as the window.
class CentreOnceFramed : public QObject {
    Q_OBJECT

public:
    explicit CentreOnceFramed(QWidget& window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
    }

    // Whether the window still waits for its frame.
    void setPending(bool pending) { m_pending = pending; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWindow* handle = m_window.windowHandle();
        if (!m_pending || !handle)
            return false;
        if (watched == &m_window && event->type() == QEvent::Show) {
            handle->installEventFilter(this);
            return false;
        }
        const bool mayBeFramed = event->type() == QEvent::Expose || event->type() == QEvent::Move;
        if (watched == handle && mayBeFramed && !handle->frameMargins().isNull()) {
            handle->removeEventFilter(this);
            CentreOnScreen(m_window);
        }
        return false;
    }

private:
    QWidget& m_window;
    bool m_pending = false;
};

} // namespace

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    window.adjustSize();
    // The frame as the window system reports it at this moment: none until the window manager
    // has framed the window. The client goes where it puts the frame in the middle.
    QWindow* handle = window.windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    const QRect frame = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size().grownBy(margins),
                                            screen->availableGeometry());
    const QPoint client = frame.topLeft() + QPoint(margins.left(), margins.top());
    if (handle)
        handle->setPosition(client);
    else
        window.move(client);

    auto* again = window.findChild<CentreOnceFramed*>(QString(), Qt::FindDirectChildrenOnly);
    if (!again && !margins.isNull())
        return;
    if (!again)
        again = new CentreOnceFramed(window);
    again->setPending(margins.isNull());
}

} // namespace tarvola

#include "window_placement.moc"
