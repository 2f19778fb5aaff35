#pragma once

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
    explicit ScreenReader(QWidget& window);
    ~ScreenReader() override;

    void announce(const QString& words);

    // What the notification says now: the last words announced.
    const QString& words() const noexcept { return words_; }
    QWidget& window() const noexcept { return window_; }

signals:
    // Every announcement, whether a screen reader listens or not.
    void announced(const QString& words);

private:
    QWidget& window_;
    QString words_;
    QAccessible::Id notification_;
};

} // namespace torvanel
