#include "window/qt/entry_box.hpp"

#include "window/qt/entry_box_accessible.hpp"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace torvanel {
namespace {

// QLineEdit's margins around its line of text, in pixels.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// Characters around the caret that an input method sees.
constexpr qsizetype kSurroundingText = 512;

// The text a paste key takes: Ctrl+Shift+Insert pastes the X11 selection.
QString clipboard_text(const QKeyEvent& key)
{
    const bool selection = key.key() == Qt::Key_Insert && key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

// The keys QLineEdit types as text (QInputControl's rules for a single line).
bool types_text(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        return false;
    }
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format) {
        return true;
    }
    if (event->modifiers() == Qt::ControlModifier || event->modifiers() == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// QLineEdit's Left and Right end a selection at its edge, except with the Windows key
// scheme. The scheme is no public API, its bindings are: only the Windows one has no
// key for DeleteEndOfLine.
bool arrows_end_selection_at_edge()
{
    return !QKeySequence::keyBindings(QKeySequence::DeleteEndOfLine).isEmpty();
}

void tell_accessibility(QObject* box, const LongText::Change& change)
{
    if (change.removed.isEmpty()) {
        QAccessibleTextInsertEvent event(box, static_cast<int>(change.position), change.inserted);
        QAccessible::updateAccessibility(&event);
    } else if (change.inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(box, static_cast<int>(change.position), change.removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(box, static_cast<int>(change.position), change.removed, change.inserted);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

EntryBox::EntryBox(char decimal_separator, QWidget* parent)
    : QLineEdit(parent), decimal_separator_(QLatin1Char(decimal_separator))
{
    install_entry_box_accessibility();
    // An entry box takes text of any length.
    setMaxLength(std::numeric_limits<int>::max());
    view_.set_font(font(), layoutDirection());
}

std::pair<qsizetype, qsizetype> EntryBox::selection() const
{
    if (long_mode_) {
        return {long_text_.selection_start(), long_text_.selection_end()};
    }
    if (!hasSelectedText()) {
        return {cursorPosition(), cursorPosition()};
    }
    return {selectionStart(), selectionEnd()};
}

void EntryBox::show_text(const QString& text)
{
    if (text == full_text()) {
        return;
    }
    earlier_long_text_ = LongText();
    if (text.size() < kLongTextLength) {
        if (long_mode_) {
            leave_long_mode(text);
        } else {
            setText(text);
        }
        return;
    }
    const QString old = full_text();
    long_text_.reset(text);
    if (long_mode_) {
        view_.invalidate();
    } else {
        enter_long_mode();
    }
    QAccessibleTextUpdateEvent event(this, 0, old, text);
    QAccessible::updateAccessibility(&event);
    caret_changed();
}

void EntryBox::set_caret(qsizetype position)
{
    if (long_mode_) {
        long_move(position, false);
    } else {
        setCursorPosition(static_cast<int>(position));
    }
}

void EntryBox::set_selection(qsizetype start, qsizetype end)
{
    if (long_mode_) {
        long_text_.select(start, end);
        caret_changed();
    } else {
        setSelection(static_cast<int>(start), static_cast<int>(end - start));
    }
}

QRect EntryBox::character_rect(qsizetype position)
{
    const QString shown = full_text();
    if (position < 0 || position >= shown.size()) {
        return {};
    }
    const QRect line = line_rect();
    int x = 0;
    if (long_mode_) {
        x = view_.x_of(shown, position);
    } else {
        // QLineEdit tells only its caret's place; the advance of the text between gives the rest.
        const qsizetype caret = cursorPosition();
        const int caret_x = cursorRect().left() + 5 - line.left();
        const QFontMetrics metrics = fontMetrics();
        const int between = metrics.horizontalAdvance(shown.mid(std::min(caret, position), std::abs(caret - position)));
        x = position < caret ? caret_x - between : caret_x + between;
    }
    return {line.left() + x, line.top(), fontMetrics().horizontalAdvance(shown.at(position)), line.height()};
}

qsizetype EntryBox::position_at(QPoint point)
{
    return long_mode_ ? position_at_x(point.x()) : cursorPositionAt(point);
}

void EntryBox::replace_as_typed(qsizetype start, qsizetype end, const QString& text)
{
    const qsizetype size = length();
    start = std::clamp<qsizetype>(start, 0, size);
    end = std::clamp<qsizetype>(end, start, size);
    if (long_mode_) {
        long_edit(long_text_.replace(start, end, text));
    } else if (size - (end - start) + text.size() >= kLongTextLength) {
        enter_long_mode_by(start, end, text, LongText::Kind::Other);
    } else {
        setSelection(static_cast<int>(start), static_cast<int>(end - start));
        insert(text);
    }
}

bool EntryBox::makes_long_text(qsizetype inserted) const
{
    const auto [start, end] = selection();
    return text().size() - (end - start) + inserted >= kLongTextLength;
}

void EntryBox::enter_long_mode_by(qsizetype start, qsizetype end, const QString& text, LongText::Kind kind)
{
    // The history starts from QLineEdit's text, so undoing this edit gives it back.
    long_text_.reset(QLineEdit::text());
    long_text_.select(start, end);
    enter_long_mode();
    long_edit(long_text_.insert(text, kind));
}

void EntryBox::enter_long_mode()
{
    long_mode_ = true;
    view_.set_font(font(), layoutDirection());
    reported_cursor_ = long_text_.cursor();
    reported_selection_ = {long_text_.selection_start(), long_text_.selection_end()};
    if (hasFocus()) {
        // QLineEdit keeps its caret hidden and still while the box shows the long text.
        QFocusEvent leaving(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&leaving);
        caret_shown_ = true;
    }
    restart_blinking();
    update();
}

void EntryBox::leave_long_mode(const std::optional<QString>& replacement)
{
    const QString known = long_text_.text(); // what accessibility clients were told
    const QString next = replacement.value_or(known);
    const QString stock = QLineEdit::text();
    long_mode_ = false;
    blink_timer_.stop();
    caret_shown_ = false;
    if (known != (next == stock ? next : stock)) {
        // Clients learn that the text is QLineEdit's again; its own event tells any change from there.
        QAccessibleTextUpdateEvent event(this, 0, known, next == stock ? next : stock);
        QAccessible::updateAccessibility(&event);
    }
    if (next != stock) {
        setText(next);
    }
    if (replacement) {
        setCursorPosition(static_cast<int>(next.size()));
        earlier_long_text_ = LongText();
    } else {
        const qsizetype anchor = long_text_.anchor();
        setSelection(static_cast<int>(anchor), static_cast<int>(long_text_.cursor() - anchor));
        earlier_long_text_ = std::move(long_text_);
    }
    long_text_ = LongText();
    if (hasFocus()) {
        QFocusEvent coming(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&coming);
    }
    update();
}

bool EntryBox::can_undo_any() const
{
    if (long_mode_) {
        return long_text_.can_undo();
    }
    return isUndoAvailable() || (earlier_long_text_.can_undo() && text() == earlier_long_text_.text());
}

bool EntryBox::can_redo_any() const
{
    if (long_mode_) {
        return long_text_.can_redo();
    }
    return isRedoAvailable() || (earlier_long_text_.can_redo() && text() == earlier_long_text_.text());
}

void EntryBox::undo_any()
{
    if (!long_mode_ && isUndoAvailable()) {
        undo();
    } else if (long_mode_ || can_undo_any()) {
        if (!long_mode_) {
            long_text_ = std::move(earlier_long_text_);
            earlier_long_text_ = LongText();
            enter_long_mode();
        }
        long_edit(long_text_.undo());
    }
}

void EntryBox::redo_any()
{
    if (!long_mode_ && isRedoAvailable()) {
        redo();
    } else if (long_mode_ || can_redo_any()) {
        if (!long_mode_) {
            long_text_ = std::move(earlier_long_text_);
            earlier_long_text_ = LongText();
            enter_long_mode();
        }
        long_edit(long_text_.redo());
    }
}

void EntryBox::paste_from(QClipboard::Mode mode)
{
    if (!isReadOnly()) {
        paste_text(QGuiApplication::clipboard()->text(mode), mode);
    }
}

void EntryBox::paste_text(const QString& pasted, QClipboard::Mode mode)
{
    if (long_mode_) {
        if (!pasted.isEmpty() || long_text_.has_selection()) {
            long_edit(long_text_.insert(pasted, LongText::Kind::Other));
        }
    } else if (makes_long_text(pasted.size())) {
        const auto [start, end] = selection();
        enter_long_mode_by(start, end, pasted, LongText::Kind::Other);
    } else if (mode == QClipboard::Clipboard) {
        paste();
    } else {
        insert(pasted);
    }
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    QKeyEvent* key = event;
    const bool keypad_decimal =
        (event->modifiers() & Qt::KeypadModifier) != 0 &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma || event->key() == Qt::Key_Delete);
    const bool types_separator = event->text() == QStringLiteral(".") || event->text() == QStringLiteral(",");
    QKeyEvent separator(event->type(), event->key(), event->modifiers(), QString(decimal_separator_),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
    if (keypad_decimal && types_separator && event->text() != QString(decimal_separator_)) {
        key = &separator;
    }
    if (long_mode_) {
        long_key_press(key);
    } else if (key->matches(QKeySequence::Undo) && !isReadOnly() && !isUndoAvailable() && can_undo_any()) {
        undo_any();
    } else if (key->matches(QKeySequence::Redo) && !isReadOnly() && !isRedoAvailable() && can_redo_any()) {
        redo_any();
    } else if (key->matches(QKeySequence::Paste) && !isReadOnly()) {
        const QString pasted = clipboard_text(*key);
        if (makes_long_text(pasted.size())) {
            paste_text(pasted, QClipboard::Clipboard);
        } else {
            QLineEdit::keyPressEvent(key);
        }
    } else if (types_text(key) && !isReadOnly() && makes_long_text(key->text().size())) {
        const auto [start, end] = selection();
        enter_long_mode_by(start, end, key->text(), LongText::Kind::Typing);
    } else {
        QLineEdit::keyPressEvent(key);
    }
    event->setAccepted(key->isAccepted());
}

void EntryBox::long_key_press(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return) {
        emit returnPressed();
        emit editingFinished();
        event->ignore();
        return;
    }
    const qsizetype cursor = long_text_.cursor();
    const qsizetype size = long_text_.size();
    event->accept();
    if (event->matches(QKeySequence::Undo)) {
        undo_any();
    } else if (event->matches(QKeySequence::Redo)) {
        redo_any();
    } else if (event->matches(QKeySequence::SelectAll)) {
        long_select_all();
    } else if (event->matches(QKeySequence::Copy)) {
        long_copy(QClipboard::Clipboard);
    } else if (event->matches(QKeySequence::Paste)) {
        paste_text(clipboard_text(*event), QClipboard::Clipboard);
    } else if (event->matches(QKeySequence::Cut)) {
        if (long_text_.has_selection()) {
            long_copy(QClipboard::Clipboard);
            long_edit(long_text_.del());
        }
    } else if (event->matches(QKeySequence::DeleteEndOfLine)) {
        if (!long_text_.has_selection()) {
            long_text_.select(cursor, size);
        }
        long_copy(QClipboard::Clipboard);
        long_edit(long_text_.del());
    } else if (event->matches(QKeySequence::MoveToStartOfLine) || event->matches(QKeySequence::MoveToStartOfBlock)) {
        long_move(0, false);
    } else if (event->matches(QKeySequence::MoveToEndOfLine) || event->matches(QKeySequence::MoveToEndOfBlock)) {
        long_move(size, false);
    } else if (event->matches(QKeySequence::SelectStartOfLine) || event->matches(QKeySequence::SelectStartOfBlock)) {
        long_move(0, true);
    } else if (event->matches(QKeySequence::SelectEndOfLine) || event->matches(QKeySequence::SelectEndOfBlock)) {
        long_move(size, true);
    } else if (event->matches(QKeySequence::MoveToNextChar)) {
        const bool to_edge = long_text_.has_selection() && arrows_end_selection_at_edge();
        long_move(to_edge ? long_text_.selection_end() : long_text_.next_character(cursor), false);
    } else if (event->matches(QKeySequence::SelectNextChar)) {
        long_move(long_text_.next_character(cursor), true);
    } else if (event->matches(QKeySequence::MoveToPreviousChar)) {
        const bool to_edge = long_text_.has_selection() && arrows_end_selection_at_edge();
        long_move(to_edge ? long_text_.selection_start() : long_text_.previous_character(cursor), false);
    } else if (event->matches(QKeySequence::SelectPreviousChar)) {
        long_move(long_text_.previous_character(cursor), true);
    } else if (event->matches(QKeySequence::MoveToNextWord)) {
        long_move(long_text_.next_word(cursor), false);
    } else if (event->matches(QKeySequence::MoveToPreviousWord)) {
        long_move(long_text_.previous_word(cursor), false);
    } else if (event->matches(QKeySequence::SelectNextWord)) {
        long_move(long_text_.next_word(cursor), true);
    } else if (event->matches(QKeySequence::SelectPreviousWord)) {
        long_move(long_text_.previous_word(cursor), true);
    } else if (event->matches(QKeySequence::Delete)) {
        long_edit(long_text_.del());
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        long_move(long_text_.next_word(cursor), true);
        long_edit(long_text_.del());
    } else if (event->matches(QKeySequence::DeleteStartOfWord) ||
               ((event->modifiers() & Qt::ControlModifier) != 0 && event->key() == Qt::Key_Backspace)) {
        long_move(long_text_.previous_word(cursor), true);
        long_edit(long_text_.del());
    } else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        long_text_.select(0, size);
        long_copy(QClipboard::Clipboard);
        long_edit(long_text_.del());
    } else if (event->key() == Qt::Key_Backspace && (event->modifiers() & Qt::ControlModifier) == 0) {
        long_edit(long_text_.backspace());
    } else if (types_text(event)) {
        long_edit(long_text_.insert(event->text(), LongText::Kind::Typing));
    } else {
        event->ignore();
        return;
    }
    restart_blinking();
}

void EntryBox::long_edit(const LongText::Change& change)
{
    if (change.empty()) {
        caret_changed();
        return;
    }
    view_.text_replaced(change.position, change.removed.size(), change.inserted.size());
    tell_accessibility(this, change);
    emit textEdited(long_text_.text());
    if (long_mode_ && long_text_.size() < kShortTextLength) {
        leave_long_mode();
    } else if (long_mode_) {
        caret_changed();
    }
}

void EntryBox::long_move(qsizetype position, bool mark)
{
    long_text_.move_cursor(position, mark);
    caret_changed();
}

void EntryBox::long_copy(QClipboard::Mode mode) const
{
    if (long_text_.has_selection() &&
        (mode == QClipboard::Clipboard || QGuiApplication::clipboard()->supportsSelection())) {
        QGuiApplication::clipboard()->setText(long_text_.selected_text(), mode);
    }
}

void EntryBox::long_select_all()
{
    long_text_.select(0, long_text_.size());
    caret_changed();
}

void EntryBox::caret_changed()
{
    const qsizetype cursor = long_text_.cursor();
    const std::pair selection(long_text_.selection_start(), long_text_.selection_end());
    if (selection != reported_selection_ &&
        (selection.first != selection.second || reported_selection_.first != reported_selection_.second)) {
        QAccessibleTextSelectionEvent event(this, static_cast<int>(selection.first),
                                            static_cast<int>(selection.second));
        event.setCursorPosition(static_cast<int>(cursor));
        QAccessible::updateAccessibility(&event);
    } else if (cursor != reported_cursor_) {
        QAccessibleTextCursorEvent event(this, static_cast<int>(cursor));
        QAccessible::updateAccessibility(&event);
    }
    reported_cursor_ = cursor;
    reported_selection_ = selection;
    restart_blinking();
    updateMicroFocus();
    update();
}

void EntryBox::restart_blinking()
{
    caret_on_ = true;
    const int flash_time = QGuiApplication::styleHints()->cursorFlashTime();
    if (long_mode_ && caret_shown_ && hasFocus() && flash_time >= 2) {
        blink_timer_.start(flash_time / 2, this);
    } else {
        blink_timer_.stop();
    }
}

void EntryBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blink_timer_.timerId()) {
        caret_on_ = !caret_on_;
        update(caret_rect());
    } else if (event->timerId() == triple_click_timer_.timerId()) {
        triple_click_timer_.stop();
    } else {
        QLineEdit::timerEvent(event);
    }
}

QRect EntryBox::line_rect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const int height = fontMetrics().height();
    int top = contents.y() + (contents.height() - height + 1) / 2;
    if ((alignment() & Qt::AlignBottom) != 0) {
        top = contents.y() + contents.height() - height - kVerticalMargin;
    } else if ((alignment() & Qt::AlignTop) != 0) {
        top = contents.y() + kVerticalMargin;
    }
    return {contents.x() + kHorizontalMargin, top, contents.width() - 2 * kHorizontalMargin, height};
}

