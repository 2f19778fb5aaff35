#include "core/float_text.hpp"

#if !defined(__cpp_lib_to_chars)
#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#endif

namespace torvanel {

#if defined(__cpp_lib_to_chars)

std::from_chars_result read_double(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value);
}

std::to_chars_result write_scientific(char* first, char* last, double value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}

std::to_chars_result write_shortest(char* first, char* last, double value)
{
    return std::to_chars(first, last, value, std::chars_format::scientific);
}

#else

namespace {

std::to_chars_result printed(char* first, char* last, const char* format, int precision, double value)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
    if (length < 0 || length > last - first) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, buffer, static_cast<std::size_t>(length));
    return {first + length, std::errc{}};
}

} // namespace

std::from_chars_result read_double(const char* first, const char* last, double& value)
{
    double read = 0;
    const auto [end, error] = fast_float::from_chars(first, last, read);
    if (error != std::errc{}) {
        return {end, error};
    }
    // fast_float rounds beyond the range to zero or infinity without saying so.
    const char* mantissa_end = std::find_if(first, end, [](char c) { return c == 'e' || c == 'E'; });
    const bool nonzero_digit = std::any_of(first, mantissa_end, [](char c) { return c >= '1' && c <= '9'; });
    const bool written_infinite = std::any_of(first, end, [](char c) { return c == 'i' || c == 'I'; });
    if ((read == 0 && nonzero_digit) || (std::isinf(read) && !written_infinite)) {
        return {end, std::errc::result_out_of_range};
    }
    value = read;
    return {end, error};
}

std::to_chars_result write_scientific(char* first, char* last, double value, int precision)
{
    return printed(first, last, "%.*e", precision, value);
}

std::to_chars_result write_shortest(char* first, char* last, double value)
{
    // The first precision whose correctly rounded digits read back: the shortest, and
    // of those the nearest, as std::to_chars gives.
    int precision = 0;
    for (char buffer[64]; precision < 16; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
        if (std::strtod(buffer, nullptr) == value) {
            break;
        }
    }
    return printed(first, last, "%.*e", precision, value);
}

#endif

} // namespace torvanel
