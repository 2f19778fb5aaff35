#pragma once

#include "core/host.hpp"

namespace torvanel {

// Click handler of CALCOLO: computes the quantity whose entry box is disabled.
void on_calcolo_click(Form& form, Host& host);

} // namespace torvanel
