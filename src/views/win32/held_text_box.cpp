#include "views/win32/held_text_box.hpp"

#include "views/win32/clipboard.hpp"
#include "views/win32/utf16.hpp"

#include <algorithm>
#include <optional>

namespace torvanel::win32 {
namespace {

bool held(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// An edit box's key messages as the program's rules see them: Ctrl with a letter comes
// as a control character, Shift+Insert, Ctrl+Insert and Shift+Delete only as key downs.
std::optional<KeyPress> key_press_of(UINT message, WPARAM wparam)
{
    KeyPress key;
    key.ctrl = held(VK_CONTROL);
    key.shift = held(VK_SHIFT);
    key.alt = held(VK_MENU);
    if (message == WM_KEYDOWN && (wparam == VK_INSERT || wparam == VK_DELETE)) {
        key.key = wparam == VK_INSERT ? KeyName::Insert : KeyName::Delete;
    } else if (message != WM_CHAR) {
        return std::nullopt;
    } else if (wparam == 0x08 || wparam == 0x7F) {
        key.key = KeyName::Backspace; // 0x7F: Ctrl+Backspace; 0x08 with Ctrl: Ctrl+H, which erases too
    } else if (wparam >= 0x01 && wparam <= 0x1A) {
        key.key = KeyName::Letter;
        key.letter = static_cast<char>('A' + (wparam - 0x01));
    } else if (wparam >= 0x20) {
        // A character typed, whatever the keys that made it (AltGr is Ctrl+Alt).
        key.typed = to_utf8(std::wstring(1, static_cast<wchar_t>(wparam)));
        key.ctrl = key.alt = false;
    } else {
        return std::nullopt;
    }
    return key;
}

// The edit box's own commands, from its menu or from automation, and the keys.
std::optional<BoxCommand> command_of(UINT message, WPARAM wparam)
{
    switch (message) {
    case WM_PASTE:
        return BoxCommand::Paste;
    case WM_COPY:
        return BoxCommand::Copy;
    case WM_CUT:
        return BoxCommand::Cut;
    case WM_UNDO:
    case EM_UNDO:
        return BoxCommand::Undo;
    case WM_CLEAR:
        return BoxCommand::Erase;
    default:
        break;
    }
    const auto key = key_press_of(message, wparam);
    return key ? box_command(*key) : std::nullopt;
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

void HeldTextBox::context_menu(POINT at)
{
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the box
        RECT place{};
        GetWindowRect(edit_, &place);
        at = POINT{place.left, place.bottom};
    }
    const auto entries = held_.menu();
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendMenuW(menu, MF_STRING | (entries[i].enabled ? 0 : MF_GRAYED), i + 1, to_utf16(entries[i].words).c_str());
    }
    const auto choice =
        static_cast<std::size_t>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit_, nullptr));
    DestroyMenu(menu);
    if (choice < 1 || choice > entries.size()) {
        return;
    }
    const BoxCommand command = entries[choice - 1].command;
    if (held_.command(command, command == BoxCommand::Paste ? to_utf8(clipboard_text(edit_)) : std::string())) {
        return;
    }
    // The edit box's own, as its menu would have done it (through the box's messages).
    static constexpr std::pair<BoxCommand, UINT> kMessages[] = {{BoxCommand::Cut, WM_CUT},
                                                                {BoxCommand::Copy, WM_COPY},
                                                                {BoxCommand::Paste, WM_PASTE},
                                                                {BoxCommand::Erase, WM_CLEAR},
                                                                {BoxCommand::SelectAll, EM_SETSEL}};
    for (const auto& [editor_command, message] : kMessages) {
        if (editor_command == command) {
            SendMessageW(edit_, message, 0, message == EM_SETSEL ? -1 : 0);
        }
    }
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
