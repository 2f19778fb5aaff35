#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace torvanel::win32 {

// An edit box that holds a text too long to lay out rather than editing it.
//
// Edit controls lay out a line of text whole on every change (under Wine a paste of
// 100 000 characters takes seconds, of a million minutes). From kHeldLength characters
// on, the box keeps the whole text, shows a short read-only summary of it and treats it
// as one piece: copy and cut take all of it, a key that edits replaces or clears all of
// it as one step, and undo brings back the text from before that step.
class HeldTextBox {
public:
    static constexpr std::size_t kHeldLength = 20'000;

    // show: puts a text into the edit box as the program's, not the user's.
    // user_edited: told after every change the user makes here.
    HeldTextBox(HWND edit, std::function<void(const std::wstring&)> show, std::function<void()> user_edited);

    bool holds_text() const noexcept { return held_.has_value(); }
    // The box's whole text, held or shown.
    std::wstring full_text() const;
    // A text set by the program: shown, or held when too long; nothing to undo.
    void show_text(const std::wstring& text);
    // Called first by the box's window procedure; true when it took the message.
    bool handle(UINT message, WPARAM wparam, LPARAM lparam);

private:
    bool handle_held(UINT message, WPARAM wparam);
    // A step the user takes: what was there before becomes what undo brings back.
    void replace_by_user(const std::wstring& text);
    // Undo (back) or redo across a held text; false when there is nothing to go to.
    bool step(bool back);
    void set_whole(const std::wstring& text);
    std::wstring with_selection_replaced(const std::wstring& inserted) const;

    HWND edit_;
    std::function<void(const std::wstring&)> show_;
    std::function<void()> user_edited_;
    std::optional<std::wstring> held_;
    // What undo and redo bring back once the box's own undo is spent: the texts around
    // the last step that held, replaced or let go of a held text.
    std::optional<std::wstring> undo_text_;
    std::optional<std::wstring> redo_text_;
};

} // namespace torvanel::win32
