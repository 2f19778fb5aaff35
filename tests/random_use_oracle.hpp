#pragma once

// What random use of the window must leave, worked out without the program: every view
// is driven with the same random texts and checked against the same outcomes.

#include "reference_reading.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace torvanel::testing {

inline constexpr std::array<const char*, 3> kInputs{"VoltInput", "OhmInput", "AmpereInput"};
inline constexpr std::array<const char*, 3> kOutputs{"VoltOutput", "OhmOutput", "AmpereOutput"};
inline constexpr std::array<const char*, 3> kFormulas{"V = R * I", "R = V / I", "I = V / R"};
inline constexpr std::array<const char*, 7> kButtons{"VOLT", "OHM", "AMPERE", "CALCOLO", "HELP", "exithelp", "Fine"};

inline constexpr std::array<Unit, 3> kUnits{Unit::Volt, Unit::Ohm, Unit::Ampere};

// What CALCOLO must leave, worked out from the texts alone.
struct Outcome {
    std::array<std::string, 3> texts;
    std::string result;
    bool error = false;
};

inline Outcome expected_calculation(std::array<std::string, 3> texts, std::size_t unknown, char separator)
{
    Outcome outcome;
    for (std::string& text : texts) {
        if (text.empty()) {
            text = "0";
        }
    }
    outcome.texts = texts;
    std::array<double, 2> operands{};
    std::size_t next = 0;
    for (std::size_t row = 0; row < 3; ++row) {
        if (row == unknown) {
            continue;
        }
        if (texts[row].size() > 300) {
            ADD_FAILURE() << "random texts are short";
        }
        const testing::ReferenceReading reading = testing::reference_reading(texts[row], separator, kUnits[row]);
        if (reading.problem != NumberProblem::None) {
            outcome.error = true;
            return outcome;
        }
        operands[next++] = reading.value;
    }
    if (operands[0] == 0 || operands[1] == 0) {
        return outcome;
    }
    outcome.texts[unknown] = "";
    const double result = unknown == 0 ? operands[0] * operands[1] : operands[0] / operands[1];
    if (!std::isfinite(result)) {
        outcome.error = true;
        return outcome;
    }
    outcome.result = testing::reference_text(result, separator);
    return outcome;
}

// Mostly numbers as a user writes them, with the locale's separator; otherwise a
// jumble of digits, both separators, signs, exponents, letters, blanks and
// characters beyond ASCII; sometimes nothing.
inline std::string random_text(std::mt19937_64& random, char separator)
{
    static const std::vector<std::string> kJumble{
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",      ".", ",", "+",      "-",      "e",     "E",
        " ", " ", "a", "x", "Z", "k", "m", "M", "R", "\u00b5", "V", "A", "\u00e0", "\u20ac", "\u03a9"};
    static const std::vector<std::string> kSuffixes{"k",   "m", "M",     "\u00b5", " mA",     "V",     " k\u03a9",
                                                    "ohm", "A", " volt", "ma",     " Ampere", " volts"};
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> digit('0', '9');
    auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>(digit(random));
        }
        return text;
    };
    std::string text;
    if (percent(random) < 65) {
        std::uniform_int_distribution<int> length(1, 4);
        if (percent(random) < 15) {
            text += percent(random) < 50 ? '-' : '+';
        }
        text += digits(length(random));
        if (percent(random) < 40) {
            text += separator + digits(length(random));
        }
        if (percent(random) < 15) {
            text += percent(random) < 50 ? "E" : "e-";
            text += digits(length(random) % 3 + 1);
        }
        if (percent(random) < 25) {
            std::uniform_int_distribution<std::size_t> suffix(0, kSuffixes.size() - 1);
            text += kSuffixes[suffix(random)];
        }
        return text;
    }
    std::uniform_int_distribution<int> length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, kJumble.size() - 1);
    for (int i = length(random); i > 0; --i) {
        text += kJumble[pick(random)];
    }
    return text;
}

} // namespace torvanel::testing
