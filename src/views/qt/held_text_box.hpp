#pragma once

#include "core/held_text.hpp"

#include <QString>

#include <functional>
#include <string>

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QWidget;

namespace torvanel {

// The part both Qt text boxes share: the keys, menu and clipboard that reach the
// held-text rule (see HeldText), which decides what each of them does.
class HeldTextBox : public TextEditor {
public:
    explicit HeldTextBox(char decimal_separator);

    bool holds_text() const noexcept { return held_.holds_text(); }
    // The box's whole text, held or shown.
    std::string full_text() const { return held_.full_text(); }
    // A text set by the program: shown, or held when too long; nothing to undo.
    void show_text(const std::string& text) { held_.show_text(text); }
    // Told after every change the user makes to the text.
    void on_user_edit(std::function<void()> listener) { user_edit_ = std::move(listener); }
    // Told when Ctrl+C finds nothing selected to copy.
    void on_copy_without_selection(std::function<void()> listener) { copy_without_selection_ = std::move(listener); }

protected:
    virtual QWidget& editor() = 0;
    // The editor's own handling of a key.
    virtual void editor_key_press(QKeyEvent* event) = 0;
    // The editor's own right-click menu, made for this opening.
    virtual QMenu* standard_menu() = 0;
    void copy_to_clipboard(const std::string& text) override;

    // For the editor's event handlers; each returns true when it took the event.
    void key_press(QKeyEvent* event);
    bool shortcut_override(QKeyEvent& event) const;
    // Takes an insertion the editor is about to make when its result must be held.
    bool insert_or_hold(const QString& inserted);
    bool context_menu(const QContextMenuEvent& event);
    // The editor changed its shown text for the user.
    void user_edited() { held_.edited(); }

private:
    std::function<void()> user_edit_;
    std::function<void()> copy_without_selection_;
    char decimal_separator_;
    HeldText held_;
};

} // namespace torvanel
