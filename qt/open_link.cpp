#include "qt/open_link.h"

#include "app/about_links.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tarvola {

void OpenLink(QWidget*, const Link& link)
{
    // Tolerant parsing turns the subject's blanks into %20.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(link.target), QUrl::TolerantMode));
}

} // namespace tarvola
