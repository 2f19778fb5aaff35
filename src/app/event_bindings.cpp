#include "app/event_bindings.hpp"

#include "calculation/calculation.hpp"
#include "calculation/fine_button.hpp"
#include "calculation/unknown_selection.hpp"
#include "help/help_panel.hpp"

#include <array>

namespace torvanel {
namespace {

constexpr std::array kClickBindings{
    ClickBinding{&Form::VOLT, &on_volt_click},     ClickBinding{&Form::OHM, &on_ohm_click},
    ClickBinding{&Form::AMPERE, &on_ampere_click}, ClickBinding{&Form::CALCOLO, &on_calcolo_click},
    ClickBinding{&Form::HELP, &on_help_click},     ClickBinding{&Form::exithelp, &on_exithelp_click},
    ClickBinding{&Form::Fine, &on_fine_click},
};

} // namespace

ProgramHandlers calculator_handlers()
{
    return ProgramHandlers{&on_load, kClickBindings};
}

} // namespace torvanel
