#include "core/number_reading.hpp"
#include "core/number_writing.hpp"
#include "test_seed.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace torvanel {
namespace {

// x rounded to 15 significant digits, by the C library rather than the program.
double rounded_to_15_digits(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

// std::bit_cast, which the WebAssembly build's libc++ lacks.
double from_bits(std::uint64_t bits)
{
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

double random_finite_double(std::mt19937_64& random)
{
    switch (random() % 4) {
    case 0: { // any bit pattern: all magnitudes, subnormals included
        double x;
        do {
            x = from_bits(random());
        } while (!std::isfinite(x));
        return x;
    }
    case 1: // subnormals
        return from_bits(random() & 0x800FFFFFFFFFFFFFull);
    case 2: { // everyday values
        std::uniform_real_distribution<double> everyday(-1e6, 1e6);
        return everyday(random);
    }
    default: { // near the switch to exponent form and the rounding boundaries
        std::uniform_int_distribution<int> exponent(-6, 16);
        std::uniform_real_distribution<double> mantissa(1, 10);
        return (random() % 2 == 0 ? 1 : -1) * mantissa(random) * std::pow(10.0, exponent(random));
    }
    }
}

TEST(NumberRoundTrip, TextOfAnyFiniteDoubleReadsBackAsItsFifteenDigitRounding)
{
    const std::uint64_t seed = testing::test_seed("round trip", 20001207);
    std::mt19937_64 random(seed);
    for (int i = 0; i < 200'000; ++i) {
        const double x = random_finite_double(random);
        for (const char separator : {'.', ','}) {
            const std::string text = text_from_number(x, separator);
            ASSERT_NE(text, "-0") << "seed " << seed;
            ASSERT_EQ(text.find_first_of("nNiI"), std::string::npos) << text << " seed " << seed;
            ASSERT_EQ(text.find(separator == '.' ? ',' : '.'), std::string::npos) << text;
            const NumberReading reading = number_from_text(text, separator);
            ASSERT_EQ(reading.problem, NumberProblem::None) << text << " seed " << seed;
            const double expected = rounded_to_15_digits(x);
            ASSERT_TRUE(reading.value == expected || (reading.value == 0 && expected == 0))
                << "x=" << x << " text=" << text << " seed " << seed;
        }
    }
}

} // namespace
} // namespace torvanel
