#include "core/help_text.hpp"
#include "core/program_harness.hpp"
#include "core/windows_1252.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace torvanel {
namespace {

using testing::Program;
using testing::to_windows_1252;

TEST(HelpText, MatchesTheInstructionsByteForByteInWindows1252)
{
    // What the window holds, not the constant it was built from.
    const Form form;
    const std::optional<std::string> encoded = to_windows_1252(form.TESTO.Text.get());
    ASSERT_TRUE(encoded.has_value());
    const std::vector<std::string> lines{
        "Questo mini programma permette tre semplici calcoli sulla legge di OHM.",
        "I tre bottoni posti sulla sinistra  permettono di  selezionare  il  dato   da ",
        "calcolare. Inserite quindi sulle caselle di colore bianco i due dati noti e dopo",
        "aver pigiato il tasto \"calcolo\" verr\xE0 visualizzato  il risultato sulla relativa ",
        "colonna.",
        "La casella di colore rosso indica di non essere attiva per l'operazione ",
        "richiesta.",
        "",
    };
    std::string expected_start;
    for (const std::string& line : lines) {
        expected_start += line + "\r\n";
    }
    ASSERT_GE(encoded->size(), expected_start.size());
    EXPECT_EQ(encoded->substr(0, expected_start.size()), expected_start);

    const std::string closing = encoded->substr(expected_start.size());
    EXPECT_EQ(closing.find("\r\n"), closing.size() - 2) << "one closing line, ended by CR LF";
    EXPECT_TRUE(closing.ends_with("VER. 1.0  GIUGNO 2000\r\n"));
}

TEST(HelpPanel, HiddenAtStart)
{
    Program program;
    EXPECT_FALSE(program.form.TESTO.Visible);
}

TEST(HelpPanel, ShowAndHideTouchOnlyTheHelpBox)
{
    Program program;
    Form& form = program.form;
    std::vector<std::string> changed;
    form.set_observer([&](const Control& control, PropertyName property) {
        EXPECT_EQ(property, PropertyName::Visible);
        changed.emplace_back(control.name());
    });
    program.click(form.HELP);
    EXPECT_TRUE(form.TESTO.Visible);
    program.click(form.HELP);
    EXPECT_TRUE(form.TESTO.Visible);
    program.click(form.exithelp);
    EXPECT_FALSE(form.TESTO.Visible);
    program.click(form.exithelp);
    EXPECT_FALSE(form.TESTO.Visible);
    // Only the two real changes: a second HELP or exithelp changes nothing.
    EXPECT_EQ(changed, (std::vector<std::string>{"TESTO", "TESTO"}));
}

TEST(HelpPanel, EditsSurviveHidingAndShowingAgain)
{
    Program program;
    Form& form = program.form;
    program.click(form.HELP);
    program.type(form.TESTO, "appunti\r\n");
    program.click(form.exithelp);
    program.type(form.TESTO, "typed while hidden");
    program.click(form.HELP);
    EXPECT_EQ(form.TESTO.Text.get(), "appunti\r\n");
}

TEST(HelpPanel, CalculationRunsWhileTheTextIsShown)
{
    Program program;
    program.click(program.form.HELP);
    program.type(program.form.OhmInput, "2");
    program.type(program.form.AmpereInput, "5");
    program.click(program.form.CALCOLO);
    EXPECT_EQ(program.form.VoltOutput.Caption.get(), "10");
    EXPECT_TRUE(program.form.TESTO.Visible);
}

} // namespace
} // namespace torvanel
