#pragma once

#include "core/held_text.hpp"
#include "core/keys.hpp"

#include <windows.h>

#include <functional>
#include <string>

namespace torvanel::win32 {

// An edit box's side of the held-text rule (see HeldText): its messages become the
// rule's commands, and the rule shows its texts through the box.
class HeldTextBox final : public TextEditor {
public:
    // show: puts a text into the edit box as the program's, not the user's.
    // user_edited: told after every change the user makes here.
    // copy_without_selection: told when a copy finds nothing selected.
    HeldTextBox(HWND edit, std::function<void(const std::wstring&)> show, std::function<void()> user_edited,
                std::function<void()> copy_without_selection);

    bool holds_text() const noexcept { return held_.holds_text(); }
    // The box's whole text, held or shown.
    std::string full_text() const { return held_.full_text(); }
    // A text set by the program: shown, or held when too long; nothing to undo.
    void show_text(const std::string& text) { held_.show_text(text); }
    // Called first by the box's window procedure; true when it took the message.
    bool handle(UINT message, WPARAM wparam);
    // The box told its parent that the user changed its text.
    void edited() { held_.edited(); }
    // While the box holds a text, its menu is the held text's own (the edit box's would
    // act on the summary); true when it was shown.

    // The box's menu (see HeldText::menu), in place of the edit box's own, whose undo
    // is not the box's; at (-1, -1): from the keyboard.
    void context_menu(POINT at);

    std::size_t shown_length() const override;
    std::string shown_text() const override;
    void display(const std::string& text) override;
    void place_caret_after(std::string_view start) override;
    std::string with_selection_replaced(std::string_view inserted) const override;
    bool has_selection() const override;
    void copy_to_clipboard(const std::string& text) override;

private:
    HWND edit_;
    std::function<void(const std::wstring&)> show_;
    HeldText held_;
};

} // namespace torvanel::win32
