#include "views/qt/calculator_window.hpp"

#include "core/caption_fitting.hpp"
#include "core/control_words.hpp"
#include "views/qt/qt_conversions.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

// What the window adds to its controls' own look and keys: the checked selection
// button, result captions fitted to their labels with the unit beside them, copying
// the result and the worked calculation.
namespace torvanel {

void CalculatorWindow::show_chosen(const Control& button, bool chosen)
{
    static_cast<QPushButton*>(widget_of(button))->setChecked(chosen);
}

void CalculatorWindow::fit_caption(QLabel& label, const ControlDescription& description)
{
    // The unit is drawn beside the caption, which stays the number.
    auto* unit = label.findChild<QLabel*>();
    QFont font = label.font();
    font.setPointSizeF(fitted_point_size(description, label.text().toStdString(), label.contentsRect().width(),
                                         [font](double points, std::string_view text) {
                                             QFont measured = font;
                                             measured.setPointSizeF(points);
                                             return QFontMetrics(measured).horizontalAdvance(to_qstring(text));
                                         }));
    label.setFont(font);
    const QFontMetrics metrics(font);
    const int left = label.contentsRect().left() + metrics.horizontalAdvance(QLatin1Char('x')) / 2 +
                     metrics.horizontalAdvance(label.text() + QLatin1Char(' '));
    unit->setGeometry(left, label.contentsRect().top(), label.contentsRect().right() - left + 1,
                      label.contentsRect().height());
    unit->setVisible(!label.text().isEmpty());
}

void CalculatorWindow::show_result_menu(const Control& label, QPoint at, bool from_keyboard)
{
    // Made anew at each opening, so a screen reader meets new entries each time and
    // speaks them, as it did the first time.
    auto* menu = new QMenu(widget_of(label));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& entry : presenter_.presentation().result_menu(label)) {
        QAction* action =
            menu->addAction(to_qstring(entry.words), this, [this, entry] { presenter_.menu_chosen(entry); });
        action->setEnabled(entry.copies.has_value());
    }
    menu->popup(at);
    if (from_keyboard) {
        // Its first entry is the current one, as a screen reader then says it.
        menu->setActiveAction(menu->actions().value(0));
    }
}

void CalculatorWindow::open_menu(WindowCommand command)
{
    if (command == WindowCommand::OpenResultMenu) {
        const Control& result = *presenter_.presentation().latest_result_label();
        QWidget* label = widget_of(result);
        show_result_menu(result, label->mapToGlobal(label->rect().bottomLeft()), true);
    } else if (QWidget* focused = QApplication::focusWidget()) {
        QContextMenuEvent opened(QContextMenuEvent::Keyboard, focused->rect().center(),
                                 focused->mapToGlobal(focused->rect().center()));
        QCoreApplication::sendEvent(focused, &opened);
    }
}

} // namespace torvanel
