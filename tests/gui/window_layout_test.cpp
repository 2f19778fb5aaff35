#include "gui/gui_fixture.hpp"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <string>

namespace torvanel {
namespace {

using testing::GuiTest;

using WindowLayout = GuiTest;

TEST_F(WindowLayout, EveryControlIsInsideTheWindowAndOnlyTheHelpBoxCoversAnother)
{
    const QRect client = calculator->window().rect();
    const QList<QWidget*> controls = calculator->window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 18 + 1); // and the focus ring
    for (const QWidget* control : controls) {
        if (control->objectName().isEmpty()) {
            continue; // the focus ring
        }
        EXPECT_TRUE(client.contains(control->geometry())) << control->objectName().toStdString();
        for (const QWidget* other : controls) {
            const bool help_box = control->objectName() == "TESTO" || other->objectName() == "TESTO";
            if (other != control && !other->objectName().isEmpty() && !help_box) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << control->objectName().toStdString() << " and " << other->objectName().toStdString();
            }
        }
    }
    // The boxes the help box lays over.
    EXPECT_TRUE(widget("TESTO")->geometry().contains(widget("OhmInput")->geometry()));
}

TEST_F(WindowLayout, TitleBackgroundAndFirstDisplay)
{
    CalculatorWindow& window = calculator->window();
    // The name, the version and the date, separated by runs of blanks.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^TORVANEL +VER\\. 1\\.0 +GIUGNO 2000$"))
                    .match(window.windowTitle())
                    .hasMatch())
        << window.windowTitle().toStdString();
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
    // What fontconfig draws for each requested family: the family itself where installed,
    // else its look-alike; "MS Sans Serif" falls to the machine's default sans-serif.
    const auto drawn = [](const char* family, const std::string& lookalike) {
        return QFontDatabase::hasFamily(family) ? std::string(family) : lookalike;
    };
    const std::string sans = QFontInfo(QFont("sans-serif")).family().toStdString();
    const std::string serif = QFontInfo(QFont("serif")).family().toStdString();
    EXPECT_EQ(sans.find("Comic"), std::string::npos) << sans;
    EXPECT_NE(sans, serif);
    const struct {
        const char* control;
        std::string family;
        qreal point_size;
        bool bold;
    } fonts[] = {
        {"CALCOLO", drawn("Comic Sans MS", "Comic Neue"), 14.25, true},
        {"LABEL", drawn("Comic Sans MS", "Comic Neue"), 12, true},
        {"Label1", drawn("MS Sans Serif", sans), 12, true},
        {"Formula", drawn("MS Sans Serif", sans), 12, true},
        {"OhmInput", drawn("MS Sans Serif", sans), 9.75, false},
        {"VoltOutput", drawn("MS Sans Serif", sans), 9.75, false},
        {"TESTO", drawn("Times New Roman", "Liberation Serif"), 8.25, false},
    };
    for (const auto& expected : fonts) {
        const QFont requested = widget(expected.control)->font();
        const QFontInfo resolved(requested);
        EXPECT_EQ(resolved.family().toStdString(), expected.family) << expected.control;
        EXPECT_EQ(resolved.bold(), expected.bold) << expected.control;
        EXPECT_DOUBLE_EQ(requested.pointSizeF(), expected.point_size) << expected.control;
    }
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
    EXPECT_EQ(widget("exithelp")->accessibleName(), "EXIT HELP");

    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    click("CALCOLO");
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(widget("VoltOutput"));
    ASSERT_NE(result, nullptr);
    // One object: the unit drawn beside the figure is never read alone.
    EXPECT_EQ(result->text(QAccessible::Value), "6 V");
    EXPECT_EQ(result->childCount(), 0);
}

} // namespace
} // namespace torvanel
