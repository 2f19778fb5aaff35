#pragma once

#include "window/host.hpp"
#include "window/qt/screen_reader.hpp"

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
    // After a calculation: each known entry box tells how its text was read.
    void show_readings();
    void set_description(const Control& control, const QString& description);

    Form& form_;
    Host& host_;
    std::vector<std::pair<const Control*, QWidget*>> widgets_;
    const TextBox* typing_into_ = nullptr; // the box whose typing is being handed to the host
    ScreenReader screen_reader_;
};

} // namespace torvanel
