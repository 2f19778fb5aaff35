#include "views/qt/held_text_box.hpp"

#include "views/qt/key_press.hpp"
#include "views/qt/qt_conversions.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include <optional>
#include <utility>

namespace torvanel {
namespace {

// Ctrl+Shift+Insert pastes the X11 selection, every other paste key the clipboard.
QString clipboard_text_for(const QKeyEvent& event)
{
    const bool selection =
        event.key() == Qt::Key_Insert && event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

} // namespace

HeldTextBox::HeldTextBox(char decimal_separator)
    : decimal_separator_(decimal_separator), held_(
                                                 *this,
                                                 [this] {
                                                     if (user_edit_) {
                                                         user_edit_();
                                                     }
                                                 },
                                                 [this] {
                                                     if (copy_without_selection_) {
                                                         copy_without_selection_();
                                                     }
                                                 })
{
}

void HeldTextBox::copy_to_clipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(to_qstring(text));
}

bool HeldTextBox::shortcut_override(QKeyEvent& event) const
{
    // A read-only editor leaves these keys to the window's shortcuts; a held text takes them.
    const auto command = box_command(key_press_of(event));
    const bool taken = holds_text() && command && *command != BoxCommand::Type && *command != BoxCommand::Erase;
    if (taken) {
        event.accept();
    }
    return taken;
}

bool HeldTextBox::insert_or_hold(const QString& inserted)
{
    return held_.command(BoxCommand::Paste, inserted.toStdString());
}

void HeldTextBox::key_press(QKeyEvent* event)
{
    const KeyPress key = key_press_of(*event);
    const auto command = box_command(key);
    QString text;
    if (command == BoxCommand::Paste) {
        text = clipboard_text_for(*event);
    } else if (command == BoxCommand::Type) {
        text = to_qstring(typed_text(key, decimal_separator_));
    }
    if (command && held_.command(*command, text.toStdString())) {
        event->accept();
    } else if (command == BoxCommand::Type && text != event->text()) {
        QKeyEvent retyped(event->type(), event->key(), event->modifiers(), text, event->isAutoRepeat(),
                          static_cast<ushort>(event->count()));
        editor_key_press(&retyped);
        event->setAccepted(retyped.isAccepted());
    } else {
        editor_key_press(event); // moving, selecting, Tab: the editor's own
    }
}

bool HeldTextBox::context_menu(const QContextMenuEvent& event)
{
    if (!holds_text()) {
        // The editor's own menu, but its undo and redo go through the box's history, as the keys do.
        QMenu* menu = standard_menu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (const auto& [name, command] :
             {std::pair("edit-undo", BoxCommand::Undo), std::pair("edit-redo", BoxCommand::Redo)}) {
            if (auto* action = menu->findChild<QAction*>(QLatin1String(name))) {
                QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
                QObject::connect(action, &QAction::triggered, action,
                                 [this, command = command] { held_.command(command); });
                action->setEnabled(command == BoxCommand::Undo ? held_.can_undo() : held_.can_redo());
            }
        }
        menu->popup(event.globalPos());
        return true;
    }
    auto* menu = new QMenu(&editor());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const HeldText::MenuEntry& entry : held_.menu()) {
        const BoxCommand command = entry.command;
        QAction* action = menu->addAction(to_qstring(entry.words), [this, command] {
            const QString pasted =
                command == BoxCommand::Paste ? QGuiApplication::clipboard()->text(QClipboard::Clipboard) : QString();
            held_.command(command, pasted.toStdString());
        });
        action->setEnabled(entry.enabled);
    }
    menu->popup(event.globalPos());
    return true;
}

} // namespace torvanel
