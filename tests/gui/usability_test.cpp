#include "gui/gui_fixture.hpp"
#include "views/qt/screen_reader.hpp"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <string>

namespace torvanel {
namespace {

using Usability = testing::GuiTest;

TEST_F(Usability, ALongResultIsShownWholeInItsLabel)
{
    click("AMPERE");
    type_into("VoltInput", "-1");
    type_into("OhmInput", "7E5");
    click("CALCOLO");
    auto* result = widget_as<QLabel>("AmpereOutput");
    ASSERT_EQ(result->text(), "-1.42857142857143E-06");
    auto* unit = result->findChild<QLabel*>();
    ASSERT_NE(unit, nullptr);
    // What is drawn is the caption, then its unit beside it: both must lie inside the label.
    const QRect inside = result->contentsRect();
    const QFontMetrics shown(result->font());
    EXPECT_LE(shown.horizontalAdvance(result->text()), unit->x() - inside.left());
    EXPECT_LE(unit->x() + QFontMetrics(unit->font()).horizontalAdvance(unit->text()), inside.right() + 1);
    EXPECT_TRUE(inside.contains(unit->geometry())) << "unit outside its label";
    QFont designed = result->font();
    designed.setPointSizeF(9.75);
    EXPECT_GT(QFontMetrics(designed).horizontalAdvance(result->text() + " A"), inside.width())
        << "the designed font would cut it";
}

TEST_F(Usability, CtrlCWithNothingSelectedCopiesTheResultAndSaysSo)
{
    type_into("OhmInput", "4k7");
    type_into("AmpereInput", "2m");
    click("CALCOLO");
    QSignalSpy announced(calculator->window().findChild<ScreenReader*>(), &ScreenReader::announced);
    for (const char* focus : {"CALCOLO", "OhmInput"}) {
        QApplication::clipboard()->clear();
        widget(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "9.4") << focus;
    }
    EXPECT_EQ(announced.size(), 2);
    // With something selected, Ctrl+C copies that.
    QTest::keyClick(widget("OhmInput"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget("OhmInput"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4k7");
    EXPECT_TRUE(widget("VoltOutput")->toolTip().contains("Ctrl+C"));
}

TEST_F(Usability, TheSelectedButtonIsCheckedAndTheFocusRingIsSeen)
{
    for (const char* selected : {"AMPERE", "OHM", "OHM", "VOLT"}) {
        click(selected);
        for (const char* button : {"VOLT", "OHM", "AMPERE"}) {
            const bool checked = std::string(button) == selected;
            EXPECT_EQ(widget_as<QPushButton>(button)->isChecked(), checked) << selected << " " << button;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(button))->state().checked, checked) << button;
        }
    }
    // Two pixels of dark blue just outside the focused control, on the yellow window.
    QWidget* focused = widget("VOLT");
    focused->setFocus();
    QApplication::processEvents();
    const QImage seen = calculator->window().grab().toImage();
    const QPoint outside = focused->geometry().topLeft() + QPoint(focused->width() / 2, 0);
    for (int dy : {-1, -2}) {
        EXPECT_EQ(seen.pixelColor(outside + QPoint(0, dy)), QColor(0, 0, 139)) << dy;
    }
    EXPECT_EQ(seen.pixelColor(outside + QPoint(0, -3)), QColor(255, 255, 0));
}

} // namespace
} // namespace torvanel

namespace torvanel {
namespace {

TEST_F(Usability, AResultShowsItsUnitAndTellsAndCopiesHowItCameAbout)
{
    click("OHM");
    type_into("VoltInput", "10");
    type_into("AmpereInput", "20 mA");
    click("CALCOLO");
    auto* result = widget_as<QLabel>("OhmOutput");
    ASSERT_EQ(result->text(), "500");
    auto* unit = result->findChild<QLabel*>();
    ASSERT_NE(unit, nullptr);
    EXPECT_TRUE(unit->isVisible());
    EXPECT_EQ(unit->text(), "Ω");
    EXPECT_GT(unit->x(), result->fontMetrics().horizontalAdvance(result->text()));
    const QString worked = "R = V / I = 10 V / 20 mA = 500 Ω\nP = V × I = 200 mW\n"
                           "E12: 470 Ω – 560 Ω\nE24: 470 Ω – 510 Ω";
    EXPECT_TRUE(result->toolTip().contains(worked)) << result->toolTip().toStdString();
    type_into("VoltInput", "20"); // typed after the result: it tells how the result shown came about
    QTest::keyClick(widget("VoltInput"), Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().value(2)->text(), "Copia il calcolo");
    menu->actions()[2]->trigger();
    menu->close();
    EXPECT_EQ(QApplication::clipboard()->text(), worked);
}

} // namespace
} // namespace torvanel
