#pragma once

#include "views/qt/held_text_box.hpp"

#include <QPlainTextEdit>

namespace torvanel {

// The multi-line help box: a stock QPlainTextEdit that holds a text too long to lay
// out (see HeldTextBox). Tab moves the focus on; there are no scroll bars.
class HelpBox : public QPlainTextEdit, public HeldTextBox {
    Q_OBJECT

public:
    HelpBox(char decimal_separator, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Paste, drop and the middle click all come through here.
    void insertFromMimeData(const QMimeData* source) override;

    QWidget& editor() override { return *this; }
    void editor_key_press(QKeyEvent* event) override { QPlainTextEdit::keyPressEvent(event); }
    QMenu* standard_menu() override { return createStandardContextMenu(); }
    std::size_t shown_length() const override { return static_cast<std::size_t>(document()->characterCount()); }
    std::string shown_text() const override { return toPlainText().toStdString(); }
    void display(const std::string& text) override;
    void place_caret_after(std::string_view start) override;
    std::string with_selection_replaced(std::string_view inserted) const override;
    bool has_selection() const override { return textCursor().hasSelection(); }
};

} // namespace torvanel
