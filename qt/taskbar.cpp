#include "qt/taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#if __has_include(<xcb/xcb.h>) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstring>
#include <memory>

namespace tarvola {

namespace {

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace

void KeepOutOfTaskbar(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return; // not on X11
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = InternAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    // The window is still unmapped: the property is read by the window manager when it maps it.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window.winId()), state,
                        XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
}

} // namespace tarvola
#else
namespace tarvola {
void KeepOutOfTaskbar(QWidget&) { }
} // namespace tarvola
#endif
