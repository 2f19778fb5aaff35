#include "gui/gui_fixture.hpp"
#include "random_use_oracle.hpp"
#include "test_seed.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>

namespace torvanel {
namespace {

using testing::expected_calculation;
using testing::GuiTest;
using testing::kButtons;
using testing::kFormulas;
using testing::kInputs;
using testing::kOutputs;
using testing::Outcome;

// Key by key, as typed; QTest::keyClicks handles only ASCII.
void type_characters(QWidget* box, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

class RandomUse : public GuiTest {
protected:
    QString widget_text(const char* name) const
    {
        if (auto* label = widget_as<QLabel>(name)) {
            return label->text();
        }
        return widget_as<QLineEdit>(name)->text();
    }

    std::size_t unknown_row() const
    {
        std::optional<std::size_t> unknown;
        for (std::size_t row = 0; row < 3; ++row) {
            if (!widget(kInputs[row])->isEnabled()) {
                EXPECT_FALSE(unknown.has_value()) << "two disabled entry boxes";
                unknown = row;
            }
        }
        EXPECT_TRUE(unknown.has_value()) << "no disabled entry box";
        return unknown.value_or(0);
    }

    std::array<std::string, 3> model_texts() const
    {
        const Form& form = calculator->form();
        return {form.VoltInput.Text.get(), form.OhmInput.Text.get(), form.AmpereInput.Text.get()};
    }

    // The checks that hold after every event.
    void check_consistency(const std::string& expected_result, std::uint64_t event)
    {
        const std::size_t unknown = unknown_row();
        ASSERT_EQ(widget_as<QLabel>("Formula")->text(), kFormulas[unknown]) << "event " << event;
        const std::array<std::string, 3> texts = model_texts();
        for (std::size_t row = 0; row < 3; ++row) {
            // The window shows exactly what the model holds.
            ASSERT_EQ(widget_text(kInputs[row]).toStdString(), texts[row]) << "event " << event;
            const std::string shown = widget_text(kOutputs[row]).toStdString();
            ASSERT_EQ(shown, row == unknown ? expected_result : "") << kOutputs[row] << " event " << event;
        }
        QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr) {
            ASSERT_TRUE(focused->isEnabled() && focused->isVisible()) << "event " << event;
            ASSERT_EQ(qobject_cast<QLabel*>(focused), nullptr) << "event " << event;
        }
    }
};

TEST_F(RandomUse, HundredThousandEventsKeepTheWindowConsistent)
{
    const std::uint64_t seed = testing::test_seed("random use", 2000'06'30);
    std::mt19937_64 random(seed);
    watchdog->answer_all();
    std::uint64_t events = 0;
    std::string expected_result;
    int expected_errors = 0;
    int restarts = 0;
    int results_shown = 0;
    std::uniform_int_distribution<int> percent(0, 99);

    auto press = [&](const std::string& button, bool with_mouse) {
        const char separator = calculator->host().decimal_separator();
        const std::size_t unknown = unknown_row();
        std::optional<Outcome> outcome;
        if (button == "CALCOLO") {
            outcome = expected_calculation(model_texts(), unknown, separator);
        }
        if (with_mouse) {
            click(button.c_str());
        } else {
            QTest::keyClick(widget(button.c_str()), Qt::Key_Space);
        }
        if (button == "Fine") {
            ASSERT_TRUE(calculator->host().has_ended());
            restart();
            ++restarts;
            expected_result.clear();
        } else if (button == "VOLT" || button == "OHM" || button == "AMPERE") {
            expected_result.clear();
            for (const std::string& text : model_texts()) {
                ASSERT_EQ(text, "");
            }
        } else if (outcome) {
            expected_result = outcome->result;
            expected_errors += outcome->error ? 1 : 0;
            results_shown += outcome->result.empty() ? 0 : 1;
            ASSERT_EQ(model_texts(), outcome->texts) << "seed " << seed << " event " << events;
            ASSERT_EQ(watchdog->answered_texts.size(), expected_errors)
                << "seed " << seed << " event " << events << " " << button << " mouse " << with_mouse << " texts "
                << outcome->texts[0] << "|" << outcome->texts[1] << "|" << outcome->texts[2] << " help "
                << widget("TESTO")->isVisible() << " unknown " << unknown << " model enabled "
                << calculator->form().VoltInput.Enabled << calculator->form().OhmInput.Enabled
                << calculator->form().AmpereInput.Enabled << " ended " << calculator->host().has_ended();
        }
    };

    for (events = 0; events < 100'000 && !HasFatalFailure(); ++events) {
        const int roll = percent(random);
        const bool help_shown = widget("TESTO")->isVisible();
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
            if (!help_shown) {
                std::uniform_int_distribution<std::size_t> pick(0, 2);
                target = kInputs[pick(random)];
                if (!widget(target)->isEnabled()) {
                    continue;
                }
            }
            QWidget* box = widget(target);
            QTest::mouseClick(box == widget("TESTO") ? widget_as<QPlainTextEdit>("TESTO")->viewport() : box,
                              Qt::LeftButton);
            if (percent(random) < 70) {
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Delete);
            }
            type_characters(
                box, QString::fromStdString(testing::random_text(random, calculator->host().decimal_separator())));
        } else if (roll < 95) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused != nullptr ? focused : &calculator->window(), Qt::Key_Tab);
        } else {
            // The space bar on whatever has the focus: a button is pressed, a box gets a blank.
            QWidget* focused = QApplication::focusWidget();
            if (focused == nullptr) {
                continue;
            }
            const std::string name = focused->objectName().toStdString();
            if (std::find(kButtons.begin(), kButtons.end(), name) != kButtons.end()) {
                if (name == "Fine" && percent(random) >= 10) {
                    continue;
                }
                press(name, false);
            } else {
                QTest::keyClick(focused, Qt::Key_Space);
            }
        }
        check_consistency(expected_result, events);
    }
    std::cout << "random use: " << events << " events, " << results_shown << " results, " << expected_errors
              << " message boxes, " << restarts << " restarts\n";
    EXPECT_GT(results_shown, 100);
    EXPECT_GT(expected_errors, 100);
}

} // namespace
} // namespace torvanel
