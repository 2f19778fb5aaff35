#pragma once

#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace torvanel {

// The text, caret, selection and undo history of an entry box while it holds a long
// text, with the editing rules of QLineEdit. Positions are UTF-16 offsets.
class LongText {
public:
    // One change of the text: `removed` at `position` was replaced by `inserted`.
    struct Change {
        qsizetype position = 0;
        QString removed;
        QString inserted;
        bool empty() const { return removed.isEmpty() && inserted.isEmpty(); }
    };

    // How an edit joins the undo history. Runs of typing, of Backspace and of Delete
    // are undone together, as in QLineEdit; anything else is a step of its own.
    enum class Kind { Typing, Backspace, Delete, Other };

    const QString& text() const noexcept { return text_; }
    qsizetype size() const noexcept { return text_.size(); }
    qsizetype cursor() const noexcept { return cursor_; }
    qsizetype anchor() const noexcept { return anchor_; }
    bool has_selection() const noexcept { return cursor_ != anchor_; }
    qsizetype selection_start() const noexcept { return std::min(cursor_, anchor_); }
    qsizetype selection_end() const noexcept { return std::max(cursor_, anchor_); }
    QString selected_text() const { return text_.mid(selection_start(), selection_end() - selection_start()); }
    bool can_undo() const noexcept { return !undo_.empty(); }
    bool can_redo() const noexcept { return !redo_.empty(); }

    // A text set from outside: caret at the end, no selection, no history.
    void reset(QString text);
    // Moves the caret; with `mark` the selection runs from the anchor to it.
    void move_cursor(qsizetype position, bool mark);
    void select(qsizetype anchor, qsizetype cursor);
    // Ends the current run of typing or deleting in the undo history.
    void separate() noexcept { separated_ = true; }

    // Replaces the selection (or inserts at the caret); the caret ends after the text.
    Change insert(const QString& text, Kind kind = Kind::Other);
    // Replaces [start, end) with `text` as one step; the caret ends after the text.
    Change replace(qsizetype start, qsizetype end, const QString& text);
    Change remove_selection() { return replace(selection_start(), selection_end(), QString()); }
    Change backspace();
    Change del();
    Change undo();
    Change redo();

    // Caret stops: grapheme clusters and QLineEdit's word rules.
    qsizetype next_character(qsizetype position) const;
    qsizetype previous_character(qsizetype position) const;
    qsizetype next_word(qsizetype position) const;
    qsizetype previous_word(qsizetype position) const;
    // QLineEdit's word selection for a double click at `position`: [start, end).
    std::pair<qsizetype, qsizetype> word_at(qsizetype position) const;

private:
    struct Step {
        Kind kind;
        qsizetype position;
        QString removed;
        QString inserted;
        qsizetype cursor_before;
        qsizetype anchor_before;
    };
    Change apply(Kind kind, qsizetype start, qsizetype end, const QString& text, qsizetype cursor_after);

    QString text_;
    qsizetype cursor_ = 0;
    qsizetype anchor_ = 0;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool separated_ = true;
};

} // namespace torvanel
