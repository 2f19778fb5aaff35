#include "core/presentation.hpp"

#include "core/control_words.hpp"
#include "core/value_descriptions.hpp"

namespace torvanel {

std::optional<ControlDescriptionText> Presentation::described(const Control& control, PropertyName property)
{
    const Unit unit = control.description().unit;
    if (unit == Unit::None) {
        return std::nullopt;
    }
    if (control.kind() == ControlKind::TextBox && property == PropertyName::Text) {
        // What was read from the old text no longer holds.
        const std::string examples = notation_examples(separator_, unit);
        return ControlDescriptionText{examples, examples};
    }
    if (control.kind() == ControlKind::Label && property == PropertyName::Caption) {
        const std::string reading =
            result_description(static_cast<const Label&>(control).Caption.get(), separator_, unit);
        shown_calculation_ = worked_calculation(form_, separator_);
        // A screen reader keeps the row and column beside the value.
        return ControlDescriptionText{result_tooltip(reading, shown_calculation_),
                                      result_label_description(control.description(), reading, shown_calculation_)};
    }
    return std::nullopt;
}

std::vector<std::pair<const TextBox*, std::string>> Presentation::readings() const
{
    std::vector<std::pair<const TextBox*, std::string>> readings;
    for (const TextBox* box : {&form_.VoltInput, &form_.OhmInput, &form_.AmpereInput}) {
        if (box->Enabled) {
            readings.emplace_back(box, reading_description(box->Text.get(), separator_, box->description().unit));
        }
    }
    return readings;
}

bool Presentation::shows_chosen(const Control& button) const
{
    // A selection button is chosen while its quantity's entry box is the disabled one.
    const Unit unit = button.description().unit;
    for (const TextBox* box : {&form_.VoltInput, &form_.OhmInput, &form_.AmpereInput}) {
        if (button.kind() == ControlKind::Button && unit != Unit::None && box->description().unit == unit) {
            return !box->Enabled;
        }
    }
    return false;
}

std::vector<Presentation::MenuEntry> Presentation::result_menu(const Control& label) const
{
    const std::string& caption = static_cast<const Label&>(label).Caption.get();
    std::optional<std::string> copy;
    std::optional<std::string> copy_with_unit;
    if (!caption.empty()) {
        copy = caption;
        copy_with_unit = result_description(caption, separator_, label.description().unit);
    }
    std::optional<std::string> calculation;
    if (shown_calculation_) {
        calculation = shown_calculation_->text();
    }
    return {{kCopyResultWords, std::move(copy)},
            {kCopyResultWithUnitWords, std::move(copy_with_unit)},
            {kCopyCalculationWords, std::move(calculation)}};
}

std::optional<Presentation::Copy> Presentation::copy_result() const
{
    const Label* result = latest_result(form_);
    if (result == nullptr) {
        return std::nullopt;
    }
    return Copy{result->Caption.get(), copied_announcement(result->Caption.get())};
}

} // namespace torvanel
