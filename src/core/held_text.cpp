#include "core/held_text.hpp"

#include "core/value_descriptions.hpp"

#include <algorithm>
#include <utility>

namespace torvanel {
namespace {

// How many bytes two texts share at their start, and at their end.
std::size_t common_start(std::string_view a, std::string_view b)
{
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

std::size_t common_end(std::string_view a, std::string_view b)
{
    return static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
}

} // namespace

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
    undo_.clear();
    redo_.clear();
    last_step_typed_ = false;
    set_whole(text);
}

void HeldText::set_whole(std::string text)
{
    if (character_count(text) >= kHeldLength) {
        held_ = std::move(text);
        editor_.display(held_text_summary(*held_));
    } else {
        held_.reset();
        // Known before the editor shows it, in case it reports the change as an edit.
        text_before_edit_ = std::move(text);
        editor_.display(text_before_edit_);
    }
}

void HeldText::tell_user_edited() const
{
    if (user_edited_) {
        user_edited_();
    }
}

void HeldText::remember(std::string before)
{
    redo_.clear();
    undo_.push_back(std::move(before));
    // A few pastes of megabytes would otherwise keep them all; the latest step always stays.
    std::size_t bytes = 0;
    for (const std::string& text : undo_) {
        bytes += text.size();
    }
    std::size_t dropped = 0;
    while ((bytes > kHistoryBytes || undo_.size() - dropped > kHistorySteps) && dropped + 1 < undo_.size()) {
        bytes -= undo_[dropped++].size();
    }
    undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(dropped));
}

void HeldText::replace_by_user(std::string text)
{
    remember(full_text());
    last_step_typed_ = false;
    set_whole(std::move(text));
    tell_user_edited();
}

void HeldText::step(bool back)
{
    std::vector<std::string>& from = back ? undo_ : redo_;
    if (from.empty()) {
        return;
    }
    std::string text = std::move(from.back());
    from.pop_back();
    std::string before = full_text();
    // The caret goes where the step's change ends, as editors put it, not to the end.
    std::size_t caret = std::max(text.size() - common_end(before, text), common_start(before, text));
    while (caret < text.size() && (static_cast<unsigned char>(text[caret]) & 0xC0) == 0x80) {
        ++caret; // never inside a character
    }
    (back ? redo_ : undo_).push_back(std::move(before));
    last_step_typed_ = false;
    set_whole(text);
    if (!held_) {
        editor_.place_caret_after(std::string_view(text).substr(0, caret));
    }
    tell_user_edited();
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
    typing_ = typing_ && !held_;
    if (held_) {
        // A key the commands do not cover edited the summary: it shows the held text again.
        if (std::string summary = held_text_summary(*held_); text != summary) {
            editor_.display(summary);
        }
        return;
    }
    if (text == text_before_edit_) {
        typing_ = false;
        return;
    }
    // A character typed right after the one before goes on the same step; typed
    // elsewhere (the caret moved), it starts a new one.
    const std::size_t typed_at = common_start(text_before_edit_, text);
    const bool typed_on = typing_ && last_step_typed_ && typed_at == next_typed_at_ &&
                          character_count(text) == character_count(text_before_edit_) + 1;
    next_typed_at_ = typed_at + (text.size() - std::min(text.size(), text_before_edit_.size()));
    if (!typed_on) {
        remember(std::move(text_before_edit_));
    }
    last_step_typed_ = typing_;
    typing_ = false;
    if (character_count(text) >= kHeldLength) {
        set_whole(std::move(text)); // an edit that came another way than the box's commands
    } else {
        text_before_edit_ = std::move(text);
    }
    tell_user_edited();
}

bool HeldText::command(BoxCommand command, std::string_view text)
{
    typing_ = command == BoxCommand::Type;
    if (command == BoxCommand::Undo || command == BoxCommand::Redo) {
        // Never the editor's own history, which differs from one system to another.
        step(command == BoxCommand::Undo);
        return true;
    }
    if (held_) {
        return held_command(command, text);
    }
    switch (command) {
    case BoxCommand::Type:
    case BoxCommand::Paste:
        return insert_or_hold(text);
    case BoxCommand::Copy:
        if (editor_.has_selection() || !copy_without_selection_) {
            return false;
        }
        copy_without_selection_();
        return true;
    case BoxCommand::Cut:
    case BoxCommand::Erase:
    case BoxCommand::Undo:
    case BoxCommand::Redo:
    case BoxCommand::SelectAll:
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
    case BoxCommand::Erase:
        replace_by_user({});
        break;
    case BoxCommand::Undo:
    case BoxCommand::Redo:
    case BoxCommand::SelectAll: // nothing to select but the whole
        break;
    }
    return true;
}

std::vector<HeldText::MenuEntry> HeldText::menu() const
{
    const bool some = held_.has_value() || editor_.has_selection();
    return {
        {"Annulla", BoxCommand::Undo, can_undo()},
        {"Ripeti", BoxCommand::Redo, can_redo()},
        {"Taglia", BoxCommand::Cut, some},
        {"Copia", BoxCommand::Copy, some},
        {"Incolla", BoxCommand::Paste, true},
        {"Elimina", BoxCommand::Erase, some},
        {"Seleziona tutto", BoxCommand::SelectAll, !held_.has_value() && editor_.shown_length() > 0},
    };
}

} // namespace torvanel
