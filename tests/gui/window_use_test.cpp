#include "core/help_text.hpp"
#include "core/presentation.hpp"
#include "gui/gui_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace torvanel {
namespace {

using testing::GuiTest;

using WindowUse = GuiTest;

QString text_of(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    return qobject_cast<QLineEdit*>(w)->text();
}

TEST_F(WindowUse, TypedCalculationShowsTheVoltage)
{
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    click("CALCOLO");
    EXPECT_EQ(text_of(widget("VoltOutput")), "6");
    EXPECT_EQ(text_of(widget("VoltInput")), "");
    EXPECT_EQ(calculator->form().VoltOutput.Caption.get(), "6");
}

TEST_F(WindowUse, EmptyBoxesShowZeroAfterCalculation)
{
    click("CALCOLO");
    for (const char* name : {"VoltInput", "OhmInput", "AmpereInput"}) {
        EXPECT_EQ(text_of(widget(name)), "0") << name;
    }
}

TEST_F(WindowUse, ConversionFailureShowsAMessageAndTheWindowStaysUsable)
{
    type_into("OhmInput", "12 ohmx");
    type_into("AmpereInput", "3");
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    EXPECT_EQ(watchdog->answered_titles.front(), "TORVANEL");
    EXPECT_TRUE(watchdog->answered_texts.front().contains("Resistenza R (ohm)"));
    EXPECT_TRUE(watchdog->answered_texts.front().contains("\"12 ohmx\""));
    // What the user typed is still there; the empty unknown box was filled.
    EXPECT_EQ(text_of(widget("OhmInput")), "12 ohmx");
    EXPECT_EQ(text_of(widget("VoltInput")), "0");

    type_into("OhmInput", "12");
    click("CALCOLO");
    EXPECT_EQ(text_of(widget("VoltOutput")), "36");
}

TEST_F(WindowUse, OverflowShowsAMessage)
{
    type_into("OhmInput", "1E200");
    type_into("AmpereInput", "1E200");
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    EXPECT_TRUE(watchdog->answered_texts.front().contains("rappresentare"));
    EXPECT_EQ(text_of(widget("VoltInput")), "");
    EXPECT_EQ(text_of(widget("VoltOutput")), "");
}

TEST_F(WindowUse, FineEndsTheEventLoop)
{
    click("HELP");
    QTimer::singleShot(0, [this] { click("Fine"); });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    safety.stop();
    EXPECT_TRUE(calculator->host().has_ended());
    EXPECT_FALSE(calculator->window().isVisible());
}

TEST_F(WindowUse, ClosingTheWindowEndsTheProgram)
{
    calculator->window().close();
    EXPECT_TRUE(calculator->host().has_ended());
}

struct RowWidgets {
    const char* button;
    const char* input;
    const char* output;
    const char* formula;
};

constexpr RowWidgets kRows[] = {
    {"VOLT", "VoltInput", "VoltOutput", "V = R * I"},
    {"OHM", "OhmInput", "OhmOutput", "R = V / I"},
    {"AMPERE", "AmpereInput", "AmpereOutput", "I = V / R"},
};

TEST_F(WindowUse, SelectionButtonsRecolourTheRowsAndMoveTheDisabledBox)
{
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    for (const RowWidgets& selected : {kRows[2], kRows[1], kRows[0], kRows[1]}) {
        click(selected.button);
        for (const RowWidgets& row : kRows) {
            const bool unknown = &row == &selected || std::string_view(row.button) == selected.button;
            EXPECT_EQ(widget(row.input)->isEnabled(), !unknown) << row.input;
            EXPECT_EQ(seen_colour(row.input), unknown ? red : white) << row.input << " after " << selected.button;
            EXPECT_EQ(seen_colour(row.output), unknown ? white : red) << row.output << " after " << selected.button;
        }
        EXPECT_EQ(widget_as<QLabel>("Formula")->text(), selected.formula);
    }
}

// A screen reader's press leaves the focus where it was; a box disabled under it passes it on in the tab order.
TEST_F(WindowUse, TheFocusLeavesABoxDisabledUnderItForTheNextInTabOrder)
{
    widget("AmpereInput")->setFocus();
    qobject_cast<QPushButton*>(widget("AMPERE"))->click();
    const Presentation rules(calculator->form(), calculator->host().decimal_separator());
    EXPECT_EQ(focused_name().toStdString(), rules.next_in_tab_order(&calculator->form().AmpereInput, false).name());
    // The box that takes over may be enabled only later in the same click: the focus still leaves.
    widget("OhmInput")->setFocus();
    qobject_cast<QPushButton*>(widget("OHM"))->click();
    EXPECT_TRUE(QApplication::focusWidget()->isEnabled()) << focused_name().toStdString();
}

TEST_F(WindowUse, TypedResistanceAndCurrentCalculations)
{
    click("OHM");
    type_into("VoltInput", "10");
    type_into("AmpereInput", "4");
    click("CALCOLO");
    EXPECT_EQ(text_of(widget("OhmOutput")), "2.5");

    click("AMPERE");
    EXPECT_EQ(text_of(widget("OhmOutput")), "");
    EXPECT_EQ(text_of(widget("VoltInput")), "");
    type_into("VoltInput", "1");
    type_into("OhmInput", "3");
    click("CALCOLO");
    EXPECT_EQ(text_of(widget("AmpereOutput")), "0.333333333333333");
}

TEST_F(WindowUse, HelpTextLiesOverTheBoxesAndTabReachesIt)
{
    click("HELP");
    auto* help = widget_as<QPlainTextEdit>("TESTO");
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(help->toPlainText().split('\n').value(0),
              "Questo mini programma permette tre semplici calcoli sulla legge di OHM.");
    EXPECT_FALSE(help->toPlainText().contains('\r'));
    EXPECT_EQ(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // A click where OhmInput lies lands in the help box.
    const QPoint over_ohm_input = widget("OhmInput")->geometry().center();
    QWidget* hit = calculator->window().childAt(over_ohm_input);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == help || help->isAncestorOf(hit)) << hit->objectName().toStdString();

    widget("HELP")->setFocus();
    QTest::keyClick(widget("HELP"), Qt::Key_Tab);
    EXPECT_EQ(focused_name(), "TESTO");
    QTest::keyClick(help, Qt::Key_Tab);
    EXPECT_EQ(focused_name(), "exithelp");

    click("exithelp");
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(calculator->window().childAt(over_ohm_input), widget("OhmInput"));
    type_into("OhmInput", "7");
    EXPECT_EQ(calculator->form().OhmInput.Text.get(), "7");
}

TEST_F(WindowUse, HelpEditsAreKeptAndReachTheModelWithCrLf)
{
    click("HELP");
    auto* help = widget_as<QPlainTextEdit>("TESTO");
    QTest::mouseClick(help->viewport(), Qt::LeftButton);
    QTest::keyClick(help, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(help, "nota");
    QTest::keyClick(help, Qt::Key_Return);
    const std::string expected = std::string(kHelpText) + "nota\r\n";
    EXPECT_EQ(calculator->form().TESTO.Text.get(), expected);

    click("exithelp");
    click("HELP");
    EXPECT_TRUE(help->toPlainText().endsWith("GIUGNO 2000\nnota\n"));
}

} // namespace
} // namespace torvanel

