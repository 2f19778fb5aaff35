#pragma once

#include "window/qt/held_text_box.hpp"

#include <QLineEdit>

namespace torvanel {

// A single-line entry box: a stock QLineEdit that holds a text too long to lay out
// (see HeldTextBox). The numeric keypad's decimal key types the locale's decimal
// separator: Italian keyboards give '.' there, which would not read.
class EntryBox : public QLineEdit, public HeldTextBox {
    Q_OBJECT

public:
    EntryBox(char decimal_separator, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    QWidget& editor() override { return *this; }
    QString shown_text() const override { return text(); }
    void set_shown_text(const QString& text) override { setText(text); }
    QString with_selection_replaced(const QString& inserted) const override;
    bool editor_can_undo() const override { return isUndoAvailable(); }
    bool editor_can_redo() const override { return isRedoAvailable(); }
    bool editor_has_selection() const override { return hasSelectedText(); }

private:
    QChar decimal_separator_;
};

} // namespace torvanel
