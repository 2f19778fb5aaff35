#include "core/control_words.hpp"

#include "core/spoken_words.hpp"
#include "core/value_descriptions.hpp"

#include <utility>

namespace torvanel {
namespace {

// "Tensione V (volt), input dati": the entry boxes stand under Label1, the results under Label2.
std::string quantity_and_column(const ControlDescription& control)
{
    const char* heading = control.kind == ControlKind::TextBox ? "Label1" : "Label2";
    return std::string(control.quantity_name) + ", " + std::string(control_description(heading).caption_or_text);
}

// The worked calculation after a sentence, as a screen reader hears it.
std::string spoken(const std::optional<WorkedCalculation>& worked)
{
    return worked ? ". " + worked->said() : std::string();
}

} // namespace

std::string accessible_name(const ControlDescription& control)
{
    switch (control.kind) {
    case ControlKind::Button:
        return std::string(control.caption_or_text);
    case ControlKind::TextBox:
        return control.multi_line ? "Testo di aiuto" : quantity_and_column(control);
    case ControlKind::Label:
        return control.unit == Unit::None ? std::string() : quantity_and_column(control);
    }
    return {};
}

std::string control_purpose(const ControlDescription& control)
{
    static constexpr std::pair<std::string_view, std::string_view> kPurposes[] = {
        {"VOLT", "Sceglie come incognita la tensione V (volt)"},
        {"OHM", "Sceglie come incognita la resistenza R (ohm)"},
        {"AMPERE", "Sceglie come incognita la corrente I (ampere)"},
        {"CALCOLO", "Calcola l'incognita dai due valori dati"},
        {"HELP", "Mostra le istruzioni sopra i dati"},
        {"exithelp", "Nasconde le istruzioni"},
        {"Fine", "Chiude il programma"},
    };
    for (const auto& [button, purpose] : kPurposes) {
        if (button == control.name) {
            return std::string(purpose);
        }
    }
    return {};
}

std::string result_label_name(const ControlDescription& label, std::string_view result)
{
    return quantity_and_column(label) + (result.empty() ? "" : ": " + spoken_words(result));
}

std::string result_tooltip(std::string_view result_with_unit, const std::optional<WorkedCalculation>& worked)
{
    if (result_with_unit.empty()) {
        return {};
    }
    return std::string(result_with_unit) + (worked ? "\n" + worked->text() : "") + "\nCtrl+C copia il risultato";
}

std::string copied_announcement(std::string_view copied)
{
    return "Risultato copiato: " + spoken_words(copied);
}

std::string calculation_copied_announcement(const WorkedCalculation& worked)
{
    return "Calcolo copiato" + spoken(worked).replace(0, 1, ":");
}

std::string zero_operands_announcement(const std::vector<std::string_view>& zero_symbols)
{
    std::string words = "Nessun risultato: ";
    for (std::size_t i = 0; i < zero_symbols.size(); ++i) {
        words += std::string(i == 0 ? "" : " e ") + std::string(zero_symbols[i]);
    }
    return words + (zero_symbols.size() == 1 ? " è zero." : " sono zero.");
}

std::string announcement(const Form& form, const Control& control, PropertyName property, char decimal_separator)
{
    const ControlDescription& description = control.description();
    if (property == PropertyName::Caption && control.kind() == ControlKind::Label) {
        const std::string& caption = static_cast<const Label&>(control).Caption.get();
        if (caption.empty()) {
            return {};
        }
        if (description.name == "Formula") {
            return "Formula in uso: " + spoken_words(caption);
        }
        if (description.unit != Unit::None) {
            return std::string(description.quantity_name) +
                   ", risultato: " + spoken_words(result_statement(caption, decimal_separator, description.unit)) +
                   spoken(worked_calculation(form, decimal_separator));
        }
    } else if (property == PropertyName::Visible && description.multi_line) {
        return static_cast<const TextBox&>(control).Visible ? "Testo di aiuto visualizzato: premere Tab per leggerlo."
                                                            : "Testo di aiuto nascosto.";
    }
    return {};
}

} // namespace torvanel
