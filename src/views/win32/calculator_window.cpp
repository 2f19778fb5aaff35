#include "views/win32/calculator_window.hpp"

#include "core/control_words.hpp"
#include "core/value_descriptions.hpp"
#include "views/win32/clipboard.hpp"
#include "views/win32/utf16.hpp"

#include <commctrl.h>

#include <algorithm>

namespace torvanel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"TORVANEL";

// Windows' line ends for a text put on its clipboard.
std::wstring with_crlf(const std::string& text)
{
    std::wstring lines;
    for (wchar_t c : to_utf16(text)) {
        if (c == L'\n') {
            lines += L'\r';
        }
        lines += c;
    }
    return lines;
}

} // namespace

CalculatorWindow::CalculatorWindow(Form& form, Host& host, HINSTANCE instance)
    : form_(form), host_(host), presenter_(form, host, *this)
{
    const WindowDescription& description = calculator_window_description();
    const Colour background = description.background;
    brushes_[background.value] = CreateSolidBrush(background.value);

    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &CalculatorWindow::procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = brushes_[background.value];
    window_class.lpszClassName = kWindowClass;
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, kWindowClass, to_utf16(description.title).c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    dpi_ = GetDpiForWindow(window_);
    create_children(instance);
    set_fonts(false);
    size_frame();
}

