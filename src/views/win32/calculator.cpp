#include "views/win32/calculator.hpp"

#include "views/win32/calculator_window.hpp"
#include "views/win32/message_box_reporter.hpp"

namespace torvanel::win32 {

char user_decimal_separator()
{
    wchar_t separator[8] = {};
    const bool read = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0;
    return read && separator[0] == L',' ? ',' : '.';
}

int run_calculator(ProgramHandlers handlers, char decimal_separator, HINSTANCE instance, int show_command)
{
    int status = 0;
    {
        Form form;
        MessageBoxReporter reporter;
        HWND shown = nullptr;
        Host host(form, handlers, reporter, decimal_separator, [&shown] {
            ShowWindow(shown, SW_HIDE);
            PostQuitMessage(0);
        });
        CalculatorWindow window(form, host, instance);
        shown = window.handle();
        reporter.set_owner(shown);
        host.raise_load();
        if (!host.has_ended()) {
            window.show(show_command);
        }
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            window.deliver(message);
        }
        status = static_cast<int>(message.wParam);
    }
    return status;
}

} // namespace torvanel::win32
