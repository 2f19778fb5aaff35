#include "window/qt/held_text_box.hpp"

#include "window/value_descriptions.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace torvanel {
namespace {

// Keys that type their text: printable, without Ctrl, Alt or Meta.
bool types_text(const QKeyEvent& event)
{
    const QString text = event.text();
    const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !text.isEmpty() && text.front().isPrint() && (event.modifiers() & commands) == 0;
}

// Ctrl+Shift+Insert pastes the X11 selection, every other paste key the clipboard.
QString clipboard_text_for(const QKeyEvent& event)
{
    const bool selection =
        event.key() == Qt::Key_Insert && event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

} // namespace

void HeldTextBox::show_text(const QString& text)
{
    if (text == full_text()) {
        return;
    }
    undo_text_.reset();
    redo_text_.reset();
    set_whole(text);
}

void HeldTextBox::set_whole(const QString& text)
{
    if (text.size() >= kHeldLength) {
        held_ = text;
        editor().setProperty("readOnly", true);
        set_shown_text(QString::fromStdString(held_text_summary(text.toStdString())));
    } else {
        held_.reset();
        editor().setProperty("readOnly", false);
        set_shown_text(text);
        text_before_edit_ = text;
    }
}

void HeldTextBox::replace_by_user(const QString& text)
{
    undo_text_ = full_text();
    redo_text_.reset();
    set_whole(text);
    if (user_edit_) {
        user_edit_();
    }
}

bool HeldTextBox::step(bool back)
{
    std::optional<QString>& from = back ? undo_text_ : redo_text_;
    if (!from) {
        return false;
    }
    const QString text = std::move(*from);
    from.reset();
    (back ? redo_text_ : undo_text_) = full_text();
    set_whole(text);
    if (user_edit_) {
        user_edit_();
    }
    return true;
}

bool HeldTextBox::shortcut_override(QKeyEvent& event) const
{
    // A read-only editor leaves these keys to the window's shortcuts; a held text takes them.
    const bool taken = held_ && (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
                                 event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Undo) ||
                                 event.matches(QKeySequence::Redo));
    if (taken) {
        event.accept();
    }
    return taken;
}

bool HeldTextBox::insert_or_hold(const QString& inserted)
{
    if (held_ || shown_text().size() + inserted.size() < kHeldLength) {
        return false;
    }
    const QString result = with_selection_replaced(inserted);
    if (result.size() < kHeldLength) {
        return false;
    }
    replace_by_user(result);
    return true;
}

void HeldTextBox::user_edited()
{
    const QString text = shown_text();
    if (text.size() >= kHeldLength) {
        // An edit that came another way than the ones the box watches for.
        undo_text_ = text_before_edit_;
        set_whole(text);
    } else {
        text_before_edit_ = text;
    }
    redo_text_.reset();
    if (user_edit_) {
        user_edit_();
    }
}

bool HeldTextBox::key_press(QKeyEvent& event)
{
    if (held_) {
        return held_key_press(event);
    }
    // Once the editor's own history is spent, undo and redo reach across a held text.
    if (event.matches(QKeySequence::Undo) && !editor_can_undo() && undo_text_) {
        step(true);
    } else if (event.matches(QKeySequence::Redo) && !editor_can_redo() && redo_text_) {
        step(false);
    } else if (event.matches(QKeySequence::Copy) && !editor_has_selection() && copy_without_selection_) {
        copy_without_selection_();
    } else if (event.matches(QKeySequence::Paste)) {
        if (!insert_or_hold(clipboard_text_for(event))) {
            return false;
        }
    } else if (!types_text(event) || !insert_or_hold(event.text())) {
        return false;
    }
    event.accept();
    return true;
}

bool HeldTextBox::held_key_press(QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(*held_);
    } else if (event.matches(QKeySequence::Cut)) {
        QGuiApplication::clipboard()->setText(*held_);
        replace_by_user({});
    } else if (event.matches(QKeySequence::Paste)) {
        replace_by_user(clipboard_text_for(event));
    } else if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) {
        step(event.matches(QKeySequence::Undo));
    } else if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete) {
        replace_by_user({});
    } else if (types_text(event)) {
        replace_by_user(event.text());
    } else {
        return false; // moving, selecting, Tab: the editor's own
    }
    event.accept();
    return true;
}

bool HeldTextBox::context_menu(const QContextMenuEvent& event)
{
    if (!held_) {
        return false;
    }
    // The editor's own menu would act on the summary.
    auto* menu = new QMenu(&editor());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* undo = menu->addAction(QStringLiteral("Annulla"), [this] { step(true); });
    undo->setEnabled(undo_text_.has_value());
    menu->addSeparator();
    menu->addAction(QStringLiteral("Taglia"), [this] {
        QGuiApplication::clipboard()->setText(full_text());
        replace_by_user({});
    });
    menu->addAction(QStringLiteral("Copia"), [this] { QGuiApplication::clipboard()->setText(full_text()); });
    menu->addAction(QStringLiteral("Incolla"),
                    [this] { replace_by_user(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    menu->addAction(QStringLiteral("Elimina"), [this] { replace_by_user({}); });
    menu->popup(event.globalPos());
    return true;
}

} // namespace torvanel
