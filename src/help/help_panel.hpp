#pragma once

#include "core/host.hpp"

namespace torvanel {

// Click handlers of HELP and exithelp: show and hide TESTO, nothing else.
void on_help_click(Form& form, Host& host);
void on_exithelp_click(Form& form, Host& host);

} // namespace torvanel
