#pragma once

#include "core/host.hpp"

namespace torvanel {

// Which handler answers which event of the window.
ProgramHandlers calculator_handlers();

} // namespace torvanel
