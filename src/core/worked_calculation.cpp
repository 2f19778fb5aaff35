#include "core/worked_calculation.hpp"

#include "core/number_reading.hpp"
#include "core/number_writing.hpp"

#include <array>
#include <cmath>
#include <span>

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

} // namespace

std::string WorkedCalculation::text() const
{
    return line + "\n" + power + (standard_values.empty() ? "" : "\n" + standard_values);
}

namespace {

// The standard values nearest to a positive resistance of full precision.
std::string nearest_standard(double ohms, std::span<const double> decade, char decimal_separator)
{
    int exponent = static_cast<int>(std::floor(std::log10(ohms)));
    // Multiplying by an exact power of ten rounds once; dividing by 0.1 would not.
    double mantissa = exponent >= 0 ? ohms / std::pow(10.0, exponent) : ohms * std::pow(10.0, -exponent);
    // log10 may land a hair below a power of ten, or above it.
    if (mantissa >= 10 * (1 - 1e-12)) {
        mantissa /= 10;
        ++exponent;
    } else if (mantissa < 1) {
        mantissa *= 10;
        --exponent;
    }
    const auto value = [exponent, decimal_separator](double standard, int decades) {
        return engineering_text(standard * std::pow(10.0, exponent + decades), decimal_separator, Unit::Ohm);
    };
    // On the series, within rounding (a value a hair below 4,7 is 4,7); 10 is the next decade's 1.
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
    // Below a double's full precision the decade's arithmetic loses its digits.
    if (!(ohms > 0) || !writable(ohms)) {
        return name + std::string(kOutOfRangeWords);
    }
    const std::string neighbours = nearest_standard(ohms, decade, decimal_separator);
    // Near the top of the range the value above may not exist.
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
    const auto written = [decimal_separator](double value, Unit unit) {
        return engineering_text(value, decimal_separator, unit);
    };
    // A line whose figures are not all writable says so in place of the figures.
    const auto out_of_range = ": " + std::string(kOutOfRangeWords);
    WorkedCalculation worked;
    const char* operation = unknown == Unit::Volt ? " × " : " / ";
    worked.line =
        std::string(quantity_symbol(unknown)) + " = " + std::string(quantity_symbol(first)) + operation +
        std::string(quantity_symbol(second)) +
        (writable(*a) && writable(*b) && writable(shown.value)
             ? " = " + written(*a, first) + operation + written(*b, second) + " = " + written(shown.value, unknown)
             : out_of_range);
    const double volts = unknown == Unit::Volt ? shown.value : *a;
    const double amperes = unknown == Unit::Ampere ? shown.value : *b;
    // A product of two values that are not zero is not zero either, unless it underflowed.
    const double watts = volts * amperes;
    const bool power_writable = writable(watts) && (watts != 0 || volts == 0 || amperes == 0);
    worked.power = "P = V × I" + (power_writable ? " = " + written(watts, Unit::Watt) : out_of_range);
    if (unknown == Unit::Ohm && shown.value > 0) {
        worked.standard_values = standard_neighbours(shown.value, 12, decimal_separator) + "\n" +
                                 standard_neighbours(shown.value, 24, decimal_separator);
    }
    return worked;
}

} // namespace torvanel
