#pragma once

#include <QString>

#include <functional>
#include <optional>

class QContextMenuEvent;
class QKeyEvent;
class QWidget;

namespace torvanel {

// The part both text boxes share: a text too long to lay out is held, not edited.
//
// QLineEdit and QPlainTextEdit lay out a line of text whole on every change, which
// takes seconds for a paste of megabytes. From kHeldLength characters on, the box
// keeps the whole text, shows a short read-only summary of it and treats it as one
// piece: copy and cut take all of it, a key that edits replaces or clears all of it
// as one step, and undo brings back the text from before that step.
class HeldTextBox {
public:
    static constexpr qsizetype kHeldLength = 20'000;

    HeldTextBox() = default;
    HeldTextBox(const HeldTextBox&) = delete;
    HeldTextBox& operator=(const HeldTextBox&) = delete;
    virtual ~HeldTextBox() = default;

    bool holds_text() const noexcept { return held_.has_value(); }
    // The box's whole text, held or shown.
    QString full_text() const { return held_ ? *held_ : shown_text(); }
    // A text set by the program: shown, or held when too long; nothing to undo.
    void show_text(const QString& text);
    // Told after every change the user makes to the text.
    void on_user_edit(std::function<void()> listener) { user_edit_ = std::move(listener); }
    // Told when Ctrl+C finds nothing selected to copy.
    void on_copy_without_selection(std::function<void()> listener) { copy_without_selection_ = std::move(listener); }

protected:
    // What the editor underneath provides.
    virtual QWidget& editor() = 0;
    virtual QString shown_text() const = 0;
    // Shows a text without telling on_user_edit's listener; the editor's undo history goes.
    virtual void set_shown_text(const QString& text) = 0;
    virtual QString with_selection_replaced(const QString& inserted) const = 0;
    virtual bool editor_can_undo() const = 0;
    virtual bool editor_can_redo() const = 0;
    virtual bool editor_has_selection() const = 0;

    // For the editor's event handlers; each returns true when it took the event.
    bool key_press(QKeyEvent& event);
    bool shortcut_override(QKeyEvent& event) const;
    // Takes an insertion the editor is about to make when its result must be held.
    bool insert_or_hold(const QString& inserted);
    bool context_menu(const QContextMenuEvent& event);
    // The editor changed its shown text for the user: held now if it grew too long.
    void user_edited();

private:
    bool held_key_press(QKeyEvent& event);
    // A step the user takes: what was there before becomes what undo brings back.
    void replace_by_user(const QString& text);
    // Undo (back) or redo across a held text; false when there is nothing to go to.
    bool step(bool back);
    void set_whole(const QString& text);

    std::optional<QString> held_;
    // What undo and redo bring back once the editor's own history is spent: the texts
    // around the last step that held, replaced or let go of a held text.
    std::optional<QString> undo_text_;
    std::optional<QString> redo_text_;
    QString text_before_edit_; // for undo when an edit that came another way must be held
    std::function<void()> user_edit_;
    std::function<void()> copy_without_selection_;
};

} // namespace torvanel
