#include "core/value_descriptions.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <utility>

namespace torvanel {
namespace {

// The format characters (Unicode category Cf, version 15): invisible, some reorder
// the text around them (the direction controls), some hide inside a word (zero-width
// spaces and joiners, the byte-order mark, the soft hyphen). The core uses only the
// standard library, which has no character categories, hence the table.
bool is_format_character(char32_t code)
{
    static constexpr std::pair<char32_t, char32_t> kFormatRanges[] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
        {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
        {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    };
    return std::any_of(std::begin(kFormatRanges), std::end(kFormatRanges),
                       [code](const auto& range) { return code >= range.first && code <= range.second; });
}

// Controls and separators that break or hide a line: C0, DEL, C1 (U+0085 among them)
// and the line and paragraph separators.
bool breaks_the_line(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029;
}

// One character of UTF-8 text, or the longest start of a sequence that cannot become
// one (it stands for one U+FFFD, and the byte that broke it starts the next character).
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

Utf8Character decode_utf8(std::string_view text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    // The length of the sequence, the bits of the lead, and the range of the second
    // byte, which rules out overlong forms, surrogates and code points past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    char32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || byte(at + i) < low || byte(at + i) > high) {
            return {0, i, false};
        }
        code = code << 6 | (byte(at + i) & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return {code, length, true};
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
               std::string(unit_symbol(unit)) + (reading.underflowed ? ": " + std::string(kTooSmallWords) : "");
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
    if (caption.empty() || reading.problem != NumberProblem::None || !std::isfinite(reading.value)) {
        return {};
    }
    return engineering_text(reading.value, decimal_separator, unit);
}

std::string result_statement(std::string_view caption, char decimal_separator, Unit unit)
{
    const NumberReading reading = number_from_text(caption, decimal_separator);
    // Two values that are not zero give a zero only by underflowing.
    if (!caption.empty() && reading.problem == NumberProblem::None && reading.value == 0) {
        return std::string(kTooSmallWords) + ", mostrato come " + std::string(caption);
    }
    return result_description(caption, decimal_separator, unit);
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
        const Utf8Character character = decode_utf8(text, i);
        if (!character.valid) {
            excerpt += "\ufffd";
        } else if (breaks_the_line(character.code)) {
            excerpt.push_back(' ');
        } else if (is_format_character(character.code)) {
            // Shown, not obeyed: it would hide in the quote or reorder the words around it.
            char hex[16];
            std::snprintf(hex, sizeof hex, "[U+%04X]", static_cast<unsigned>(character.code));
            excerpt += hex;
        } else {
            excerpt.append(text.substr(i, character.length));
        }
        i += character.length;
        ++characters;
    }
    if (i < text.size()) {
        excerpt += "…";
    }
    return excerpt;
}

} // namespace torvanel
