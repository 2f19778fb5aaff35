#include "window/host_errors.hpp"

#include <limits>

namespace torvanel {
namespace {

std::string largest_number_text(char separator)
{
    return text_from_number(std::numeric_limits<double>::max(), separator);
}

std::string conversion_message(std::string_view quantity, std::string_view text, NumberProblem problem, char separator)
{
    const std::string quoted = "\"" + quote_excerpt(text) + "\"";
    const std::string prefix = std::string(quantity) + ": ";
    switch (problem) {
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
           "5 oppure 1E-3.";
}

} // namespace

ConversionError::ConversionError(std::string_view control_name, std::string_view quantity, std::string_view text,
                                 NumberProblem problem, char decimal_separator)
    : HostError(conversion_message(quantity, text, problem, decimal_separator)), control_name_(control_name),
      problem_(problem)
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
