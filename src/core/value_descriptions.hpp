#pragma once

#include "core/number_reading.hpp"
#include "core/number_writing.hpp"

#include <string>
#include <string_view>

namespace torvanel {

// Every text that tells the user how a value reads or why it does not.

// How the text of an entry box reads, in Italian, so that a milli/mega slip shows:
// "letto come 0,001 Ω" for 1m in the resistance box, or why it does not read.
std::string reading_description(std::string_view text, char decimal_separator, Unit unit);

// The message for a text of the quantity's box that did not read (reading.problem
// is not None): the quantity, the start of the text, why, and how to write it.
std::string refusal_message(std::string_view quantity, std::string_view text, NumberReading reading, Unit row_unit,
                            char decimal_separator);

// The message for a result beyond the range of the numbers the calculator holds.
std::string arithmetic_error_message(char decimal_separator);

// A result caption written again with a prefix and the unit: "4,7 kΩ", a figure
// that reads back. Empty for an empty caption.
std::string result_description(std::string_view caption, char decimal_separator, Unit unit);

// What a sentence says of a result: result_description, or for a caption "0", which a
// result shows only when it underflowed, that it is too small to be represented.
std::string result_statement(std::string_view caption, char decimal_separator, Unit unit);

// What an entry box tells before anything was read from it: how values may be written.
std::string notation_examples(char decimal_separator, Unit unit);

// At most max_characters characters of text (never cutting a UTF-8 sequence), with
// control characters and line and paragraph separators shown as blanks, invisible
// format characters as "[U+202E]", bytes that are no UTF-8 as U+FFFD, and "…" when
// shortened.
std::string quote_excerpt(std::string_view text, std::size_t max_characters = 24);

} // namespace torvanel
