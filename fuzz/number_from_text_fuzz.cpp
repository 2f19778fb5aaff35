// libFuzzer target for reading numbers. The first byte picks the decimal
// separator; the rest is the text. Every result is checked against an independent
// reading: a regular expression for the grammar and std::strtod under the "C" locale.
#include "window/number_text.hpp"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace {

const std::regex& grammar(char separator)
{
    static const std::regex point(R"(^[ \t]*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
    static const std::regex comma(R"(^[ \t]*[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
    return separator == ',' ? comma : point;
}

[[noreturn]] void fail(const char* what, const std::string& text, char separator)
{
    std::fprintf(stderr, "%s: separator '%c', text [%s]\n", what, separator, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const char separator = (data[0] & 1) != 0 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const torvanel::NumberReading reading = torvanel::number_from_text(text, separator);

    if (reading.problem == torvanel::NumberProblem::None && !std::isfinite(reading.value)) {
        fail("accepted a value that is not finite", text, separator);
    }
    // std::regex recurses per character; keep the reference check to texts it handles.
    if (text.size() > 400 || text.find('\0') != std::string::npos) {
        return 0;
    }
    const char other = separator == ',' ? '.' : ',';
    if (!std::regex_match(text, grammar(separator))) {
        const bool other_reads = std::regex_match(text, grammar(other));
        const torvanel::NumberProblem expected =
            other_reads ? torvanel::NumberProblem::WrongSeparator : torvanel::NumberProblem::NotANumber;
        if (reading.problem != expected) {
            fail("refusal differs from the grammar", text, separator);
        }
        return 0;
    }
    std::string c_text = text;
    for (char& c : c_text) {
        if (c == separator) {
            c = '.';
        }
    }
    errno = 0;
    const double reference = std::strtod(c_text.c_str(), nullptr);
    const bool overflow = errno == ERANGE && std::isinf(reference);
    if (overflow) {
        if (reading.problem != torvanel::NumberProblem::OutOfRange) {
            fail("an overflow was not refused", text, separator);
        }
        return 0;
    }
    if (reading.problem != torvanel::NumberProblem::None) {
        fail("a number of the grammar was refused", text, separator);
    }
    if (std::memcmp(&reference, &reading.value, sizeof reference) != 0 && !(reference == 0 && reading.value == 0)) {
        fail("value differs from strtod", text, separator);
    }
    return 0;
}