QRect EntryBox::caret_rect() const
{
    const QRect line = line_rect();
    const int x = line.left() + view_.x_of(long_text_.text(), long_text_.cursor());
    return {x - 5, line.top(), 10, line.height() + 1};
}

qsizetype EntryBox::position_at_x(int x)
{
    return view_.position_at(long_text_.text(), x - line_rect().left());
}

void EntryBox::paintEvent(QPaintEvent* event)
{
    if (!long_mode_) {
        QLineEdit::paintEvent(event);
        return;
    }
    // QLineEdit's painting, with only the part of the text around the view laid out.
    QPainter painter(this);
    const QPalette palette = this->palette();
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setClipRect(
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins()));
    const QRect line = line_rect();
    const QString& shown = long_text_.text();
    view_.scroll(shown, long_text_.cursor(), line.width());
    const int baseline_shift = view_.ascent(shown) - fontMetrics().ascent();
    painter.setPen(palette.text().color());
    const bool draw_caret = caret_shown_ && caret_on_ && !isReadOnly();
    view_.draw(painter, shown, QPoint(line.left(), line.top() - baseline_shift), palette, long_text_.selection_start(),
               long_text_.selection_end(), draw_caret ? long_text_.cursor() : -1,
               style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel));
}

void EntryBox::mousePressEvent(QMouseEvent* event)
{
    if (!long_mode_) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::RightButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (triple_click_timer_.isActive() &&
        (point - triple_click_point_).manhattanLength() < QApplication::startDragDistance()) {
        long_select_all();
        return;
    }
    long_move(position_at_x(point.x()), (event->modifiers() & Qt::ShiftModifier) != 0);
}

void EntryBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!long_mode_) {
        QLineEdit::mouseMoveEvent(event);
    } else if ((event->buttons() & Qt::LeftButton) != 0) {
        long_move(position_at_x(event->position().toPoint().x()), true);
    }
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool pastes_selection =
        event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly();
    if (!long_mode_) {
        // A middle click pastes the X11 selection where it clicked, with nothing selected.
        const QString pasted = pastes_selection ? clipboard->text(QClipboard::Selection) : QString();
        if (pastes_selection && makes_long_text(pasted.size() + selectedText().size())) {
            deselect();
            paste_text(pasted, QClipboard::Selection);
        } else {
            QLineEdit::mouseReleaseEvent(event);
        }
        return;
    }
    if (event->button() == Qt::LeftButton) {
        long_copy(QClipboard::Selection);
    } else if (pastes_selection) {
        long_move(long_text_.cursor(), false);
        paste_from(QClipboard::Selection);
    }
}

void EntryBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!long_mode_) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const auto [start, end] = long_text_.word_at(position_at_x(event->position().toPoint().x()));
        long_text_.select(start, end);
        caret_changed();
        triple_click_timer_.start(QApplication::doubleClickInterval(), this);
        triple_click_point_ = event->position().toPoint();
    }
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    if (!long_mode_) {
        QLineEdit::focusInEvent(event);
        return;
    }
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) &&
        !long_text_.has_selection()) {
        long_text_.select(0, long_text_.size());
    }
    caret_shown_ = true;
    caret_changed();
    QWidget::focusInEvent(event);
}

