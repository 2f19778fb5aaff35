#include "core/control_model.hpp"

#include <algorithm>
#include <stdexcept>

namespace torvanel {

TextBox::TextBox(const ChangeNotifier& notifier, std::string_view name)
    : Control(control_description(name)),
      Text(*this, notifier, PropertyName::Text, std::string(description().caption_or_text)),
      Enabled(*this, notifier, PropertyName::Enabled, true),
      Visible(*this, notifier, PropertyName::Visible, description().visible),
      Background(*this, notifier, PropertyName::Background, description().background)
{
}

Label::Label(const ChangeNotifier& notifier, std::string_view name)
    : Control(control_description(name)),
      Caption(*this, notifier, PropertyName::Caption, std::string(description().caption_or_text)),
      Background(*this, notifier, PropertyName::Background, description().background)
{
}

Form::Form()
    : controls_{&VOLT,      &OHM,      &AMPERE,      &CALCOLO,    &HELP,      &exithelp,     &Fine,  &Label1,  &Label2,
                &VoltInput, &OhmInput, &AmpereInput, &VoltOutput, &OhmOutput, &AmpereOutput, &LABEL, &Formula, &TESTO}
{
    // The members above and the window description must list the same controls.
    const auto& described = calculator_window_description().controls;
    if (described.size() != controls_.size() ||
        !std::equal(described.begin(), described.end(), controls_.begin(),
                    [](const ControlDescription& d, const Control* c) { return d.name == c->name(); })) {
        throw std::logic_error("the form and the window description list different controls");
    }
}

} // namespace torvanel
