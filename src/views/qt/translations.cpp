#include "views/qt/translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace torvanel {

void load_qt_translations(const QLocale& locale)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}

} // namespace torvanel
