#include "views/qt/screen_reader.hpp"

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

ScreenReader::ScreenReader(QWidget& window)
    : QObject(&window), window_(window),
      notification_(QAccessible::registerAccessibleInterface(new Notification(*this)))
{
}

ScreenReader::~ScreenReader()
{
    QAccessible::deleteAccessibleInterface(notification_);
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
