#include "qt/hand_cursor.h"

#include "qt/artwork.h"

#include <QBitmap>

namespace tarvola {

QCursor HandCursor()
{
    constexpr int kHotX = 5;
    constexpr int kHotY = 0;
    const QBitmap outline = QBitmap::fromImage(ArtworkImage(QStringLiteral("hand_cursor.xbm")));
    const QBitmap mask = QBitmap::fromImage(ArtworkImage(QStringLiteral("hand_cursor_mask.xbm")));
    return QCursor(outline, mask, kHotX, kHotY);
}

} // namespace tarvola
