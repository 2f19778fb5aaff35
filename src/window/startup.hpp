#pragma once

#include "window/host.hpp"

namespace torvanel {

// Load handler of the window: voltage starts as the unknown quantity. The texts
// and captions stay as the window was built.
void on_load(Form& form, Host& host);

// Click handler of Fine: ends the program at once, nothing asked, nothing saved.
[[noreturn]] void on_fine_click(Form& form, Host& host);

} // namespace torvanel
