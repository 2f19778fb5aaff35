#pragma once

#include <QPointer>
#include <QWidget>

namespace torvanel {

// A ring around the control that has the focus, 2 pixels wide and dark blue: the
// style's own focus mark is a faint 1-pixel line that the yellow window swallows.
// Dark blue has a contrast of about 15:1 against the yellow, white, red and grey
// around it. The ring takes no clicks and never the focus.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);

    QWidget& window_;
    QPointer<QWidget> target_;
};

} // namespace torvanel
