#include "platform/locale.h"

#include <QLocale>

namespace platform {

calc::NumberSeparators LocaleSeparators()
{
    const QLocale locale;
    calc::NumberSeparators separators;
    separators.decimal = locale.decimalPoint().toStdString();
    separators.group = locale.groupSeparator().toStdString();
    return separators;
}

} // namespace platform
