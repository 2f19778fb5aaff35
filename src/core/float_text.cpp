#include "core/float_text.hpp"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

std::from_chars_result read_double(const char* first, const char* last, double& value)
{
    return portable::read_double(first, last, value);
}

std::to_chars_result write_scientific(char* first, char* last, double value, int precision)
{
    return portable::write_scientific(first, last, value, precision);
}

std::to_chars_result write_shortest(char* first, char* last, double value)
{
    return portable::write_shortest(first, last, value);
}

#endif

namespace portable {
namespace {

std::to_chars_result copied(char* first, char* last, const std::string& text)
{
    if (static_cast<std::ptrdiff_t>(text.size()) > last - first) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

std::string printed(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
    return buffer;
}

// The scientific text one unit away in its last digit ("4.7e-01", +1: "4.8e-01";
// "9.9e-01", +1: "1.0e+00"), or "" at zero.
std::string neighbour(const std::string& text, int step)
{
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.') {
            digits += c;
        }
    }
    long long mantissa = std::stoll(digits) + step;
    int exponent = std::stoi(text.substr(e + 1));
    const long long bottom = std::stoll("1" + std::string(digits.size() - 1, '0'));
    if (mantissa <= 0) {
        return "";
    }
    std::string shown = std::to_string(mantissa);
    if (mantissa < bottom) { // 1.0e+00 - 1 in the last digit: 9.9e-01
        shown += "9";
        --exponent;
    } else if (shown.size() > digits.size()) { // 9.9e-01 + 1: 1.0e+00
        shown.pop_back();
        ++exponent;
    }
    shown.insert(1, shown.size() > 1 ? "." : "");
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return (negative ? "-" : "") + shown + suffix;
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
    return copied(first, last, printed(value, precision));
}

std::to_chars_result write_shortest(char* first, char* last, double value)
{
    if (value == 0 || !std::isfinite(value)) {
        return copied(first, last, printed(value, 0));
    }
    // The fewest digits: the correctly rounded ones or, where the doubles around are
    // unevenly spaced (at a power of two), one unit beside them, whichever reads back.
    // Were both beside to read back, the rounded ones between them would too.
    for (int precision = 0; precision < 17; ++precision) {
        const std::string rounded = printed(value, precision);
        for (const std::string& candidate : {rounded, neighbour(rounded, -1), neighbour(rounded, 1)}) {
            if (!candidate.empty() && std::strtod(candidate.c_str(), nullptr) == value) {
                return copied(first, last, candidate);
            }
        }
    }
    return copied(first, last, printed(value, 16));
}

} // namespace portable

} // namespace torvanel
