#include "window/qt/calculator_window.hpp"

#include "window/control_words.hpp"
#include "window/qt/qt_conversions.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>

// What the window adds to its controls' own look and keys: the checked selection
// button, result captions fitted to their labels with the unit beside them, copying
// the result and the worked calculation.
namespace torvanel {

void CalculatorWindow::show_selection()
{
    // A selection button is checked while its quantity's entry box is the disabled one.
    for (const auto& [control, widget] : widgets_) {
        if (auto* button = qobject_cast<QPushButton*>(widget); button != nullptr && button->isCheckable()) {
            for (Control* other : form_.controls()) {
                const auto* box = dynamic_cast<const TextBox*>(other);
                if (box != nullptr && box->description().unit == control->description().unit) {
                    button->setChecked(!box->Enabled);
                }
            }
        }
    }
}

void CalculatorWindow::fit_caption(QLabel& label, const ControlDescription& description)
{
    // A result is never cut: a caption that, with its unit after it, is wider than its
    // label gets a smaller font. The unit is drawn beside the caption, which stays the number.
    auto* unit = label.findChild<QLabel*>();
    QFont font = label.font();
    font.setPointSizeF(description.font.point_size);
    const auto width = [&label, unit](const QFont& f) {
        const QFontMetrics metrics(f);
        return metrics.horizontalAdvance(label.text() + QLatin1Char(' ') + unit->text()) +
               metrics.horizontalAdvance(QLatin1Char('x'));
    };
    while (width(font) > label.contentsRect().width() && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label.setFont(font);
    const QFontMetrics metrics(font);
    const int left = label.contentsRect().left() + metrics.horizontalAdvance(QLatin1Char('x')) / 2 +
                     metrics.horizontalAdvance(label.text() + QLatin1Char(' '));
    unit->setGeometry(left, label.contentsRect().top(), label.contentsRect().right() - left + 1,
                      label.contentsRect().height());
    unit->setVisible(!label.text().isEmpty());
}

void CalculatorWindow::add_calculation_copies()
{
    // A result's menu copies the worked calculation too, as plain text.
    for (const auto& [control, widget] : widgets_) {
        if (control->kind() == ControlKind::Label && control->description().unit != Unit::None) {
            auto* copy = new QAction(to_qstring(kCopyCalculationWords), widget);
            connect(copy, &QAction::triggered, this, [this] {
                if (shown_calculation_) {
                    QApplication::clipboard()->setText(to_qstring(shown_calculation_->text()));
                }
            });
            widget->addAction(copy);
        }
    }
}

void CalculatorWindow::copy_latest_result()
{
    if (const Label* result = latest_result(form_)) {
        QApplication::clipboard()->setText(to_qstring(result->Caption.get()));
        screen_reader_.announce(to_qstring(copied_announcement(result->Caption.get())));
    }
}

} // namespace torvanel
