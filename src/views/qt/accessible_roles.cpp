#include "views/qt/accessible_roles.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace torvanel {
namespace {

// A push button that is one choice of three: pressed, it is the chosen one, and
// pressing it again leaves it chosen, as a radio button does.
class ChoiceButtonAccessible : public QAccessibleWidget {
public:
    explicit ChoiceButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? button()->text() : text;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            button()->click();
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A result label with the unit drawn beside its figure: one object, named with the
// result, whose unit is never read alone.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value) {
            return QAccessibleWidget::text(kind);
        }
        // What it shows: the figure, then its unit.
        const auto* label = static_cast<QLabel*>(widget());
        const auto* unit = label->findChild<QLabel*>();
        return label->text().isEmpty() || unit == nullptr ? label->text() : label->text() + ' ' + unit->text();
    }
};

QAccessibleInterface* roles(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button != nullptr && button->property(kChoiceProperty).toBool()) {
        return new ChoiceButtonAccessible(button);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->property(kResultProperty).toBool()) {
        return new ResultAccessible(label);
    }
    // A plain top-level widget is otherwise a "filler", whose title no one reads.
    if (widget->isWindow() && widget->inherits("torvanel::CalculatorWindow")) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void install_accessible_roles()
{
    static const bool installed = [] {
        QAccessible::installFactory(&roles);
        return true;
    }();
    (void)installed;
}

} // namespace torvanel
