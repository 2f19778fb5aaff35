#include "core/number_writing.hpp"

#include "core/float_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace torvanel {
namespace {

// A finite non-zero value rounded to a number of significant digits: the digits
// without trailing zeros, and the decimal exponent of the first one.
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// [-]d.ddde±x as write_scientific writes it, into its parts.
Digits digits_of_scientific(std::string_view scientific)
{
    Digits result;
    result.negative = scientific.front() == '-';
    const std::size_t e_position = scientific.find('e');
    for (char c : scientific.substr(0, e_position)) {
        if (c != '-' && c != '.') {
            result.digits.push_back(c);
        }
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    const std::string_view exponent_text = scientific.substr(e_position + 1);
    std::from_chars(exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0),
                    exponent_text.data() + exponent_text.size(), result.exponent);
    return result;
}

// The shortest digits that read back as the same double.
Digits shortest_digits(double value)
{
    char buffer[32];
    const auto [end, error] = write_shortest(buffer, buffer + sizeof buffer, value);
    (void)error; // 32 characters hold the 17 digits, sign, point and exponent
    return digits_of_scientific(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

Digits rounded_digits(double value, int significant_digits)
{
    const int digits = std::clamp(std::min(significant_digits, significant_digits_held(value)), 1, kShownDigits);
    char buffer[32];
    const auto [end, error] =
        write_scientific(buffer, buffer + sizeof buffer, value, digits - 1);
    (void)error; // 32 characters always hold d.dddddddddddddde±XXX
    return digits_of_scientific(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// The digits with the separator after whole_digits of them, padded with zeros.
std::string positional(const Digits& d, int whole_digits, char separator)
{
    std::string text = d.negative ? "-" : "";
    if (whole_digits <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-whole_digits), '0');
        text += d.digits;
    } else if (d.digits.size() <= static_cast<std::size_t>(whole_digits)) {
        text += d.digits;
        text.append(static_cast<std::size_t>(whole_digits) - d.digits.size(), '0');
    } else {
        text.append(d.digits, 0, static_cast<std::size_t>(whole_digits));
        text += separator;
        text.append(d.digits, static_cast<std::size_t>(whole_digits));
    }
    return text;
}

} // namespace

int significant_digits_held(double value)
{
    if (!std::isfinite(value) || value == 0 || std::isnormal(value)) {
        return kShownDigits;
    }
    return std::min(static_cast<int>(shortest_digits(value).digits.size()), kShownDigits);
}

std::string text_from_number(double value, char decimal_separator, int significant_digits)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    if (value == 0) {
        return "0";
    }
    const Digits d = rounded_digits(value, significant_digits);
    if (d.exponent >= -4 && d.exponent < 15) {
        return positional(d, d.exponent + 1, decimal_separator);
    }
    std::string text = d.negative ? "-" : "";
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += decimal_separator;
        text.append(d.digits, 1);
    }
    text += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

std::string engineering_text(double value, char decimal_separator, Unit unit, int significant_digits)
{
    if (!std::isfinite(value)) {
        return std::string(kOutOfRangeWords);
    }
    static constexpr std::string_view kPrefixes[] = {"p", "n", "\u00b5", "m", "", "k", "M", "G", "T"};
    std::string text;
    if (value != 0) {
        const Digits d = rounded_digits(value, significant_digits);
        if (d.exponent >= -12 && d.exponent < 15) {
            const int group = (d.exponent + 12) / 3; // 0 for pico … 8 for tera
            const int whole_digits = d.exponent - (group * 3 - 12) + 1;
            text = positional(d, whole_digits, decimal_separator) + " ";
            text += kPrefixes[group];
            text += unit_symbol(unit);
            return text;
        }
    }
    text = text_from_number(value, decimal_separator, significant_digits);
    if (unit != Unit::None) {
        text += " ";
        text += unit_symbol(unit);
    }
    return text;
}

} // namespace torvanel
