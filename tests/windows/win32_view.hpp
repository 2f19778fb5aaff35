#pragma once

// The Win32 window in this process, worked as a user works it: its keys posted to the
// control with the focus and delivered through the program's message loop, as a
// keyboard's would be; clicks as the mouse gives them; read as a screen reader reads it,
// through oleacc and WinEvents. Under Wine on a private display.

#include "app/event_bindings.hpp"
#include "msaa_look.hpp"
#include "parity/parity_scenarios.hpp"
#include "views/win32/calculator_window.hpp"
#include "views/win32/clipboard.hpp"
#include "views/win32/control_ids.hpp"
#include "views/win32/utf16.hpp"

#include <commctrl.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace torvanel::win32 {

using parity::Act;

// Stands in for the message box: counts the errors, or fails the test on one not expected.
class RecordingReporter final : public ErrorReporter {
public:
    explicit RecordingReporter(bool errors_expected) : errors_expected_(errors_expected) {}
    void report(const HostError& error) override
    {
        ++errors;
        if (on_report) {
            on_report();
        }
        if (!errors_expected_) {
            ADD_FAILURE() << "unexpected message: " << error.what();
        }
    }
    int errors = 0;
    std::function<void()> on_report; // done as the message box would open

public:
    bool errors_expected_;
};

class Win32View : public parity::ViewDriver {
public:
    explicit Win32View(bool errors_expected = false, ProgramHandlers handlers = calculator_handlers())
        : reporter_(errors_expected), handlers_(handlers)
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        window_.show(SW_SHOW);
        host_.raise_load();
        pump();
    }

    void type(std::string_view box, std::string_view text) override
    {
        focus(box);
        press(VK_END, false);
        type_here(text);
    }
    void paste(std::string_view box, const std::string& text) override
    {
        copy_to_clipboard(window_.handle(), to_utf16(text));
        focus(box);
        press('V', true);
    }
    void key(std::string_view control, Act command) override
    {
        focus(control);
        switch (command) {
        case Act::Undo:
            press('Z', true);
            break;
        case Act::Redo:
            press('Z', true, true); // Ctrl+Shift+Z, as on Linux; Ctrl+Y is Windows' own
            break;
        case Act::Copy:
            press('C', true);
            break;
        default:
            press(VK_BACK, false);
            break;
        }
    }
    void click(std::string_view button) override
    {
        // A mouse click, as the button reports it to its parent.
        HWND child = control(button);
        PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        pump();
    }
    std::string model_text(std::string_view box) const override
    {
        for (const Control* c : form_.controls()) {
            if (c->name() == box) {
                return static_cast<const TextBox*>(c)->Text.get();
            }
        }
        return "(no such box)";
    }
    std::string shown(std::string_view name) const override { return to_utf8(window_text(control(name))); }
    std::string clipboard() const override { return to_utf8(clipboard_text(window_.handle())); }
    bool chosen(std::string_view button) const override
    {
        return SendMessageW(control(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string tooltip(std::string_view name) const override
    {
        // The text the window's tooltip shows for the control, asked of the tooltip.
        HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
        while (tip != nullptr && GetWindow(tip, GW_OWNER) != window_.handle()) {
            tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr);
        }
        std::wstring text(4096, L'\0');
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_.handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control(name));
        tool.lpszText = text.data();
        SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        return to_utf8(tool.lpszText != nullptr ? std::wstring(tool.lpszText) : std::wstring());
    }

    void tab() override { press(VK_TAB, false); }
    std::string accessible_name(std::string_view name) const override
    {
        return msaa::look(control(name), msaa::Part::Name);
    }
    std::string accessible_role(std::string_view name) const override
    {
        return msaa::look(control(name), msaa::Part::Role);
    }
    std::string accessible_description(std::string_view name) const override
    {
        return msaa::look(control(name), msaa::Part::Description);
    }
    std::string focused() const override
    {
        for (const Control* c : form_.controls()) {
            if (control(c->name()) == GetFocus()) {
                return std::string(c->name());
            }
        }
        return "";
    }
    std::string announced() const override { return announcements_.heard(); }

public:
    HWND control(std::string_view name) const { return GetDlgItem(window_.handle(), control_id(std::string(name))); }
    void focus(std::string_view name)
    {
        SetFocus(control(name));
        pump();
    }
    // Characters typed where the focus is.
    void type_here(std::string_view text)
    {
        for (wchar_t c : to_utf16(text)) {
            PostMessageW(GetFocus(), WM_CHAR, c, 1);
        }
        pump();
    }
    // A key pressed and released with the focus where it is; with Ctrl (and Shift) held when asked.
    void press(UINT key, bool with_control, bool with_shift = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = with_control ? 0x80 : 0;
        keys[VK_SHIFT] = with_shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        pump();
        keys[VK_CONTROL] = 0;
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            window_.deliver(message);
        }
    }

public:
    Form form_;
    RecordingReporter reporter_;
    ProgramHandlers handlers_;
    Host host_{form_, handlers_, reporter_, ',', [] {}};
    CalculatorWindow window_{form_, host_, GetModuleHandleW(nullptr)};
    msaa::AnnouncementListener announcements_;
};

} // namespace torvanel::win32