namespace torvanel {
namespace {

TEST_F(WindowUse, TenMegabytePasteGivesTheConversionMessageAndChangesNothingElse)
{
    type_into("AmpereInput", "3");
    const QString huge = QString(10'000'000, QChar('7')) + QStringLiteral("x");
    QApplication::clipboard()->setText(huge);
    auto* box = widget_as<QLineEdit>("OhmInput");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(calculator->form().OhmInput.Text.get().size(), 10'000'001u);
    // Held, not laid out: the box shows a summary with the text's length.
    EXPECT_TRUE(box->text().endsWith(QStringLiteral("(10\u00a0000\u00a0001 caratteri)"))) << box->text().toStdString();

    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    // The message quotes only the start of the text.
    EXPECT_LT(watchdog->answered_texts.front().size(), 300);
    EXPECT_TRUE(watchdog->answered_texts.front().contains("Resistenza R (ohm)"));
    EXPECT_EQ(calculator->form().OhmInput.Text.get().size(), 10'000'001u);
    EXPECT_EQ(calculator->form().AmpereInput.Text.get(), "3");
    EXPECT_EQ(calculator->form().VoltInput.Text.get(), "0");
    EXPECT_EQ(calculator->form().VoltOutput.Caption.get(), "");
}

} // namespace
} // namespace torvanel
