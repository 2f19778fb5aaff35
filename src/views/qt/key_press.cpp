#include "views/qt/key_press.hpp"

#include <QKeyEvent>

namespace torvanel {

KeyPress key_press_of(const QKeyEvent& event)
{
    static constexpr std::pair<int, KeyName> kNames[] = {
        {Qt::Key_Backspace, KeyName::Backspace},
        {Qt::Key_Delete, KeyName::Delete},
        {Qt::Key_Insert, KeyName::Insert},
        {Qt::Key_Tab, KeyName::Tab},
        {Qt::Key_Backtab, KeyName::Tab},
        {Qt::Key_Menu, KeyName::Menu},
        {Qt::Key_F10, KeyName::F10},
    };
    KeyPress key;
    const int code = event.key();
    if (code >= Qt::Key_A && code <= Qt::Key_Z) {
        key.key = KeyName::Letter;
        key.letter = static_cast<char>('A' + (code - Qt::Key_A));
    }
    for (const auto& [qt_key, name] : kNames) {
        if (code == qt_key) {
            key.key = name;
        }
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    key.ctrl = (modifiers & Qt::ControlModifier) != 0;
    key.shift = (modifiers & Qt::ShiftModifier) != 0 || code == Qt::Key_Backtab;
    key.alt = (modifiers & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (const QString text = event.text(); !text.isEmpty() && text.front().isPrint()) {
        key.typed = text.toStdString();
    }
    key.keypad_decimal = (modifiers & Qt::KeypadModifier) != 0 &&
                         (code == Qt::Key_Period || code == Qt::Key_Comma || code == Qt::Key_Delete);
    return key;
}

} // namespace torvanel
