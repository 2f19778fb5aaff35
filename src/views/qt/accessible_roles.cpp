#include "views/qt/accessible_roles.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
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
