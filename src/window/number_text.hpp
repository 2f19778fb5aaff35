#pragma once

#include <string>
#include <string_view>

namespace torvanel {

enum class NumberProblem {
    None,
    NotANumber,     // does not follow the number grammar
    WrongSeparator, // uses the other decimal separator than the locale's
    OutOfRange,     // beyond the range of a double
};

struct NumberReading {
    double value = 0;
    NumberProblem problem = NumberProblem::None;
};

// Reads a number the way a user types it: blanks (spaces, tabs) around it, an
// optional sign, digits with at most one decimal separator and at least one digit,
// an optional exponent (E or e, optional sign, digits). No grouping, no inf, nan
// or hexadecimal. A magnitude too small for a double rounds as the standard
// conversion rounds, down to zero. Linear in the length of the text.
NumberReading number_from_text(std::string_view text, char decimal_separator);

// Writes a double with at most 15 significant digits, no trailing zeros, the given
// separator, no grouping, '-' for negatives; exponent form (1E+15, 1.5E-07) when
// the decimal exponent is below -4 or at least 15. Negative zero is "0".
// Infinities and NaN are never shown by the program; they come out as "inf"/"nan".
std::string text_from_number(double value, char decimal_separator);

} // namespace torvanel
