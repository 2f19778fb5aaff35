#include "core/program_harness.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace torvanel {
namespace {

using testing::kRed;
using testing::kWhite;
using testing::Program;
using testing::RowSnapshot;
using testing::snapshot;

TEST(Startup, VoltageIsUnknownAndEverythingIsEmpty)
{
    Program program;
    const std::vector<RowSnapshot> expected{
        {"", false, "", kRed, kWhite},
        {"", true, "", kWhite, kRed},
        {"", true, "", kWhite, kRed},
    };
    EXPECT_EQ(snapshot(program.form), expected);
    EXPECT_EQ(program.form.Formula.Caption.get(), "V = R * I");
    EXPECT_FALSE(program.form.TESTO.Visible);
    EXPECT_EQ(program.end_calls, 0);
}

TEST(Startup, LoadSetsThePropertiesInItsFixedOrder)
{
    Form form;
    std::vector<std::pair<std::string, PropertyName>> changes;
    form.set_observer([&](const Control& control, PropertyName property) {
        changes.emplace_back(std::string(control.name()), property);
    });
    testing::RecordingReporter reporter;
    Host host(form, calculator_handlers(), reporter, '.', nullptr);
    host.raise_load();

    const std::vector<std::pair<std::string, PropertyName>> expected{
        {"VoltInput", PropertyName::Enabled},       {"VoltInput", PropertyName::Background},
        {"VoltOutput", PropertyName::Background},   {"OhmInput", PropertyName::Background},
        {"OhmOutput", PropertyName::Background},    {"AmpereInput", PropertyName::Background},
        {"AmpereOutput", PropertyName::Background}, {"Formula", PropertyName::Caption},
    };
    // OhmInput and AmpereInput are built enabled, so setting Enabled = true changes nothing.
    EXPECT_EQ(changes, expected);
}

TEST(Fine, EndsTheProgramAndNothingRunsAfterwards)
{
    Program program;
    program.click(program.form.HELP);
    program.type(program.form.OhmInput, "2");
    program.click(program.form.Fine);
    EXPECT_EQ(program.end_calls, 1);
    EXPECT_TRUE(program.host.has_ended());

    // Once ended, the host delivers nothing more.
    program.type(program.form.AmpereInput, "3");
    program.click(program.form.CALCOLO);
    program.click(program.form.Fine);
    EXPECT_EQ(program.form.AmpereInput.Text.get(), "");
    EXPECT_EQ(program.form.VoltInput.Text.get(), "");
    EXPECT_EQ(program.end_calls, 1);
}

TEST(Fine, ClosingTheWindowEndsTheProgramOnce)
{
    Program program;
    program.host.window_closed();
    program.host.window_closed();
    EXPECT_EQ(program.end_calls, 1);
    EXPECT_TRUE(program.host.has_ended());
}

} // namespace
} // namespace torvanel
