#include "core/number_reading.hpp"
#include "core/number_writing.hpp"
#include "core/value_descriptions.hpp"

#include <gtest/gtest.h>

#include <limits>

#include <string>

namespace torvanel {
namespace {

// A spelling in electronics notation and the same value written the plain way.
// Both separators are tried: '.' in the texts stands for the locale's separator.
struct NotationCase {
    const char* name;
    std::string text;
    Unit row;
    NumberProblem problem;
    std::string plain = {}; // read the old way, without notation
};

std::string with_separator(std::string text, char separator)
{
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

class Notation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(Notation, ReadsAsThePlainSpellingOrIsRefused)
{
    const NotationCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        const std::string text = with_separator(c.text, separator);
        const NumberReading reading = number_from_text(text, separator, c.row);
        EXPECT_EQ(reading.problem, c.problem) << "[" << text << "] under '" << separator << "'";
        if (c.problem == NumberProblem::None) {
            const NumberReading plain = number_from_text(with_separator(c.plain, separator), separator);
            ASSERT_EQ(plain.problem, NumberProblem::None) << c.plain;
            // Bit for bit: the prefix shifts the decimal exponent, it does not multiply.
            EXPECT_EQ(reading.value, plain.value) << "[" << text << "] under '" << separator << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, Notation,
    ::testing::Values(NotationCase{"Kilo", "4.7k", Unit::Ohm, NumberProblem::None, "4.7e3"},
                      NotationCase{"KiloUpper", "4.7K", Unit::Ohm, NumberProblem::None, "4.7e3"},
                      NotationCase{"MilliIsNotMega", "10m", Unit::Ohm, NumberProblem::None, "10e-3"},
                      NotationCase{"Mega", "10M", Unit::Ohm, NumberProblem::None, "10e6"},
                      NotationCase{"Pico", "1p", Unit::None, NumberProblem::None, "1e-12"},
                      NotationCase{"NanoWhereDividingFails", "3.3n", Unit::None, NumberProblem::None, "3.3e-9"},
                      NotationCase{"MicroLetterU", "470u", Unit::Ampere, NumberProblem::None, "470e-6"},
                      NotationCase{"MicroSign", "470\u00b5", Unit::Ampere, NumberProblem::None, "470e-6"},
                      NotationCase{"GreekMu", "470\u03bcA", Unit::Ampere, NumberProblem::None, "470e-6"},
                      NotationCase{"Giga", "-2G", Unit::Volt, NumberProblem::None, "-2e9"},
                      NotationCase{"Tera", "1.5T", Unit::Volt, NumberProblem::None, "1.5e12"},
                      NotationCase{"BlankBeforePrefixAndUnit", " 20 mA ", Unit::Ampere, NumberProblem::None, "20e-3"},
                      NotationCase{"KiloOhmSign", "2.2 k\u03a9", Unit::Ohm, NumberProblem::None, "2.2e3"},
                      NotationCase{"OhmSign", "2.2k\u2126", Unit::Ohm, NumberProblem::None, "2.2e3"},
                      NotationCase{"OhmWord", "330 ohm", Unit::Ohm, NumberProblem::None, "330"},
                      NotationCase{"OhmWordCapital", "330 Ohm", Unit::Ohm, NumberProblem::None, "330"},
                      NotationCase{"OhmWordUpper", "330 OHM", Unit::Ohm, NumberProblem::None, "330"},
                      // Units in any case; a prefix keeps its own (m milli, M mega).
                      NotationCase{"VoltWord", "5 volt", Unit::Volt, NumberProblem::None, "5"},
                      NotationCase{"VoltWordCapital", "12 Volt", Unit::Volt, NumberProblem::None, "12"},
                      NotationCase{"AmpereWord", "2 ampere", Unit::Ampere, NumberProblem::None, "2"},
                      NotationCase{"MilliampereLowerCase", "20ma", Unit::Ampere, NumberProblem::None, "20e-3"},
                      NotationCase{"MegaampereStaysMega", "20 MA", Unit::Ampere, NumberProblem::None, "20e6"},
                      NotationCase{"NoBreakSpaceBeforePrefix", "4.7\u00a0k\u03a9", Unit::Ohm, NumberProblem::None,
                                   "4.7e3"},
                      NotationCase{"NarrowSpaceBeforeUnit", "330\u202f\u03a9\n", Unit::Ohm, NumberProblem::None, "330"},
                      NotationCase{"UnknownUnitWord", "5 volts", Unit::Volt, NumberProblem::UnknownUnit},
                      NotationCase{"UnknownUnitAfterCode", "4k7 ohms", Unit::Ohm, NumberProblem::UnknownUnit},
                      NotationCase{"UnitWithExponent", "1e3 V", Unit::Volt, NumberProblem::None, "1e3"},
                      NotationCase{"ResistorCode", "4k7", Unit::Ohm, NumberProblem::None, "4.7e3"},
                      NotationCase{"ResistorCodeR", "4R7", Unit::Ohm, NumberProblem::None, "4.7"},
                      NotationCase{"ResistorCodeLeadingR", "R47", Unit::Ohm, NumberProblem::None, "0.47"},
                      NotationCase{"ResistorCodeLeadingPrefix", "k5", Unit::Ohm, NumberProblem::None, "0.5e3"},
                      NotationCase{"ResistorCodeZeroR", "0R22", Unit::Ohm, NumberProblem::None, "0.22"},
                      NotationCase{"ResistorCodeClosingR", "10R", Unit::Ohm, NumberProblem::None, "10"},
                      NotationCase{"ResistorCodeMega", "2M2", Unit::Ohm, NumberProblem::None, "2.2e6"},
                      NotationCase{"ResistorCodeNano", "1n5", Unit::Ampere, NumberProblem::None, "1.5e-9"},
                      NotationCase{"ResistorCodeWithUnit", "4k7 \u03a9", Unit::Ohm, NumberProblem::None, "4.7e3"},
                      // Multiplying the plain value by 1E-9 or dividing it by 1E9 rounds these wrongly.
                      NotationCase{"ExactWhereMultiplyingFails", "6.8n", Unit::None, NumberProblem::None, "6.8e-9"},
                      NotationCase{"ExactWithALongMantissa", "1.23456789012345678901k", Unit::None, NumberProblem::None,
                                   "1.23456789012345678901e3"},
                      NotationCase{"ZeroWithPrefix", "0k", Unit::None, NumberProblem::None, "0"},
                      NotationCase{"ZeroResistorCode", "0R0", Unit::Ohm, NumberProblem::None, "0"},
                      NotationCase{"LargePrefixOverflows",
                                   "1000000000000000000000000000000000000000000000000000000000000000"
                                   "0000000000000000000000000000000000000000000000000000000000000000"
                                   "0000000000000000000000000000000000000000000000000000000000000000"
                                   "0000000000000000000000000000000000000000000000000000000000000000"
                                   "0000000000000000000000000000000000000000000000000000000000000000T",
                                   Unit::None, NumberProblem::OutOfRange},
                      NotationCase{"PrefixWithExponent", "1E3k", Unit::None, NumberProblem::NotANumber},
                      NotationCase{"ExponentIsNeverAPrefix", "1E", Unit::None, NumberProblem::NotANumber},
                      NotationCase{"ResistorCodeWithSeparator", "4k7.5", Unit::Ohm, NumberProblem::NotANumber},
                      NotationCase{"ResistorCodeWithExponent", "4k7e3", Unit::Ohm, NumberProblem::NotANumber},
                      NotationCase{"TwoPrefixes", "1kk", Unit::None, NumberProblem::NotANumber},
                      NotationCase{"PrefixAlone", "k", Unit::None, NumberProblem::NotANumber},
                      NotationCase{"UnitAlone", "V", Unit::Volt, NumberProblem::NotANumber},
                      NotationCase{"RAlone", "R", Unit::Ohm, NumberProblem::NotANumber},
                      NotationCase{"UnitBeforeNumber", "V 5", Unit::Volt, NumberProblem::NotANumber},
                      NotationCase{"CurrentInTheVoltageBox", "20 mA", Unit::Volt, NumberProblem::WrongUnit},
                      NotationCase{"OhmInTheCurrentBox", "5 ohm", Unit::Ampere, NumberProblem::WrongUnit},
                      NotationCase{"VoltInTheResistanceBox", "5V", Unit::Ohm, NumberProblem::WrongUnit}),
    [](const ::testing::TestParamInfo<NotationCase>& info) { return std::string(info.param.name); });

TEST(NotationSeparators, TheOtherSeparatorIsRefusedWithItsHint)
{
    EXPECT_EQ(number_from_text("4.7k", ',', Unit::Ohm).problem, NumberProblem::WrongSeparator);
    EXPECT_EQ(number_from_text("2,2 kΩ", '.', Unit::Ohm).problem, NumberProblem::WrongSeparator);
    EXPECT_EQ(number_from_text("4,7k", ',', Unit::Ohm).value, 4700);
}

struct EngineeringCase {
    double value;
    Unit unit;
    const char* comma_text;
};

TEST(EngineeringText, PrefixBetweenOneAndAThousandFifteenDigitsAtMost)
{
    const EngineeringCase cases[] = {
        {4700, Unit::Ohm, "4,7 kΩ"},
        {0.0025, Unit::Ampere, "2,5 mA"},
        {1.0 / 3, Unit::Ampere, "333,333333333333 mA"},
        {1.5e-6, Unit::Ampere, "1,5 µA"},
        {9.4, Unit::Volt, "9,4 V"},
        {-2.2e6, Unit::Ohm, "-2,2 MΩ"},
        {999.9999999999999, Unit::Volt, "1 kV"},
        {1e-12, Unit::Volt, "1 pV"},
        {999e12, Unit::Volt, "999 TV"},
        {1e15, Unit::Volt, "1E+15 V"},
        {1.5e-13, Unit::Ampere, "1,5E-13 A"},
        {0, Unit::Ohm, "0 Ω"},
        // No infinity, and below the normal range only the digits the value holds.
        {std::numeric_limits<double>::infinity(), Unit::Watt, "fuori dall'intervallo dei numeri rappresentabili"},
        {1e-310, Unit::Ohm, "1E-310 Ω"},
        {-1.5e-320, Unit::Volt, "-1,5E-320 V"},
    };
    for (const EngineeringCase& c : cases) {
        EXPECT_EQ(engineering_text(c.value, ',', c.unit), c.comma_text) << c.value;
    }
    // A figure that follows from a value of few digits keeps no more.
    EXPECT_EQ(engineering_text(9.99988867182683e-13, ',', Unit::Volt, 1), "1 pV");
    EXPECT_EQ(engineering_text(4700, '.', Unit::Ohm), "4.7 kΩ");
}

struct DescriptionCase {
    const char* text;
    char separator;
    Unit unit;
    const char* description;
};

TEST(ValueDescriptions, ReadingTellsTheValueReadOrWhyItIsRefused)
{
    const DescriptionCase cases[] = {
        {"1m", ',', Unit::Ohm, "letto come 0,001 Ω"},
        {" 2.2 kV", '.', Unit::Volt, "letto come 2200 V"},
        {"abc", ',', Unit::Ohm, "non letto: non è un numero"},
        {"2.5", ',', Unit::Volt, "non letto: usa il punto come separatore decimale"},
        {"1e400", '.', Unit::Ampere,
         "non letto: è fuori dai limiti dei numeri che il calcolatore può rappresentare (fino a circa "
         "1.79769313486232E+308)"},
        {"20 mA", ',', Unit::Volt, "non letto: è in ampere, non in volt"},
        {"20 MA", ',', Unit::Ampere, "letto come 20000000 A"},
        {"5 volts", ',', Unit::Volt, "non letto: ha un'unità che non si legge"},
        // Below the normal range: the digits held; below every double: no exact zero.
        {"1E-320", '.', Unit::Ampere, "letto come 1E-320 A"},
        {"-1e-400", ',', Unit::Volt, "letto come 0 V: troppo piccolo per essere rappresentato"},
    };
    for (const DescriptionCase& c : cases) {
        EXPECT_EQ(reading_description(c.text, c.separator, c.unit), c.description) << c.text;
    }
}

// The advice in a message must lead to the value meant, and name what the box takes.
TEST(ValueDescriptions, RefusalMessagesGiveAdviceThatReadsAsMeant)
{
    struct MessageCase {
        const char* text;
        char separator;
        Unit unit;
        const char* advice;
    };
    const MessageCase cases[] = {
        {"1.000", ',', Unit::Ohm, "Mille si scrive 1000 oppure 1k"},
        {"1,000", '.', Unit::Ohm, "Mille si scrive 1000 oppure 1k"},
        {"5 volts", ',', Unit::Volt, "con V o volt"},
        {"2 amps", '.', Unit::Ampere, "con A o ampere"},
        {"1e400", '.', Unit::Ohm, "Riga: il numero \"1e400\""},
        {"abc", ',', Unit::Ohm, "Riga: il testo \"abc\""},
    };
    for (const MessageCase& c : cases) {
        const std::string message =
            refusal_message("Riga", c.text, number_from_text(c.text, c.separator, c.unit), c.unit, c.separator);
        EXPECT_NE(message.find(c.advice), std::string::npos) << message;
        for (const char* advice : {"1000", "1k"}) {
            // Following the advice gives a thousand.
            if (message.find("Mille") != std::string::npos) {
                EXPECT_EQ(number_from_text(advice, c.separator, c.unit).value, 1000) << advice;
            }
        }
    }
}

TEST(ValueDescriptions, ResultCaptionIsWrittenWithPrefixAndUnit)
{
    const DescriptionCase cases[] = {
        {"", ',', Unit::Ohm, ""},
        {"Errore", ',', Unit::Ohm, ""},
        {"4700", ',', Unit::Ohm, "4,7 kΩ"},
        {"-1,5E-07", ',', Unit::Ampere, "-150 nA"},
        {"2.5E+15", '.', Unit::Volt, "2.5E+15 V"}, // beyond T: no prefix
    };
    for (const DescriptionCase& c : cases) {
        EXPECT_EQ(result_description(c.text, c.separator, c.unit), c.description) << c.text;
    }
    // A sentence never calls a result that underflowed zero.
    EXPECT_EQ(result_statement("0", ',', Unit::Ampere), "troppo piccolo per essere rappresentato, mostrato come 0");
    EXPECT_EQ(result_statement("4700", ',', Unit::Ohm), "4,7 kΩ");
}

} // namespace
} // namespace torvanel
