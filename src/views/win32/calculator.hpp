#pragma once

#include "core/host.hpp"

#include <windows.h>

namespace torvanel::win32 {

// The decimal separator of the user's regional settings: ',' or '.' (any other reads '.').
char user_decimal_separator();

// Runs the program: builds the form, the host with the given handlers and the
// window, raises Load, shows the window and delivers events until the program
// ends. Returns the process's exit status.
int run_calculator(ProgramHandlers handlers, char decimal_separator, HINSTANCE instance, int show_command);

} // namespace torvanel::win32
