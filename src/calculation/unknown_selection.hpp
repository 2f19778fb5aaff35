#pragma once

#include "window/host.hpp"

namespace torvanel {

// Click handlers of VOLT, OHM and AMPERE: make that quantity the unknown one.
void on_volt_click(Form& form, Host& host);
void on_ohm_click(Form& form, Host& host);
void on_ampere_click(Form& form, Host& host);

} // namespace torvanel
