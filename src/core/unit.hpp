#pragma once

#include <string_view>

namespace torvanel {

// The unit of a row, or of the power a calculation gives; None where no unit belongs.
enum class Unit { None, Volt, Ohm, Ampere, Watt };

// "V", "Ω", "A", "W" (empty for None) and "volt", "ohm", "ampere", "watt".
std::string_view unit_symbol(Unit unit);
std::string_view unit_name(Unit unit);
// The letter of the quantity in the formulas: "V", "R", "I", "P" (empty for None).
std::string_view quantity_symbol(Unit unit);

} // namespace torvanel
