#include "core/held_text.hpp"

#include "core/value_descriptions.hpp"

#include <algorithm>
#include <utility>

namespace torvanel {

std::size_t character_count(std::string_view text)
{
    // Every byte but a UTF-8 continuation byte starts a character.
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string held_text_summary(std::string_view text)
{
    std::string count = std::to_string(character_count(text));
    for (auto i = static_cast<std::ptrdiff_t>(count.size()) - 3; i > 0; i -= 3) {
        count.insert(static_cast<std::size_t>(i), "\u00a0"); // a no-break space between thousands
    }
    return quote_excerpt(text, 32) + " (" + count + " caratteri)";
}

HeldText::HeldText(TextEditor& editor, std::function<void()> user_edited, std::function<void()> copy_without_selection)
    : editor_(editor), user_edited_(std::move(user_edited)), copy_without_selection_(std::move(copy_without_selection))
{
}

void HeldText::show_text(const std::string& text)
{
    if (text == full_text()) {
        return;
    }
    undo_text_.reset();
    redo_text_.reset();
    set_whole(text);
}

void HeldText::set_whole(std::string text)
{
    if (character_count(text) >= kHeldLength) {
        held_ = std::move(text);
        editor_.display(held_text_summary(*held_), true);
    } else {
        held_.reset();
        editor_.display(text, false);
        text_before_edit_ = std::move(text);
    }
}

void HeldText::tell_user_edited() const
{
    if (user_edited_) {
        user_edited_();
    }
}

void HeldText::replace_by_user(std::string text)
{
    undo_text_ = full_text();
    redo_text_.reset();
    set_whole(std::move(text));
    tell_user_edited();
}

bool HeldText::step(bool back)
{
    std::optional<std::string>& from = back ? undo_text_ : redo_text_;
    if (!from) {
        return false;
    }
    std::string text = std::move(*from);
    from.reset();
    // Undo past the editor's own history keeps what it could still have redone.
    (back ? redo_text_ : undo_text_) = back && !held_ ? editor_.newest_text() : full_text();
    set_whole(std::move(text));
    tell_user_edited();
    return true;
}

bool HeldText::insert_or_hold(std::string_view inserted)
{
    // Most keys are decided by the lengths alone; the editor's units are never fewer
    // than its characters.
    if (editor_.shown_length() + character_count(inserted) < kHeldLength) {
        return false;
    }
    std::string result = editor_.with_selection_replaced(inserted);
    if (character_count(result) < kHeldLength) {
        return false;
    }
    replace_by_user(std::move(result));
    return true;
}

void HeldText::edited()
{
    std::string text = editor_.shown_text();
    if (character_count(text) >= kHeldLength) {
        // An edit that came another way than the commands the box is given.
        undo_text_ = text_before_edit_;
        set_whole(std::move(text));
    } else {
        text_before_edit_ = std::move(text);
    }
    // Whatever redo would have brought back lies behind what was just typed.
    redo_text_.reset();
    tell_user_edited();
}

bool HeldText::command(BoxCommand command, std::string_view text)
{
    if (held_) {
        return held_command(command, text);
    }
    switch (command) {
    case BoxCommand::Type:
    case BoxCommand::Paste:
        return insert_or_hold(text);
    case BoxCommand::Undo:
        // Once the editor's own history is spent, undo and redo reach across a held text.
        return !editor_.can_undo() && step(true);
    case BoxCommand::Redo:
        return !editor_.can_redo() && step(false);
    case BoxCommand::Copy:
        if (editor_.has_selection() || !copy_without_selection_) {
            return false;
        }
        copy_without_selection_();
        return true;
    case BoxCommand::Cut:
    case BoxCommand::Erase:
        break;
    }
    return false;
}

bool HeldText::held_command(BoxCommand command, std::string_view text)
{
    switch (command) {
    case BoxCommand::Copy:
        editor_.copy_to_clipboard(*held_);
        break;
    case BoxCommand::Cut:
        editor_.copy_to_clipboard(*held_);
        replace_by_user({});
        break;
    case BoxCommand::Type:
    case BoxCommand::Paste:
        replace_by_user(std::string(text));
        break;
    case BoxCommand::Undo:
    case BoxCommand::Redo:
        step(command == BoxCommand::Undo);
        break;
    case BoxCommand::Erase:
        replace_by_user({});
        break;
    }
    return true;
}

std::vector<HeldText::MenuEntry> HeldText::held_menu() const
{
    return {
        {"Annulla", BoxCommand::Undo, undo_text_.has_value()}, {"Taglia", BoxCommand::Cut, held_.has_value()},
        {"Copia", BoxCommand::Copy, held_.has_value()},        {"Incolla", BoxCommand::Paste, true},
        {"Elimina", BoxCommand::Erase, held_.has_value()},
    };
}

} // namespace torvanel
