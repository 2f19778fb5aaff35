#include "core/value_descriptions.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>

namespace torvanel {
namespace {

// The invisible characters that change the direction of the text around them.
bool is_bidi_control(std::string_view character)
{
    static constexpr std::string_view kControls[] = {
        "\u061c", "\u200e", "\u200f", "\u202a", "\u202b", "\u202c",
        "\u202d", "\u202e", "\u2066", "\u2067", "\u2068", "\u2069",
    };
    return std::find(std::begin(kControls), std::end(kControls), character) != std::end(kControls);
}

// Controls and separators that break or hide a line: C0, DEL, C1 (U+0080 to U+009F,
// U+0085 among them) and the line and paragraph separators.
bool breaks_the_line(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    const bool c1 = character.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    return lead < 0x20 || lead == 0x7F || c1 || character == "\u2028" || character == "\u2029";
}

// "202E" for the UTF-8 of U+202E (two- and three-byte sequences).
std::string code_point_hex(std::string_view character)
{
    const auto byte = [&character](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(character[i]));
    };
    const unsigned code = character.size() == 2 ? (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu)
                                                : (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", code);
    return hex;
}

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
    case Unit::Ampere:
        return "20 mA";
    case Unit::Watt:
    case Unit::Ohm:
    case Unit::None:
        break;
    }
    return "4k7";
}

// Why a text does not read, as said after it, and how to write it instead.
struct Refusal {
    std::string reason;
    std::string advice;
};

Refusal refusal(NumberReading reading, Unit row_unit, char separator)
{
    switch (reading.problem) {
    case NumberProblem::WrongUnit:
        return {"è in " + std::string(unit_name(reading.unit_written)) + ", non in " + std::string(unit_name(row_unit)),
                "Qui si scrivono valori in " + std::string(unit_name(row_unit)) + ", per esempio " +
                    unit_example(row_unit, separator) + "."};
    case NumberProblem::WrongSeparator:
        // 1.000 is how Italians write a thousand: the advice must not turn it into 1,000.
        if (separator == ',') {
            return {"usa il punto come separatore decimale",
                    "Usare la virgola, per esempio 2,5. Mille si scrive 1000 oppure 1k, senza punto."};
        }
        return {"usa la virgola come separatore decimale",
                "Usare il punto, per esempio 2.5. Mille si scrive 1000 oppure 1k, senza virgola."};
    case NumberProblem::UnknownUnit:
        return {"ha un'unità che non si legge",
                "Qui si scrivono valori in " + std::string(unit_name(row_unit)) + ": senza unità, oppure con " +
                    std::string(unit_symbol(row_unit)) + " o " + std::string(unit_name(row_unit)) +
                    " (maiuscole o minuscole), per esempio " + unit_example(row_unit, separator) + "."};
    case NumberProblem::OutOfRange:
        return {"è fuori dai limiti dei numeri che il calcolatore può rappresentare (fino a circa " +
                    largest_number_text(separator) + ")",
                {}};
    case NumberProblem::NotANumber:
    case NumberProblem::None:
        break;
    }
    return {"non è un numero",
            std::string("Scrivere un numero, per esempio 12") + separator +
                "5 oppure 1E-3.\nSi possono usare anche prefissi e unità: " + unit_example(row_unit, separator) + "."};
}

} // namespace

std::string reading_description(std::string_view text, char decimal_separator, Unit unit)
{
    const NumberReading reading = number_from_text(text, decimal_separator, unit);
    if (reading.problem == NumberProblem::None) {
        return "letto come " + text_from_number(reading.value, decimal_separator) + " " +
               std::string(unit_symbol(unit));
    }
    return "non letto: " + refusal(reading, unit, decimal_separator).reason;
}

std::string refusal_message(std::string_view quantity, std::string_view text, NumberReading reading, Unit row_unit,
                            char decimal_separator)
{
    const Refusal why = refusal(reading, row_unit, decimal_separator);
    const char* what = reading.problem == NumberProblem::OutOfRange ? "il numero \"" : "il testo \"";
    return std::string(quantity) + ": " + what + quote_excerpt(text) + "\" " + why.reason + "." +
           (why.advice.empty() ? "" : "\n" + why.advice);
}

std::string arithmetic_error_message(char decimal_separator)
{
    return "Il risultato è fuori dai limiti dei numeri che il calcolatore può rappresentare (fino a circa " +
           largest_number_text(decimal_separator) + ").\nNessun risultato è stato mostrato.";
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
        const std::string_view character = text.substr(i, length);
        if (breaks_the_line(character)) {
            excerpt.push_back(' ');
        } else if (is_bidi_control(character)) {
            // Shown, not obeyed: it would reorder the program's own words around it.
            excerpt += "[U+" + code_point_hex(character) + "]";
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
