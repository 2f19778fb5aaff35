#pragma once

#include "core/announcement_queue.hpp"
#include "core/control_model.hpp"

#include <QAccessible>
#include <QObject>
#include <QString>

class QWidget;

namespace torvanel {

// Tells a screen reader what changes away from the focus: a result, the formula in
// use, the help text appearing or going. Nothing is drawn and the focus stays: the
// words go out as an accessible notification that is shown (AT-SPI role
// "notification", state "showing"), which screen readers speak at once, the way
// they speak a desktop notification or a web page's role="alert". (Qt 6.4 has no
// announcement event of its own.)
class ScreenReader : public QObject {
    Q_OBJECT

public:
    ScreenReader(const Form& form, QWidget& window, char decimal_separator);
    ~ScreenReader() override;

    // The window has just shown this property's new value.
    void shown(const Control& control, PropertyName property);
    void announce(const QString& words);
    // While held, what is announced waits and then goes out as one announcement.
    void hold() { queue_.hold(); }
    void release();

    // What the notification says now: the last words announced.
    const QString& words() const noexcept { return words_; }
    QWidget& window() const noexcept { return window_; }

signals:
    // Every announcement, whether a screen reader listens or not.
    void announced(const QString& words);

private:
    const Form& form_;
    QWidget& window_;
    char decimal_separator_;
    QString words_;
    AnnouncementQueue queue_;
    QAccessible::Id notification_;
};

} // namespace torvanel
