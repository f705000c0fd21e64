#include "qt/window_font.h"

#include <QStringList>

namespace tarvola {

QFont WindowFont(const FontDescription& description)
{
    QFont font;
    font.setFamilies({QString::fromUtf8(description.face), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(description.points);
    font.setBold(description.bold);
    return font;
}

} // namespace tarvola
