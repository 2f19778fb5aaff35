#include "core/worked_calculation.hpp"

#include "core/float_text.hpp"
#include "core/number_reading.hpp"
#include "core/number_writing.hpp"
#include "core/spoken_words.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <string>
#include <utility>

namespace torvanel {
namespace {

// The values of a decade, from 1 up, as printed on parts.
constexpr std::array<double, 12> kE12{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
constexpr std::array<double, 24> kE24{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                      3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};

// The value a known entry box of the form reads as, if it reads.
std::optional<double> known_value(const Form& form, Unit unit, char separator)
{
    for (const TextBox* box : {&form.VoltInput, &form.OhmInput, &form.AmpereInput}) {
        if (box->description().unit == unit && box->Enabled) {
            const NumberReading reading = number_from_text(box->Text.get(), separator, unit);
            if (reading.problem == NumberProblem::None) {
                return reading.value;
            }
        }
    }
    return std::nullopt;
}

constexpr std::string_view kPowerFormula = "P = V × I";

} // namespace

std::string WorkedCalculation::text() const
{
    return line + "\n" + power + (standard_values.empty() ? "" : "\n" + standard_values);
}

std::string WorkedCalculation::said() const
{
    // The power is heard by name: its formula is the same for every result.
    std::string_view power_figure = power;
    power_figure.remove_prefix(power.starts_with(kPowerFormula) ? kPowerFormula.size() : 0);
    if (power_figure.starts_with(" = ")) {
        power_figure.remove_prefix(2);
    }
    std::string sentences = spoken_words(line) + ". potenza" + spoken_words(power_figure);
    for (std::size_t start = 0; start < standard_values.size();) {
        const std::size_t end = std::min(standard_values.find('\n', start), standard_values.size());
        sentences += ". " + spoken_words(std::string_view(standard_values).substr(start, end - start));
        start = end + 1;
    }
    return sentences;
}

namespace {

// A standard value of the decade (1 to 10) times ten to the exponent, with its unit;
// read from its decimal form, so it is the nearest double and no power of ten rounds.
std::string standard_value_text(double standard, int exponent, char decimal_separator)
{
    // The standard value's shortest digits with the exponent moved by `exponent`.
    char decimal[48];
    char* end = write_shortest(decimal, decimal + 24, standard).ptr;
    char* e = std::find(decimal, end, 'e');
    int own_exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, own_exponent);
    end = std::to_chars(e + 1, decimal + sizeof decimal, own_exponent + exponent).ptr;
    double value = 0;
    // Beyond the largest double (near the top of the range the value above does not exist).
    if (read_double(decimal, end, value).ec == std::errc::result_out_of_range && exponent > 0) {
        return std::string(kOutOfRangeWords);
    }
    return engineering_text(value, decimal_separator, Unit::Ohm);
}

// A positive value's figure as written ("470", "0.00047", "4.7E-310") split into a
// mantissa in [1, 10) and a power of ten, on its decimal digits: a value that rounding
// left a hair below 4,7 is written 4,7 and is 4,7.
std::pair<double, int> decimal_mantissa_and_exponent(double value)
{
    const std::string figure = text_from_number(value, '.');
    const std::size_t e_position = std::min(figure.find('E'), figure.size());
    std::string digits;
    int whole_digits = -1;
    for (std::size_t i = 0; i < e_position; ++i) {
        if (figure[i] == '.') {
            whole_digits = static_cast<int>(digits.size());
        } else {
            digits += figure[i];
        }
    }
    if (whole_digits < 0) {
        whole_digits = static_cast<int>(digits.size());
    }
    int exponent = 0;
    if (e_position < figure.size()) {
        const std::size_t sign = e_position + 1;
        std::from_chars(figure.data() + sign + (figure[sign] == '+' ? 1 : 0), figure.data() + figure.size(), exponent);
    }
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
    const std::string mantissa_text = digits.substr(first, 1) + "." + digits.substr(first + 1) + "0";
    double mantissa = 1;
    read_double(mantissa_text.data(), mantissa_text.data() + mantissa_text.size(), mantissa);
    return {mantissa, exponent + whole_digits - static_cast<int>(first) - 1};
}

// The standard values nearest to a positive resistance.
std::string nearest_standard(double ohms, std::span<const double> decade, char decimal_separator)
{
    const auto [mantissa, exponent] = decimal_mantissa_and_exponent(ohms);
    const auto value = [exponent = exponent, decimal_separator](double standard, int decades) {
        return standard_value_text(standard, exponent + decades, decimal_separator);
    };
    // On the series, within rounding; 10 is the next decade's 1.
    for (std::size_t i = 0; i <= decade.size(); ++i) {
        const double standard = i < decade.size() ? decade[i] : 10.0;
        if (std::abs(mantissa - standard) <= 1e-9 * standard) {
            return (i < decade.size() ? value(standard, 0) : value(decade[0], 1)) + " (valore standard)";
        }
    }
    for (std::size_t i = 0; i < decade.size(); ++i) {
        const double next = i + 1 < decade.size() ? decade[i + 1] : 10.0;
        if (mantissa > decade[i] && mantissa < next) {
            return value(decade[i], 0) + " – " +
                   (i + 1 < decade.size() ? value(decade[i + 1], 0) : value(decade[0], 1));
        }
    }
    return value(decade[0], 0);
}

} // namespace

std::string standard_neighbours(double ohms, int series, char decimal_separator)
{
    const std::span<const double> decade = series == 12 ? std::span<const double>(kE12) : std::span<const double>(kE24);
    const std::string name = "E" + std::to_string(series) + ": ";
    // Zero, a negative or an infinite resistance has no standard values.
    if (!(ohms > 0) || !std::isfinite(ohms)) {
        return name + "nessun valore standard";
    }
    const std::string neighbours = nearest_standard(ohms, decade, decimal_separator);
    return name + (neighbours.find(kOutOfRangeWords) == std::string::npos ? neighbours : std::string(kOutOfRangeWords));
}

const Label* latest_result(const Form& form)
{
    for (const Label* label : {&form.VoltOutput, &form.OhmOutput, &form.AmpereOutput}) {
        if (!label->Caption.get().empty()) {
            return label;
        }
    }
    return nullptr;
}

std::optional<WorkedCalculation> worked_calculation(const Form& form, char decimal_separator)
{
    const Label* result = latest_result(form);
    if (result == nullptr) {
        return std::nullopt;
    }
    const Unit unknown = result->description().unit;
    const NumberReading shown = number_from_text(result->Caption.get(), decimal_separator);
    // The two known quantities in the formula's order: V = R × I, R = V / I, I = V / R.
    const Unit first = unknown == Unit::Volt ? Unit::Ohm : Unit::Volt;
    const Unit second = unknown == Unit::Ampere ? Unit::Ohm : Unit::Ampere;
    const auto a = known_value(form, first, decimal_separator);
    const auto b = known_value(form, second, decimal_separator);
    if (shown.problem != NumberProblem::None || !a || !b) {
        return std::nullopt;
    }
    // The figures that follow from the two values hold no more digits than they do.
    const int digits = std::min(significant_digits_held(*a), significant_digits_held(*b));
    const auto written = [decimal_separator, digits](double value, Unit unit) {
        return engineering_text(value, decimal_separator, unit, digits);
    };
    WorkedCalculation worked;
    const char* operation = unknown == Unit::Volt ? " × " : " / ";
    worked.line = std::string(quantity_symbol(unknown)) + " = " + std::string(quantity_symbol(first)) + operation +
                  std::string(quantity_symbol(second)) + " = " + written(*a, first) + operation + written(*b, second);
    // A result only follows from two values that are not zero: a zero result underflowed.
    worked.line += shown.value == 0 ? ": " + std::string(kTooSmallWords) : " = " + written(shown.value, unknown);
    const double volts = unknown == Unit::Volt ? shown.value : *a;
    const double amperes = unknown == Unit::Ampere ? shown.value : *b;
    const double watts = volts * amperes;
    worked.power = std::string(kPowerFormula) + (watts == 0              ? ": " + std::string(kTooSmallWords)
                                                 : !std::isfinite(watts) ? ": " + std::string(kOutOfRangeWords)
                                                                         : " = " + written(watts, Unit::Watt));
    if (unknown == Unit::Ohm && shown.value > 0) {
        worked.standard_values = standard_neighbours(shown.value, 12, decimal_separator) + "\n" +
                                 standard_neighbours(shown.value, 24, decimal_separator);
    }
    return worked;
}

} // namespace torvanel
