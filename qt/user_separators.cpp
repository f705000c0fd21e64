#include "qt/user_separators.h"

#include <QLocale>

namespace tarvola {

LocaleSeparators UserSeparators()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tarvola
