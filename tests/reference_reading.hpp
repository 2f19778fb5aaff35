#pragma once

// An independent reading of what a user typed into an entry box, for checking the
// program's own: a regular expression for the grammar, the notation rewritten into a
// plain decimal with an exponent, and std::strtod under the "C" locale for the value.
#include "window/number_text.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

namespace torvanel::testing {

inline const std::regex& reference_grammar(char separator)
{
    // sign; plain number, then an exponent or a prefix; or a resistor code; then a unit.
    static const auto make = [](const std::string& s) {
        const std::string prefix = "p|n|u|\xC2\xB5|\xCE\xBC|m|k|K|M|G|T";
        return std::regex("^[ \\t]*([+-]?)(?:"
                          "([0-9]+(?:" +
                          s + "[0-9]*)?|" + s + "[0-9]+)(?:([eE][+-]?[0-9]+)|[ \\t]*(" + prefix +
                          "))?"
                          "|([0-9]*)(" +
                          prefix +
                          "|R)([0-9]+)|([0-9]+)R"
                          ")[ \\t]*(V|A|\xCE\xA9|\xE2\x84\xA6|[oO][hH][mM])?[ \\t]*$");
    };
    static const std::regex point = make("\\.");
    static const std::regex comma = make(",");
    return separator == ',' ? comma : point;
}

inline int reference_prefix_exponent(const std::string& prefix)
{
    if (prefix.empty() || prefix == "R") {
        return 0;
    }
    switch (prefix.back()) {
    case 'p':
        return -12;
    case 'n':
        return -9;
    case 'm':
        return -3;
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    case 'T':
        return 12;
    default:
        return -6; // u, µ, μ
    }
}

struct ReferenceReading {
    NumberProblem problem = NumberProblem::NotANumber;
    double value = 0;
    Unit unit = Unit::None;
};

// For texts of at most a few hundred characters (std::regex recurses per character).
inline ReferenceReading reference_reading(const std::string& text, char separator, Unit row_unit)
{
    std::smatch m;
    if (!std::regex_match(text, m, reference_grammar(separator))) {
        const char other = separator == ',' ? '.' : ',';
        const bool other_reads = std::regex_match(text, reference_grammar(other));
        return {other_reads ? NumberProblem::WrongSeparator : NumberProblem::NotANumber};
    }
    ReferenceReading reading;
    const std::string unit = m[9];
    reading.unit = unit.empty() ? Unit::None : unit == "V" ? Unit::Volt : unit == "A" ? Unit::Ampere : Unit::Ohm;
    if (reading.unit != Unit::None && reading.unit != row_unit) {
        reading.problem = NumberProblem::WrongUnit;
        return reading;
    }
    std::string c_text = m[1];
    if (m[2].matched) {
        std::string mantissa = m[2];
        for (char& c : mantissa) {
            c = c == separator ? '.' : c;
        }
        c_text += mantissa + (m[3].matched ? m[3].str() : "e" + std::to_string(reference_prefix_exponent(m[4])));
    } else if (m[6].matched) {
        c_text += m[5].str() + "." + m[7].str() + "e" + std::to_string(reference_prefix_exponent(m[6]));
    } else {
        c_text += m[8].str();
    }
    errno = 0;
    const double value = std::strtod(c_text.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) {
        reading.problem = NumberProblem::OutOfRange;
        return reading;
    }
    reading.problem = NumberProblem::None;
    reading.value = value;
    return reading;
}

} // namespace torvanel::testing
