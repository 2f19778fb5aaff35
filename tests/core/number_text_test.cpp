#include "core/number_reading.hpp"
#include "core/number_writing.hpp"
#include "core/value_descriptions.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace torvanel {
namespace {

// 1.000…0001 × 10^309, its leading digit well before the digits that matter.
const std::string kLongFractionTimesE309 = "1." + std::string(400, '0') + "1e309";

struct ReadCase {
    const char* name;
    std::string text;
    char separator;
    NumberProblem problem;
    double value = 0;
};

class NumberFromText : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NumberFromText, ReadsOrRefuses)
{
    const ReadCase& c = GetParam();
    const NumberReading reading = number_from_text(c.text, c.separator);
    EXPECT_EQ(reading.problem, c.problem) << "text: [" << c.text << "]";
    if (c.problem == NumberProblem::None) {
        EXPECT_EQ(reading.value, c.value) << "text: [" << c.text << "]";
    }
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTrueMin = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    Spellings, NumberFromText,
    ::testing::Values(
        ReadCase{"Integer", "12", '.', NumberProblem::None, 12},
        ReadCase{"LeadingZeros", "00012", '.', NumberProblem::None, 12},
        ReadCase{"BlanksAround", " \t 12 \t", '.', NumberProblem::None, 12},
        ReadCase{"PlusSign", "+4", '.', NumberProblem::None, 4},
        ReadCase{"MinusSign", "-3", '.', NumberProblem::None, -3},
        ReadCase{"BlankBeforeSign", "  -3", ',', NumberProblem::None, -3},
        ReadCase{"PointDecimal", "2.5", '.', NumberProblem::None, 2.5},
        ReadCase{"CommaDecimal", "2,5", ',', NumberProblem::None, 2.5},
        ReadCase{"NoWholeDigits", ".5", '.', NumberProblem::None, 0.5},
        ReadCase{"NoFractionDigits", "5,", ',', NumberProblem::None, 5},
        ReadCase{"Exponent", "1e3", '.', NumberProblem::None, 1000},
        ReadCase{"ExponentUpperPlus", "1E+3", ',', NumberProblem::None, 1000},
        ReadCase{"NegativeExponent", "-1,5E-2", ',', NumberProblem::None, -0.015},
        ReadCase{"MinusZero", "-0", '.', NumberProblem::None, 0},
        ReadCase{"Largest", "1.7976931348623157e308", '.', NumberProblem::None, kMax},
        ReadCase{"SmallestSubnormal", "4.9406564584124654E-324", '.', NumberProblem::None, kTrueMin},
        ReadCase{"UnderflowRoundsToZero", "1e-400", '.', NumberProblem::None, 0},
        ReadCase{"NegativeUnderflow", "-1e-400", '.', NumberProblem::None, 0},
        ReadCase{"HugeNegativeExponent", "7e-99999999999999999999999", '.', NumberProblem::None, 0},
        ReadCase{"ZeroWithHugeExponent", "0e99999999999999999999", '.', NumberProblem::None, 0},
        // Fraction digits move the leading digit down, not up: a tiny value, not an overflow.
        ReadCase{"UnderflowByFractionDigits", "0," + std::string(400, '0') + "1", ',', NumberProblem::None, 0},
        ReadCase{"LongMantissaSmallExponent", "1" + std::string(400, '0') + "e-400", '.', NumberProblem::None, 1},
        ReadCase{"Empty", "", '.', NumberProblem::NotANumber},
        ReadCase{"OnlyBlanks", "   ", '.', NumberProblem::NotANumber},
        ReadCase{"Letters", "abc", '.', NumberProblem::NotANumber},
        ReadCase{"TrailingLetters", "12x", '.', NumberProblem::UnknownUnit},
        ReadCase{"InnerBlank", "1 2", '.', NumberProblem::NotANumber},
        ReadCase{"LoneSeparator", ".", '.', NumberProblem::NotANumber},
        ReadCase{"TwoSeparators", "1.2.3", '.', NumberProblem::NotANumber},
        ReadCase{"ExponentWithoutDigits", "1e", '.', NumberProblem::NotANumber},
        ReadCase{"ExponentWithoutMantissa", "e5", '.', NumberProblem::NotANumber},
        ReadCase{"DoubleSign", "+-1", '.', NumberProblem::NotANumber},
        ReadCase{"Infinity", "inf", '.', NumberProblem::NotANumber},
        ReadCase{"NotANumberWord", "nan", '.', NumberProblem::NotANumber},
        ReadCase{"Hexadecimal", "0x10", '.', NumberProblem::NotANumber},
        // Blanks that come with a paste: a spreadsheet cell's, a web page's.
        ReadCase{"CellWithLineEnd", "\t4,7\r\n", ',', NumberProblem::None, 4.7},
        ReadCase{"NoBreakSpaces", "\u00a01\u202f000\u2009", '.', NumberProblem::NotANumber},
        ReadCase{"ThinSpaceAround", "\u20092.5\u00a0\u202f", '.', NumberProblem::None, 2.5},
        ReadCase{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", '.', NumberProblem::NotANumber},
        ReadCase{"CommaUnderPointLocale", "2,5", '.', NumberProblem::WrongSeparator},
        ReadCase{"PointUnderCommaLocale", "2.5", ',', NumberProblem::WrongSeparator},
        ReadCase{"GroupingIsNeverRead", "1.000", ',', NumberProblem::WrongSeparator},
        ReadCase{"GroupingWithComma", "1,000", '.', NumberProblem::WrongSeparator},
        ReadCase{"OtherSeparatorInLetters", "a,b", '.', NumberProblem::NotANumber},
        ReadCase{"Overflow", "1e400", '.', NumberProblem::OutOfRange},
        ReadCase{"NegativeOverflow", "-1.8e308", '.', NumberProblem::OutOfRange},
        ReadCase{"OverflowByDigits", "1" + std::string(400, '0'), '.', NumberProblem::OutOfRange},
        ReadCase{"HugeExponent", "1e99999999999999999999999", '.', NumberProblem::OutOfRange},
        ReadCase{"LongFractionThenExponent", kLongFractionTimesE309.c_str(), '.', NumberProblem::OutOfRange}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    double value;
    const char* point_text; // under '.'; the ',' form swaps the separator
};

class TextFromNumber : public ::testing::TestWithParam<WriteCase> {};

TEST_P(TextFromNumber, WritesUnderBothSeparators)
{
    const WriteCase& c = GetParam();
    EXPECT_EQ(text_from_number(c.value, '.'), c.point_text);
    std::string comma_text = c.point_text;
    for (char& ch : comma_text) {
        if (ch == '.') {
            ch = ',';
        }
    }
    EXPECT_EQ(text_from_number(c.value, ','), comma_text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextFromNumber,
    ::testing::Values(WriteCase{"Whole", 6, "6"}, WriteCase{"Hundred", 100, "100"}, WriteCase{"Half", 2.5, "2.5"},
                      WriteCase{"NegativeHalf", -2.5, "-2.5"}, WriteCase{"OneThird", 1.0 / 3, "0.333333333333333"},
                      WriteCase{"TwoThirds", 2.0 / 3, "0.666666666666667"}, WriteCase{"BinaryNoise", 0.1 + 0.2, "0.3"},
                      WriteCase{"Zero", 0.0, "0"}, WriteCase{"NegativeZero", -0.0, "0"},
                      WriteCase{"MixedDigits", 12345.678, "12345.678"},
                      WriteCase{"FifteenDigits", 123456789012345.0, "123456789012345"},
                      WriteCase{"SixteenDigits", 1234567890123456.0, "1.23456789012346E+15"},
                      WriteCase{"RoundsUpToExponentForm", 999999999999999.9, "1E+15"},
                      WriteCase{"TenToFifteen", 1e15, "1E+15"}, WriteCase{"TenToFourteen", 1e14, "100000000000000"},
                      WriteCase{"SmallFixed", 0.0001, "0.0001"}, WriteCase{"SmallExponent", 0.00001, "1E-05"},
                      WriteCase{"ExponentWithFraction", 1.5e-7, "1.5E-07"},
                      WriteCase{"NegativeExponentForm", -2.5e20, "-2.5E+20"},
                      WriteCase{"ThreeDigitExponent", 1e300, "1E+300"},
                      WriteCase{"Largest", kMax, "1.79769313486232E+308"},
                      // Below the normal range: only the digits the value holds.
                      WriteCase{"SmallestSubnormal", kTrueMin, "5E-324"}, WriteCase{"Subnormal", 1.5e-320, "1.5E-320"},
                      WriteCase{"NegativeSubnormal", -2.2250738585072e-308, "-2.2250738585072E-308"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(NumberTextRoundTrip, FifteenDigitTextsReadBackToTheSameText)
{
    for (const double value : {1.0 / 3, -2.0 / 7, 6.02214076e23, 1.602176634e-19, 299792458.0, 1e-5, 123.456}) {
        for (const char separator : {'.', ','}) {
            const std::string text = text_from_number(value, separator);
            const NumberReading reading = number_from_text(text, separator);
            ASSERT_EQ(reading.problem, NumberProblem::None) << text;
            EXPECT_EQ(text_from_number(reading.value, separator), text);
        }
    }
}

TEST(NumberFromTextLongInput, TenMillionCharactersAreReadOrRefused)
{
    EXPECT_EQ(number_from_text("1" + std::string(10'000'000, '0'), '.').problem, NumberProblem::OutOfRange);
    const NumberReading tiny = number_from_text("-0." + std::string(10'000'000, '0') + "1", '.');
    EXPECT_EQ(tiny.problem, NumberProblem::None);
    EXPECT_EQ(tiny.value, 0.0);
    // -0.0 == 0 holds either way: the sign and the underflow are checked by themselves.
    EXPECT_TRUE(std::signbit(tiny.value));
    EXPECT_TRUE(tiny.underflowed);
    EXPECT_FALSE(number_from_text("0.0", '.').underflowed);
    EXPECT_EQ(number_from_text(std::string(10'000'000, '7') + "x", '.').problem, NumberProblem::UnknownUnit);
    EXPECT_EQ(number_from_text(std::string(10'000'000, '7') + "+", '.').problem, NumberProblem::NotANumber);
}

TEST(QuoteExcerpt, ShortensAtCharacterBoundariesAndHidesControlCharacters)
{
    EXPECT_EQ(quote_excerpt("abc"), "abc");
    EXPECT_EQ(quote_excerpt("a\tb\nc"), "a b c");
    EXPECT_EQ(quote_excerpt(std::string(30, 'x'), 24), std::string(24, 'x') + "…");
    // Each "à" is two bytes; the cut must not split one.
    EXPECT_EQ(quote_excerpt("àààà", 3), "ààà…");
    // A direction override would reorder the words around the quote: shown, not obeyed.
    EXPECT_EQ(quote_excerpt("12\u202e34\u2066"), "12[U+202E]34[U+2066]");
    // Invisible format characters would make a quote look like a valid number.
    EXPECT_EQ(quote_excerpt("5\u200b\ufeff\u2060\u00ad\U000E0001"), "5[U+200B][U+FEFF][U+2060][U+00AD][U+E0001]");
    // Bytes that are no UTF-8 each show as U+FFFD, and never take the character after them.
    EXPECT_EQ(quote_excerpt("1\xe2\x82"
                            "5"),
              "1\ufffd5");
    EXPECT_EQ(quote_excerpt("\xff\xc0\xaf"
                            "a\xed\xa0\x80"
                            "b\xf4\x90"
                            "c"),
              "\ufffd\ufffd\ufffda\ufffd\ufffd\ufffdb\ufffd\ufffdc");
    EXPECT_EQ(quote_excerpt("\xf0\x9f\x94\x8b"), "\xf0\x9f\x94\x8b"); // a four-byte character stays
    // DEL, a C1 line break and the line and paragraph separators are blanks too.
    EXPECT_EQ(quote_excerpt("a\x7f"
                            "b\u0085c\u2028d\u2029e"),
              "a b c d e");
}

} // namespace
} // namespace torvanel