void EntryBox::focusOutEvent(QFocusEvent* event)
{
    if (!long_mode_) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        long_text_.move_cursor(long_text_.cursor(), false);
    }
    caret_shown_ = false;
    caret_changed();
    if (reason != Qt::PopupFocusReason) {
        emit editingFinished();
    }
    QWidget::focusOutEvent(event);
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString& committed = event->commitString();
    if (!long_mode_) {
        if (!isReadOnly() && makes_long_text(committed.size())) {
            const auto [start, end] = selection();
            enter_long_mode_by(start, end, committed, LongText::Kind::Other);
        } else {
            QLineEdit::inputMethodEvent(event);
        }
        return;
    }
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    // Only what the input method commits; a text being composed is not shown.
    if (event->replacementLength() > 0) {
        const qsizetype start = long_text_.cursor() + event->replacementStart();
        long_text_.select(start, start + event->replacementLength());
    }
    if (!committed.isEmpty() || event->replacementLength() > 0) {
        long_edit(long_text_.insert(committed, LongText::Kind::Other));
    }
}

QVariant EntryBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (!long_mode_) {
        return QLineEdit::inputMethodQuery(query);
    }
    // An input method sees the text around the caret, not all of it.
    const qsizetype cursor = long_text_.cursor();
    const qsizetype start = std::max<qsizetype>(0, cursor - kSurroundingText);
    switch (query) {
    case Qt::ImCursorRectangle:
        return caret_rect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return static_cast<int>(cursor - start);
    case Qt::ImAbsolutePosition:
        return static_cast<int>(cursor);
    case Qt::ImAnchorPosition:
        return static_cast<int>(long_text_.anchor() - start);
    case Qt::ImSurroundingText:
        return long_text_.text().mid(start, 2 * kSurroundingText);
    case Qt::ImTextBeforeCursor:
        return long_text_.text().mid(start, cursor - start);
    case Qt::ImTextAfterCursor:
        return long_text_.text().mid(cursor, kSurroundingText);
    case Qt::ImCurrentSelection:
        return long_text_.selected_text();
    default:
        return QLineEdit::inputMethodQuery(query);
    }
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    prepare_context_menu(menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void EntryBox::prepare_context_menu(QMenu* menu)
{
    // QLineEdit's own menu (Qt 6.4 names none of its entries; they come in this order),
    // its entries acting on the text this box holds.
    enum Entry { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll, kEntries };
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->menu() == nullptr) {
            entries.append(action);
        }
    }
    if (isReadOnly() || entries.size() < kEntries) {
        return;
    }
    const bool selected = long_text_.has_selection();
    const auto rewire = [this, &entries](Entry entry, bool enabled, auto act) {
        QAction* action = entries.at(entry);
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, act);
        action->setEnabled(enabled);
    };
    rewire(Undo, can_undo_any(), [this] { undo_any(); });
    rewire(Redo, can_redo_any(), [this] { redo_any(); });
    rewire(Paste, entries.at(Paste)->isEnabled(), [this] { paste_from(QClipboard::Clipboard); });
    if (!long_mode_) {
        return;
    }
    rewire(Cut, selected, [this] {
        long_copy(QClipboard::Clipboard);
        long_edit(long_text_.del());
    });
    rewire(Copy, selected, [this] { long_copy(QClipboard::Clipboard); });
    rewire(Delete, selected, [this] { long_edit(long_text_.remove_selection()); });
    rewire(SelectAll, long_text_.size() > long_text_.selection_end() - long_text_.selection_start(),
           [this] { long_select_all(); });
}

