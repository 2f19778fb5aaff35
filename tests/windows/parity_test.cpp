// The scenarios every view passes, on the Win32 window.
#include "win32_view.hpp"

#include <stdexcept>
#include <vector>

namespace torvanel::win32 {
namespace {

class Parity : public ::testing::TestWithParam<parity::Scenario> {};

TEST_P(Parity, Win32View)
{
    Win32View view;
    parity::play(GetParam(), view);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Parity, ::testing::ValuesIn(parity::scenarios()), parity::scenario_name);

// A message box opens over the window (disabling it) showing what the click changed before it failed.
TEST(Win32Window, AMessageBoxCoversTheChangesMadeBeforeTheFailure)
{
    const ProgramHandlers handlers = calculator_handlers();
    std::vector<ClickBinding> bindings(handlers.clicks.begin(), handlers.clicks.end());
    for (ClickBinding& binding : bindings) {
        if (binding.button == &Form::CALCOLO) {
            binding.handler = [](Form& form, Host&) {
                form.VoltOutput.Caption = "1";
                throw std::runtime_error("guasto");
            };
        }
    }
    Win32View view(true, ProgramHandlers{handlers.load, bindings});
    std::string behind;
    view.reporter_.on_report = [&view, &behind] {
        EnableWindow(view.window_.handle(), FALSE);
        behind = to_utf8(window_text(view.control("VoltOutput")));
        EnableWindow(view.window_.handle(), TRUE);
    };
    view.click("CALCOLO");
    EXPECT_EQ(view.reporter_.errors, 1);
    EXPECT_EQ(behind, "1");
}

} // namespace
} // namespace torvanel::win32
