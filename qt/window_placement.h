#pragma once

class QWidget;

namespace tarvola {

// Places the top-level window, frame and all, in the middle of its screen's available area; a
// window with no screen stays where it is. Until the window manager has framed the window its
// frame is not known: then the window is centred again, once, as soon as a frame shows after it
// is next shown. Call before showing the window.
void CentreOnScreen(QWidget& window);

} // namespace tarvola
