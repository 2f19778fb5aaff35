#pragma once

#include "core/host.hpp"
#include "core/presentation.hpp"
#include "views/qt/screen_reader.hpp"

#include <QLabel>
#include <QWidget>

#include <string>
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
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* widget_of(const Control& control) const;
    // The control whose widget has the focus; null when none of them has it.
    const Control* focused_control() const;
    void connect_events(Control& control, QWidget* widget);
    void set_tab_order();
    std::string shown_text(const TextBox& box) const;
    // Hands the box's text to the host, which may refuse it (reported, the box keeps it).
    void hand_typing_to_host(TextBox& box);
    void note_change(const Control& control, PropertyName property);
    enum class PaintFirst { No, Yes };
    // Shows the changes a click's handler made. With PaintFirst::Yes the window is
    // painted between their looks and their descriptions (tooltips, accessible
    // descriptions, announcements), so the result reaches the screen first.
    void show_pending(PaintFirst paint_first = PaintFirst::No);
    void show_property(const Control& control, PropertyName property);
    void show_look(const Control& control, PropertyName property);
    void describe(const Control& control, PropertyName property);
    void show_text_box_text(const TextBox& box);
    void set_description(const Control& control, const ControlDescriptionText& description);
    void show_selection();
    void fit_caption(QLabel& label, const ControlDescription& description);
    void copy_latest_result();
    void open_result_menu();
    // A result's menu: copies as shown, with its unit, or the worked calculation.
    void show_result_menu(const Control& label, QPoint at, bool from_keyboard);

    Form& form_;
    Host& host_;
    std::vector<std::pair<const Control*, QWidget*>> widgets_;
    const TextBox* typing_into_ = nullptr; // the box whose typing is being handed to the host
    bool model_took_typing_ = false;       // the host put that typing into the model
    bool deferring_changes_ = false;       // a click's handler runs: changes wait in pending_
    std::vector<std::pair<const Control*, PropertyName>> pending_;
    Presentation presentation_;
    QMetaObject::Connection focus_tracking_;
    ScreenReader screen_reader_;
};

} // namespace torvanel
