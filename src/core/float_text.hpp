#pragma once

#include <charconv>

namespace torvanel {

// Doubles to and from text in the C locale, as std::from_chars and std::to_chars do.
// The standard library's where it has them; the WebAssembly build's libc++ has no
// floating-point charconv, so there the portable route below is used. Both give the
// same results (the core's tests compare them where both exist).

// Reads [-]digits[.digits][e±digits]; result_out_of_range, value untouched, when the
// nearest double is zero or infinite although the text is neither.
std::from_chars_result read_double(const char* first, const char* last, double& value);

// [-]d.ddde±XX with `precision` digits after the point.
std::to_chars_result write_scientific(char* first, char* last, double value, int precision);

// [-]d.ddde±XX with the fewest digits that read back as the same double (of those,
// the nearest).
std::to_chars_result write_shortest(char* first, char* last, double value);

// The same without the standard library's charconv: fast_float reads, the C library's
// printf writes.
namespace portable {
std::from_chars_result read_double(const char* first, const char* last, double& value);
std::to_chars_result write_scientific(char* first, char* last, double value, int precision);
std::to_chars_result write_shortest(char* first, char* last, double value);
} // namespace portable

} // namespace torvanel
