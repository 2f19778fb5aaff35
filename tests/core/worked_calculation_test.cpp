#include "core/program_harness.hpp"
#include "core/worked_calculation.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace torvanel {
namespace {

// A calculation typed as a user does it, and what the worked calculation then says.
struct WorkedCase {
    const Button Form::*unknown;
    const char* volts;
    const char* ohms;
    const char* amperes;
    const char* line;
    const char* power;
    const char* standard_values;
};

TEST(WorkedCalculation, ShowsTheValuesAsReadThePowerAndTheStandardResistors)
{
    const WorkedCase cases[] = {
        {&Form::VOLT, "", "4k7", "2m", "V = R × I = 4,7 kΩ × 2 mA = 9,4 V", "P = V × I = 18,8 mW", ""},
        {&Form::OHM, "10", "", "20 mA", "R = V / I = 10 V / 20 mA = 500 Ω", "P = V × I = 200 mW",
         "E12: 470 Ω – 560 Ω\nE24: 470 Ω – 510 Ω"},
        {&Form::OHM, "6", "", "10m", "R = V / I = 6 V / 10 mA = 600 Ω", "P = V × I = 60 mW",
         "E12: 560 Ω – 680 Ω\nE24: 560 Ω – 620 Ω"},
        // On the series; a decade's top goes to the next decade; below 1 Ω and above 1 MΩ.
        {&Form::OHM, "4,7", "", "1", "R = V / I = 4,7 V / 1 A = 4,7 Ω", "P = V × I = 4,7 W",
         "E12: 4,7 Ω (valore standard)\nE24: 4,7 Ω (valore standard)"},
        {&Form::OHM, "9,5", "", "1", "R = V / I = 9,5 V / 1 A = 9,5 Ω", "P = V × I = 9,5 W",
         "E12: 8,2 Ω – 10 Ω\nE24: 9,1 Ω – 10 Ω"},
        {&Form::OHM, "1", "", "4", "R = V / I = 1 V / 4 A = 250 mΩ", "P = V × I = 4 W",
         "E12: 220 mΩ – 270 mΩ\nE24: 240 mΩ – 270 mΩ"},
        {&Form::OHM, "1000", "", "0,4m", "R = V / I = 1 kV / 400 µA = 2,5 MΩ", "P = V × I = 400 mW",
         "E12: 2,2 MΩ – 2,7 MΩ\nE24: 2,4 MΩ – 2,7 MΩ"},
        {&Form::AMPERE, "-5", "1k", "", "I = V / R = -5 V / 1 kΩ = -5 mA", "P = V × I = 25 mW", ""},
        // Standard values that rounding leaves a hair below the series.
        {&Form::OHM, "0,47", "", "1", "R = V / I = 470 mV / 1 A = 470 mΩ", "P = V × I = 470 mW",
         "E12: 470 mΩ (valore standard)\nE24: 470 mΩ (valore standard)"},
        {&Form::OHM, "0,22", "", "1", "R = V / I = 220 mV / 1 A = 220 mΩ", "P = V × I = 220 mW",
         "E12: 220 mΩ (valore standard)\nE24: 220 mΩ (valore standard)"},
        // A hair below the top of a decade is the next decade's standard value.
        {&Form::OHM, "9,9999999999", "", "1", "R = V / I = 9,9999999999 V / 1 A = 9,9999999999 Ω",
         "P = V × I = 9,9999999999 W", "E12: 10 Ω (valore standard)\nE24: 10 Ω (valore standard)"},
        // A power beyond the largest double; results and powers that underflowed are no
        // zeros; below the normal range only the digits a value holds, also in what follows.
        {&Form::OHM, "1E200", "", "1E200", "R = V / I = 1E+200 V / 1E+200 A = 1 Ω",
         "P = V × I: fuori dall'intervallo dei numeri rappresentabili",
         "E12: 1 Ω (valore standard)\nE24: 1 Ω (valore standard)"},
        {&Form::OHM, "1E-300", "", "1E300", "R = V / I = 1E-300 V / 1E+300 A: troppo piccolo per essere rappresentato",
         "P = V × I = 1 W", ""},
        {&Form::AMPERE, "1E-200", "1E200", "",
         "I = V / R = 1E-200 V / 1E+200 Ω: troppo piccolo per essere rappresentato",
         "P = V × I: troppo piccolo per essere rappresentato", ""},
        {&Form::OHM, "1E-200", "", "1E-200", "R = V / I = 1E-200 V / 1E-200 A = 1 Ω",
         "P = V × I: troppo piccolo per essere rappresentato",
         "E12: 1 Ω (valore standard)\nE24: 1 Ω (valore standard)"},
        {&Form::OHM, "1E-300", "", "1E10", "R = V / I = 1E-300 V / 10 GA = 1E-310 Ω", "P = V × I = 1E-290 W",
         "E12: 1E-310 Ω (valore standard)\nE24: 1E-310 Ω (valore standard)"},
        {&Form::OHM, "5E-310", "", "1", "R = V / I = 5E-310 V / 1 A = 5E-310 Ω", "P = V × I = 5E-310 W",
         "E12: 4,7E-310 Ω – 5,6E-310 Ω\nE24: 4,7E-310 Ω – 5,1E-310 Ω"},
        {&Form::VOLT, "", "1E308", "1E-320", "V = R × I = 1E+308 Ω × 1E-320 A = 1 pV",
         "P = V × I: troppo piccolo per essere rappresentato", ""},
        {&Form::OHM, "1,5E-320", "", "1E300",
         "R = V / I = 1,5E-320 V / 1E+300 A: troppo piccolo per essere rappresentato", "P = V × I = 1,5E-20 W", ""},
    };
    for (const WorkedCase& c : cases) {
        testing::Program program(',');
        program.click(program.form.*c.unknown);
        program.type(program.form.VoltInput, c.volts);
        program.type(program.form.OhmInput, c.ohms);
        program.type(program.form.AmpereInput, c.amperes);
        program.click(program.form.CALCOLO);
        const auto worked = worked_calculation(program.form, ',');
        ASSERT_TRUE(worked.has_value()) << c.line;
        EXPECT_EQ(worked->line, c.line);
        EXPECT_EQ(worked->power, c.power) << c.line;
        EXPECT_EQ(worked->standard_values, c.standard_values) << c.line;
    }
}

TEST(WorkedCalculation, StandardValuesOnlyForAFinitePositiveResistance)
{
    EXPECT_EQ(standard_neighbours(1.7e308, 12, ','), "E12: fuori dall'intervallo dei numeri rappresentabili");
    EXPECT_EQ(standard_neighbours(1.5e308, 12, ','), "E12: 1,5E+308 Ω (valore standard)");
    for (const double none : {0.0, -0.0, -470.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(standard_neighbours(none, 24, ','), "E24: nessun valore standard") << none;
    }
}

TEST(WorkedCalculation, NoneWithoutAResult)
{
    testing::Program program(',');
    EXPECT_FALSE(worked_calculation(program.form, ',').has_value());
    program.type(program.form.OhmInput, "0");
    program.type(program.form.AmpereInput, "1");
    program.click(program.form.CALCOLO); // a zero operand: no result
    EXPECT_FALSE(worked_calculation(program.form, ',').has_value());
}

} // namespace
} // namespace torvanel
