#include "app/event_bindings.hpp"
#include "gui/gui_fixture.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <new>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace torvanel {
namespace {

// CALCOLO handlers that set a result and then fail with something other than the
// host's own errors.
void fail_with_runtime_error(Form& form, Host&)
{
    form.VoltOutput.Caption = "1";
    throw std::runtime_error("guasto");
}

void fail_with_bad_alloc(Form& form, Host&)
{
    form.VoltOutput.Caption = "2";
    throw std::bad_alloc();
}

void fail_with_an_int(Form& form, Host&)
{
    form.VoltOutput.Caption = "3";
    throw 7;
}

struct Failure {
    const char* name;
    Handler handler;
    const char* caption;
    const char* message;
};

void PrintTo(const Failure& failure, std::ostream* out)
{
    *out << failure.name;
}

class EventBoundary : public testing::GuiTest, public ::testing::WithParamInterface<Failure> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        const ProgramHandlers handlers = calculator_handlers();
        bindings.assign(handlers.clicks.begin(), handlers.clicks.end());
        for (ClickBinding& binding : bindings) {
            if (binding.button == &Form::CALCOLO) {
                binding.handler = GetParam().handler;
            }
        }
        calculator.reset();
        calculator = std::make_unique<Calculator>(ProgramHandlers{handlers.load, bindings}, '.');
        calculator->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator->window()));
    }

    std::vector<ClickBinding> bindings;
};

// Reads what the window shows as the message box over it closes.
class BehindMessageBox : public QObject {
public:
    explicit BehindMessageBox(QLabel* label) : label_(label) { QApplication::instance()->installEventFilter(this); }
    ~BehindMessageBox() override { QApplication::instance()->removeEventFilter(this); }
    QString shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowUnblocked && watched == label_->window()) {
            shown = label_->text();
        }
        return false;
    }

private:
    QLabel* label_;
};

TEST_P(EventBoundary, AFailingHandlerIsReportedAndTheWindowStaysUsable)
{
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    BehindMessageBox behind(widget_as<QLabel>("VoltOutput"));
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    EXPECT_TRUE(watchdog->answered_texts.front().startsWith(GetParam().message))
        << watchdog->answered_texts.front().toStdString();
    EXPECT_EQ(behind.shown, GetParam().caption) << "what the handler set before it failed";

    // The host takes the next events: another button, typing, the same handler again.
    click("OHM");
    EXPECT_EQ(widget_as<QLabel>("Formula")->text(), "R = V / I");
    type_into("VoltInput", "9");
    watchdog->expect_message_box();
    click("CALCOLO");
    EXPECT_EQ(watchdog->answered_texts.size(), 2);
    EXPECT_EQ(calculator->form().VoltInput.Text.get(), "9") << "nothing typed is lost";
    EXPECT_EQ(widget_as<QLineEdit>("VoltInput")->text(), "9");
}

INSTANTIATE_TEST_SUITE_P(Failures, EventBoundary,
                         ::testing::Values(Failure{"RuntimeError", &fail_with_runtime_error, "1",
                                                   "Errore interno del calcolatore: guasto"},
                                           Failure{"BadAlloc", &fail_with_bad_alloc, "2", "Memoria insufficiente"},
                                           Failure{"Int", &fail_with_an_int, "3", "Errore interno del calcolatore.\n"}),
                         [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

} // namespace
} // namespace torvanel
