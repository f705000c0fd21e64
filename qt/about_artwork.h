#pragma once

#include <QCursor>
#include <QPixmap>

namespace tarvola {

// The About window's pictures and hand cursor, built once and shared by every About window the
// program opens: a window that comes and goes must leave nothing behind, in the heap or in
// Qt's pixmap cache.
struct AboutArtwork {
    // Builds everything; needs the application object.
    AboutArtwork();

    QPixmap icon;     // the program icon, 48 x 48
    QPixmap donation; // 57 x 25
    QPixmap banner;   // 150 x 35
    QPixmap mail;     // the mail icon at its shown size, 32 x 32
    QCursor hand;     // hot spot (5, 0)
};

} // namespace tarvola
