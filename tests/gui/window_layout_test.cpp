#include "gui/gui_fixture.hpp"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace torvanel {
namespace {

using testing::GuiTest;

using WindowLayout = GuiTest;

TEST_F(WindowLayout, EveryControlSitsAtItsTwipsDividedByFifteen)
{
    const WindowDescription& description = calculator_window_description();
    for (const ControlDescription& control : description.controls) {
        const QWidget* w = widget(std::string(control.name).c_str());
        ASSERT_NE(w, nullptr);
        const QRect expected(control.geometry.left / 15, control.geometry.top / 15, control.geometry.width / 15,
                             control.geometry.height / 15);
        EXPECT_EQ(w->geometry(), expected) << control.name;
        EXPECT_EQ(w->parentWidget(), &calculator->window()) << control.name;
    }
    const QSize client = calculator->window().size();
    EXPECT_GE(client.width(), 8775 / 15);
    EXPECT_GE(client.height(), 6255 / 15);
}

TEST_F(WindowLayout, TitleBackgroundAndFirstDisplay)
{
    CalculatorWindow& window = calculator->window();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(calculator_window_description().title.data()));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(32, 32));
    // The yellow of the window shows between the controls.
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 0));

    EXPECT_EQ(widget_as<QLabel>("Label1")->text(), "input dati");
    EXPECT_EQ(widget_as<QLabel>("Label2")->text(), "risultati");
    EXPECT_EQ(widget_as<QLabel>("LABEL")->text(), "FORMULA IN USO ");
    EXPECT_EQ(widget_as<QLabel>("Formula")->text(), "V = R * I");
    EXPECT_EQ(widget_as<QPushButton>("exithelp")->text(), "EXIT HELP");
    EXPECT_EQ(widget_as<QPushButton>("Fine")->text(), "FINE");
    for (const char* name : {"VoltInput", "OhmInput", "AmpereInput"}) {
        EXPECT_TRUE(widget_as<QLineEdit>(name)->text().isEmpty()) << name;
    }
    for (const char* name : {"VoltOutput", "OhmOutput", "AmpereOutput"}) {
        EXPECT_TRUE(widget_as<QLabel>(name)->text().isEmpty()) << name;
    }
    EXPECT_FALSE(widget("TESTO")->isVisible());
    EXPECT_TRUE(widget("VOLT")->isVisible());
}

TEST_F(WindowLayout, ColoursAfterLoadAreWhatAPersonSees)
{
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    EXPECT_EQ(seen_colour("VoltInput"), red);
    EXPECT_EQ(seen_colour("VoltOutput"), white);
    EXPECT_EQ(seen_colour("OhmInput"), white);
    EXPECT_EQ(seen_colour("OhmOutput"), red);
    EXPECT_EQ(seen_colour("AmpereInput"), white);
    EXPECT_EQ(seen_colour("AmpereOutput"), red);
    EXPECT_EQ(seen_colour("Label1"), QColor(192, 255, 192));
    EXPECT_EQ(seen_colour("Formula"), QColor(128, 255, 255));
    EXPECT_EQ(widget_as<QLabel>("Label1")->palette().color(QPalette::WindowText), red);
    EXPECT_FALSE(widget("VoltInput")->isEnabled());
    EXPECT_TRUE(widget("OhmInput")->isEnabled());
}

TEST_F(WindowLayout, FontsAlignmentAndBorders)
{
    const QFont button_font = widget("CALCOLO")->font();
    EXPECT_EQ(button_font.family(), "Comic Sans MS");
    EXPECT_DOUBLE_EQ(button_font.pointSizeF(), 14.25);
    EXPECT_TRUE(button_font.bold());
    const QFont box_font = widget("OhmInput")->font();
    EXPECT_EQ(box_font.family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(box_font.pointSizeF(), 9.75);
    EXPECT_FALSE(box_font.bold());
    EXPECT_EQ(widget("TESTO")->font().family(), "Times New Roman");
    EXPECT_EQ(widget_as<QPlainTextEdit>("TESTO")->palette().color(QPalette::Text), QColor(0, 0, 255));

    EXPECT_TRUE(widget_as<QLabel>("Formula")->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(widget_as<QLabel>("VoltOutput")->alignment() & Qt::AlignLeft);
    EXPECT_EQ(widget_as<QLabel>("VoltOutput")->frameShape(), QFrame::Box);
    EXPECT_EQ(widget_as<QLabel>("Label1")->frameShape(), QFrame::NoFrame);
    for (const char* name : {"VOLT", "CALCOLO", "Fine"}) {
        EXPECT_FALSE(widget_as<QPushButton>(name)->isDefault()) << name;
        EXPECT_FALSE(widget_as<QPushButton>(name)->autoDefault()) << name;
    }
}

TEST_F(WindowLayout, FirstFocusAndTabOrder)
{
    EXPECT_EQ(focused_name(), "VOLT");
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        visited << focused_name();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // VoltInput is disabled and TESTO hidden: both are skipped; labels never take focus.
    EXPECT_EQ(visited, QStringList({"VOLT", "CALCOLO", "Fine", "OHM", "AMPERE", "OhmInput", "AmpereInput", "HELP",
                                    "exithelp", "VOLT"}));

    click("OHM");
    widget("VOLT")->setFocus();
    visited.clear();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused_name();
    }
    EXPECT_EQ(visited, QStringList({"CALCOLO", "Fine", "VoltInput", "OHM", "AMPERE"}));
}

TEST_F(WindowLayout, ScreenReadersHearQuantityUnitAndColumn)
{
    EXPECT_EQ(widget("OhmInput")->accessibleName(), "Resistenza R (ohm), input dati");
    EXPECT_EQ(widget("AmpereOutput")->accessibleDescription(), "Corrente I (ampere), risultati");
    EXPECT_EQ(widget("exithelp")->accessibleName(), "EXIT HELP");

    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    click("CALCOLO");
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(widget("VoltOutput"));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text(QAccessible::Name), "6");
    EXPECT_EQ(result->text(QAccessible::Description), "Tensione V (volt), risultati: 6 V");
}

} // namespace
} // namespace torvanel

namespace torvanel {
namespace {

TEST_F(WindowLayout, InstalledIconMatchesTheWindowIcon)
{
    const QImage installed(QStringLiteral(TORVANEL_DATA_DIR "/torvanel.png"));
    ASSERT_FALSE(installed.isNull());
    const QImage shown = calculator->window().windowIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(shown.size(), installed.size());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(shown.pixelColor(x, y), installed.pixelColor(x, y)) << x << "," << y;
        }
    }
}

} // namespace
} // namespace torvanel
