#include "app/event_bindings.hpp"
#include "views/win32/calculator.hpp"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command)
{
    return torvanel::win32::run_calculator(torvanel::calculator_handlers(), torvanel::win32::user_decimal_separator(),
                                           instance, show_command);
}
