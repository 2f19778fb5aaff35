#include "gui/gui_fixture.hpp"
#include "views/qt/screen_reader.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace torvanel {
namespace {

// A user with an Italian locale and a screen reader: what the window announces.
class Announcements : public testing::GuiTest {
protected:
    QLocale locale() const override { return QLocale(QLocale::Italian, QLocale::Italy); }
    void SetUp() override
    {
        GuiTest::SetUp();
        reader = calculator->window().findChild<ScreenReader*>();
        ASSERT_NE(reader, nullptr);
        QObject::connect(reader, &ScreenReader::announced, [this](const QString& words) { announced << words; });
    }

    ScreenReader* reader = nullptr;
    QStringList announced;
};

TEST_F(Announcements, EachResultAndNewFormulaOnceWithQuantityAndUnit)
{
    EXPECT_EQ(reader->words(), "") << "start and Load announce nothing";
    type_into("OhmInput", "4k7");
    type_into("AmpereInput", "2m");
    click("CALCOLO");
    click("CALCOLO");
    click("OHM");
    click("OHM"); // the formula stays: nothing new
    type_into("VoltInput", "9,4");
    type_into("AmpereInput", "2m");
    click("CALCOLO");
    // No result: a zero is named; a box that is no number is left to its message box.
    type_into("AmpereInput", "0");
    click("CALCOLO");
    type_into("AmpereInput", "abc");
    watchdog->expect_message_box();
    click("CALCOLO");
    // A result with how it came about.
    const QString volts = "Tensione V (volt), risultato: 9,4 volt. V uguale R per I uguale 4,7 chiloohm per 2 "
                          "milliampere uguale 9,4 volt. potenza 18,8 milliwatt";
    EXPECT_EQ(announced,
              QStringList({volts, volts, "Formula in uso: R uguale V diviso I. Caselle dei dati svuotate.",
                           "Resistenza R (ohm), risultato: 4,7 chiloohm. R uguale V diviso I uguale 9,4 volt diviso 2 "
                           "milliampere uguale 4,7 chiloohm. potenza 18,8 milliwatt. E12: 4,7 chiloohm (valore "
                           "standard). E24: 4,7 chiloohm (valore standard)",
                           "Nessun risultato: I è zero."}));
}

// The keyboard reaches what the mouse reaches, and each copy is confirmed aloud.
TEST_F(Announcements, TheMenuKeyOpensTheResultsMenuAndEachCopyIsConfirmed)
{
    QTest::keyClick(widget("VOLT"), Qt::Key_C, Qt::ControlModifier);
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    click("CALCOLO");
    QTest::keyClick(widget("AmpereInput"), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    menu->actions()[2]->trigger(); // "Copia il calcolo"
    menu->close();
    EXPECT_EQ(announced.mid(0, 1), QStringList({"Nessun risultato da copiare."}));
    EXPECT_TRUE(announced.last().startsWith("Calcolo copiato: V uguale R per I uguale 2 ohm per 3 ampere uguale 6 "
                                            "volt. potenza 18 watt"))
        << announced.last().toStdString();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("V = R × I = 2 Ω × 3 A = 6 V\nP = V × I = 18 W"));
}

TEST_F(Announcements, AccessibleRolesAreAFrameAndOneChoiceOfThree)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&calculator->window());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), calculator->window().windowTitle());
    click("OHM");
    for (const char* name : {"VOLT", "OHM", "AMPERE"}) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(widget(name));
        EXPECT_EQ(button->role(), QAccessible::RadioButton) << name;
        EXPECT_EQ(button->state().checked, std::string(name) == "OHM") << name;
    }
}

// A screen reader hears each change of a choice's state (a toggle is one): once.
TEST_F(Announcements, EachChoiceChangesItsStateOnce)
{
    QStringList changes;
    for (const char* name : {"VOLT", "OHM", "AMPERE"}) {
        QObject::connect(widget_as<QPushButton>(name), &QPushButton::toggled, [&changes, name](bool checked) {
            changes << QString::fromLatin1(name) + (checked ? " scelto" : " non scelto");
        });
    }
    QTest::keyClick(widget("VOLT"), Qt::Key_Space); // the chosen one, again
    click("OHM");
    changes.sort();
    EXPECT_EQ(changes, QStringList({"OHM scelto", "VOLT non scelto"}));
}

TEST_F(Announcements, HelpShownAndHidden)
{
    click("HELP");
    click("HELP");
    click("exithelp");
    EXPECT_EQ(announced,
              QStringList({"Testo di aiuto visualizzato: premere Tab per leggerlo.", "Testo di aiuto nascosto."}));
}

TEST_F(Announcements, TheNotificationIsNoControlAndTakesNoFocus)
{
    CalculatorWindow& window = calculator->window();
    const auto widgets_before = window.findChildren<QWidget*>().size();
    type_into("OhmInput", "2");
    type_into("AmpereInput", "3");
    widget("CALCOLO")->setFocus();
    QTest::keyClick(widget("CALCOLO"), Qt::Key_Space);
    EXPECT_EQ(focused_name(), "CALCOLO");
    EXPECT_EQ(window.findChildren<QWidget*>().size(), widgets_before);
    EXPECT_EQ(announced.size(), 1);

    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(reader);
    ASSERT_NE(notification, nullptr);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_TRUE(
        notification->text(QAccessible::Name).startsWith("Tensione V (volt), risultato: 6 volt. V uguale R per I"));
    QAccessibleInterface* window_interface = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(notification->parent(), window_interface);
    EXPECT_EQ(window_interface->indexOfChild(notification), -1) << "a review of the window reads controls only";
    EXPECT_FALSE(notification->state().focusable);
    EXPECT_FALSE(notification->state().invisible);
}

// A screen reader asks for the line, word and character at the caret when a box
// takes the focus; every boundary answers for a short text too.
TEST_F(Announcements, EntryBoxTellsItsTextAroundTheCaret)
{
    type_into("OhmInput", "4k7 ohm");
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(widget("OhmInput"));
    ASSERT_NE(box, nullptr);
    QAccessibleTextInterface* text = box->textInterface();
    ASSERT_NE(text, nullptr);
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "4k7 ohm");
    EXPECT_EQ(text->textAtOffset(5, QAccessible::WordBoundary, &start, &end), "ohm");
    EXPECT_EQ(start, 4);
    EXPECT_EQ(text->textAtOffset(-2, QAccessible::CharBoundary, &start, &end), "");
    EXPECT_EQ(text->textBeforeOffset(1, QAccessible::CharBoundary, &start, &end), "4");
}

} // namespace
} // namespace torvanel
