#pragma once

#include <QLocale>

namespace torvanel {

// The decimal separator of a locale as Qt knows it. Qt carries its own locale
// data, so this is right even where the C library lacks the user's locale and
// would fall back to "C". A locale whose separator is neither '.' nor ',' reads '.'.
inline char decimal_separator_of(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace torvanel
