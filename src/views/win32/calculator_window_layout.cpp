#include "views/win32/calculator_window.hpp"

#include "core/control_words.hpp"
#include "views/win32/common_controls.hpp"
#include "views/win32/control_ids.hpp"
#include "views/win32/utf16.hpp"

#include <commctrl.h>

#include <algorithm>

// How the window's child windows are made from the window description and placed at a DPI.
namespace torvanel::win32 {
namespace {

int scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The child window's style, showing the control as the model has it now.
DWORD style_of(const Control& control)
{
    const ControlDescription& description = control.description();
    const DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
    switch (description.kind) {
    case ControlKind::Button:
        // VOLT, OHM and AMPERE show which quantity is the unknown one by more than
        // colour: checked, they look pressed and say so to assistive technology.
        return common | WS_VISIBLE | WS_TABSTOP |
               (description.unit != Unit::None ? BS_CHECKBOX | BS_PUSHLIKE : BS_PUSHBUTTON);
    case ControlKind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        return common | (box.Visible ? WS_VISIBLE : 0) | (box.Enabled ? 0 : WS_DISABLED) | WS_TABSTOP |
               (description.multi_line ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL : ES_AUTOHSCROLL);
    }
    case ControlKind::Label:
        break;
    }
    return common | WS_VISIBLE | SS_NOPREFIX | SS_NOTIFY | SS_CENTERIMAGE |
           (description.alignment == CaptionAlignment::Centre ? SS_CENTER : SS_LEFT) |
           (description.border ? WS_BORDER : 0);
}

const wchar_t* class_of(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return L"BUTTON";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::Label:
        break;
    }
    return L"STATIC";
}

std::string shown_text_of(const Control& control)
{
    if (const auto* box = dynamic_cast<const TextBox*>(&control)) {
        return box->Text;
    }
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        return label->Caption;
    }
    return std::string(control.description().caption_or_text);
}

} // namespace

void CalculatorWindow::create_children(HINSTANCE instance)
{
    // A new child goes below its siblings: the help box, made first, lies above the
    // boxes it covers. The focus follows the tab indexes, not this order.
    std::vector<Control*> controls(form_.controls().begin(), form_.controls().end());
    std::stable_partition(controls.begin(), controls.end(),
                          [this](const Control* control) { return control == &form_.TESTO; });
    children_.reserve(controls.size()); // the text boxes keep references to their entries
    for (Control* control : controls) {
        const ControlDescription& description = control->description();
        // Made in place, at the window's DPI: moving eighteen windows afterwards is a
        // good part of the start-up time under Wine.
        const TwipRect& g = description.geometry;
        HWND child = CreateWindowExW(
            description.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, class_of(description.kind),
            to_utf16(shown_text_of(*control)).c_str(), style_of(*control), scaled(g.left, dpi_), scaled(g.top, dpi_),
            scaled(g.width, dpi_), scaled(g.height, dpi_), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(description.name))), instance, nullptr);
        children_.push_back(Child{control, child, nullptr, nullptr, nullptr, nullptr});
        if (description.kind == ControlKind::TextBox) {
            Child& made = children_.back();
            const auto show = [this, &made](const std::wstring& text) {
                // Shown as the program's: no typing to hand back.
                setting_text_ = true;
                SetWindowTextW(made.window, text.c_str());
                setting_text_ = false;
            };
            made.text = std::make_unique<HeldTextBox>(
                child, show,
                [this, &made] {
                    if (!setting_text_) {
                        presenter_.typed(static_cast<TextBox&>(*made.control));
                    }
                },
                [this] { presenter_.copy_result(); });
            // Any length, as the boxes take any text.
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
        }
        // Every control but the static texts: the program answers some of their messages.
        if (description.kind != ControlKind::Label || description.unit != Unit::None) {
            children_.back().standard_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(child, GWLP_WNDPROC));
            SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CalculatorWindow::child_procedure));
        }
    }
    // Hidden: a screen reader hears it through its events, and finds no stray element in
    // the window's tree once it has spoken.
    announcement_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window_, nullptr, instance, nullptr);
    // Made as the model has them (text, caption, enabled, visible; colours are asked for
    // when drawn): showing them again costs little.
    presenter_.show_all();
}

void CalculatorWindow::add_tooltips()
{
    register_common_controls();
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
    for (const Child& child : children_) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(child.window);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CalculatorWindow::lay_out(UINT dpi)
{
    dpi_ = dpi;
    for (Child& child : children_) {
        const TwipRect& g = child.control->description().geometry;
        SetWindowPos(child.window, nullptr, scaled(g.left, dpi), scaled(g.top, dpi), scaled(g.width, dpi),
                     scaled(g.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    set_fonts(true);
    size_frame();
}

void CalculatorWindow::set_fonts(bool redraw)
{
    std::vector<HFONT> old_fonts = std::move(fonts_);
    std::vector<FontDescription> made;
    for (Child& child : children_) {
        const FontDescription& font = child.control->description().font;
        const auto same = [&font](const FontDescription& other) {
            return other.family == font.family && other.point_size == font.point_size && other.weight == font.weight;
        };
        auto found = std::find_if(made.begin(), made.end(), same);
        if (found == made.end()) {
            made.push_back(font);
            fonts_.push_back(font_at(font, font.point_size));
            found = made.end() - 1;
        }
        child.font = fonts_[found - made.begin()];
        SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font), redraw);
    }
    for (HFONT font : old_fonts) {
        DeleteObject(font);
    }
    for (Child& child : children_) {
        if (child.control->kind() == ControlKind::Label && child.control->description().unit != Unit::None) {
            fit_caption(child);
        }
    }
}

HFONT CalculatorWindow::font_at(const FontDescription& font, double points) const
{
    return CreateFontW(-static_cast<int>(points * dpi_ / 72.0 + 0.5), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                       to_utf16(font.family).c_str());
}

void CalculatorWindow::size_frame()
{
    const WindowDescription& description = calculator_window_description();
    RECT frame{0, 0, scaled(description.client_width_twips, dpi_), scaled(description.client_height_twips, dpi_)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace torvanel::win32
