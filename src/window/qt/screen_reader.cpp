#include "window/qt/screen_reader.hpp"

#include "window/qt/qt_conversions.hpp"
#include "window/value_descriptions.hpp"

#include <QAccessibleObject>
#include <QWidget>

namespace torvanel {
namespace {

// The notification: no widget, no place on the screen, never focusable. It names
// the window as its parent but is none of the window's children, so reviewing the
// window reads the controls only.
class Notification : public QAccessibleObject {
public:
    explicit Notification(ScreenReader& reader) : QAccessibleObject(&reader), reader_(reader) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&reader_.window()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? reader_.words() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    ScreenReader& reader_;
};

} // namespace

ScreenReader::ScreenReader(const Form& form, QWidget& window, char decimal_separator)
    : QObject(&window), form_(form), window_(window), decimal_separator_(decimal_separator),
      notification_(QAccessible::registerAccessibleInterface(new Notification(*this)))
{
}

ScreenReader::~ScreenReader()
{
    QAccessible::deleteAccessibleInterface(notification_);
}

void ScreenReader::shown(const Control& control, PropertyName property)
{
    // While the window is built and loaded there is nothing to announce yet.
    if (!window_.isVisible()) {
        return;
    }
    if (property == PropertyName::Caption && control.kind() == ControlKind::Label) {
        const std::string& caption = static_cast<const Label&>(control).Caption.get();
        if (caption.empty()) {
            return;
        }
        if (&control == &form_.Formula) {
            announce(QStringLiteral("Formula in uso: ") + to_qstring(caption));
        } else if (control.description().unit != Unit::None) {
            announce(to_qstring(control.description().quantity_name) + QStringLiteral(", risultato: ") +
                     to_qstring(result_description(caption, decimal_separator_, control.description().unit)));
        }
    } else if (property == PropertyName::Visible && &control == &form_.TESTO) {
        announce(form_.TESTO.Visible ? QStringLiteral("Testo di aiuto visualizzato: premere Tab per leggerlo.")
                                     : QStringLiteral("Testo di aiuto nascosto."));
    }
}

void ScreenReader::announce(const QString& words)
{
    words_ = words;
    // Shown again for every announcement: a screen reader speaks a notification
    // when it appears.
    QAccessibleEvent appeared(QAccessible::accessibleInterface(notification_), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
    emit announced(words_);
}

} // namespace torvanel
