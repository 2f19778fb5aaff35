#include "gui/gui_fixture.hpp"
#include "views/qt/translations.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

namespace torvanel {
namespace {

// A user with an Italian locale: the window reads and writes with the comma.
class ItalianUse : public testing::GuiTest {
protected:
    QLocale locale() const override { return QLocale(QLocale::Italian, QLocale::Italy); }
};

TEST_F(ItalianUse, ResistorCodeAndMilliampereGiveTheVoltageWithItsUnit)
{
    type_into("OhmInput", "4k7");
    type_into("AmpereInput", "2m");
    click("CALCOLO");
    auto* result = widget_as<QLabel>("VoltOutput");
    EXPECT_EQ(result->text(), "9,4");
    EXPECT_EQ(result->toolTip(),
              "9,4 V\nV = R × I = 4,7 kΩ × 2 mA = 9,4 V\nP = V × I = 18,8 mW\nCtrl+C copia il risultato");
    EXPECT_EQ(result->accessibleName(), "Tensione V (volt), risultati: 9,4 volt");
    // Each known box tells how it was read.
    EXPECT_EQ(widget("OhmInput")->toolTip(), "letto come 4700 Ω");
    EXPECT_EQ(widget("AmpereInput")->accessibleDescription(), "letto come 0,002 ampere");

    // Typing again drops the old reading; selecting drops the result's.
    type_into("OhmInput", "1M");
    EXPECT_TRUE(widget("OhmInput")->toolTip().startsWith("Esempi:"));
    click("OHM");
    EXPECT_EQ(result->toolTip(), "");
}

TEST_F(ItalianUse, QtsOwnMenuOfAnEntryBoxIsItalian)
{
    load_qt_translations(locale());
    const std::unique_ptr<QMenu> menu(widget_as<QLineEdit>("OhmInput")->createStandardContextMenu());
    load_qt_translations(QLocale::c());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries << action->text().remove('&');
        }
    }
    EXPECT_EQ(entries.size(), 7);
    for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"}) {
        EXPECT_FALSE(entries.contains(english)) << english << " in " << entries.join(", ").toStdString();
    }
}

TEST_F(ItalianUse, CommaNumbersAndTheKeypadDecimalKey)
{
    click("OHM");
    type_into("VoltInput", "10");
    QWidget* current = widget("AmpereInput");
    type_into("AmpereInput", "4");
    // An Italian keypad gives '.' on its decimal key; the box types the comma.
    QTest::keyClick(current, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(current, "0");
    EXPECT_EQ(calculator->form().AmpereInput.Text.get(), "4,0");
    click("CALCOLO");
    EXPECT_EQ(widget_as<QLabel>("OhmOutput")->text(), "2,5");
    // The main keyboard's full stop is left alone, and refused with its hint.
    type_into("AmpereInput", "4.0");
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    EXPECT_TRUE(watchdog->answered_texts.front().contains("Usare la virgola"));
}

TEST_F(ItalianUse, CurrentTypedIntoTheVoltageBoxIsRefusedClearly)
{
    click("OHM");
    type_into("VoltInput", "20 mA");
    type_into("AmpereInput", "1");
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    const QString message = watchdog->answered_texts.front();
    EXPECT_TRUE(message.contains("Tensione V (volt)")) << message.toStdString();
    EXPECT_TRUE(message.contains("in ampere")) << message.toStdString();
    EXPECT_TRUE(message.contains("valori in volt")) << message.toStdString();
    EXPECT_EQ(widget("VoltInput")->toolTip(), "non letto: è in ampere, non in volt");
    EXPECT_EQ(calculator->form().VoltInput.Text.get(), "20 mA");
}

TEST_F(ItalianUse, ResultContextMenuCopiesTheCaptionOrTheValueWithItsUnit)
{
    click("AMPERE");
    auto* result = widget_as<QLabel>("AmpereOutput");
    // A right click, as the mouse gives it; a new menu at each opening.
    const auto menu_entry = [result](int entry) {
        QContextMenuEvent right_click(QContextMenuEvent::Mouse, result->rect().center(),
                                      result->mapToGlobal(result->rect().center()));
        QApplication::sendEvent(result, &right_click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        QAction* action = menu != nullptr ? menu->actions().value(entry) : nullptr;
        EXPECT_NE(action, nullptr);
        if (action != nullptr) {
            action->trigger();
        }
        const QString words = action != nullptr ? action->text() : QString();
        if (menu != nullptr) {
            menu->close();
        }
        return words;
    };
    // Without a result, what the user had on the clipboard stays there.
    QApplication::clipboard()->setText(QStringLiteral("appunti"));
    for (int entry = 0; entry < 3; ++entry) {
        menu_entry(entry);
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "appunti");

    type_into("VoltInput", "1");
    type_into("OhmInput", "3k");
    click("CALCOLO");
    EXPECT_EQ(menu_entry(0), "Copia");
    EXPECT_EQ(QApplication::clipboard()->text(), "0,000333333333333333");
    EXPECT_EQ(menu_entry(1), "Copia con unità");
    EXPECT_EQ(QApplication::clipboard()->text(), "333,333333333333 µA");
    EXPECT_EQ(result->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace torvanel
