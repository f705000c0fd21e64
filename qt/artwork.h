#pragma once

#include <QImage>
#include <QPixmap>

namespace tarvola {

// One of the program's compiled-in pictures, by file name ("tarvola.png"). Read with the format
// its name gives, so that no image-format plugin is loaded to sniff it: that alone costs
// several milliseconds of start-up. A null image if the name is unknown.
[[nodiscard]] QImage ArtworkImage(const QString& name);
[[nodiscard]] inline QPixmap Artwork(const QString& name) { return QPixmap::fromImage(ArtworkImage(name)); }

} // namespace tarvola
