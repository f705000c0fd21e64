#include "qt/window_font.h"

#include <QStringList>

namespace tarvola {

QFont WindowFont(const FontSpec& spec)
{
    QFont font;
    font.setFamilies({QString::fromUtf8(spec.face), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

} // namespace tarvola
