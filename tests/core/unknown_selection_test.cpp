#include "core/program_harness.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
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

// After start's selection, 4 typed into every box that takes it, then CALCOLO.
void calculate_after(Program& program, Button Form::*start)
{
    Form& form = program.form;
    program.click(form.*start);
    for (TextBox* box : {&form.VoltInput, &form.OhmInput, &form.AmpereInput}) {
        program.type(*box, "4");
    }
    program.click(form.CALCOLO);
}

// From every starting state, with typed input and a shown result, the selection
// empties all six boxes and recolours the rows.
TEST_P(Selection, FromEveryStartingStateEmptiesAndRecolours)
{
    const SelectionCase& c = GetParam();
    for (Button Form::*start : {&Form::VOLT, &Form::OHM, &Form::AMPERE}) {
        Program program;
        Form& form = program.form;
        calculate_after(program, start);
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

std::string property_label(std::string_view control, PropertyName property)
{
    static constexpr const char* kNames[] = {"Text", "Caption", "Enabled", "Visible", "Background"};
    return std::string(control) + "." + kNames[static_cast<int>(property)];
}

// The steps of a selection, written out independently of the program's row table:
// the rows in the button's order, in each row Enabled, Text, Caption and the two
// backgrounds, last the formula. The observer sees only real changes, so the
// expected list keeps the steps that change something in the state before.
struct SelectionSteps {
    const char* name;
    Button Form::*button;
    std::array<std::size_t, 3> rows; // 0 V, 1 R, 2 I; the first is the selected one
    const char* formula;
};

std::vector<std::string> expected_changes(const SelectionSteps& steps, const std::vector<RowSnapshot>& before,
                                          const std::string& formula_before)
{
    static constexpr std::array<std::pair<const char*, const char*>, 3> kNames{
        {{"VoltInput", "VoltOutput"}, {"OhmInput", "OhmOutput"}, {"AmpereInput", "AmpereOutput"}}};
    std::vector<std::string> changes;
    for (const std::size_t row : steps.rows) {
        const bool unknown = row == steps.rows[0];
        const RowSnapshot& old = before[row];
        const auto [input, output] = kNames[row];
        if (old.enabled == unknown) {
            changes.push_back(property_label(input, PropertyName::Enabled));
        }
        if (!old.input.empty()) {
            changes.push_back(property_label(input, PropertyName::Text));
        }
        if (!old.output.empty()) {
            changes.push_back(property_label(output, PropertyName::Caption));
        }
        if (old.input_background != (unknown ? kRed : kWhite)) {
            changes.push_back(property_label(input, PropertyName::Background));
        }
        if (old.output_background != (unknown ? kWhite : kRed)) {
            changes.push_back(property_label(output, PropertyName::Background));
        }
    }
    if (formula_before != steps.formula) {
        changes.push_back(property_label("Formula", PropertyName::Caption));
    }
    return changes;
}

class SelectionStepOrder : public ::testing::TestWithParam<SelectionSteps> {};

TEST_P(SelectionStepOrder, FollowsTheRowsInTheButtonsOrderFromEveryState)
{
    const SelectionSteps& steps = GetParam();
    for (Button Form::*start : {&Form::VOLT, &Form::OHM, &Form::AMPERE}) {
        Program program;
        Form& form = program.form;
        calculate_after(program, start);
        // New texts in the known boxes, so that every row has something to empty.
        for (TextBox* box : {&form.VoltInput, &form.OhmInput, &form.AmpereInput}) {
            program.type(*box, "5");
        }
        const std::vector<std::string> expected = expected_changes(steps, snapshot(form), form.Formula.Caption.get());

        std::vector<std::string> changes;
        form.set_observer([&](const Control& control, PropertyName property) {
            changes.push_back(property_label(control.name(), property));
        });
        program.click(form.*steps.button);
        EXPECT_EQ(changes, expected) << "starting from " << (form.*start).name();
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectionStepOrder,
                         ::testing::Values(SelectionSteps{"VOLT", &Form::VOLT, {0, 1, 2}, "V = R * I"},
                                           SelectionSteps{"OHM", &Form::OHM, {1, 0, 2}, "R = V / I"},
                                           SelectionSteps{"AMPERE", &Form::AMPERE, {2, 1, 0}, "I = V / R"}),
                         [](const ::testing::TestParamInfo<SelectionSteps>& info) {
                             return std::string(info.param.name);
                         });

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
