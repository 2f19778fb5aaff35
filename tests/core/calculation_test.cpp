#include "core/program_harness.hpp"

#include <gtest/gtest.h>

#include <string>

namespace torvanel {
namespace {

using testing::Program;

enum class Unknown { V, R, I };

struct CalculationCase {
    const char* name;
    Unknown unknown;
    char separator;
    std::string volt, ohm, ampere; // texts typed into the known boxes ("" for the unknown)
    // The expected texts afterwards.
    std::string volt_after, ohm_after, ampere_after;
    std::string result; // in the unknown row's result label
    int errors = 0;
};

void select(Program& program, Unknown unknown)
{
    program.click(unknown == Unknown::V   ? program.form.VOLT
                  : unknown == Unknown::R ? program.form.OHM
                                          : program.form.AMPERE);
}

class Calculation : public ::testing::TestWithParam<CalculationCase> {};

TEST_P(Calculation, LeavesTheBoxesAsExpected)
{
    const CalculationCase& c = GetParam();
    Program program(c.separator);
    Form& form = program.form;
    select(program, c.unknown);
    program.type(form.VoltInput, c.volt);
    program.type(form.OhmInput, c.ohm);
    program.type(form.AmpereInput, c.ampere);
    program.click(form.CALCOLO);

    EXPECT_EQ(form.VoltInput.Text.get(), c.volt_after);
    EXPECT_EQ(form.OhmInput.Text.get(), c.ohm_after);
    EXPECT_EQ(form.AmpereInput.Text.get(), c.ampere_after);
    const Label& result = c.unknown == Unknown::V   ? form.VoltOutput
                          : c.unknown == Unknown::R ? form.OhmOutput
                                                    : form.AmpereOutput;
    EXPECT_EQ(result.Caption.get(), c.result);
    // The known rows never show a result.
    for (const Label* label : {&form.VoltOutput, &form.OhmOutput, &form.AmpereOutput}) {
        if (label != &result) {
            EXPECT_EQ(label->Caption.get(), "") << label->name();
        }
    }
    EXPECT_EQ(static_cast<int>(program.reporter.errors.size()), c.errors);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Calculation,
    ::testing::Values(
        // Voltage unknown.
        CalculationCase{"AllEmptyBecomeZero", Unknown::V, '.', "", "", "", "0", "0", "0", ""},
        CalculationCase{"Product", Unknown::V, '.', "", "2", "3", "", "2", "3", "6"},
        CalculationCase{"ZeroResistanceGivesNothing", Unknown::V, '.', "", "0", "5", "0", "0", "5", ""},
        CalculationCase{"ZeroSpelledOtherwise", Unknown::V, '.', "", "-0.0e5", "5", "0", "-0.0e5", "5", ""},
        CalculationCase{"EmptyFactorCountsAsZero", Unknown::V, '.', "", "7", "", "0", "7", "0", ""},
        CalculationCase{"Overflow", Unknown::V, '.', "", "1E200", "1E200", "", "1E200", "1E200", "", 1},
        CalculationCase{"ProductUnderflowShowsZero", Unknown::V, '.', "", "1e-200", "1e-200", "", "1e-200", "1e-200",
                        "0"},
        // A factor below the normal range holds few digits, and so does the product.
        CalculationCase{"SubnormalFactorLimitsTheDigits", Unknown::V, '.', "", "1E308", "1E-320", "", "1E308", "1E-320",
                        "1E-12"},
        CalculationCase{"LettersFail", Unknown::V, '.', "", "abc", "3", "0", "abc", "3", "", 1},
        CalculationCase{"BlanksFail", Unknown::V, '.', "", "   ", "3", "0", "   ", "3", "", 1},
        // Both values are converted before the zero test: a zero never hides a bad text.
        CalculationCase{"ZeroDoesNotHideABadText", Unknown::V, '.', "", "0", "abc", "0", "0", "abc", "", 1},
        CalculationCase{"ResistorCodeAndMilli", Unknown::V, ',', "", "4k7", "2m", "", "4k7", "2m", "9,4"},
        CalculationCase{"ZeroWithPrefixGivesNothing", Unknown::V, '.', "", "0k", "5", "0", "0k", "5", ""},
        CalculationCase{"CurrentInTheVoltageBox", Unknown::R, ',', "20 mA", "", "1", "20 mA", "0", "1", "", 1},
        CalculationCase{"CommaLocaleProduct", Unknown::V, ',', "", "1,5", "2", "", "1,5", "2", "3"},
        // Resistance unknown.
        CalculationCase{"Quotient", Unknown::R, '.', "10", "", "4", "10", "", "4", "2.5"},
        CalculationCase{"QuotientCommaLocale", Unknown::R, ',', "10", "", "4", "10", "", "4", "2,5"},
        CalculationCase{"NegativeVoltage", Unknown::R, '.', "-5", "", "2", "-5", "", "2", "-2.5"},
        CalculationCase{"ZeroVoltageGivesNothing", Unknown::R, '.', "0", "", "4", "0", "0", "4", ""},
        CalculationCase{"ZeroCurrentGivesNothing", Unknown::R, '.', "5", "", "000", "5", "0", "000", ""},
        CalculationCase{"QuotientOverflow", Unknown::R, '.', "1e300", "", "1e-300", "1e300", "", "1e-300", "", 1},
        CalculationCase{"QuotientUnderflowShowsZero", Unknown::R, '.', "-1e-300", "", "1e300", "-1e-300", "", "1e300",
                        "0"},
        CalculationCase{"SubnormalQuotientShowsItsOwnDigits", Unknown::R, '.', "1e-300", "", "1e10", "1e-300", "",
                        "1e10", "1E-310"},
        CalculationCase{"WrongSeparatorFails", Unknown::R, ',', "2.5", "", "1", "2.5", "0", "1", "", 1},
        // Current unknown.
        CalculationCase{"OneThird", Unknown::I, '.', "1", "3", "", "1", "3", "", "0.333333333333333"},
        CalculationCase{"TwoThirds", Unknown::I, '.', "2", "3", "", "2", "3", "", "0.666666666666667"},
        CalculationCase{"LargeResultInExponentForm", Unknown::I, '.', "1e20", "2", "", "1e20", "2", "", "5E+19"},
        CalculationCase{"ZeroResistanceRefused", Unknown::I, '.', "9", "0", "", "9", "0", "0", ""}),
    [](const ::testing::TestParamInfo<CalculationCase>& info) { return std::string(info.param.name); });

TEST(CalculationTwice, ShowsTheSameResultAgain)
{
    Program program;
    program.type(program.form.OhmInput, "2");
    program.type(program.form.AmpereInput, "3");
    program.click(program.form.CALCOLO);
    program.click(program.form.CALCOLO);
    EXPECT_EQ(program.form.VoltOutput.Caption.get(), "6");
    EXPECT_EQ(program.form.VoltInput.Text.get(), "");
}

TEST(CalculationFailure, ConversionErrorNamesTheBoxAndQuotesItsText)
{
    Program program;
    program.type(program.form.OhmInput, "12");
    program.type(program.form.AmpereInput, "dodici");
    program.click(program.form.CALCOLO);

    ASSERT_EQ(program.reporter.errors.size(), 1u);
    const auto& error = program.reporter.errors.front();
    EXPECT_TRUE(error.is_conversion);
    EXPECT_EQ(error.control, "AmpereInput");
    EXPECT_NE(error.message.find("Corrente I (ampere)"), std::string::npos) << error.message;
    EXPECT_NE(error.message.find("\"dodici\""), std::string::npos) << error.message;
    // What the user typed is kept.
    EXPECT_EQ(program.form.AmpereInput.Text.get(), "dodici");
}

TEST(CalculationFailure, UpperBoxIsReportedFirst)
{
    Program program;
    program.click(program.form.AMPERE);
    program.type(program.form.VoltInput, "x");
    program.type(program.form.OhmInput, "y");
    program.click(program.form.CALCOLO);
    ASSERT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_EQ(program.reporter.errors.front().control, "VoltInput");
}

TEST(CalculationFailure, WrongSeparatorMessageSaysWhichToUse)
{
    Program program(',');
    program.type(program.form.OhmInput, "2.5");
    program.type(program.form.AmpereInput, "1");
    program.click(program.form.CALCOLO);
    ASSERT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_EQ(program.reporter.errors.front().problem, NumberProblem::WrongSeparator);
    EXPECT_NE(program.reporter.errors.front().message.find("Usare la virgola"), std::string::npos);
}

TEST(CalculationFailure, OverflowIsReportedAndTheProgramGoesOn)
{
    Program program;
    program.type(program.form.OhmInput, "1e200");
    program.type(program.form.AmpereInput, "1e200");
    program.click(program.form.CALCOLO);
    ASSERT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_FALSE(program.reporter.errors.front().is_conversion);
    EXPECT_NE(program.reporter.errors.front().message.find("rappresentare"), std::string::npos);

    program.type(program.form.AmpereInput, "2");
    program.click(program.form.CALCOLO);
    EXPECT_EQ(program.form.VoltOutput.Caption.get(), "2E+200");
    EXPECT_EQ(program.reporter.errors.size(), 1u);
}

TEST(CalculationFailure, OutOfRangeInputIsAConversionError)
{
    Program program;
    program.type(program.form.OhmInput, "1e999");
    program.type(program.form.AmpereInput, "1");
    program.click(program.form.CALCOLO);
    ASSERT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_EQ(program.reporter.errors.front().problem, NumberProblem::OutOfRange);
    EXPECT_EQ(program.form.VoltInput.Text.get(), "0");
}

} // namespace
} // namespace torvanel

