#include "window/qt/long_text.hpp"

#include <QTextBoundaryFinder>

#include <string_view>

namespace torvanel {
namespace {

// Grapheme clusters are looked for this far around a position; no real cluster is longer.
constexpr qsizetype kClusterWindow = 64;

// QTextEngine's word separators, which QLineEdit's word moves stop at.
bool is_word_separator(QChar c)
{
    static constexpr std::u16string_view kSeparators = u".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\";
    return kSeparators.find(c.unicode()) != std::u16string_view::npos;
}

} // namespace

void LongText::reset(QString text)
{
    text_ = std::move(text);
    cursor_ = anchor_ = text_.size();
    undo_.clear();
    redo_.clear();
    separated_ = true;
}

void LongText::move_cursor(qsizetype position, bool mark)
{
    position = std::clamp<qsizetype>(position, 0, text_.size());
    if (position != cursor_) {
        separated_ = true;
    }
    cursor_ = position;
    if (!mark) {
        anchor_ = position;
    }
}

void LongText::select(qsizetype anchor, qsizetype cursor)
{
    anchor_ = std::clamp<qsizetype>(anchor, 0, text_.size());
    cursor_ = std::clamp<qsizetype>(cursor, 0, text_.size());
    separated_ = true;
}

LongText::Change LongText::insert(const QString& text, Kind kind)
{
    const qsizetype start = selection_start();
    return apply(kind, start, selection_end(), text, start + text.size());
}

LongText::Change LongText::replace(qsizetype start, qsizetype end, const QString& text)
{
    start = std::clamp<qsizetype>(start, 0, text_.size());
    end = std::clamp<qsizetype>(end, start, text_.size());
    return apply(Kind::Other, start, end, text, start + text.size());
}

LongText::Change LongText::backspace()
{
    if (has_selection()) {
        return remove_selection();
    }
    if (cursor_ == 0) {
        return {};
    }
    // One UTF-16 unit, or a whole surrogate pair: an accent typed after its letter
    // goes on its own, as in QLineEdit.
    qsizetype start = cursor_ - 1;
    if (start > 0 && text_.at(start).isLowSurrogate() && text_.at(start - 1).isHighSurrogate()) {
        --start;
    }
    return apply(Kind::Backspace, start, cursor_, QString(), start);
}

LongText::Change LongText::del()
{
    if (has_selection()) {
        return remove_selection();
    }
    if (cursor_ == text_.size()) {
        return {};
    }
    return apply(Kind::Delete, cursor_, next_character(cursor_), QString(), cursor_);
}

LongText::Change LongText::apply(Kind kind, qsizetype start, qsizetype end, const QString& text, qsizetype cursor_after)
{
    QString removed = text_.mid(start, end - start);
    if (removed.isEmpty() && text.isEmpty()) {
        return {};
    }
    Step* last = !separated_ && !undo_.empty() && undo_.back().kind == kind ? &undo_.back() : nullptr;
    if (last != nullptr && kind == Kind::Typing && removed.isEmpty() &&
        last->position + last->inserted.size() == start) {
        last->inserted += text;
    } else if (last != nullptr && kind == Kind::Backspace && last->inserted.isEmpty() && end == last->position) {
        last->removed.prepend(removed);
        last->position = start;
    } else if (last != nullptr && kind == Kind::Delete && last->inserted.isEmpty() && start == last->position) {
        last->removed += removed;
    } else {
        undo_.push_back(Step{kind, start, removed, text, cursor_, anchor_});
    }
    redo_.clear();
    separated_ = kind == Kind::Other;
    text_.replace(start, end - start, text);
    cursor_ = anchor_ = cursor_after;
    return Change{start, std::move(removed), text};
}

LongText::Change LongText::undo()
{
    if (undo_.empty()) {
        return {};
    }
    Step step = std::move(undo_.back());
    undo_.pop_back();
    text_.replace(step.position, step.inserted.size(), step.removed);
    cursor_ = step.cursor_before;
    anchor_ = step.anchor_before;
    separated_ = true;
    Change change{step.position, step.inserted, step.removed};
    redo_.push_back(std::move(step));
    return change;
}

LongText::Change LongText::redo()
{
    if (redo_.empty()) {
        return {};
    }
    Step step = std::move(redo_.back());
    redo_.pop_back();
    text_.replace(step.position, step.removed.size(), step.inserted);
    cursor_ = anchor_ = step.position + step.inserted.size();
    separated_ = true;
    Change change{step.position, step.removed, step.inserted};
    undo_.push_back(std::move(step));
    return change;
}

qsizetype LongText::next_character(qsizetype position) const
{
    if (position >= text_.size()) {
        return text_.size();
    }
    const qsizetype length = std::min(kClusterWindow, text_.size() - position);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text_.constData() + position, length);
    finder.setPosition(0);
    const qsizetype next = finder.toNextBoundary();
    return position + (next > 0 ? next : length);
}

qsizetype LongText::previous_character(qsizetype position) const
{
    if (position <= 0) {
        return 0;
    }
    const qsizetype start = std::max<qsizetype>(0, position - kClusterWindow);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text_.constData() + start, position - start);
    finder.setPosition(position - start);
    const qsizetype previous = finder.toPreviousBoundary();
    return start + std::max<qsizetype>(previous, 0);
}

qsizetype LongText::next_word(qsizetype position) const
{
    const qsizetype length = text_.size();
    if (position < 0 || position >= length) {
        return position;
    }
    if (is_word_separator(text_.at(position))) {
        ++position;
        while (position < length && is_word_separator(text_.at(position))) {
            ++position;
        }
    } else {
        while (position < length && !text_.at(position).isSpace() && !is_word_separator(text_.at(position))) {
            ++position;
        }
    }
    while (position < length && text_.at(position).isSpace()) {
        ++position;
    }
    return position;
}

qsizetype LongText::previous_word(qsizetype position) const
{
    if (position <= 0 || position > text_.size()) {
        return position;
    }
    while (position > 0 && text_.at(position - 1).isSpace()) {
        --position;
    }
    if (position > 0 && is_word_separator(text_.at(position - 1))) {
        --position;
        while (position > 0 && is_word_separator(text_.at(position - 1))) {
            --position;
        }
    } else {
        while (position > 0 && !text_.at(position - 1).isSpace() && !is_word_separator(text_.at(position - 1))) {
            --position;
        }
    }
    return position;
}

std::pair<qsizetype, qsizetype> LongText::word_at(qsizetype position) const
{
    const qsizetype next = std::min(position + 1, text_.size());
    const qsizetype start = previous_word(next);
    qsizetype end = next_word(start);
    while (end > position && end > 0 && text_.at(end - 1).isSpace()) {
        --end;
    }
    return {start, end};
}

} // namespace torvanel
