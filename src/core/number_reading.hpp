#pragma once

#include "core/unit.hpp"

#include <string>
#include <string_view>

namespace torvanel {

enum class NumberProblem {
    None,
    NotANumber,     // does not follow the number grammar
    WrongSeparator, // uses the other decimal separator than the locale's
    OutOfRange,     // beyond the range of a double
    WrongUnit,      // carries the unit of another row
    UnknownUnit,    // a number, then letters that are no unit
};

struct NumberReading {
    double value = 0;
    NumberProblem problem = NumberProblem::None;
    Unit unit_written = Unit::None; // the unit the text names, when it names one
    bool underflowed = false;       // a magnitude too small for a double, read as zero
};

// Reads a number the way a user types it: blanks (spaces, tabs, line ends, no-break,
// narrow no-break and thin spaces) around it, an optional sign, digits with at most
// one decimal separator and at least one digit, an optional exponent (E or e,
// optional sign, digits). After the number, after optional blanks, an SI prefix
// (p n u µ m k K M G T, in that case; not with an exponent) and then optionally the
// row's unit, or the unit alone: V or volt, Ω or ohm, A or ampere, in any case. A resistor code puts the
// prefix letter, or R for ×1, where the separator would be: 4k7, R47, 2M2.
// The value is the correctly rounded double of the decimal value written. No
// grouping, no inf, nan or hexadecimal. A magnitude too small for a double rounds
// to zero. Linear in the length of the text.
NumberReading number_from_text(std::string_view text, char decimal_separator, Unit row_unit = Unit::None);

} // namespace torvanel
