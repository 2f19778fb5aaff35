#include "views/qt/screen_reader.hpp"

#include "core/control_words.hpp"
#include "views/qt/qt_conversions.hpp"

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
    const std::string words = announcement(form_, control, property, decimal_separator_);
    if (!words.empty()) {
        announce(to_qstring(words));
    }
}

void ScreenReader::release()
{
    if (const std::string words = queue_.release(); !words.empty()) {
        announce(to_qstring(words));
    }
}

void ScreenReader::announce(const QString& words)
{
    if (queue_.add(words.toStdString()).empty()) {
        return;
    }
    words_ = words;
    // Shown again for every announcement: a screen reader speaks a notification
    // when it appears.
    QAccessibleEvent appeared(QAccessible::accessibleInterface(notification_), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
    emit announced(words_);
}

} // namespace torvanel
