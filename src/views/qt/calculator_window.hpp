#pragma once

#include "core/host.hpp"
#include "core/keys.hpp"
#include "core/presenter.hpp"
#include "views/qt/screen_reader.hpp"

#include <QLabel>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace torvanel {

// The top-level window: one widget per control, built from the window description.
// It shows what the presenter tells it and hands typing, clicks and closing on.
class CalculatorWindow : public QWidget, private ViewSurface {
    Q_OBJECT

public:
    CalculatorWindow(Form& form, Host& host);
    ~CalculatorWindow() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the presenter tells the window to do.
    void show_property(const Control& control, PropertyName property) override;
    void show_chosen(const Control& button, bool chosen) override;
    void describe(const Control& control) override;
    void announce(const std::string& words) override;
    void copy_to_clipboard(const std::string& text) override;
    std::string shown_text(const TextBox& box) const override;
    bool showing() const override { return isVisible(); }
    void paint_now() override;

    QWidget* widget_of(const Control& control) const;
    // The control whose widget has the focus; null when none of them has it.
    const Control* focused_control() const;
    void connect_events(Control& control, QWidget* widget);
    // The window's own keys, before any control sees them; true when taken.
    bool take_key(const QKeyEvent& event);
    void fit_caption(QLabel& label, const ControlDescription& description);
    // The menu key's: the latest result's menu, or the focused control's own.
    void open_menu(WindowCommand command);
    // A result's menu: copies as shown, with its unit, or the worked calculation.
    void show_result_menu(const Control& label, QPoint at, bool from_keyboard);

    Host& host_;
    std::vector<std::pair<const Control*, QWidget*>> widgets_;
    ScreenReader screen_reader_;
    Presenter presenter_;
    QMetaObject::Connection focus_tracking_;
};

} // namespace torvanel
