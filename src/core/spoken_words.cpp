#include "core/spoken_words.hpp"

#include <algorithm>
#include <utility>

namespace torvanel {
namespace {

constexpr std::pair<std::string_view, std::string_view> kOperators[] = {
    {"×", "per"}, {"*", "per"}, {"/", "diviso"}, {"=", "uguale"}, {"–", "o"},
};
// µ is written with either code point; no prefix, tried last, leaves the unit alone.
constexpr std::pair<std::string_view, std::string_view> kPrefixes[] = {
    {"p", "pico"},  {"n", "nano"}, {"\u00b5", "micro"}, {"\u03bc", "micro"}, {"m", "milli"},
    {"k", "chilo"}, {"M", "mega"}, {"G", "giga"},       {"T", "tera"},       {"", ""},
};
constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
    {"V", "volt"}, {"\u03a9", "ohm"}, {"\u2126", "ohm"}, {"A", "ampere"}, {"W", "watt"},
};

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// A figure as the calculator writes it: a sign, digits with one separator, and an exponent.
bool is_figure(std::string_view word)
{
    if (!word.empty() && word.front() == '-') {
        word.remove_prefix(1);
    }
    return !word.empty() && is_digit(word.front()) && std::all_of(word.begin(), word.end(), [](char c) {
        return is_digit(c) || c == ',' || c == '.' || c == 'E' || c == '+' || c == '-';
    });
}

// "1E-12": "1 per dieci alla meno 12"; a figure without an exponent stays.
std::string spoken_figure(std::string_view figure)
{
    const std::size_t e = figure.find('E');
    if (e == std::string_view::npos || e + 1 >= figure.size()) {
        return std::string(figure);
    }
    std::string_view exponent = figure.substr(e + 1);
    std::string sign;
    if (exponent.front() == '+' || exponent.front() == '-') {
        sign = exponent.front() == '-' ? "meno " : "";
        exponent.remove_prefix(1);
    }
    return std::string(figure.substr(0, e)) + " per dieci alla " + sign + std::string(exponent);
}

// "kΩ": "chiloohm"; empty when the word is no unit.
std::string spoken_unit(std::string_view word)
{
    for (const auto& [prefix, prefix_words] : kPrefixes) {
        if (!word.starts_with(prefix)) {
            continue;
        }
        for (const auto& [unit, unit_words] : kUnits) {
            if (word.substr(prefix.size()) == unit) {
                return std::string(prefix_words) + std::string(unit_words);
            }
        }
    }
    return {};
}

} // namespace

std::string spoken_words(std::string_view shown)
{
    std::string spoken;
    bool after_figure = false;
    for (std::size_t start = 0;;) {
        const std::size_t blank = shown.find(' ', start);
        std::string_view word =
            shown.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start);
        // Punctuation that ends a sentence or a bracket stays after the spoken word.
        const std::size_t last = word.find_last_not_of(".,:;)");
        const std::string_view closing = word.substr(last == std::string_view::npos ? 0 : last + 1);
        word.remove_suffix(closing.size());

        const auto op = std::find_if(std::begin(kOperators), std::end(kOperators),
                                     [word](const auto& entry) { return entry.first == word; });
        std::string unit = after_figure ? spoken_unit(word) : std::string();
        if (op != std::end(kOperators)) {
            spoken += op->second;
        } else if (is_figure(word)) {
            spoken += spoken_figure(word);
        } else {
            spoken += unit.empty() ? word : std::string_view(unit);
        }
        spoken += closing;
        after_figure = is_figure(word) && closing.empty();
        if (blank == std::string_view::npos) {
            return spoken;
        }
        spoken += ' ';
        start = blank + 1;
    }
}

} // namespace torvanel