void EntryBox::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void EntryBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!long_mode_) {
        QLineEdit::dragMoveEvent(event);
        return;
    }
    if (!isReadOnly() && event->mimeData()->hasFormat(QStringLiteral("text/plain"))) {
        event->acceptProposedAction();
        caret_shown_ = true;
        long_move(position_at_x(event->position().toPoint().x()), false);
    }
}

void EntryBox::dragLeaveEvent(QDragLeaveEvent* event)
{
    if (!long_mode_) {
        QLineEdit::dragLeaveEvent(event);
        return;
    }
    caret_shown_ = hasFocus();
    update();
}

void EntryBox::dropEvent(QDropEvent* event)
{
    const QString dropped = event->mimeData()->text();
    if (dropped.isNull() || isReadOnly()) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (!long_mode_) {
        if (!makes_long_text(dropped.size())) {
            QLineEdit::dropEvent(event);
            return;
        }
        const qsizetype position = cursorPositionAt(point);
        event->acceptProposedAction();
        enter_long_mode_by(position, position, dropped, LongText::Kind::Other);
        return;
    }
    long_move(position_at_x(point.x()), false);
    caret_shown_ = hasFocus();
    event->acceptProposedAction();
    long_edit(long_text_.insert(dropped, LongText::Kind::Other));
}

void EntryBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange) {
        view_.set_font(font(), layoutDirection());
    }
}

} // namespace torvanel
