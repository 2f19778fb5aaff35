#pragma once

#include "core/control_model.hpp"

#include <optional>
#include <string>

namespace torvanel {

// How the result shown came about, as a teacher writes it on the board: the formula
// with the two values as they were read and the result, each with a prefix and its
// unit; the power that the values give; for a resistance, the nearest standard
// resistors. In the locale's number format.
struct WorkedCalculation {
    std::string line;            // "V = R × I = 4,7 kΩ × 2 mA = 9,4 V"
    std::string power;           // "P = V × I = 18,8 mW"
    std::string standard_values; // "E12: 560 Ω – 680 Ω\nE24: 560 Ω – 620 Ω", empty but for a resistance

    // All of it, a part a line: what "Copia il calcolo" copies.
    std::string text() const;
    // All of it as a screen reader hears it, a sentence a part, in words: "V uguale R
    // per I uguale 4,7 chiloohm per 2 milliampere uguale 9,4 volt. potenza 18,8 milliwatt".
    std::string said() const;
};

// The result the window shows now (one row at most has one); null when none.
const Label* latest_result(const Form& form);

// The worked calculation of the result the form shows; none when it shows none or
// the known boxes no longer read.
std::optional<WorkedCalculation> worked_calculation(const Form& form, char decimal_separator);

// The standard values of an E-series (12 or 24 to a decade) nearest to a positive
// resistance, below and above: "E12: 560 Ω – 680 Ω", or "E12: 470 Ω (valore standard)".
std::string standard_neighbours(double ohms, int series, char decimal_separator);

} // namespace torvanel
