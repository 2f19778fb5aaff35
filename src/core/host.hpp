#pragma once

#include "core/colour.hpp"
#include "core/control_model.hpp"
#include "core/host_errors.hpp"
#include "core/number_writing.hpp"

#include <exception>
#include <functional>
#include <span>
#include <string>

namespace torvanel {

class Host;

// A handler: no state between events, works only on the form's properties.
using Handler = void (*)(Form&, Host&);

struct ClickBinding {
    Button Form::*button;
    Handler handler;
};

struct ProgramHandlers {
    Handler load = nullptr;
    std::span<const ClickBinding> clicks;
};

// Told about every error that ended a handler; the Qt layer shows a message box.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const HostError& error) = 0;
};

// Stands in for the runtime that hosts the program: raises Load, delivers clicks
// and typing one at a time, converts between text and numbers, supplies palette
// colours, checks arithmetic results and ends the program. An error inside a
// handler leaves it; the host reports the error and goes on.
class Host {
public:
    Host(Form& form, ProgramHandlers handlers, ErrorReporter& reporter, char decimal_separator,
         std::function<void()> end_of_program);

    char decimal_separator() const noexcept { return decimal_separator_; }
    bool has_ended() const noexcept { return ended_; }

    // Events. Each is ignored once the program has ended or while a handler runs.
    void raise_load();
    void click(const Button& button);
    // The user changed the text of a box; a disabled or hidden box cannot be typed into.
    void type_text(TextBox& box, std::string text);
    // The window was closed through its title bar.
    void window_closed();

    // Services for the handlers.
    double number_in(const TextBox& box) const;
    // At most significant_digits digits: a result holds no more than its operands.
    std::string text_of(double value, int significant_digits = kShownDigits) const;
    // Throws HostError for an index outside the 16 entries.
    static Colour palette_colour(int index);
    // Throws ArithmeticError when an operation on finite operands did not give a finite result.
    void check_arithmetic(double result) const;
    // Ends the program at once: nothing after it in the handler runs.
    [[noreturn]] void end_program();

    // Shows an error that left a handler or the delivery of an event; anything that is
    // not a HostError gets a message of its own.
    void report(const std::exception_ptr& failure);

private:
    void run(Handler handler);

    Form& form_;
    ProgramHandlers handlers_;
    ErrorReporter& reporter_;
    char decimal_separator_;
    std::function<void()> end_of_program_;
    bool ended_ = false;
    bool handler_running_ = false;
};

} // namespace torvanel
