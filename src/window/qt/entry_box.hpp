#pragma once

#include <QLineEdit>

namespace torvanel {

// A single-line entry box. The numeric keypad's decimal key types the locale's
// decimal separator: Italian keyboards give '.' there, which would not read.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    EntryBox(char decimal_separator, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QChar decimal_separator_;
};

} // namespace torvanel
