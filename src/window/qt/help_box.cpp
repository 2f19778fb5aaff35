#include "window/qt/help_box.hpp"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextCursor>

namespace torvanel {

HelpBox::HelpBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only the user's edits: the program's are shown with signals blocked.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { user_edited(); });
}

void HelpBox::set_shown_text(const QString& text)
{
    const QSignalBlocker not_the_user(this);
    setPlainText(text);
}

QString HelpBox::with_selection_replaced(const QString& inserted) const
{
    const QTextCursor cursor = textCursor();
    return toPlainText().replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), inserted);
}

bool HelpBox::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && shortcut_override(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QPlainTextEdit::event(event);
}

void HelpBox::keyPressEvent(QKeyEvent* event)
{
    if (!key_press(*event)) {
        QPlainTextEdit::keyPressEvent(event);
    }
}

void HelpBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (!context_menu(*event)) {
        QPlainTextEdit::contextMenuEvent(event);
    }
}

void HelpBox::insertFromMimeData(const QMimeData* source)
{
    if (!insert_or_hold(source->text())) {
        QPlainTextEdit::insertFromMimeData(source);
    }
}

} // namespace torvanel
