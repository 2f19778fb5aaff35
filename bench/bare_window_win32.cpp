// The floor for the Windows start-up benchmark: a plain Win32 window with the same
// eighteen standard controls, captions, fonts and places as the calculator, the same
// manifest (themed controls, per-monitor DPI), and nothing else but a CALCOLO click
// that puts "6" into VoltOutput, as a plain Win32 program would.
#include "core/window_description.hpp"

#include <windows.h>

#include <string>

namespace {

constexpr int kCalcoloId = 1;
constexpr int kVoltOutputId = 2;

std::wstring wide(std::string_view text)
{
    std::wstring out(static_cast<std::size_t>(
                         MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                     L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        static_cast<int>(out.size()));
    return out;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && LOWORD(wparam) == kCalcoloId) {
        SetDlgItemTextW(window, kVoltOutputId, L"6");
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command)
{
    const torvanel::WindowDescription& description = torvanel::calculator_window_description();
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = CreateSolidBrush(description.background.value);
    window_class.lpszClassName = L"TORVANEL_BARE";
    RegisterClassExW(&window_class);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, description.client_width_twips / 15, description.client_height_twips / 15};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, window_class.lpszClassName, wide(description.title).c_str(), style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  instance, nullptr);
    for (const torvanel::ControlDescription& control : description.controls) {
        const wchar_t* kind = L"STATIC";
        DWORD control_style = WS_CHILD | (control.visible ? WS_VISIBLE : 0);
        if (control.kind == torvanel::ControlKind::Button) {
            kind = L"BUTTON";
            control_style |= WS_TABSTOP | BS_PUSHBUTTON;
        } else if (control.kind == torvanel::ControlKind::TextBox) {
            kind = L"EDIT";
            control_style |= WS_TABSTOP | (control.multi_line ? ES_MULTILINE : ES_AUTOHSCROLL);
        }
        int id = 0;
        if (control.name == "CALCOLO") {
            id = kCalcoloId;
        } else if (control.name == "VoltOutput") {
            id = kVoltOutputId;
        }
        const torvanel::TwipRect& g = control.geometry;
        HWND child = CreateWindowExW(control.kind == torvanel::ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, kind,
                                     wide(control.caption_or_text).c_str(), control_style, g.left / 15, g.top / 15,
                                     g.width / 15, g.height / 15, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        const torvanel::FontDescription& font = control.font;
        HFONT made = CreateFontW(-static_cast<int>(font.point_size * 96 / 72.0 + 0.5), 0, 0, 0, font.weight, FALSE,
                                 FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, DEFAULT_PITCH, wide(font.family).c_str());
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(made), FALSE);
    }
    ShowWindow(window, show_command);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
