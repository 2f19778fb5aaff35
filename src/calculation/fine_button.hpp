#pragma once

#include "core/host.hpp"

namespace torvanel {

// Click handler of Fine: ends the program at once, nothing asked, nothing saved.
[[noreturn]] void on_fine_click(Form& form, Host& host);

} // namespace torvanel
