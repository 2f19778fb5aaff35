#include "window/number_text.hpp"
#include "window/qt/calculator.hpp"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv); // also sets the C locale from the environment
    QApplication::setApplicationName(QStringLiteral("TORVANEL"));
    QApplication::setApplicationVersion(QStringLiteral(TORVANEL_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("it.torvanel.Torvanel"));

    torvanel::Calculator calculator(torvanel::decimal_separator_of_current_locale());
    calculator.start();
    return QApplication::exec();
}
