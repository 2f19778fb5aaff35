#include "views/qt/help_box.hpp"

#include "views/qt/qt_conversions.hpp"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextCursor>

namespace torvanel {

HelpBox::HelpBox(char decimal_separator, QWidget* parent) : QPlainTextEdit(parent), HeldTextBox(decimal_separator)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only the user's edits: the program's are shown with signals blocked.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { user_edited(); });
}

void HelpBox::display(const std::string& text)
{
    const QSignalBlocker not_the_user(this);
    setPlainText(to_qstring(text));
}

void HelpBox::place_caret_after(std::string_view start)
{
    QTextCursor caret = textCursor();
    caret.setPosition(static_cast<int>(QString::fromUtf8(start.data(), static_cast<qsizetype>(start.size())).size()));
    setTextCursor(caret);
}

std::string HelpBox::with_selection_replaced(std::string_view inserted) const
{
    // The inserted text is already UTF-8 and may be megabytes: only the box's own is converted.
    const QTextCursor cursor = textCursor();
    const QString shown = toPlainText();
    return shown.left(cursor.selectionStart()).toStdString() + std::string(inserted) +
           shown.mid(cursor.selectionEnd()).toStdString();
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
    key_press(event);
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
