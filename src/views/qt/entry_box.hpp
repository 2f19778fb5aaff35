#pragma once

#include "views/qt/held_text_box.hpp"

#include <QLineEdit>

namespace torvanel {

// A single-line entry box: a stock QLineEdit that holds a text too long to lay out
// (see HeldTextBox).
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
    void editor_key_press(QKeyEvent* event) override { QLineEdit::keyPressEvent(event); }
    QMenu* standard_menu() override { return createStandardContextMenu(); }
    std::size_t shown_length() const override { return static_cast<std::size_t>(text().size()); }
    std::string shown_text() const override { return text().toStdString(); }
    void display(const std::string& text) override;
    void place_caret_after(std::string_view start) override
    {
        setCursorPosition(
            static_cast<int>(QString::fromUtf8(start.data(), static_cast<qsizetype>(start.size())).size()));
    }
    std::string with_selection_replaced(std::string_view inserted) const override;
    bool has_selection() const override { return hasSelectedText(); }
};

} // namespace torvanel
