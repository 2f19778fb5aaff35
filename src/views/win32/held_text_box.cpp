#include "views/win32/held_text_box.hpp"

#include "views/win32/clipboard.hpp"
#include "views/win32/utf16.hpp"

#include <algorithm>
#include <optional>

namespace torvanel::win32 {
namespace {

// The characters an edit box gets for Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z, Ctrl+Y and Backspace.
constexpr WPARAM kCopyKey = 0x03;
constexpr WPARAM kPasteKey = 0x16;
constexpr WPARAM kCutKey = 0x18;
constexpr WPARAM kUndoKey = 0x1A;
constexpr WPARAM kRedoKey = 0x19;
constexpr WPARAM kBackspace = 0x08;

bool key_down(UINT message, WPARAM wparam, UINT key, int modifier)
{
    return message == WM_KEYDOWN && wparam == key && (GetKeyState(modifier) & 0x8000) != 0;
}

// The edit box handles Shift+Insert, Ctrl+Insert and Shift+Delete itself, without
// the messages it sends for Ctrl+V, Ctrl+C and Ctrl+X.
std::optional<BoxCommand> command_of(UINT message, WPARAM wparam)
{
    const bool character = message == WM_CHAR;
    if (message == WM_PASTE || (character && wparam == kPasteKey) || key_down(message, wparam, VK_INSERT, VK_SHIFT)) {
        return BoxCommand::Paste;
    }
    if (message == WM_COPY || (character && wparam == kCopyKey) || key_down(message, wparam, VK_INSERT, VK_CONTROL)) {
        return BoxCommand::Copy;
    }
    if (message == WM_CUT || (character && wparam == kCutKey) || key_down(message, wparam, VK_DELETE, VK_SHIFT)) {
        return BoxCommand::Cut;
    }
    if (message == WM_UNDO || message == EM_UNDO) {
        return BoxCommand::Undo;
    }
    if (character && wparam == kUndoKey) {
        // Ctrl+Shift+Z redoes, as on Linux.
        return (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? BoxCommand::Redo : BoxCommand::Undo;
    }
    if (character && wparam == kRedoKey) {
        return BoxCommand::Redo;
    }
    if ((character && wparam == kBackspace) || (message == WM_KEYDOWN && wparam == VK_DELETE) || message == WM_CLEAR) {
        return BoxCommand::Erase;
    }
    if (character && wparam >= 0x20 && wparam != 0x7F) {
        return BoxCommand::Type;
    }
    return std::nullopt;
}

} // namespace

HeldTextBox::HeldTextBox(HWND edit, std::function<void(const std::wstring&)> show, std::function<void()> user_edited,
                         std::function<void()> copy_without_selection)
    : edit_(edit), show_(std::move(show)), held_(*this, std::move(user_edited), std::move(copy_without_selection))
{
}

bool HeldTextBox::handle(UINT message, WPARAM wparam)
{
    const auto command = command_of(message, wparam);
    if (!command) {
        return false; // moving, selecting: the edit box's own
    }
    std::string text;
    if (*command == BoxCommand::Paste) {
        text = to_utf8(clipboard_text(edit_));
    } else if (*command == BoxCommand::Type) {
        text = to_utf8(std::wstring(1, static_cast<wchar_t>(wparam)));
    }
    return held_.command(*command, text);
}

bool HeldTextBox::context_menu(POINT at)
{
    if (!holds_text()) {
        return false;
    }
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the box
        RECT place{};
        GetWindowRect(edit_, &place);
        at = POINT{place.left, place.bottom};
    }
    const auto entries = held_.held_menu();
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendMenuW(menu, MF_STRING | (entries[i].enabled ? 0 : MF_GRAYED), i + 1, to_utf16(entries[i].words).c_str());
    }
    const auto choice =
        static_cast<std::size_t>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit_, nullptr));
    DestroyMenu(menu);
    if (choice >= 1 && choice <= entries.size()) {
        const BoxCommand command = entries[choice - 1].command;
        held_.command(command, command == BoxCommand::Paste ? to_utf8(clipboard_text(edit_)) : std::string());
    }
    return true;
}

std::size_t HeldTextBox::shown_length() const
{
    return static_cast<std::size_t>(GetWindowTextLengthW(edit_));
}

std::string HeldTextBox::shown_text() const
{
    return to_utf8(window_text(edit_));
}

void HeldTextBox::display(const std::string& text)
{
    show_(to_utf16(text));
    // The caret at the end, as a text set by the program has it elsewhere: a summary's
    // length is then in view.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
    SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

void HeldTextBox::place_caret_after(std::string_view start)
{
    const auto at = static_cast<WPARAM>(to_utf16(start).size());
    SendMessageW(edit_, EM_SETSEL, at, static_cast<LPARAM>(at));
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

std::string HeldTextBox::with_selection_replaced(std::string_view inserted) const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // The inserted text is already UTF-8 and may be megabytes: only the box's own is converted.
    const std::wstring shown = window_text(edit_);
    return to_utf8(std::wstring_view(shown).substr(0, start)) + std::string(inserted) +
           to_utf8(std::wstring_view(shown).substr(std::min<std::size_t>(end, shown.size())));
}

bool HeldTextBox::has_selection() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

void HeldTextBox::copy_to_clipboard(const std::string& text)
{
    win32::copy_to_clipboard(edit_, to_utf16(text));
}

} // namespace torvanel::win32
