#include "core/program_harness.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvanel {
namespace {

using testing::kRed;
using testing::kWhite;
using testing::Program;
using testing::RowSnapshot;
using testing::snapshot;

struct SelectionCase {
    const char* name;
    Button Form::*button;
    std::size_t unknown_row; // 0 V, 1 R, 2 I
    const char* formula;
};

class Selection : public ::testing::TestWithParam<SelectionCase> {};

// From every starting state, with typed input and a shown result, the selection
// empties all six boxes and recolours the rows.
TEST_P(Selection, FromEveryStartingStateEmptiesAndRecolours)
{
    const SelectionCase& c = GetParam();
    for (Button Form::*start : {&Form::VOLT, &Form::OHM, &Form::AMPERE}) {
        Program program;
        Form& form = program.form;
        program.click(form.*start);
        for (TextBox* box : {&form.VoltInput, &form.OhmInput, &form.AmpereInput}) {
            program.type(*box, "4");
        }
        program.click(form.CALCOLO);
        ASSERT_EQ(program.reporter.errors.size(), 0u);

        program.click(form.*c.button);

        std::vector<RowSnapshot> expected(3, RowSnapshot{"", true, "", kWhite, kRed});
        expected[c.unknown_row] = RowSnapshot{"", false, "", kRed, kWhite};
        EXPECT_EQ(snapshot(form), expected) << "starting from " << (form.*start).name();
        EXPECT_EQ(form.Formula.Caption.get(), c.formula);
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, Selection,
                         ::testing::Values(SelectionCase{"VOLT", &Form::VOLT, 0, "V = R * I"},
                                           SelectionCase{"OHM", &Form::OHM, 1, "R = V / I"},
                                           SelectionCase{"AMPERE", &Form::AMPERE, 2, "I = V / R"}),
                         [](const ::testing::TestParamInfo<SelectionCase>& info) {
                             return std::string(info.param.name);
                         });

// R unknown, V = 10 and I = 4 typed, 2.5 shown.
void show_resistance_result(Program& program)
{
    Form& form = program.form;
    program.click(form.OHM);
    program.type(form.VoltInput, "10");
    program.type(form.AmpereInput, "4");
    program.click(form.CALCOLO);
    ASSERT_EQ(form.OhmOutput.Caption.get(), "2.5");
}

TEST(Selection, SameButtonAgainOnlyEmptiesTheBoxes)
{
    Program program;
    Form& form = program.form;
    show_resistance_result(program);

    std::vector<std::string> changed;
    form.set_observer([&](const Control& control, PropertyName property) {
        changed.push_back(std::string(control.name()) + (property == PropertyName::Text ? ".Text" : ".Caption"));
        EXPECT_TRUE(property == PropertyName::Text || property == PropertyName::Caption);
    });
    program.click(form.OHM);
    // Selected row first, then V and I.
    EXPECT_EQ(changed, (std::vector<std::string>{"OhmOutput.Caption", "VoltInput.Text", "AmpereInput.Text"}));
}

std::string property_label(const Control& control, PropertyName property)
{
    static constexpr const char* kNames[] = {"Text", "Caption", "Enabled", "Visible", "Background"};
    return std::string(control.name()) + "." + kNames[static_cast<int>(property)];
}

TEST(Selection, StepsRunRowByRowSelectedRowFirst)
{
    Program program;
    Form& form = program.form;
    show_resistance_result(program);

    std::vector<std::string> changes;
    form.set_observer(
        [&](const Control& control, PropertyName property) { changes.push_back(property_label(control, property)); });
    program.click(form.AMPERE);
    // Rows I, R, V; within a row Enabled, Text, Caption, then the two backgrounds.
    // Only real changes are seen, so unchanged steps leave no trace.
    const std::vector<std::string> expected{
        "AmpereInput.Enabled", "AmpereInput.Text",  "AmpereInput.Background", "AmpereOutput.Background",
        "OhmInput.Enabled",    "OhmOutput.Caption", "OhmInput.Background",    "OhmOutput.Background",
        "VoltInput.Text",      "Formula.Caption",
    };
    EXPECT_EQ(changes, expected);
}

TEST(Selection, CalculationFollowsTheDisabledBox)
{
    Program program;
    Form& form = program.form;
    program.click(form.AMPERE);
    program.type(form.VoltInput, "1");
    program.type(form.OhmInput, "3");
    program.click(form.CALCOLO);
    EXPECT_EQ(form.AmpereOutput.Caption.get(), "0.333333333333333");

    program.click(form.VOLT);
    EXPECT_EQ(form.AmpereOutput.Caption.get(), "");
    program.type(form.OhmInput, "3");
    program.type(form.AmpereInput, "1");
    program.click(form.CALCOLO);
    EXPECT_EQ(form.VoltOutput.Caption.get(), "3");
}

TEST(Selection, DisabledBoxCannotBeTypedInto)
{
    Program program;
    program.click(program.form.OHM);
    program.type(program.form.OhmInput, "5");
    EXPECT_EQ(program.form.OhmInput.Text.get(), "");
}

} // namespace
} // namespace torvanel
