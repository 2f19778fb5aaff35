#include "app/event_bindings.hpp"
#include "views/qt/calculator.hpp"
#include "views/qt/locale_separator.hpp"
#include "views/qt/translations.hpp"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TORVANEL"));
    QApplication::setApplicationVersion(QStringLiteral(TORVANEL_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("it.torvanel.Torvanel"));

    torvanel::load_qt_translations(QLocale());
    torvanel::Calculator calculator(torvanel::calculator_handlers(), torvanel::decimal_separator_of(QLocale()));
    calculator.start();
    return QApplication::exec();
}
