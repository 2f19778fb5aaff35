#pragma once

// An independent reading of what a user typed into an entry box, for checking the
// program's own: a regular expression for the grammar, the notation rewritten into a
// plain decimal with an exponent, and std::strtod under the "C" locale for the value.
#include "core/number_reading.hpp"
#include "core/number_writing.hpp"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <regex>
#include <string>

namespace torvanel::testing {

// The "C" numeric conventions for this thread while it lives, whatever locale the
// application set: strtod and printf then use '.' as a user's locale may not. A
// Windows test program never leaves the "C" locale.
class CNumericLocale {
public:
#ifdef _WIN32
    CNumericLocale() = default;
    ~CNumericLocale() {} // NOLINT: held for its lifetime, as elsewhere
#else
    CNumericLocale() : c_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))), previous_(uselocale(c_)) {}
    ~CNumericLocale()
    {
        uselocale(previous_);
        freelocale(c_);
    }
#endif
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

#ifndef _WIN32
private:
    locale_t c_;
    locale_t previous_;
#endif
};

// printf's 15 significant digits, then the given separator: "%.15G" writes the same
// form as the program's results, by another route.
inline std::string reference_text(double value, char separator)
{
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    {
        const CNumericLocale c_locale;
        std::snprintf(buffer, sizeof buffer, "%.15G", value);
    }
    std::string text = buffer;
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

// The grammar with the given separator; `unit` is what may follow the number.
inline std::regex reference_grammar_with(const std::string& s, const std::string& unit)
{
    // sign; plain number, then an exponent or a prefix; or a resistor code; then a unit.
    const std::string prefix = "p|n|u|\xC2\xB5|\xCE\xBC|m|k|K|M|G|T";
    const std::string blank = "(?:[ \\t\\r\\n]|\xC2\xA0|\xE2\x80\xAF|\xE2\x80\x89)*";
    return std::regex("^" + blank + "([+-]?)(?:([0-9]+(?:" + s + "[0-9]*)?|" + s + "[0-9]+)(?:([eE][+-]?[0-9]+)|" +
                      blank + "(" + prefix + "))?|([0-9]*)(" + prefix + "|R)([0-9]+)|([0-9]+)R)" + blank + "(" + unit +
                      ")" + blank + "$");
}

inline const std::regex& reference_grammar(char separator)
{
    static const std::string kUnits = "(?:[vV]|[vV][oO][lL][tT]|[aA]|[aA][mM][pP][eE][rR][eE]|\xCE\xA9|"
                                      "\xE2\x84\xA6|[oO][hH][mM])?";
    static const std::regex kPoint = reference_grammar_with("\\.", kUnits);
    static const std::regex kComma = reference_grammar_with(",", kUnits);
    return separator == ',' ? kComma : kPoint;
}

// A number followed by letters (any non-ASCII byte counts as one) that are no unit and
// start with no prefix, no R, no E and no blank.
inline const std::regex& reference_unknown_unit(char separator)
{
    static const std::string kLetters =
        "(?!p|n|u|\xC2\xB5|\xCE\xBC|m|k|K|M|G|T|R|e|E|\xC2\xA0|\xE2\x80\xAF|\xE2\x80\x89)"
        "[A-Za-z\x80-\xFF]+";
    static const std::regex kPoint = reference_grammar_with("\\.", kLetters);
    static const std::regex kComma = reference_grammar_with(",", kLetters);
    return separator == ',' ? kComma : kPoint;
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
        if (std::regex_match(text, reference_grammar(other))) {
            return {NumberProblem::WrongSeparator};
        }
        return {std::regex_match(text, reference_unknown_unit(separator)) ? NumberProblem::UnknownUnit
                                                                          : NumberProblem::NotANumber};
    }
    ReferenceReading reading;
    const std::string unit = m[9];
    const char first = unit.empty() ? '\0' : static_cast<char>(unit.front() | 0x20);
    reading.unit = unit.empty() ? Unit::None : first == 'v' ? Unit::Volt : first == 'a' ? Unit::Ampere : Unit::Ohm;
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
    const CNumericLocale c_locale;
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
