#pragma once

#include "window/qt/held_text_box.hpp"

#include <QPlainTextEdit>

namespace torvanel {

// The multi-line help box: a stock QPlainTextEdit that holds a text too long to lay
// out (see HeldTextBox). Tab moves the focus on; there are no scroll bars.
class HelpBox : public QPlainTextEdit, public HeldTextBox {
    Q_OBJECT

public:
    explicit HelpBox(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Paste, drop and the middle click all come through here.
    void insertFromMimeData(const QMimeData* source) override;

    QWidget& editor() override { return *this; }
    QString shown_text() const override { return toPlainText(); }
    void set_shown_text(const QString& text) override;
    QString with_selection_replaced(const QString& inserted) const override;
    bool editor_can_undo() const override { return document()->isUndoAvailable(); }
    bool editor_can_redo() const override { return document()->isRedoAvailable(); }
    bool editor_has_selection() const override { return textCursor().hasSelection(); }
};

} // namespace torvanel
