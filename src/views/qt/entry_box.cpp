#include "views/qt/entry_box.hpp"

#include "views/qt/qt_conversions.hpp"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>

#include <limits>

namespace torvanel {

EntryBox::EntryBox(char decimal_separator, QWidget* parent) : QLineEdit(parent), HeldTextBox(decimal_separator)
{
    // An entry box takes text of any length.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { user_edited(); });
}

void EntryBox::display(const std::string& text)
{
    setText(to_qstring(text)); // the caret goes to the end
}

std::string EntryBox::with_selection_replaced(std::string_view inserted) const
{
    // The inserted text is already UTF-8 and may be megabytes: only the box's own is converted.
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString shown = text();
    return shown.left(start).toStdString() + std::string(inserted) +
           shown.mid(start + selectedText().size()).toStdString();
}

bool EntryBox::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && shortcut_override(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QLineEdit::event(event);
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    key_press(event);
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the X11 selection where the caret is, with nothing selected.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        const QString pasted = clipboard->text(QClipboard::Selection);
        deselect();
        if (!insert_or_hold(pasted)) {
            insert(pasted);
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::dropEvent(QDropEvent* event)
{
    const QString dropped = event->mimeData()->text();
    if (holds_text() || static_cast<std::size_t>(text().size() + dropped.size()) >= HeldText::kHeldLength) {
        // Dropped where it lands, as a copy.
        const int position = cursorPositionAt(event->position().toPoint());
        deselect();
        setCursorPosition(position);
        if (!insert_or_hold(dropped)) {
            insert(dropped); // long in UTF-16 units, yet short in characters
        }
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (!context_menu(*event)) {
        QLineEdit::contextMenuEvent(event);
    }
}

} // namespace torvanel