namespace torvanel {
namespace {

struct FailingBoxCase {
    const char* name;
    Button Form::*selection;
    TextBox Form::*failing;
    TextBox Form::*other_known;
    const char* quantity;
    Label Form::*result;
    const char* result_after_fix; // with the failing box 2 and the other 4
};

class ConversionFailureInEachRow : public ::testing::TestWithParam<FailingBoxCase> {};

TEST_P(ConversionFailureInEachRow, IsReportedAndTheNextCalculationWorks)
{
    const FailingBoxCase& c = GetParam();
    testing::Program program;
    Form& form = program.form;
    program.click(form.*c.selection);
    program.type(form.*c.other_known, "4");
    program.type(form.*c.failing, "quattro");
    program.click(form.CALCOLO);
    ASSERT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_EQ(program.reporter.errors.front().control, (form.*c.failing).name());
    EXPECT_NE(program.reporter.errors.front().message.find(c.quantity), std::string::npos);
    EXPECT_EQ((form.*c.failing).Text.get(), "quattro");

    program.type(form.*c.failing, "2");
    program.click(form.CALCOLO);
    EXPECT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_EQ((form.*c.result).Caption.get(), c.result_after_fix);
}

INSTANTIATE_TEST_SUITE_P(Rows, ConversionFailureInEachRow,
                         ::testing::Values(FailingBoxCase{"ResistanceForVoltage", &Form::VOLT, &Form::OhmInput,
                                                          &Form::AmpereInput, "Resistenza R", &Form::VoltOutput, "8"},
                                           FailingBoxCase{"CurrentForVoltage", &Form::VOLT, &Form::AmpereInput,
                                                          &Form::OhmInput, "Corrente I", &Form::VoltOutput, "8"},
                                           FailingBoxCase{"VoltageForResistance", &Form::OHM, &Form::VoltInput,
                                                          &Form::AmpereInput, "Tensione V", &Form::OhmOutput, "0.5"},
                                           FailingBoxCase{"CurrentForResistance", &Form::OHM, &Form::AmpereInput,
                                                          &Form::VoltInput, "Corrente I", &Form::OhmOutput, "2"},
                                           FailingBoxCase{"VoltageForCurrent", &Form::AMPERE, &Form::VoltInput,
                                                          &Form::OhmInput, "Tensione V", &Form::AmpereOutput, "0.5"},
                                           FailingBoxCase{"ResistanceForCurrent", &Form::AMPERE, &Form::OhmInput,
                                                          &Form::VoltInput, "Resistenza R", &Form::AmpereOutput, "2"}),
                         [](const ::testing::TestParamInfo<FailingBoxCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace torvanel
