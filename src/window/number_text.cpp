#include "window/number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace torvanel {
namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// Grammar check and normalisation into what std::from_chars reads: no '+', '.' as
// separator. Also remembers the decimal position of the leading non-zero digit, which
// tells an overflow from an underflow when from_chars reports a range error.
struct Scan {
    bool ok = false;
    std::string normalised;
    std::int64_t leading_digit_exponent = 0; // valid when has_nonzero_digit
    bool has_nonzero_digit = false;
};

Scan scan(std::string_view text, char separator)
{
    Scan result;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && is_blank(text[i])) {
        ++i;
    }
    std::size_t end = n;
    while (end > i && is_blank(text[end - 1])) {
        --end;
    }
    result.normalised.reserve(end - i);
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            result.normalised.push_back('-');
        }
        ++i;
    }
    std::size_t digits = 0;
    bool seen_separator = false;
    std::int64_t digits_before_separator = 0;
    std::int64_t first_nonzero_position = -1; // index among all mantissa digits
    for (; i < end; ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            if (c != '0' && first_nonzero_position < 0) {
                first_nonzero_position = static_cast<std::int64_t>(digits);
            }
            ++digits;
            if (!seen_separator) {
                ++digits_before_separator;
            }
            result.normalised.push_back(c);
        } else if (c == separator && !seen_separator) {
            seen_separator = true;
            result.normalised.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0) {
        return result;
    }
    std::int64_t exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        result.normalised.push_back('e');
        ++i;
        bool negative_exponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negative_exponent = text[i] == '-';
            result.normalised.push_back(text[i] == '-' ? '-' : '+');
            ++i;
        }
        std::size_t exponent_digits = 0;
        constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
        for (; i < end && is_digit(text[i]); ++i) {
            ++exponent_digits;
            exponent = exponent < kSaturated ? exponent * 10 + (text[i] - '0') : kSaturated;
            result.normalised.push_back(text[i]);
        }
        if (exponent_digits == 0) {
            return result;
        }
        if (negative_exponent) {
            exponent = -exponent;
        }
    }
    if (i != end) {
        return result;
    }
    result.ok = true;
    if (first_nonzero_position >= 0) {
        result.has_nonzero_digit = true;
        result.leading_digit_exponent = digits_before_separator - first_nonzero_position - 1 + exponent;
    }
    return result;
}

} // namespace

NumberReading number_from_text(std::string_view text, char decimal_separator)
{
    const Scan scanned = scan(text, decimal_separator);
    if (!scanned.ok) {
        // A text that would be a number with the other separator gets its own hint;
        // it is never read as digit grouping.
        const char other_separator = decimal_separator == ',' ? '.' : ',';
        const bool other_reads = text.find(other_separator) != std::string_view::npos && scan(text, other_separator).ok;
        return {0, other_reads ? NumberProblem::WrongSeparator : NumberProblem::NotANumber};
    }
    double value = 0;
    const char* first = scanned.normalised.data();
    const char* last = first + scanned.normalised.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range; only the large end is an error.
        if (scanned.has_nonzero_digit && scanned.leading_digit_exponent < 0) {
            return {scanned.normalised.front() == '-' ? -0.0 : 0.0, NumberProblem::None};
        }
        return {0, NumberProblem::OutOfRange};
    }
    if (error != std::errc{} || end != last) {
        return {0, NumberProblem::NotANumber};
    }
    return {value, NumberProblem::None};
}

std::string text_from_number(double value, char decimal_separator)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    if (value == 0) {
        return "0";
    }
    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    (void)error; // 32 characters always hold this form
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));

    const bool negative = scientific.front() == '-';
    const std::size_t e_position = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e_position)) {
        if (is_digit(c)) {
            digits.push_back(c);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view exponent_text = scientific.substr(e_position + 1);
    std::from_chars(exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0),
                    exponent_text.data() + exponent_text.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimal_separator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += '0';
        text += decimal_separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto whole_digits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole_digits) {
            text += digits;
            text.append(whole_digits - digits.size(), '0');
        } else {
            text.append(digits, 0, whole_digits);
            text += decimal_separator;
            text.append(digits, whole_digits);
        }
    }
    return text;
}

} // namespace torvanel
