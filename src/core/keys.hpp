#pragma once

#include "core/held_text.hpp"

#include <optional>
#include <string>

namespace torvanel {

// A key as the program sees it on every system: which key, what it types, and the
// modifiers held. Each view describes its platform's key events so.
enum class KeyName { Other, Letter, Backspace, Delete, Insert, Tab, Menu, F10 };
struct KeyPress {
    KeyName key = KeyName::Other;
    char letter = 0;             // for KeyName::Letter: 'A' to 'Z'
    std::string typed;           // the printable text it types (UTF-8); empty for none
    bool keypad_decimal = false; // the numeric keypad's decimal key
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What a key asks of a text box; none: the editor's own (moving, selecting).
std::optional<BoxCommand> box_command(const KeyPress& key);

// The text a typing key puts into a box. The keypad's decimal key types the decimal
// separator: Italian keyboards give '.' there, which would not read.
std::string typed_text(const KeyPress& key, char decimal_separator);

// What a key asks of the window before any control sees it.
enum class WindowCommand {
    None,
    NextControl,     // Tab
    PreviousControl, // Shift+Tab
    CopyResult,      // Ctrl+C or Ctrl+Insert away from the text boxes, which copy themselves
    OpenResultMenu,  // the menu key or Shift+F10 while a result shows: a result never takes the focus
    OpenFocusedMenu, // the same keys while none does: the focused control's own menu
};
WindowCommand window_command(const KeyPress& key, bool focus_in_text_box, bool result_shown);

} // namespace torvanel
