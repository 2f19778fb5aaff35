// The scenarios every view passes, on the Qt window: real widgets, QTest's events.
#include "gui/gui_fixture.hpp"
#include "parity/parity_scenarios.hpp"
#include "views/qt/screen_reader.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace torvanel {
namespace {

using parity::Act;

class QtView : public parity::ViewDriver {
public:
    explicit QtView(Calculator& calculator) : calculator_(calculator) {}

    void type(std::string_view box, std::string_view text) override
    {
        QWidget* widget = find(box);
        widget->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(widget, Qt::Key_End);
        QTest::keyClicks(widget, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void paste(std::string_view box, const std::string& text) override
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QWidget* widget = find(box);
        widget->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    }
    void key(std::string_view control, Act command) override
    {
        QWidget* widget = find(control);
        widget->setFocus(Qt::OtherFocusReason);
        switch (command) {
        case Act::Undo:
            QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
            break;
        case Act::Redo:
            QTest::keyClick(widget, Qt::Key_Y, Qt::ControlModifier); // Windows' key; Ctrl+Shift+Z elsewhere
            break;
        case Act::Copy:
            QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
            break;
        default:
            QTest::keyClick(widget, Qt::Key_Backspace);
            break;
        }
    }
    void click(std::string_view button) override { QTest::mouseClick(find(button), Qt::LeftButton); }
    std::string model_text(std::string_view box) const override
    {
        for (const Control* control : calculator_.form().controls()) {
            if (control->name() == box) {
                return static_cast<const TextBox*>(control)->Text.get();
            }
        }
        return "(no such box)";
    }
    std::string shown(std::string_view control) const override
    {
        QWidget* widget = find(control);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            return line->text().toStdString();
        }
        return qobject_cast<QLabel*>(widget)->text().toStdString();
    }
    std::string clipboard() const override { return QApplication::clipboard()->text().toStdString(); }
    bool chosen(std::string_view button) const override
    {
        return qobject_cast<QPushButton*>(find(button))->isChecked();
    }
    std::string tooltip(std::string_view control) const override { return find(control)->toolTip().toStdString(); }
    void tab() override { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    std::string accessible_name(std::string_view control) const override
    {
        return accessible(control)->text(QAccessible::Name).toStdString();
    }
    std::string accessible_role(std::string_view control) const override
    {
        const QAccessibleInterface* seen = accessible(control);
        const QAccessible::State state = seen->state();
        std::string role = seen->role() == QAccessible::RadioButton    ? "radio button"
                           : seen->role() == QAccessible::Button       ? "push button"
                           : seen->role() == QAccessible::EditableText ? "text"
                           : seen->role() == QAccessible::StaticText   ? "label"
                                                                       : "role " + std::to_string(seen->role());
        for (const auto& [on, name] : {std::pair(state.checked, ", checked"), std::pair(state.disabled, ", disabled"),
                                       std::pair(state.readOnly, ", read-only")}) {
            role += on ? name : "";
        }
        return role;
    }
    std::string accessible_description(std::string_view control) const override
    {
        return accessible(control)->text(QAccessible::Description).toStdString();
    }
    std::string focused() const override
    {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName().toStdString() : "";
    }
    std::string announced() const override
    {
        return calculator_.window().findChild<ScreenReader*>()->words().toStdString();
    }

private:
    QAccessibleInterface* accessible(std::string_view control) const
    {
        return QAccessible::queryAccessibleInterface(find(control));
    }
    QWidget* find(std::string_view name) const
    {
        return calculator_.window().findChild<QWidget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    Calculator& calculator_;
};

class Parity : public testing::GuiTest, public ::testing::WithParamInterface<parity::Scenario> {
protected:
    QLocale locale() const override { return QLocale(QLocale::Italian, QLocale::Italy); }
};

TEST_P(Parity, QtView)
{
    QtView view(*calculator);
    parity::play(GetParam(), view);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Parity, ::testing::ValuesIn(parity::scenarios()), parity::scenario_name);

} // namespace
} // namespace torvanel
