#include "core/presentation.hpp"

#include "core/control_words.hpp"
#include "core/number_reading.hpp"
#include "core/spoken_words.hpp"
#include "core/value_descriptions.hpp"

#include <algorithm>
#include <array>

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
            result_statement(static_cast<const Label&>(control).Caption.get(), separator_, unit);
        shown_calculation_ = worked_calculation(form_, separator_);
        // The name says the result; the description how it came about.
        return ControlDescriptionText{result_tooltip(reading, shown_calculation_),
                                      shown_calculation_ ? shown_calculation_->said() : std::string()};
    }
    return std::nullopt;
}

std::vector<std::pair<const TextBox*, ControlDescriptionText>> Presentation::readings() const
{
    std::vector<std::pair<const TextBox*, ControlDescriptionText>> readings;
    for (const TextBox* box : {&form_.VoltInput, &form_.OhmInput, &form_.AmpereInput}) {
        if (box->Enabled) {
            std::string reading = reading_description(box->Text.get(), separator_, box->description().unit);
            std::string said = spoken_words(reading);
            readings.emplace_back(box, ControlDescriptionText{std::move(reading), std::move(said)});
        }
    }
    return readings;
}

std::string Presentation::accessible_name(const Control& control) const
{
    const ControlDescription& description = control.description();
    if (control.kind() != ControlKind::Label || description.unit == Unit::None) {
        return torvanel::accessible_name(description);
    }
    const std::string& caption = static_cast<const Label&>(control).Caption.get();
    return result_label_name(description, result_statement(caption, separator_, description.unit));
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
    if (caption.empty()) {
        return {{kCopyResultWords, std::nullopt, {}},
                {kCopyResultWithUnitWords, std::nullopt, {}},
                {kCopyCalculationWords, std::nullopt, {}}};
    }
    // A figure or nothing: a caption that does not read gives no copy with its unit.
    std::optional<std::string> with_unit;
    std::string with_unit_copied;
    if (std::string figure = result_description(caption, separator_, label.description().unit); !figure.empty()) {
        with_unit_copied = copied_announcement(figure);
        with_unit = std::move(figure);
    }
    std::optional<std::string> calculation;
    std::string calculation_copied;
    if (shown_calculation_) {
        calculation = shown_calculation_->text();
        calculation_copied = calculation_copied_announcement(*shown_calculation_);
    }
    return {{kCopyResultWords, caption, copied_announcement(caption)},
            {kCopyResultWithUnitWords, std::move(with_unit), std::move(with_unit_copied)},
            {kCopyCalculationWords, std::move(calculation), std::move(calculation_copied)}};
}

const Control* Presentation::latest_result_label() const
{
    return latest_result(form_);
}

Presentation::Copy Presentation::copy_result() const
{
    const Label* result = latest_result(form_);
    if (result == nullptr) {
        return Copy{std::nullopt, std::string(kNothingToCopyWords)};
    }
    return Copy{result->Caption.get(), copied_announcement(result->Caption.get())};
}

const Control& Presentation::focus_to_restore() const
{
    // The control that had it, when it still can.
    return next_in_tab_order(focused_, false, 0);
}

const Control& Presentation::next_in_tab_order(const Control* from, bool backwards) const
{
    return next_in_tab_order(from, backwards, 1);
}

const Control& Presentation::next_in_tab_order(const Control* from, bool backwards, std::size_t first_step) const
{
    std::vector<const Control*> order;
    for (const Control* control : form_.controls()) {
        if (control->kind() != ControlKind::Label) {
            order.push_back(control);
        }
    }
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->description().tab_index < b->description().tab_index;
    });
    const auto can_take_focus = [](const Control* control) {
        const auto* box = dynamic_cast<const TextBox*>(control);
        return box == nullptr || (box->Enabled && box->Visible);
    };
    const std::size_t size = order.size();
    const auto found = std::find(order.begin(), order.end(), from);
    // From nowhere, Tab starts at the first control and Shift+Tab at the last.
    const std::size_t start = found != order.end() ? static_cast<std::size_t>(found - order.begin())
                              : backwards          ? 0
                                                   : size - 1;
    for (std::size_t step = found != order.end() ? first_step : 1; step <= size; ++step) {
        const std::size_t at = backwards ? (start + size - step % size) % size : (start + step) % size;
        if (can_take_focus(order[at])) {
            return *order[at];
        }
    }
    return *order.front(); // the buttons always can
}

bool Presentation::hand_over_typing(Host& host, TextBox& box, std::string text)
{
    try {
        host.type_text(box, std::move(text));
    } catch (...) {
        if (std::find(refused_typing_.begin(), refused_typing_.end(), &box) == refused_typing_.end()) {
            refused_typing_.push_back(&box);
        }
        host.report(std::current_exception());
        return false;
    }
    std::erase(refused_typing_, &box);
    return true;
}

Presentation::ClickOutcome Presentation::click(Host& host, const Button& button, const ShownText& shown_text)
{
    const std::vector<TextBox*> refused = refused_typing_;
    for (TextBox* box : refused) {
        if (!hand_over_typing(host, *box, shown_text(*box))) {
            return {};
        }
    }
    before_click();
    host.click(button);
    ClickOutcome outcome{true, {}, {}};
    if (host.has_ended()) {
        return outcome;
    }
    if (&button == &form_.CALCOLO) {
        outcome.readings = readings();
    }
    outcome.announcement = after_click(button);
    return outcome;
}

void Presentation::before_click()
{
    boxes_had_text_ = false;
    for (const TextBox* box : {&form_.VoltInput, &form_.OhmInput, &form_.AmpereInput}) {
        boxes_had_text_ = boxes_had_text_ || !box->Text.get().empty();
    }
}

std::string Presentation::after_click(const Control& button) const
{
    const std::array boxes{&form_.VoltInput, &form_.OhmInput, &form_.AmpereInput};
    if (&button == &form_.CALCOLO && latest_result(form_) == nullptr) {
        std::vector<std::string_view> zeros;
        for (const TextBox* box : boxes) {
            if (!box->Enabled) {
                continue;
            }
            const NumberReading reading = number_from_text(box->Text.get(), separator_, box->description().unit);
            if (reading.problem != NumberProblem::None) {
                return {}; // the message box tells why
            }
            if (reading.value == 0) {
                zeros.push_back(quantity_symbol(box->description().unit));
            }
        }
        return zeros.empty() ? std::string() : zero_operands_announcement(zeros);
    }
    const bool emptied =
        std::all_of(boxes.begin(), boxes.end(), [](const TextBox* box) { return box->Text.get().empty(); });
    if (button.description().unit != Unit::None && boxes_had_text_ && emptied) {
        return std::string(kBoxesEmptiedWords);
    }
    return {};
}

} // namespace torvanel
