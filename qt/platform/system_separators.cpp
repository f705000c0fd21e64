#include "system_separators.h"

#include <QLocale>

namespace tarvola {

LocaleSeparators SystemSeparators()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tarvola
