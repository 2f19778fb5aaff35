#pragma once

#include "core/control_model.hpp"
#include "core/worked_calculation.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvanel {

// The words every view gives assistive technology and menus, so all say the same.

// What a control is called: an entry box or a result label by its quantity and
// column, "Tensione V (volt), input dati"; the help box "Testo di aiuto"; a button its
// caption. Empty for the other labels, whose name is what they show.
std::string accessible_name(const ControlDescription& control);

// What a button does, said after its caption: the captions are terse, and HELP and
// EXIT HELP are English. Empty for other controls.
std::string control_purpose(const ControlDescription& control);

// A result label's name: "Tensione V (volt), risultati", then ": " and the result
// with its unit in words when there is one. One object: the unit drawn beside the
// figure is part of it, and how the result came about is its description.
std::string result_label_name(const ControlDescription& label, std::string_view result);

// What a screen reader is told when a property changed away from the focus: a result
// with how it came about, the formula in use, the help text shown or hidden. Empty when
// there is nothing to say.
std::string announcement(const Form& form, const Control& control, PropertyName property, char decimal_separator);

// A result's tooltip: the result with its unit, how it came about, and how to copy it
// from the keyboard. Empty for no result.
std::string result_tooltip(std::string_view result_with_unit, const std::optional<WorkedCalculation>& worked);

// What a screen reader is told when Ctrl+C or a menu entry copied a result (a figure,
// with or without its unit).
std::string copied_announcement(std::string_view copied);
// ... when a menu entry copied the worked calculation.
std::string calculation_copied_announcement(const WorkedCalculation& worked);
inline constexpr std::string_view kNothingToCopyWords = "Nessun risultato da copiare.";
inline constexpr std::string_view kBoxesEmptiedWords = "Caselle dei dati svuotate.";

// Why CALCOLO gave no result although every known box read: "Nessun risultato: R è
// zero.", "Nessun risultato: V e I sono zero."; the letters of the zero operands.
std::string zero_operands_announcement(const std::vector<std::string_view>& zero_symbols);

// The entries of a result's menu.
inline constexpr std::string_view kCopyResultWords = "Copia";
inline constexpr std::string_view kCopyResultWithUnitWords = "Copia con unità";
inline constexpr std::string_view kCopyCalculationWords = "Copia il calcolo";

} // namespace torvanel
