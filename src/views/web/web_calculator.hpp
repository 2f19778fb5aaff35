#pragma once

#include "core/control_model.hpp"
#include "core/held_text.hpp"
#include "core/host.hpp"
#include "core/presenter.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace torvanel::web {

// The running program in a page: the form, the host and the presenter, with the page's
// script as the view. The script hands every click, key, paste and edit on by control
// name, and does what it is told through the page calls (show, choose, describe,
// announce, copy, message, end). Every decision is the core's.
class WebCalculator final : private ViewSurface, private ErrorReporter {
public:
    // What a key going down means to the page: whether the page must not act on it, a
    // text to type in its place, the control to focus, the result label whose menu opens
    // ("" for none).
    struct KeyAnswer {
        bool taken = false;
        std::string insert, focus, menu;
    };
    struct MenuItem {
        std::string words;
        bool enabled = false;
    };

    WebCalculator(ProgramHandlers handlers, char decimal_separator);
    ~WebCalculator() override;
    WebCalculator(const WebCalculator&) = delete;
    WebCalculator& operator=(const WebCalculator&) = delete;

    // Raises Load, then shows every control as the model has it.
    void start();

    void click(const std::string& name);
    // A key going down on a control ("" for none).
    KeyAnswer key(const std::string& name, const std::string& key, const std::string& typed, bool ctrl, bool shift,
                  bool alt, bool keypad_decimal);
    // A paste or an edit command (undo, redo, cut, erase) from the page's own menu on a box;
    // true when the program did it (the page does nothing).
    bool box_command(const std::string& name, const std::string& command, const std::string& text);
    // The page changed a box's text (the user typed into it).
    void edited(const std::string& name);
    void focused(const std::string& name);
    // Where the focus goes back to, after a message or when the page is active again.
    std::string focus_to_restore() const;
    // A result label's menu, and the entry chosen.
    std::vector<MenuItem> result_menu(const std::string& name) const;
    void result_menu_chosen(const std::string& name, int entry);

private:
    class Box;

    void show_property(const Control& control, PropertyName property) override;
    void show_chosen(const Control& button, bool chosen) override;
    void describe(const Control& control) override;
    void announce(const std::string& words) override;
    void copy_to_clipboard(const std::string& text) override;
    std::string shown_text(const TextBox& box) const override;
    bool showing() const override { return started_; }
    void report(const HostError& error) override;

    // The named control; null for a name the window does not have.
    Control* control(const std::string& name) const;
    const Label* result_label(const std::string& name) const;
    // A result label's caption size: the description's, smaller while it does not fit.
    double caption_points(const Label& label) const;

    Form form_;
    Host host_;
    Presenter presenter_;
    std::map<const Control*, std::unique_ptr<Box>> boxes_;
    bool started_ = false;
};

} // namespace torvanel::web
