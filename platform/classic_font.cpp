#include "classic_font.h"

#include <QStringList>

namespace tarvola {

QFont ClassicSansFont(qreal pointSize)
{
    QFont font;
    // Liberation Sans and Arimo share Arial's metrics, which Microsoft Sans Serif follows closely.
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace tarvola
