#pragma once

#include "window/number_text.hpp"

#include <string>
#include <string_view>

namespace torvanel {

// How the text of an entry box reads, in Italian, so that a milli/mega slip shows:
// "letto come 0,001 Ω" for 1m in the resistance box, or why it does not read.
std::string reading_description(std::string_view text, char decimal_separator, Unit unit);

// A result caption written again with a prefix and the unit: "4,7 kΩ". Empty for
// an empty caption.
std::string result_description(std::string_view caption, char decimal_separator, Unit unit);

// What an entry box tells before anything was read from it: how values may be written.
std::string notation_examples(char decimal_separator, Unit unit);

// What a box shows in place of a text too long to lay out: its start and its
// length, "4k7 2,2 1E-3 (abc) x 9.81… (10 485 760 caratteri)".
std::string held_text_summary(std::string_view text);

} // namespace torvanel
