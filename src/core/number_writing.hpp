#pragma once

#include "core/unit.hpp"

#include <string>
#include <string_view>

namespace torvanel {

// Writes a double with at most 15 significant digits, no trailing zeros, the given
// separator, no grouping, '-' for negatives; exponent form (1E+15, 1.5E-07) when
// the decimal exponent is below -4 or at least 15. Negative zero is "0".
// Infinities and NaN are never shown by the program; they come out as "inf"/"nan".
std::string text_from_number(double value, char decimal_separator);

// Whether a value is written as a number: finite, and zero or of a double's full
// precision. Infinities and the subnormal magnitudes below about 2,2E-308 are not.
bool writable(double value);

// What stands for a value that is not writable.
inline constexpr std::string_view kOutOfRangeWords = "fuori dall'intervallo dei numeri rappresentabili";

// The same value with an SI prefix and the unit, the number between 1 and 1000:
// "4,7 kΩ", "333,333333333333 mA". Outside p…T, and for zero, the form of
// text_from_number followed by the unit. A value that is not writable: kOutOfRangeWords.
std::string engineering_text(double value, char decimal_separator, Unit unit);

} // namespace torvanel