CalculatorWindow::~CalculatorWindow()
{
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    for (HFONT font : fonts_) {
        DeleteObject(font);
    }
    for (const Child& child : children_) {
        DeleteObject(child.fitted_font);
    }
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

void CalculatorWindow::show(int show_command)
{
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    // Tooltips are added once the window shows: only a pointer resting on a control
    // needs them, and adding eighteen tools first held the window back.
    PostMessageW(window_, kAddTooltipsMessage, 0, 0);
    SetFocus(child_of(presenter_.presentation().next_in_tab_order(nullptr, false)).window);
}

CalculatorWindow::Child* CalculatorWindow::child_of(HWND window)
{
    const auto found =
        std::find_if(children_.begin(), children_.end(), [window](const Child& c) { return c.window == window; });
    return found == children_.end() ? nullptr : &*found;
}

CalculatorWindow::Child& CalculatorWindow::child_of(const Control& control)
{
    return *std::find_if(children_.begin(), children_.end(),
                         [&control](const Child& c) { return c.control == &control; });
}

const CalculatorWindow::Child& CalculatorWindow::child_of(const Control& control) const
{
    return const_cast<CalculatorWindow&>(*this).child_of(control);
}

bool CalculatorWindow::take_key(const MSG& message)
{
    const bool key_down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if ((!key_down && message.message != WM_KEYUP && message.message != WM_SYSKEYUP) ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    KeyPress key{KeyName::Other, 0, {}, false, held(VK_CONTROL), held(VK_SHIFT), held(VK_MENU)};
    static constexpr std::pair<WPARAM, KeyName> kNames[] = {
        {VK_TAB, KeyName::Tab}, {VK_APPS, KeyName::Menu}, {VK_F10, KeyName::F10}, {VK_INSERT, KeyName::Insert}};
    for (const auto& [virtual_key, name] : kNames) {
        key.key = message.wParam == virtual_key ? name : key.key;
    }
    if (message.wParam >= 'A' && message.wParam <= 'Z') {
        key.key = KeyName::Letter;
        key.letter = static_cast<char>(message.wParam);
    }
    const Child* focused = child_of(GetFocus());
    const Presentation& presentation = presenter_.presentation();
    const WindowCommand command =
        window_command(key, focused != nullptr && focused->control->kind() == ControlKind::TextBox,
                       presentation.latest_result_label() != nullptr);
    switch (command) {
    case WindowCommand::OpenResultMenu:
        // Its release is taken too, or the control would open its menu after ours.
        if (key_down) {
            show_result_menu(child_of(*presentation.latest_result_label()), POINT{-1, -1});
        }
        return true;
    case WindowCommand::NextControl:
    case WindowCommand::PreviousControl:
        return key_down && move_focus(command == WindowCommand::PreviousControl);
    case WindowCommand::CopyResult:
        if (message.message == WM_KEYDOWN) {
            presenter_.copy_result();
        }
        return message.message == WM_KEYDOWN;
    case WindowCommand::OpenFocusedMenu: // the control's own, from its class
    case WindowCommand::None:
        break;
    }
    return false;
}

bool CalculatorWindow::move_focus(bool backwards)
{
    const Child* focused = child_of(GetFocus());
    const Child& next =
        child_of(presenter_.presentation().next_in_tab_order(focused ? focused->control : nullptr, backwards));
    SetFocus(next.window);
    if (next.control->kind() == ControlKind::TextBox) {
        SendMessageW(next.window, EM_SETSEL, 0, -1);
    }
    return true;
}

LRESULT CALLBACK CalculatorWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CalculatorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CalculatorWindow::handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        if (Child* child = child_of(reinterpret_cast<HWND>(lparam))) {
            if (HIWORD(wparam) == BN_CLICKED && child->control->kind() == ControlKind::Button) {
                presenter_.click(static_cast<const Button&>(*child->control));
            } else if (HIWORD(wparam) == EN_CHANGE && child->control->kind() == ControlKind::TextBox &&
                       !setting_text_) {
                child->text->edited();
            }
        }
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(colour_child(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lparam);
        if (header->code == TTN_GETDISPINFOW) {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
            Child* child = child_of(reinterpret_cast<HWND>(header->idFrom));
            tooltip_text_ = child != nullptr ? to_utf16(presenter_.node(*child->control).tooltip) : std::wstring();
            info->lpszText = tooltip_text_.data();
        }
        return 0;
    }
    case WM_CONTEXTMENU:
        if (Child* child = child_of(reinterpret_cast<HWND>(wparam)); child != nullptr &&
                                                                     child->control->kind() == ControlKind::Label &&
                                                                     child->control->description().unit != Unit::None) {
            show_result_menu(*child, POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        lay_out(HIWORD(wparam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window_, &paint);
        paint_focus_ring(context);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_ENABLE:
        // A message box is about to cover the window: it shows the state reported on.
        if (wparam == FALSE) {
            presenter_.show_now();
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            break;
        }
        [[fallthrough]];
    case WM_SETFOCUS:
        // Active again, after a message box or another window: the focus goes back to a
        // control, never to the bare window, where keys would go nowhere.
        if (!IsIconic(window_)) {
            SetFocus(child_of(presenter_.presentation().focus_to_restore()).window);
            follow_focus();
            return 0;
        }
        break;
    case WM_CLOSE:
        host_.window_closed();
        return 0;
    case kAddTooltipsMessage:
        if (tooltip_ == nullptr) {
            add_tooltips();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

LRESULT CALLBACK CalculatorWindow::child_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
    Child* child = self != nullptr ? self->child_of(window) : nullptr;
    if (child == nullptr || child->standard_procedure == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (LRESULT answer = 0; self->answer_accessibility(window, message, wparam, lparam, answer)) {
        return answer;
    }
    switch (child->control->kind()) {
    case ControlKind::TextBox:
        return self->entry_box_message(*child, message, wparam, lparam);
    case ControlKind::Label:
        return self->result_label_message(*child, message, wparam, lparam);
    case ControlKind::Button:
        break;
    }
    return pass_on(*child, message, wparam, lparam);
}

LRESULT CalculatorWindow::pass_on(const Child& child, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallWindowProcW(child.standard_procedure, child.window, message, wparam, lparam);
}

LRESULT CalculatorWindow::entry_box_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_KEYDOWN) {
        keypad_decimal_ = wparam == VK_DECIMAL;
    } else if (message == WM_CHAR && keypad_decimal_ && wparam >= 0x20 && wparam < 0x80) {
        const KeyPress key{KeyName::Other, 0, std::string(1, static_cast<char>(wparam)), true};
        wparam = static_cast<WPARAM>(typed_text(key, host_.decimal_separator()).front());
    }
    if (child.text->handle(message, wparam)) {
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        child.text->context_menu(POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
        return 0;
    }
    return pass_on(child, message, wparam, lparam);
}

LRESULT CalculatorWindow::result_label_message(Child& child, UINT message, WPARAM wparam, LPARAM lparam)
{
    const HWND window = child.window;
    const LRESULT result = pass_on(child, message, wparam, lparam);
    if (message == WM_PAINT) {
        // The unit, drawn after the number: the caption itself stays the number.
        if (GetWindowTextLengthW(window) > 0) {
            HDC context = GetDC(window);
            HGDIOBJ before = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
            SetBkMode(context, TRANSPARENT);
            const std::wstring caption = window_text(window) + L" ";
            SIZE size{};
            GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &size);
            RECT place{};
            GetClientRect(window, &place);
            place.left += size.cx;
            const std::wstring unit = to_utf16(unit_symbol(child.control->description().unit));
            DrawTextW(context, unit.c_str(), static_cast<int>(unit.size()), &place,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            SelectObject(context, before);
            ReleaseDC(window, context);
        }
    }
    return result;
}

HBRUSH CalculatorWindow::colour_child(HDC context, HWND window)
{
    const Child* child = child_of(window);
    if (child == nullptr) {
        return nullptr;
    }
    std::optional<Colour> background;
    if (const auto* box = dynamic_cast<const TextBox*>(child->control)) {
        background = box->Background.get();
    } else if (const auto* label = dynamic_cast<const Label*>(child->control)) {
        background = label->Background.get();
    }
    const ControlDescription& description = child->control->description();
    const COLORREF fill = background
                              ? background->value
                              : GetSysColor(description.kind == ControlKind::TextBox ? COLOR_WINDOW : COLOR_BTNFACE);
    SetBkColor(context, fill);
    SetTextColor(context, description.text_colour ? description.text_colour->value : GetSysColor(COLOR_WINDOWTEXT));
    HBRUSH& brush = brushes_[fill];
    if (brush == nullptr) {
        brush = CreateSolidBrush(fill);
    }
    return brush;
}

std::string CalculatorWindow::shown_text(const TextBox& box) const
{
    return child_of(box).text->full_text();
}

void CalculatorWindow::show_property(const Control& control, PropertyName property)
{
    Child& child = child_of(control);
    if (const auto* box = dynamic_cast<const TextBox*>(&control)) {
        switch (property) {
        case PropertyName::Text:
            child.text->show_text(box->Text.get());
            break;
        case PropertyName::Enabled:
            if ((IsWindowEnabled(child.window) != FALSE) != box->Enabled) {
                EnableWindow(child.window, box->Enabled ? TRUE : FALSE);
            }
            break;
        case PropertyName::Visible:
            if ((IsWindowVisible(child.window) != FALSE) != box->Visible) {
                ShowWindow(child.window, box->Visible ? SW_SHOW : SW_HIDE);
            }
            break;
        case PropertyName::Background:
            InvalidateRect(child.window, nullptr, TRUE);
            break;
        case PropertyName::Caption:
            break;
        }
    } else if (const auto* label = dynamic_cast<const Label*>(&control)) {
        if (property == PropertyName::Caption) {
            SetWindowTextW(child.window, to_utf16(label->Caption.get()).c_str());
            if (control.description().unit != Unit::None) {
                fit_caption(child);
            }
        } else if (property == PropertyName::Background) {
            InvalidateRect(child.window, nullptr, TRUE);
        }
    }
}

void CalculatorWindow::describe(const Control& control)
{
    if (control.kind() == ControlKind::Label && control.description().unit != Unit::None) {
        // A result label is named with its result.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, child_of(control).window, OBJID_CLIENT, CHILDID_SELF);
    }
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, TTM_UPDATE, 0, 0);
    }
}

void CalculatorWindow::copy_to_clipboard(const std::string& text)
{
    win32::copy_to_clipboard(window_, with_crlf(text));
}

} // namespace torvanel::win32
