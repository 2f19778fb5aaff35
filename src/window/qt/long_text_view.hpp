#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>

class QPainter;
class QPalette;

namespace torvanel {

// Lays out, paints and hit-tests only the part of a long text around what an entry
// box shows, so that nothing measures the whole text. The view remembers its first
// visible character and how far into it the line starts, not a pixel offset from
// the start of the text, which would need everything before it measured.
class LongTextView {
public:
    // The text, the font or the direction changed: lay out again when next needed.
    void invalidate() noexcept { valid_ = false; }
    // `removed` characters at `position` became `inserted` ones: keep showing the same place.
    void text_replaced(qsizetype position, qsizetype removed, qsizetype inserted);
    void set_font(const QFont& font, Qt::LayoutDirection direction);

    // Scrolls as QLineEdit's painting does: the caret stays within `width` pixels, and
    // a text whose end lies inside the line is aligned to the line's right edge.
    void scroll(const QString& text, qsizetype cursor, int width);
    // The x of a caret position, from the line's left edge; the position must lie near
    // what is shown (the caret, or a point of the line).
    int x_of(const QString& text, qsizetype position);
    // The caret position nearest to x (from the line's left edge).
    qsizetype position_at(const QString& text, int x);
    // Paints the line with its left edge at `origin` (the top of the line).
    void draw(QPainter& painter, const QString& text, QPoint origin, const QPalette& palette, qsizetype selection_start,
              qsizetype selection_end, qsizetype cursor, int cursor_width);
    int ascent(const QString& text);

private:
    // The layout covers [from, to] and a margin either side.
    void cover(const QString& text, qsizetype from, qsizetype to);
    int slice_x(qsizetype position) const;
    int left_x() const { return slice_x(view_start_) + view_offset_; }
    void set_left(int x);

    QFont font_;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    QTextLayout layout_;
    bool valid_ = false;
    qsizetype slice_start_ = 0;
    qsizetype slice_end_ = 0;
    qsizetype view_start_ = 0; // first visible character
    int view_offset_ = 0;      // pixels of it left of the line
};

} // namespace torvanel
