#include "core/host.hpp"

#include <array>
#include <cmath>
#include <exception>
#include <new>
#include <string>

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
    // Whatever leaves the handler, the host is ready for the next event afterwards
    // and nothing escapes into the toolkit's event loop.
    handler_running_ = true;
    bool program_ended = false;
    std::exception_ptr failure;
    try {
        handler(form_, *this);
    } catch (const ProgramEnded&) {
        program_ended = true;
    } catch (...) {
        failure = std::current_exception();
    }
    handler_running_ = false;
    if (program_ended && end_of_program_) {
        end_of_program_();
    }
    if (failure) {
        report(failure);
    }
}

void Host::report(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const HostError& error) {
        reporter_.report(error);
    } catch (const std::bad_alloc&) {
        reporter_.report(HostError("Memoria insufficiente per completare l'operazione.\n"
                                   "I dati scritti sono rimasti; con un testo più corto si può riprovare."));
    } catch (const std::exception& error) {
        reporter_.report(HostError(std::string("Errore interno del calcolatore: ") + error.what() +
                                   "\nIl calcolo è stato interrotto; i dati scritti sono rimasti."));
    } catch (...) {
        reporter_.report(HostError("Errore interno del calcolatore.\n"
                                   "Il calcolo è stato interrotto; i dati scritti sono rimasti."));
    }
}

double Host::number_in(const TextBox& box) const
{
    const std::string& text = box.Text;
    const ControlDescription& description = box.description();
    const NumberReading reading = number_from_text(text, decimal_separator_, description.unit);
    if (reading.problem != NumberProblem::None) {
        throw ConversionError(box.name(), description.quantity_name, text, reading, description.unit,
                              decimal_separator_);
    }
    return reading.value;
}

std::string Host::text_of(double value, int significant_digits) const
{
    return text_from_number(value, decimal_separator_, significant_digits);
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
    if (index < 0 || index >= static_cast<int>(kPalette.size())) {
        throw HostError("Colore " + std::to_string(index) + " non presente nella tavolozza di 16 colori.");
    }
    return kPalette[static_cast<std::size_t>(index)];
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
