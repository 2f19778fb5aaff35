#pragma once

#include "core/host.hpp"

namespace torvanel {

// Load handler of the window: voltage starts as the unknown quantity, as after VOLT,
// but the texts and captions stay as the window was built.
void on_load(Form& form, Host& host);

// Click handlers of VOLT, OHM and AMPERE: make that quantity the unknown one.
void on_volt_click(Form& form, Host& host);
void on_ohm_click(Form& form, Host& host);
void on_ampere_click(Form& form, Host& host);

} // namespace torvanel
