#include "gui/gui_fixture.hpp"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace torvanel {
namespace {

// Records which of the window's controls paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(const QWidget& window) : window_(window)
    {
        QApplication::instance()->installEventFilter(this);
    }
    ~PaintRecorder() override { QApplication::instance()->removeEventFilter(this); }
    std::set<std::string> painted;
    std::vector<std::string> order;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched != &window_ && watched->parent() == &window_) {
            painted.insert(watched->objectName().toStdString());
            order.push_back("paint " + watched->objectName().toStdString());
        } else if (event->type() == QEvent::ToolTipChange) {
            order.push_back("tooltip " + watched->objectName().toStdString());
        }
        return false;
    }

private:
    const QWidget& window_;
};

using Repaint = testing::GuiTest;

TEST_F(Repaint, ACalculationRepaintsTheButtonAndWhatItChanged)
{
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    widget("CALCOLO")->setFocus(); // the click moves no focus
    QTest::qWait(20);
    std::set<std::string> first;
    std::set<std::string> again;
    for (std::set<std::string>* painted : {&first, &again}) {
        PaintRecorder recorder(calculator->window());
        click("CALCOLO");
        QTest::qWait(20);
        *painted = recorder.painted;
    }
    // The unknown's box goes from empty to 0 and back within the handler; the result
    // is the same the second time.
    EXPECT_EQ(first, (std::set<std::string>{"CALCOLO", "VoltOutput"}));
    EXPECT_EQ(again, (std::set<std::string>{"CALCOLO"}));
}

TEST_F(Repaint, TheResultIsPaintedBeforeItsTooltipIsSet)
{
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    QTest::qWait(20);
    PaintRecorder recorder(calculator->window());
    click("CALCOLO");
    const auto& order = recorder.order;
    const auto painted = std::find(order.begin(), order.end(), "paint VoltOutput");
    const auto described = std::find(order.begin(), order.end(), "tooltip VoltOutput");
    ASSERT_NE(described, order.end());
    EXPECT_LT(painted, described);
}

} // namespace
} // namespace torvanel
