#include "window/value_descriptions.hpp"

#include "window/host_errors.hpp"

#include <algorithm>

namespace torvanel {

std::string reading_description(std::string_view text, char decimal_separator, Unit unit)
{
    const NumberReading reading = number_from_text(text, decimal_separator, unit);
    switch (reading.problem) {
    case NumberProblem::None:
        return "letto come " + text_from_number(reading.value, decimal_separator) + " " +
               std::string(unit_symbol(unit));
    case NumberProblem::WrongSeparator:
        return "non letto: usa l'altro separatore decimale";
    case NumberProblem::OutOfRange:
        return "non letto: numero fuori dai limiti";
    case NumberProblem::WrongUnit:
        return "non letto: valore in " + std::string(unit_name(reading.unit_written)) + ", non in " +
               std::string(unit_name(unit));
    case NumberProblem::NotANumber:
        break;
    }
    return "non letto: non è un numero";
}

std::string result_description(std::string_view caption, char decimal_separator, Unit unit)
{
    const NumberReading reading = number_from_text(caption, decimal_separator);
    if (caption.empty() || reading.problem != NumberProblem::None) {
        return {};
    }
    return engineering_text(reading.value, decimal_separator, unit);
}

std::string notation_examples(char decimal_separator, Unit unit)
{
    const std::string symbol(unit_symbol(unit));
    return std::string("Esempi: 12") + decimal_separator + "5 · 1E-3 · 4k7 · 470µ · 20 m" + symbol + " · 2" +
           decimal_separator + "2 k" + symbol;
}

std::string held_text_summary(std::string_view text)
{
    // Characters, not bytes: every byte but a UTF-8 continuation byte starts one.
    const auto characters = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    std::string count = std::to_string(characters);
    for (auto i = static_cast<std::ptrdiff_t>(count.size()) - 3; i > 0; i -= 3) {
        count.insert(static_cast<std::size_t>(i), "\u00a0"); // a no-break space between thousands
    }
    return quote_excerpt(text, 32) + " (" + count + " caratteri)";
}

} // namespace torvanel
