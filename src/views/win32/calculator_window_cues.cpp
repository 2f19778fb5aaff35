#include "views/win32/calculator_window.hpp"

#include "core/caption_fitting.hpp"
#include "core/control_words.hpp"
#include "views/win32/clipboard.hpp"
#include "views/win32/utf16.hpp"

// What the window adds to its controls' own look and keys: the focus ring, the checked
// selection button, result captions fitted to their labels, Ctrl+C and the menu of a result.
namespace torvanel::win32 {

RECT CalculatorWindow::ring_around(HWND control) const
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
    InflateRect(&place, 2, 2);
    return place;
}

void CalculatorWindow::deliver(MSG& message)
{
    if (!take_key(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    follow_focus();
}

void CalculatorWindow::follow_focus()
{
    HWND focused = GetFocus();
    const Child* child = child_of(focused);
    if (child != nullptr) {
        presenter_.presentation().focus_moved_to(*child->control);
    }
    HWND ringed = child != nullptr && IsWindowVisible(focused) ? focused : nullptr;
    if (ringed == ringed_) {
        return;
    }
    for (HWND control : {ringed_, ringed}) {
        if (control != nullptr) {
            const RECT ring = ring_around(control);
            InvalidateRect(window_, &ring, TRUE);
        }
    }
    ringed_ = ringed;
}

void CalculatorWindow::show_chosen(const Control& button, bool chosen)
{
    const HWND window = child_of(button).window;
    const WPARAM check = chosen ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(window, BM_GETCHECK, 0, 0)) != check) {
        SendMessageW(window, BM_SETCHECK, check, 0);
        // The button's class tells no screen reader that it is now (no longer) the chosen one.
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

void CalculatorWindow::fit_caption(Child& child)
{
    const std::wstring shown = window_text(child.window);
    if (shown.empty()) {
        // Nothing to measure: no text is drawn before a font is first needed, which
        // keeps the font files out of the start-up.
        SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font), TRUE);
        DeleteObject(child.fitted_font);
        child.fitted_font = nullptr;
        return;
    }
    const FontDescription& font = child.control->description().font;
    RECT inside{};
    GetClientRect(child.window, &inside);
    HDC context = GetDC(child.window);
    const double points = fitted_point_size(
        child.control->description(), to_utf8(shown), inside.right, [&](double at, std::string_view text) {
            HFONT measured = font_at(font, at);
            HGDIOBJ before = SelectObject(context, measured);
            const std::wstring wide = to_utf16(text);
            SIZE size{};
            GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &size);
            SelectObject(context, before);
            DeleteObject(measured);
            return static_cast<int>(size.cx);
        });
    ReleaseDC(child.window, context);
    HFONT fitted = font_at(font, points);
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(fitted), TRUE);
    DeleteObject(child.fitted_font);
    child.fitted_font = fitted;
}

void CalculatorWindow::paint_focus_ring(HDC context) const
{
    if (ringed_ != nullptr) {
        // Two pixels of dark blue, about 15:1 against the yellow: the system's dotted
        // focus mark is faint on it.
        const RECT ring = ring_around(ringed_);
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 139));
        for (int inset = 0; inset < 2; ++inset) {
            const RECT line{ring.left + inset, ring.top + inset, ring.right - inset, ring.bottom - inset};
            FrameRect(context, &line, blue);
        }
        DeleteObject(blue);
    }
}

void CalculatorWindow::show_result_menu(Child& child, POINT at)
{
    if (at.x == -1 && at.y == -1) { // from the keyboard: at the label
        RECT place{};
        GetWindowRect(child.window, &place);
        at = POINT{place.left, place.bottom};
    }
    const auto entries = presenter_.presentation().result_menu(*child.control);
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        AppendMenuW(menu, MF_STRING | (entries[i].copies ? 0 : MF_GRAYED), i + 1, to_utf16(entries[i].words).c_str());
    }
    const auto choice = static_cast<std::size_t>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (choice >= 1 && choice <= entries.size()) {
        presenter_.menu_chosen(entries[choice - 1]);
    }
}

} // namespace torvanel::win32
