#include "views/qt/calculator.hpp"

#include <QCoreApplication>
#include <QIcon>

namespace torvanel {

Calculator::Calculator(ProgramHandlers handlers, char decimal_separator)
    : host_(form_, handlers, reporter_, decimal_separator,
            [this] {
                window_->hide();
                // quit() leaves a running event loop and, unlike exit(), leaves no
                // pending stop behind when none runs yet.
                QCoreApplication::quit();
            }),
      window_(std::make_unique<CalculatorWindow>(form_, host_))
{
    reporter_.set_parent(window_.get());
    window_->setWindowIcon(QIcon(QStringLiteral(":/torvanel/torvanel.png")));
}

void Calculator::start()
{
    host_.raise_load();
    window_->show();
}

} // namespace torvanel
