#include "qt/about_artwork.h"

#include "qt/artwork.h"

#include <QBitmap>
#include <QIcon>

namespace tarvola {

namespace {

constexpr QSize kMailIconSize {32, 32};

QPixmap MailIcon()
{
    // The icon holds a 16 and a 32 pixel image; the window shows the one that fits its control.
    QIcon icon;
    icon.addPixmap(Artwork(QStringLiteral("mail_16.png")));
    icon.addPixmap(Artwork(QStringLiteral("mail_32.png")));
    return icon.pixmap(kMailIconSize);
}

// The monochrome pointing hand shown over links, 32 x 32, hot spot at the tip of the index
// finger.
QCursor HandCursor()
{
    constexpr int kHotX = 5;
    constexpr int kHotY = 0;
    const QBitmap outline = QBitmap::fromImage(ArtworkImage(QStringLiteral("hand_cursor.xbm")));
    const QBitmap mask = QBitmap::fromImage(ArtworkImage(QStringLiteral("hand_cursor_mask.xbm")));
    return QCursor(outline, mask, kHotX, kHotY);
}

} // namespace

AboutArtwork::AboutArtwork()
    : icon(Artwork(QStringLiteral("tarvola.png")))
    , donation(Artwork(QStringLiteral("donation.png")))
    , banner(Artwork(QStringLiteral("site_banner.png")))
    , mail(MailIcon())
    , hand(HandCursor())
{
}

} // namespace tarvola
