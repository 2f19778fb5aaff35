#pragma once

#include "window/host.hpp"

#include <QWidget>

#include <utility>
#include <vector>

namespace torvanel {

// The top-level window: one widget per control, built from the window description.
// It only mirrors the control model and hands typing, clicks and closing to the host.
class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    CalculatorWindow(Form& form, Host& host);
    ~CalculatorWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* widget_of(const Control& control) const;
    void connect_events(Control& control, QWidget* widget);
    void set_tab_order();
    void show_property(const Control& control, PropertyName property);
    void show_text_box_text(const TextBox& box);

    Form& form_;
    Host& host_;
    std::vector<std::pair<const Control*, QWidget*>> widgets_;
};

} // namespace torvanel
