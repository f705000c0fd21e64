#include "qt/artwork.h"

#include <QFileInfo>
#include <QImageReader>

namespace tarvola {

QImage ArtworkImage(const QString& name)
{
    QImageReader reader(QStringLiteral(":/assets/") + name, QFileInfo(name).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace tarvola
