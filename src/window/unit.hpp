#pragma once

#include <string_view>

namespace torvanel {

// The unit of a row; None where no unit belongs.
enum class Unit { None, Volt, Ohm, Ampere };

// "V", "Ω", "A" (empty for None) and "volt", "ohm", "ampere".
std::string_view unit_symbol(Unit unit);
std::string_view unit_name(Unit unit);

} // namespace torvanel
