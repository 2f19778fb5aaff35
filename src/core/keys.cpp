#include "core/keys.hpp"

namespace torvanel {
namespace {

bool with_ctrl(const KeyPress& key, char letter)
{
    return key.key == KeyName::Letter && key.letter == letter && key.ctrl && !key.alt;
}

} // namespace

std::optional<BoxCommand> box_command(const KeyPress& key)
{
    const bool plain_shift = key.shift && !key.ctrl && !key.alt;
    if (with_ctrl(key, 'V') || (key.key == KeyName::Insert && key.shift && !key.alt)) {
        return BoxCommand::Paste; // Ctrl+Shift+Insert too: X11's selection, where there is one
    }
    if (with_ctrl(key, 'C') || (key.key == KeyName::Insert && key.ctrl && !key.shift && !key.alt)) {
        return BoxCommand::Copy;
    }
    if (with_ctrl(key, 'X') || (key.key == KeyName::Delete && plain_shift)) {
        return BoxCommand::Cut;
    }
    // Ctrl+Y and Ctrl+Shift+Z both redo, whatever a system's own habit.
    if (with_ctrl(key, 'Z')) {
        return key.shift ? BoxCommand::Redo : BoxCommand::Undo;
    }
    if (with_ctrl(key, 'Y') && !key.shift) {
        return BoxCommand::Redo;
    }
    if ((key.key == KeyName::Backspace || key.key == KeyName::Delete) && !key.alt) {
        return BoxCommand::Erase;
    }
    if (!key.typed.empty() && !key.ctrl && !key.alt) {
        return BoxCommand::Type;
    }
    return std::nullopt;
}

std::string typed_text(const KeyPress& key, char decimal_separator)
{
    if (key.keypad_decimal && (key.typed == "." || key.typed == ",")) {
        return std::string(1, decimal_separator);
    }
    return key.typed;
}

WindowCommand window_command(const KeyPress& key, bool focus_in_text_box, bool result_shown)
{
    if (key.key == KeyName::Tab && !key.ctrl && !key.alt) {
        return key.shift ? WindowCommand::PreviousControl : WindowCommand::NextControl;
    }
    const bool copy_key = with_ctrl(key, 'C') || (key.key == KeyName::Insert && key.ctrl && !key.alt);
    if (copy_key && !key.shift && !focus_in_text_box) {
        return WindowCommand::CopyResult;
    }
    const bool menu_key = key.key == KeyName::Menu || (key.key == KeyName::F10 && key.shift && !key.ctrl && !key.alt);
    if (!menu_key) {
        return WindowCommand::None;
    }
    return result_shown ? WindowCommand::OpenResultMenu : WindowCommand::OpenFocusedMenu;
}

} // namespace torvanel
