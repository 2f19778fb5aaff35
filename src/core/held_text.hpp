#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvanel {

// What a box's editor underneath gives the held-text rule; each view adapts its widget.
// Texts are UTF-8.
class TextEditor {
public:
    virtual ~TextEditor() = default;
    // The length of the shown text in the editor's own units: never fewer than its characters.
    virtual std::size_t shown_length() const = 0;
    virtual std::string shown_text() const = 0;
    // Shows a text as the program's, not as an edit of the user's, with the caret at its
    // end (so a summary's length is in view); the editor's own undo history goes.
    virtual void display(const std::string& text) = 0;
    // Puts the caret after the first characters of the shown text, given as that text's
    // start (UTF-8): where an undone or redone step ends.
    virtual void place_caret_after(std::string_view start) = 0;
    virtual std::string with_selection_replaced(std::string_view inserted) const = 0;
    virtual bool has_selection() const = 0;
    virtual void copy_to_clipboard(const std::string& text) = 0;
};

// What a key, a menu entry or a mouse gesture asks of a box.
enum class BoxCommand { Type, Paste, Copy, Cut, Undo, Redo, Erase, SelectAll };

// A box's text as the user edits it: its undo history, and a text too long to lay out
// held, not edited.
//
// Undo and redo are the box's own, the same on every system, and go back as far as the
// user's steps do (within kHistoryBytes): each paste, cut, erase or other change is a
// step, and a run of typed characters one. Redo never brings back a text over one typed
// since. A text set by the program starts a new history.
//
// Editors lay out a line of text whole on every change, which takes seconds for a paste
// of megabytes. From kHeldLength characters on, the box keeps the whole text, shows a
// short summary of it and treats it as one piece: copy and cut take all of it, a key
// that edits replaces or clears all of it as one step. The box stays editable, as typing
// replaces the text; an edit of the summary itself is undone.
class HeldText {
public:
    static constexpr std::size_t kHeldLength = 20'000;
    // The texts undo may bring back, and how many steps; the oldest steps go first.
    static constexpr std::size_t kHistoryBytes = 64 << 20;
    static constexpr std::size_t kHistorySteps = 1000;

    // user_edited: told after every change the user makes to the text.
    // copy_without_selection: told when Copy finds nothing selected to copy.
    HeldText(TextEditor& editor, std::function<void()> user_edited, std::function<void()> copy_without_selection);
    HeldText(const HeldText&) = delete;
    HeldText& operator=(const HeldText&) = delete;

    bool holds_text() const noexcept { return held_.has_value(); }
    // The box's whole text, held or shown.
    std::string full_text() const { return held_ ? *held_ : editor_.shown_text(); }
    // A text set by the program: shown, or held when too long; nothing to undo.
    void show_text(const std::string& text);

    // A command of the user's; text is what Type and Paste insert. True when it was
    // carried out here, false when it is the editor's own.
    bool command(BoxCommand command, std::string_view text = {});
    // The editor changed its shown text for the user.
    void edited();
    bool can_undo() const noexcept { return !undo_.empty(); }
    bool can_redo() const noexcept { return !redo_.empty(); }

    // A box's own menu, the same on every system: its undo and redo are the box's, and a
    // box that holds a text acts on all of it, not on the summary. An entry whose
    // command() answers false is the editor's to carry out.
    struct MenuEntry {
        std::string_view words;
        BoxCommand command;
        bool enabled;
    };
    std::vector<MenuEntry> menu() const;

private:
    bool held_command(BoxCommand command, std::string_view text);
    bool insert_or_hold(std::string_view inserted);
    // A step the user takes here: what was there before becomes what undo brings back.
    void replace_by_user(std::string text);
    // What was there before a step of the user's, for undo.
    void remember(std::string before);
    // Undo (back) or redo (forward) one step.
    void step(bool back);
    void set_whole(std::string text);
    void tell_user_edited() const;

    TextEditor& editor_;
    std::function<void()> user_edited_;
    std::function<void()> copy_without_selection_;
    std::optional<std::string> held_;
    std::vector<std::string> undo_; // the texts before each step, the latest last
    std::vector<std::string> redo_; // the texts undone, the latest undone last
    std::string text_before_edit_;  // the text the editor showed before its own edit
    bool typing_ = false;           // the command the editor is carrying out types a character
    bool last_step_typed_ = false;  // typing goes on that step
    std::size_t next_typed_at_ = 0; // where (in bytes) a character typed on that step goes
};

// The number of characters of a UTF-8 text.
std::size_t character_count(std::string_view text);

// What a box shows in place of a text too long to lay out: its start and its
// length, "4k7 2,2 1E-3 (abc) x 9.81… (10 485 760 caratteri)".
std::string held_text_summary(std::string_view text);

} // namespace torvanel
