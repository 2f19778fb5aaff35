#pragma once

#include "core/keys.hpp"

class QKeyEvent;

namespace torvanel {

// A Qt key event as the program's rules see a key.
KeyPress key_press_of(const QKeyEvent& event);

} // namespace torvanel
