#pragma once

#include "core/control_model.hpp"
#include "core/host.hpp"
#include "views/qt/calculator_window.hpp"
#include "views/qt/message_box_reporter.hpp"

#include <memory>

namespace torvanel {

// The running program: the form, the host with the given handlers, and the
// window that shows them. Ending the program closes the window and leaves the
// application's event loop.
class Calculator {
public:
    Calculator(ProgramHandlers handlers, char decimal_separator);

    // Raises Load, then shows the window.
    void start();

    Form& form() noexcept { return form_; }
    Host& host() noexcept { return host_; }
    CalculatorWindow& window() noexcept { return *window_; }

private:
    Form form_;
    MessageBoxReporter reporter_;
    Host host_;
    std::unique_ptr<CalculatorWindow> window_;
};

} // namespace torvanel
