// The Win32 window under random use, checked after every event against what the texts
// alone say it must show: the same oracle and the same random texts as the Linux view's.
#include "random_use_oracle.hpp"
#include "test_seed.hpp"
#include "win32_view.hpp"

#include <algorithm>
#include <memory>
#include <optional>

namespace torvanel::win32 {
namespace {

using testing::kButtons;
using testing::kFormulas;
using testing::kInputs;
using testing::kOutputs;

std::size_t unknown_row(const Win32View& view)
{
    for (std::size_t row = 0; row < 3; ++row) {
        if (!IsWindowEnabled(view.control(kInputs[row]))) {
            return row;
        }
    }
    ADD_FAILURE() << "no disabled entry box";
    return 0;
}

std::array<std::string, 3> model_texts(const Win32View& view)
{
    return {view.form_.VoltInput.Text.get(), view.form_.OhmInput.Text.get(), view.form_.AmpereInput.Text.get()};
}

// The checks that hold after every event.
void check_consistency(const Win32View& view, const std::string& expected_result, std::uint64_t event)
{
    const std::size_t unknown = unknown_row(view);
    ASSERT_EQ(view.shown("Formula"), kFormulas[unknown]) << "event " << event;
    const std::array<std::string, 3> texts = model_texts(view);
    for (std::size_t row = 0; row < 3; ++row) {
        ASSERT_EQ(view.shown(kInputs[row]), texts[row]) << "event " << event; // the window shows the model
        ASSERT_EQ(view.shown(kOutputs[row]), row == unknown ? expected_result : "") << "event " << event;
    }
    if (HWND focused = GetFocus(); focused != nullptr) {
        wchar_t kind[16] = {};
        GetClassNameW(focused, kind, 16);
        ASSERT_TRUE(IsWindowEnabled(focused) && IsWindowVisible(focused)) << "event " << event;
        ASSERT_NE(std::wstring(kind), L"Static") << "event " << event;
    }
}

TEST(RandomUse, EventsKeepTheWindowConsistent)
{
    const char* chosen = std::getenv("TORVANEL_EVENTS");
    const std::uint64_t events_wanted = chosen != nullptr ? std::stoull(chosen) : 10'000;
    const std::uint64_t seed = torvanel::testing::test_seed("random use", 2000'06'30);
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> percent(0, 99);
    auto view = std::make_unique<Win32View>(true);
    std::string expected_result;
    int expected_errors = 0;
    int results_shown = 0;
    std::uint64_t events = 0;

    auto press = [&](const std::string& button, bool with_mouse) {
        std::optional<testing::Outcome> outcome;
        if (button == "CALCOLO") {
            outcome = testing::expected_calculation(model_texts(*view), unknown_row(*view), ',');
        }
        if (with_mouse) {
            view->click(button);
        } else {
            view->press(VK_SPACE, false);
        }
        if (button == "Fine") {
            ASSERT_TRUE(view->host_.has_ended());
            view.reset();
            view = std::make_unique<Win32View>(true);
            expected_result.clear();
            expected_errors = 0;
        } else if (button == "VOLT" || button == "OHM" || button == "AMPERE") {
            expected_result.clear();
        } else if (outcome) {
            expected_result = outcome->result;
            expected_errors += outcome->error ? 1 : 0;
            results_shown += outcome->result.empty() ? 0 : 1;
            ASSERT_EQ(model_texts(*view), outcome->texts) << "seed " << seed << " event " << events;
            ASSERT_EQ(view->reporter_.errors, expected_errors) << "seed " << seed << " event " << events;
        }
    };

    for (events = 0; events < events_wanted && !::testing::Test::HasFatalFailure(); ++events) {
        const int roll = percent(random);
        if (roll < 35) {
            // A click on one of the buttons; Fine only now and then.
            std::uniform_int_distribution<std::size_t> pick(0, kButtons.size() - 1);
            std::string button = kButtons[pick(random)];
            if (button == "Fine" && percent(random) >= 2) {
                button = "CALCOLO";
            }
            press(button, true);
        } else if (roll < 80) {
            // Typing: into a white box, or into the help text when it covers them.
            const char* target = "TESTO";
            if (!IsWindowVisible(view->control("TESTO"))) {
                std::uniform_int_distribution<std::size_t> pick(0, 2);
                target = kInputs[pick(random)];
                if (!IsWindowEnabled(view->control(target))) {
                    continue;
                }
            }
            view->focus(target);
            if (percent(random) < 70) {
                SendMessageW(view->control(target), EM_SETSEL, 0, -1);
                view->press(VK_DELETE, false);
            }
            view->type_here(testing::random_text(random, ','));
        } else if (roll < 95) {
            view->press(VK_TAB, false);
        } else {
            // The space bar on whatever has the focus: a button is pressed, a box gets a blank.
            HWND focused = GetFocus();
            const auto button = std::find_if(kButtons.begin(), kButtons.end(),
                                             [&](const char* name) { return view->control(name) == focused; });
            if (button == kButtons.end()) {
                view->type_here(" ");
            } else if (std::string(*button) != "Fine" || percent(random) < 10) {
                press(*button, false);
            }
        }
        check_consistency(*view, expected_result, events);
    }
    std::cout << "random use: " << events << " events, " << results_shown << " results, " << view->reporter_.errors
              << " errors since the last start\n";
    EXPECT_GT(results_shown, 10);
}

} // namespace
} // namespace torvanel::win32
