#include "core/program_harness.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace torvanel {
namespace {

using testing::RecordingReporter;

TEST(HostPalette, RedAndWhiteAreTheQuickBasicEntriesAndOnlySixteenExist)
{
    EXPECT_EQ(Host::palette_colour(kPaletteRed), Colour::from_rgb(255, 0, 0));
    EXPECT_EQ(Host::palette_colour(kPaletteWhite), Colour::from_rgb(255, 255, 255));
    EXPECT_THROW(Host::palette_colour(-1), HostError);
    EXPECT_THROW(Host::palette_colour(16), HostError);
}

// A handler that sets one property and then fails, as a conversion can.
void set_then_fail(Form& form, Host& host)
{
    form.VoltOutput.Caption = "before";
    host.number_in(form.OhmInput);
    form.VoltOutput.Caption = "after";
}

void reentrant_click(Form& form, Host& host)
{
    form.Formula.Caption = form.Formula.Caption.get() + "x";
    host.click(form.CALCOLO);
}

TEST(HostErrors, AnErrorLeavesTheHandlerKeepsWhatWasSetAndIsReported)
{
    Form form;
    RecordingReporter reporter;
    const std::array bindings{ClickBinding{&Form::CALCOLO, &set_then_fail}};
    Host host(form, ProgramHandlers{nullptr, bindings}, reporter, '.', nullptr);
    host.type_text(form.OhmInput, "nove");
    host.click(form.CALCOLO);
    EXPECT_EQ(form.VoltOutput.Caption.get(), "before");
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors.front().control, "OhmInput");

    // The host goes on delivering events.
    host.type_text(form.OhmInput, "9");
    host.click(form.CALCOLO);
    EXPECT_EQ(form.VoltOutput.Caption.get(), "after");
    EXPECT_EQ(reporter.errors.size(), 1u);
}

TEST(HostEvents, OneEventAtATime)
{
    Form form;
    RecordingReporter reporter;
    const std::array bindings{ClickBinding{&Form::CALCOLO, &reentrant_click}};
    Host host(form, ProgramHandlers{nullptr, bindings}, reporter, '.', nullptr);
    host.click(form.CALCOLO);
    EXPECT_EQ(form.Formula.Caption.get(), "x");
}

TEST(HostArithmetic, OnlyNonFiniteResultsAreErrors)
{
    Form form;
    RecordingReporter reporter;
    Host host(form, {}, reporter, ',', nullptr);
    EXPECT_NO_THROW(host.check_arithmetic(0.0));
    EXPECT_NO_THROW(host.check_arithmetic(std::numeric_limits<double>::denorm_min()));
    EXPECT_NO_THROW(host.check_arithmetic(-std::numeric_limits<double>::max()));
    EXPECT_THROW(host.check_arithmetic(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(host.check_arithmetic(-std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(host.check_arithmetic(std::nan("")), ArithmeticError);
    try {
        host.check_arithmetic(std::numeric_limits<double>::infinity());
    } catch (const ArithmeticError& error) {
        // The message shows the limit with the locale's separator.
        EXPECT_NE(std::string(error.what()).find("1,79769313486232E+308"), std::string::npos) << error.what();
    }
}

TEST(HostTyping, HiddenOrDisabledBoxesTakeNoTyping)
{
    testing::Program program;
    program.type(program.form.VoltInput, "1");
    program.type(program.form.TESTO, "x");
    EXPECT_EQ(program.form.VoltInput.Text.get(), "");
    EXPECT_TRUE(program.form.TESTO.Text.get().starts_with("Questo mini programma")) << program.form.TESTO.Text.get();
}

} // namespace
} // namespace torvanel
