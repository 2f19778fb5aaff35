#include "window/qt/entry_box.hpp"

#include <QKeyEvent>

#include <limits>

namespace torvanel {

EntryBox::EntryBox(char decimal_separator, QWidget* parent)
    : QLineEdit(parent), decimal_separator_(QLatin1Char(decimal_separator))
{
    // An entry box takes text of any length.
    setMaxLength(std::numeric_limits<int>::max());
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    const bool keypad_decimal =
        (event->modifiers() & Qt::KeypadModifier) != 0 &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma || event->key() == Qt::Key_Delete);
    const bool types_text = event->text() == QStringLiteral(".") || event->text() == QStringLiteral(",");
    if (keypad_decimal && types_text && event->text() != QString(decimal_separator_)) {
        QKeyEvent separator(event->type(), event->key(), event->modifiers(), QString(decimal_separator_),
                            event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&separator);
        event->setAccepted(separator.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace torvanel
