#pragma once

#include "core/host.hpp"
#include "core/keys.hpp"
#include "core/presenter.hpp"
#include "views/win32/accessible_control.hpp"
#include "views/win32/held_text_box.hpp"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace torvanel::win32 {

// The top-level window: one child window per control, built from the window
// description at the monitor's DPI. It shows what the presenter tells it and hands
// typing, clicks and closing on. Each child's window text is what it shows, so
// automation and assistive technology read it with WM_GETTEXT.
class CalculatorWindow : private ViewSurface {
public:
    CalculatorWindow(Form& form, Host& host, HINSTANCE instance);
    ~CalculatorWindow();
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    HWND handle() const noexcept { return window_; }
    void show(int show_command);
    // Keys for the whole window, before any control sees them (Tab, Ctrl+C away from
    // the boxes, the menu key); true when the key was taken.
    bool take_key(const MSG& message);
    // Moves the focus ring to the control that has the focus now.
    void follow_focus();
    // One message of the thread's queue, on its way to its window: the window's keys
    // first, then the controls'.
    void deliver(MSG& message);

private:
    static constexpr UINT kAddTooltipsMessage = WM_APP + 0x42;
    static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

    struct Child {
        Control* control;
        HWND window;
        std::unique_ptr<HeldTextBox> text;    // the text boxes' text
        HFONT font = nullptr;                 // its font at the window's DPI, one of fonts_
        HFONT fitted_font = nullptr;          // a result's smaller font when its caption is wide
        WNDPROC standard_procedure = nullptr; // the control class's own, where its messages end
    };

    // What the presenter tells the window to do.
    void show_property(const Control& control, PropertyName property) override;
    void show_chosen(const Control& button, bool chosen) override;
    void describe(const Control& control) override;
    // Tells a screen reader what changed away from the focus, in the words the Linux view
    // uses: a live-region change of the announcement element, which carries them as its
    // name, and a UI Automation notification where the system has one.
    void announce(const std::string& words) override;
    void copy_to_clipboard(const std::string& text) override;
    std::string shown_text(const TextBox& box) const override;
    bool showing() const override { return IsWindowVisible(window_) != FALSE; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // A control's messages come here before its class sees them. The window is found
    // through the control's parent: the system's subclassing looks its data up in a
    // window property on every message, which under Wine is a trip to the server.
    static LRESULT CALLBACK child_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT entry_box_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT result_label_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT pass_on(const Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    // Answers a screen reader's WM_GETOBJECT and kAccessibleNodeMessage; true when it did.
    bool answer_accessibility(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_children(HINSTANCE instance);
    void add_tooltips();
    // Moves and sizes every control for a new DPI, with fonts to match.
    void lay_out(UINT dpi);
    void set_fonts(bool redraw);
    HFONT font_at(const FontDescription& font, double points) const;
    void size_frame();
    Child* child_of(HWND window);
    Child& child_of(const Control& control);
    const Child& child_of(const Control& control) const;
    HBRUSH colour_child(HDC context, HWND window);
    void show_result_menu(Child& child, POINT at);
    bool move_focus(bool backwards);
    void fit_caption(Child& child);
    RECT ring_around(HWND control) const;
    void paint_focus_ring(HDC context) const;

    Form& form_;
    Host& host_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<Child> children_;
    std::vector<HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    bool setting_text_ = false;   // the program, not the user, is changing a box's text
    bool keypad_decimal_ = false; // the key being typed is the keypad's decimal key
    HWND ringed_ = nullptr;       // the control the focus ring is around
    UINT dpi_ = 96;
    HWND announcement_ = nullptr; // hidden, never focused: only a screen reader's events meet it
    std::wstring tooltip_text_;   // the tooltip being shown
    Presenter presenter_;
};

} // namespace torvanel::win32
