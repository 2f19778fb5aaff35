#pragma once

#include "window/qt/long_text.hpp"
#include "window/qt/long_text_view.hpp"

#include <QBasicTimer>
#include <QClipboard>
#include <QLineEdit>
#include <QPoint>

#include <optional>
#include <utility>

class QMenu;

namespace torvanel {

// A single-line entry box. The numeric keypad's decimal key types the locale's
// decimal separator: Italian keyboards give '.' there, which would not read.
//
// Up to some tens of thousands of characters it is a stock QLineEdit. QLineEdit lays
// out and measures its whole text on every change and every paint, and keeps one undo
// record per character, so from kLongTextLength characters on the box keeps the text
// itself (long-text mode): it edits it with QLineEdit's rules, lays out only the part
// around what is shown, and a paste is one undo step. Below kShortTextLength it is a
// stock QLineEdit again. Edits in either mode are reported through textEdited.
//
// In long-text mode QLineEdit's own text(), cursor and selection are those from before
// the mode began (they come back when the long text is undone): read the box through
// the functions below.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    static constexpr qsizetype kLongTextLength = 1 << 15;
    static constexpr qsizetype kShortTextLength = 1 << 14;

    EntryBox(char decimal_separator, QWidget* parent);

    bool in_long_text_mode() const noexcept { return long_mode_; }
    QString full_text() const { return long_mode_ ? long_text_.text() : text(); }
    qsizetype length() const { return long_mode_ ? long_text_.size() : text().size(); }
    qsizetype caret() const { return long_mode_ ? long_text_.cursor() : cursorPosition(); }
    // [start, end); empty when nothing is selected.
    std::pair<qsizetype, qsizetype> selection() const;
    // Shows a text set by the program, as QLineEdit::setText does (caret at the end, no
    // undo history); nothing happens when the box already shows it.
    void show_text(const QString& text);

    // For accessibility clients: caret and selection, the rectangle of a character
    // and the position at a point (both in widget coordinates), and edits made as if
    // typed: replacing [start, end) with `text` is one undo step.
    void set_caret(qsizetype position);
    void set_selection(qsizetype start, qsizetype end);
    QRect character_rect(qsizetype position);
    qsizetype position_at(QPoint point);
    void replace_as_typed(qsizetype start, qsizetype end, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

public:
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    // Stock mode: whether inserting `inserted` characters at the selection needs long-text mode.
    bool makes_long_text(qsizetype inserted) const;
    // Stock mode: replaces [start, end) with `text` as one undo step in long-text mode.
    void enter_long_mode_by(qsizetype start, qsizetype end, const QString& text, LongText::Kind kind);
    void enter_long_mode();
    // Hands the text back to QLineEdit: the long text, or `replacement` set by the program.
    void leave_long_mode(const std::optional<QString>& replacement = std::nullopt);
    bool can_undo_any() const;
    bool can_redo_any() const;
    void undo_any();
    void redo_any();
    void paste_from(QClipboard::Mode mode);
    // `mode` tells a stock box which of QLineEdit's pastes to make of a short result.
    void paste_text(const QString& pasted, QClipboard::Mode mode);

    // Long-text mode.
    void long_key_press(QKeyEvent* event);
    void long_edit(const LongText::Change& change);
    void long_move(qsizetype position, bool mark);
    void long_copy(QClipboard::Mode mode) const;
    void long_select_all();
    void caret_changed();
    void restart_blinking();
    QRect line_rect() const;
    QRect caret_rect() const;
    qsizetype position_at_x(int x);
    void prepare_context_menu(QMenu* menu);

    QChar decimal_separator_;
    bool long_mode_ = false;
    LongText long_text_;
    // After long-text mode ended: its history, for undo and redo once QLineEdit has none.
    LongText earlier_long_text_;
    mutable LongTextView view_;
    bool caret_shown_ = false; // the box has the focus, or a drag hovers over it
    bool caret_on_ = true;     // the blinking caret's phase
    QBasicTimer blink_timer_;
    QBasicTimer triple_click_timer_;
    QPoint triple_click_point_;
    // What accessibility clients were last told.
    qsizetype reported_cursor_ = 0;
    std::pair<qsizetype, qsizetype> reported_selection_;
};

} // namespace torvanel
