#include "window/host_errors.hpp"

#include <limits>

namespace torvanel {
namespace {

std::string largest_number_text(char separator)
{
    return text_from_number(std::numeric_limits<double>::max(), separator);
}

// How a user writes a value of the row, in its own notation.
std::string unit_example(Unit unit, char separator)
{
    switch (unit) {
    case Unit::Volt:
        return std::string("4") + separator + "5 V";
    case Unit::Ohm:
        return "4k7";
    case Unit::Ampere:
        return "20 mA";
    case Unit::None:
        break;
    }
    return "4k7";
}

std::string conversion_message(std::string_view quantity, std::string_view text, NumberReading reading, Unit row_unit,
                               char separator)
{
    const std::string quoted = "\"" + quote_excerpt(text) + "\"";
    const std::string prefix = std::string(quantity) + ": ";
    switch (reading.problem) {
    case NumberProblem::WrongUnit:
        return prefix + "il testo " + quoted + " è in " + std::string(unit_name(reading.unit_written)) +
               ".\nQui si scrivono valori in " + std::string(unit_name(row_unit)) + ", per esempio " +
               unit_example(row_unit, separator) + ".";
    case NumberProblem::WrongSeparator:
        if (separator == ',') {
            return prefix + "il testo " + quoted +
                   " usa il punto come separatore decimale.\nUsare la virgola, per esempio 2,5.";
        }
        return prefix + "il testo " + quoted +
               " usa la virgola come separatore decimale.\nUsare il punto, per esempio 2.5.";
    case NumberProblem::OutOfRange:
        return prefix + "il numero " + quoted +
               " è fuori dai limiti dei numeri che il calcolatore può rappresentare (fino a circa " +
               largest_number_text(separator) + ").";
    case NumberProblem::NotANumber:
    case NumberProblem::None:
        break;
    }
    return prefix + "il testo " + quoted + " non è un numero.\nScrivere un numero, per esempio 12" + separator +
           "5 oppure 1E-3.\nSi possono usare anche prefissi e unità: " + unit_example(row_unit, separator) + ".";
}

} // namespace

ConversionError::ConversionError(std::string_view control_name, std::string_view quantity, std::string_view text,
                                 NumberReading reading, Unit row_unit, char decimal_separator)
    : HostError(conversion_message(quantity, text, reading, row_unit, decimal_separator)), control_name_(control_name),
      problem_(reading.problem)
{
}

ArithmeticError::ArithmeticError(char decimal_separator)
    : HostError("Il risultato è fuori dai limiti dei numeri che il calcolatore può rappresentare (fino a circa " +
                largest_number_text(decimal_separator) + ").\nNessun risultato è stato mostrato.")
{
}

std::string quote_excerpt(std::string_view text, std::size_t max_characters)
{
    std::string excerpt;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < max_characters) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 1;
        if (i + length > text.size()) {
            length = text.size() - i;
        }
        if (lead < 0x20 || lead == 0x7F) {
            excerpt.push_back(' ');
        } else {
            excerpt.append(text.substr(i, length));
        }
        i += length;
        ++characters;
    }
    if (i < text.size()) {
        excerpt += "…";
    }
    return excerpt;
}

} // namespace torvanel
