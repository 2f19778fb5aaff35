#include "window/qt/long_text_view.hpp"

#include <QPainter>
#include <QPalette>
#include <QTextLine>

#include <algorithm>

namespace torvanel {
namespace {

// Characters laid out either side of what is needed: more than a line of the box holds.
constexpr qsizetype kMargin = 1024;

} // namespace

void LongTextView::set_font(const QFont& font, Qt::LayoutDirection direction)
{
    font_ = font;
    direction_ = direction;
    valid_ = false;
}

void LongTextView::text_replaced(qsizetype position, qsizetype removed, qsizetype inserted)
{
    valid_ = false;
    if (view_start_ > position) {
        view_start_ = std::max(position, view_start_ - removed) + inserted;
        view_offset_ = 0;
    }
}

void LongTextView::cover(const QString& text, qsizetype from, qsizetype to)
{
    const qsizetype size = text.size();
    if (valid_ && slice_start_ <= std::max<qsizetype>(0, from - kMargin / 2) &&
        slice_end_ >= std::min(size, to + kMargin / 2)) {
        return;
    }
    qsizetype start = std::max<qsizetype>(0, from - kMargin);
    qsizetype end = std::min(size, to + kMargin);
    if (start > 0 && text.at(start).isLowSurrogate()) {
        --start;
    }
    if (end < size && end > 0 && text.at(end - 1).isHighSurrogate()) {
        ++end;
    }
    QString slice = text.mid(start, end - start);
    // As QLineEdit shows them: control characters and line breaks as blanks.
    for (QChar& c : slice) {
        if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter) {
            c = QLatin1Char(' ');
        }
    }
    layout_.setText(slice);
    layout_.setFont(font_);
    QTextOption option = layout_.textOption();
    option.setTextDirection(direction_);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_.setTextOption(option);
    layout_.beginLayout();
    layout_.createLine();
    layout_.endLayout();
    slice_start_ = start;
    slice_end_ = end;
    valid_ = true;
}

int LongTextView::slice_x(qsizetype position) const
{
    return qRound(layout_.lineAt(0).cursorToX(static_cast<int>(position - slice_start_)));
}

void LongTextView::set_left(int x)
{
    const QTextLine line = layout_.lineAt(0);
    view_start_ = slice_start_ + line.xToCursor(x, QTextLine::CursorOnCharacter);
    view_offset_ = x - slice_x(view_start_);
}

void LongTextView::scroll(const QString& text, qsizetype cursor, int width)
{
    const qsizetype size = text.size();
    view_start_ = std::clamp<qsizetype>(view_start_, 0, size);
    if (cursor < view_start_) {
        view_start_ = cursor;
        view_offset_ = 0;
    } else if (cursor - view_start_ > kMargin) {
        // Far right of the view: as if the line ended just left of the caret.
        view_start_ = cursor;
        view_offset_ = -width - 1;
    }
    cover(text, view_start_, cursor);
    const int text_end = slice_x(slice_end_);
    const int caret = slice_x(cursor);
    int left = left_x();
    if (slice_start_ == 0 && slice_end_ == size && text_end - slice_x(0) + 1 <= width) {
        left = slice_x(0); // the whole text fits
    } else if (caret - left >= width) {
        left = caret - width + 1;
    } else if (caret - left < 0) {
        left = caret;
    } else if (slice_end_ == size && text_end + 1 - left < width) {
        left = text_end + 1 - width; // the end of the text stays at the right edge
    }
    if (slice_start_ == 0) {
        left = std::max(left, slice_x(0));
    }
    set_left(left);
}

int LongTextView::x_of(const QString& text, qsizetype position)
{
    cover(text, std::min(position, view_start_), std::max(position, view_start_));
    return slice_x(position) - left_x();
}

qsizetype LongTextView::position_at(const QString& text, int x)
{
    cover(text, view_start_, view_start_);
    const QTextLine line = layout_.lineAt(0);
    return slice_start_ + line.xToCursor(x + left_x(), QTextLine::CursorBetweenCharacters);
}

int LongTextView::ascent(const QString& text)
{
    cover(text, view_start_, view_start_);
    return qRound(layout_.lineAt(0).ascent());
}

void LongTextView::draw(QPainter& painter, const QString& text, QPoint origin, const QPalette& palette,
                        qsizetype selection_start, qsizetype selection_end, qsizetype cursor, int cursor_width)
{
    cover(text, view_start_, view_start_);
    const QPointF offset(origin.x() - left_x(), origin.y());
    QList<QTextLayout::FormatRange> selections;
    const qsizetype from = std::max(selection_start, slice_start_);
    const qsizetype to = std::min(selection_end, slice_end_);
    if (from < to) {
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(from - slice_start_);
        range.length = static_cast<int>(to - from);
        range.format.setBackground(palette.brush(QPalette::Highlight));
        range.format.setForeground(palette.brush(QPalette::HighlightedText));
        selections.append(range);
    }
    layout_.draw(&painter, offset, selections, painter.clipBoundingRect());
    if (cursor >= slice_start_ && cursor <= slice_end_) {
        layout_.drawCursor(&painter, offset, static_cast<int>(cursor - slice_start_), cursor_width);
    }
}

} // namespace torvanel
