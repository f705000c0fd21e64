#include "qt/window_font.h"

#include <QStringList>

namespace tarvola {

namespace {

// Liberation Sans and Arimo share Arial's metrics, which Microsoft Sans Serif follows closely.
QFont FontWithFallbacks(const QString& family, qreal pointSize)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont ClassicSansFont(qreal pointSize)
{
    return FontWithFallbacks(QStringLiteral("Microsoft Sans Serif"), pointSize);
}

QFont ArialFont(qreal pointSize, bool bold)
{
    QFont font = FontWithFallbacks(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

} // namespace tarvola
