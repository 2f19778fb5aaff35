#pragma once

#include "core/announcement_queue.hpp"
#include "core/host.hpp"
#include "core/presentation.hpp"
#include "views/win32/accessible_control.hpp"
#include "views/win32/held_text_box.hpp"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace torvanel::win32 {

// The top-level window: one child window per control, built from the window
// description at the monitor's DPI. It mirrors the control model and hands typing,
// clicks and closing to the host. Each child's window text is what it shows, so
// automation and assistive technology read it with WM_GETTEXT.
class CalculatorWindow {
public:
    CalculatorWindow(Form& form, Host& host, HINSTANCE instance);
    ~CalculatorWindow();
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    HWND handle() const noexcept { return window_; }
    void show(int show_command);
    // Keys for the whole window, before any control sees them: Tab and Shift+Tab move
    // the focus in the tab order, Ctrl+C with nothing selected copies the result.
    // True when the key was taken.
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
        std::wstring description;             // tooltip
        std::wstring accessible_description;  // the same in words
        WNDPROC standard_procedure = nullptr; // the control class's own, where its messages end
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // A control's messages come here before its class sees them. The window is found
    // through the control's parent: the system's subclassing looks its data up in a
    // window property on every message, which under Wine is a trip to the server.
    static LRESULT CALLBACK child_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT entry_box_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT result_label_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT pass_on(const Child& child, UINT message, WPARAM wparam, LPARAM lparam);
    // Answers a screen reader's WM_GETOBJECT and kAccessibleFactsMessage; true when it did.
    bool answer_accessibility(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer);
    AccessibleFacts facts_of(const Child& child) const;
    // Tells a screen reader what changed away from the focus, in the words the Linux view
    // uses: a live-region change of the announcement element, which carries them as its
    // name, and a UI Automation notification where the system has one.
    void announce(const std::string& words);
    bool open_menu_key(const MSG& message);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_children(HINSTANCE instance);
    void add_tooltips();
    // Moves and sizes every control for a new DPI, with fonts to match.
    void lay_out(UINT dpi);
    void set_fonts(bool redraw);
    void size_frame();
    Child* child_of(HWND window);
    Child& child_of(const Control& control);
    void show_property(const Control& control, PropertyName property);
    void hand_typing_to_host(Child& child);
    void clicked(Child& child);
    void set_description(Child& child, const ControlDescriptionText& description);
    void describe(Child& child, PropertyName property);
    HBRUSH colour_child(HDC context, HWND window);
    void show_result_menu(Child& child, POINT at);
    bool move_focus(bool backwards);
    void copy_latest_result();
    void fit_caption(Child& child);
    void show_selection();
    RECT ring_around(HWND control) const;
    void paint_focus_ring(HDC context) const;

    Form& form_;
    Host& host_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<Child> children_;
    std::vector<HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    const Child* typing_into_ = nullptr; // the box whose typing the host is taking
    bool keypad_decimal_ = false;        // the key being typed is the keypad's decimal key
    HWND ringed_ = nullptr;              // the control the focus ring is around
    UINT dpi_ = 96;
    HWND announcement_ = nullptr; // hidden, never focused: only a screen reader's events meet it
    AnnouncementQueue announcements_;
    Presentation presentation_;
};

} // namespace torvanel::win32
