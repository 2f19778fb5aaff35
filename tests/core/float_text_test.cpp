// The portable route for doubles and text (the WebAssembly build's) against the standard
// library's charconv, where the standard library has it.
#include "core/float_text.hpp"
#include "test_seed.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace torvanel {
namespace {

// Where the standard library has charconv to compare with, and the C library rounds
// exactly, as the WebAssembly build's and glibc do (Windows' printf and strtod do not;
// the route is not used there).
#if defined(__cpp_lib_to_chars) && !defined(_WIN32)

double from_bits(std::uint64_t bits)
{
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Every power of two (where the doubles around are unevenly spaced), the ends of the
// ranges, and random bit patterns.
std::vector<double> awkward_doubles()
{
    std::vector<double> values{0.0, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 1e23, 0.1, 4.7};
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        values.push_back(std::ldexp(1.0, exponent));
    }
    std::mt19937_64 random(testing::test_seed("float text", 2000'06'01));
    while (values.size() < 20'000) {
        if (const double x = from_bits(random()); std::isfinite(x)) {
            values.push_back(x);
        }
    }
    return values;
}

std::string text_of(std::to_chars_result written, char* start)
{
    EXPECT_EQ(written.ec, std::errc{});
    return std::string(start, written.ptr);
}

TEST(FloatText, ThePortableRouteWritesAsTheStandardOne)
{
    char standard[64];
    char portable[64];
    for (double value : awkward_doubles()) {
        ASSERT_EQ(text_of(portable::write_shortest(portable, portable + 64, value), portable),
                  text_of(std::to_chars(standard, standard + 64, value, std::chars_format::scientific), standard))
            << value;
        for (int precision : {0, 3, 14, 16}) {
            ASSERT_EQ(text_of(portable::write_scientific(portable, portable + 64, value, precision), portable),
                      text_of(std::to_chars(standard, standard + 64, value, std::chars_format::scientific, precision),
                              standard))
                << value;
        }
    }
}

TEST(FloatText, ThePortableRouteReadsAsTheStandardOne)
{
    std::vector<std::string> texts{"0",
                                   "-0",
                                   "4.7",
                                   "1e-400",
                                   "2e-324",
                                   "3e-324",
                                   "1e309",
                                   "-1e309",
                                   "1e-320",
                                   "123abc",
                                   "",
                                   "-",
                                   "1.7976931348623157e308",
                                   "1.7976931348623159e308",
                                   "0e999999",
                                   "2.4703282292062327e-324",
                                   "2.4703282292062328e-324"};
    char buffer[64];
    for (double value : awkward_doubles()) {
        texts.emplace_back(buffer, std::to_chars(buffer, buffer + 64, value).ptr);
    }
    for (const std::string& text : texts) {
        double standard = 42;
        double portable = 42;
        const auto expected = std::from_chars(text.data(), text.data() + text.size(), standard);
        const auto read = portable::read_double(text.data(), text.data() + text.size(), portable);
        ASSERT_EQ(read.ec, expected.ec) << text;
        ASSERT_EQ(read.ptr, expected.ptr) << text;
        ASSERT_EQ(std::memcmp(&portable, &standard, sizeof standard), 0) << text;
    }
}

#endif

} // namespace
} // namespace torvanel
