#include "qt/about_artwork.h"

#include "qt/artwork.h"
#include "qt/hand_cursor.h"

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
