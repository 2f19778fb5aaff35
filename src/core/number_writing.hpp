#pragma once

#include "core/unit.hpp"

#include <string>
#include <string_view>

namespace torvanel {

// The most significant digits the calculator writes.
inline constexpr int kShownDigits = 15;

// How many significant digits a value really holds, at most kShownDigits. Below the
// normal range of a double (magnitudes under about 2,2E-308) a double keeps fewer
// bits the smaller it is: such a value holds the digits of its shortest exact form
// (1E-320, not 9,99988867182683E-321). A result computed from it holds no more.
int significant_digits_held(double value);

// Writes a double with at most significant_digits significant digits (never more
// than it holds), no trailing zeros, the given separator, no grouping, '-' for
// negatives; exponent form (1E+15, 1.5E-07) when the decimal exponent is below -4 or
// at least 15. Negative zero is "0". Infinities and NaN are never shown by the
// program; they come out as "inf"/"nan".
std::string text_from_number(double value, char decimal_separator, int significant_digits = kShownDigits);

// What stands for a value beyond the largest double (an infinite power).
inline constexpr std::string_view kOutOfRangeWords = "fuori dall'intervallo dei numeri rappresentabili";
// What stands for a value that underflowed to zero: it is no exact zero.
inline constexpr std::string_view kTooSmallWords = "troppo piccolo per essere rappresentato";

// The same value with an SI prefix and the unit, the number between 1 and 1000:
// "4,7 kΩ", "333,333333333333 mA". Outside p…T, and for zero, the form of
// text_from_number followed by the unit. Digits as text_from_number; a value that is
// not finite: kOutOfRangeWords.
std::string engineering_text(double value, char decimal_separator, Unit unit, int significant_digits = kShownDigits);

} // namespace torvanel
