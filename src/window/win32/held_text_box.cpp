#include "window/win32/held_text_box.hpp"

#include "window/value_descriptions.hpp"
#include "window/win32/clipboard.hpp"
#include "window/win32/utf16.hpp"

namespace torvanel::win32 {
namespace {

// The characters an edit box gets for Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and Backspace.
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
bool pastes(UINT message, WPARAM wparam)
{
    return message == WM_PASTE || (message == WM_CHAR && wparam == kPasteKey) ||
           key_down(message, wparam, VK_INSERT, VK_SHIFT);
}

bool copies(UINT message, WPARAM wparam)
{
    return message == WM_COPY || (message == WM_CHAR && wparam == kCopyKey) ||
           key_down(message, wparam, VK_INSERT, VK_CONTROL);
}

bool cuts(UINT message, WPARAM wparam)
{
    return message == WM_CUT || (message == WM_CHAR && wparam == kCutKey) ||
           key_down(message, wparam, VK_DELETE, VK_SHIFT);
}

bool undoes(UINT message, WPARAM wparam)
{
    return message == WM_UNDO || message == EM_UNDO || (message == WM_CHAR && wparam == kUndoKey);
}

} // namespace

HeldTextBox::HeldTextBox(HWND edit, std::function<void(const std::wstring&)> show, std::function<void()> user_edited)
    : edit_(edit), show_(std::move(show)), user_edited_(std::move(user_edited))
{
}

std::wstring HeldTextBox::full_text() const
{
    return held_ ? *held_ : window_text(edit_);
}

void HeldTextBox::show_text(const std::wstring& text)
{
    undo_text_.reset();
    redo_text_.reset();
    set_whole(text);
}

void HeldTextBox::set_whole(const std::wstring& text)
{
    if (text.size() >= kHeldLength) {
        held_ = text;
        SendMessageW(edit_, EM_SETREADONLY, TRUE, 0);
        show_(to_utf16(held_text_summary(to_utf8(text))));
    } else {
        held_.reset();
        SendMessageW(edit_, EM_SETREADONLY, FALSE, 0);
        show_(text);
    }
}

void HeldTextBox::replace_by_user(const std::wstring& text)
{
    undo_text_ = full_text();
    redo_text_.reset();
    set_whole(text);
    user_edited_();
}

bool HeldTextBox::step(bool back)
{
    std::optional<std::wstring>& from = back ? undo_text_ : redo_text_;
    if (!from) {
        return false;
    }
    const std::wstring text = std::move(*from);
    from.reset();
    (back ? redo_text_ : undo_text_) = full_text();
    set_whole(text);
    user_edited_();
    return true;
}

std::wstring HeldTextBox::with_selection_replaced(const std::wstring& inserted) const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return window_text(edit_).replace(start, end - start, inserted);
}

bool HeldTextBox::handle(UINT message, WPARAM wparam, LPARAM)
{
    if (held_) {
        return handle_held(message, wparam);
    }
    std::wstring inserted;
    if (pastes(message, wparam)) {
        inserted = clipboard_text(edit_);
    } else if (message == WM_CHAR && wparam >= 0x20 && wparam != 0x7F) {
        inserted = std::wstring(1, static_cast<wchar_t>(wparam));
    } else if (undoes(message, wparam) && undo_text_ && SendMessageW(edit_, EM_CANUNDO, 0, 0) == 0) {
        return step(true);
    } else if (message == WM_CHAR && wparam == kRedoKey) {
        return step(false);
    } else {
        return false;
    }
    if (static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + inserted.size() < kHeldLength) {
        return false;
    }
    std::wstring result = with_selection_replaced(inserted);
    if (result.size() < kHeldLength) {
        return false;
    }
    replace_by_user(std::move(result));
    return true;
}

bool HeldTextBox::handle_held(UINT message, WPARAM wparam)
{
    const bool cut = cuts(message, wparam);
    if (copies(message, wparam) || cut) {
        copy_to_clipboard(edit_, *held_);
        if (cut) {
            replace_by_user({});
        }
    } else if (pastes(message, wparam)) {
        replace_by_user(clipboard_text(edit_));
    } else if (undoes(message, wparam) || (message == WM_CHAR && wparam == kRedoKey)) {
        step(undoes(message, wparam));
    } else if ((message == WM_CHAR && wparam == kBackspace) || (message == WM_KEYDOWN && wparam == VK_DELETE) ||
               message == WM_CLEAR) {
        replace_by_user({});
    } else if (message == WM_CHAR && wparam >= 0x20 && wparam != 0x7F) {
        replace_by_user(std::wstring(1, static_cast<wchar_t>(wparam)));
    } else {
        return false; // moving, selecting: the edit box's own
    }
    return true;
}

} // namespace torvanel::win32
