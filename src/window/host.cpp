#include "window/host.hpp"

#include <array>
#include <cmath>

namespace torvanel {
namespace {

// Thrown by end_program to leave the running handler; never seen outside the host.
struct ProgramEnded {};

} // namespace

Host::Host(Form& form, ProgramHandlers handlers, ErrorReporter& reporter, char decimal_separator,
           std::function<void()> end_of_program)
    : form_(form), handlers_(handlers), reporter_(reporter), decimal_separator_(decimal_separator),
      end_of_program_(std::move(end_of_program))
{
}

void Host::raise_load()
{
    if (handlers_.load != nullptr) {
        run(handlers_.load);
    }
}

void Host::click(const Button& button)
{
    for (const ClickBinding& binding : handlers_.clicks) {
        if (&(form_.*binding.button) == &button) {
            run(binding.handler);
            return;
        }
    }
}

void Host::type_text(TextBox& box, std::string text)
{
    if (ended_ || handler_running_ || !box.Enabled || !box.Visible) {
        return;
    }
    box.Text = std::move(text);
}

void Host::window_closed()
{
    if (!ended_) {
        ended_ = true;
        if (end_of_program_) {
            end_of_program_();
        }
    }
}

void Host::run(Handler handler)
{
    if (ended_ || handler_running_) {
        return;
    }
    handler_running_ = true;
    try {
        handler(form_, *this);
        handler_running_ = false;
    } catch (const ProgramEnded&) {
        handler_running_ = false;
        if (end_of_program_) {
            end_of_program_();
        }
    } catch (const HostError& error) {
        handler_running_ = false;
        reporter_.report(error);
    }
}

double Host::number_in(const TextBox& box) const
{
    const std::string& text = box.Text;
    const NumberReading reading = number_from_text(text, decimal_separator_);
    if (reading.problem != NumberProblem::None) {
        throw ConversionError(box.name(), box.description().quantity, text, reading.problem, decimal_separator_);
    }
    return reading.value;
}

std::string Host::text_of(double value) const
{
    return text_from_number(value, decimal_separator_);
}

Colour Host::palette_colour(int index)
{
    // The 16-colour QuickBASIC palette.
    static constexpr std::array<Colour, 16> kPalette{
        Colour::from_rgb(0, 0, 0),       Colour::from_rgb(0, 0, 128),     Colour::from_rgb(0, 128, 0),
        Colour::from_rgb(0, 128, 128),   Colour::from_rgb(128, 0, 0),     Colour::from_rgb(128, 0, 128),
        Colour::from_rgb(128, 128, 0),   Colour::from_rgb(192, 192, 192), Colour::from_rgb(128, 128, 128),
        Colour::from_rgb(0, 0, 255),     Colour::from_rgb(0, 255, 0),     Colour::from_rgb(0, 255, 255),
        Colour::from_rgb(255, 0, 0),     Colour::from_rgb(255, 0, 255),   Colour::from_rgb(255, 255, 0),
        Colour::from_rgb(255, 255, 255),
    };
    return kPalette.at(static_cast<std::size_t>(index & 0xF));
}

void Host::check_arithmetic(double result) const
{
    // The operands are always finite (number_in refuses anything else), so a result
    // that is not finite means the operation overflowed, divided by zero or was
    // invalid. Testing the result is exact and does not depend on the compiler
    // keeping the floating-point status flags intact.
    if (!std::isfinite(result)) {
        throw ArithmeticError(decimal_separator_);
    }
}

void Host::end_program()
{
    ended_ = true;
    throw ProgramEnded{};
}

} // namespace torvanel
