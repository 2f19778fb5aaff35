// libFuzzer target for reading numbers. The first byte picks the decimal separator
// and the row: ',' or '.' stand for themselves in the resistance row (so the seeds
// read as their names say); any other byte gives the separator by its lowest bit and
// the row by the next two. The rest is the text. Every result is checked against an
// independent reading (tests/reference_reading.hpp).
#include "core/number_reading.hpp"
#include "core/number_writing.hpp"
#include "reference_reading.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text, char separator, torvanel::Unit row)
{
    std::fprintf(stderr, "%s: separator '%c', row unit %d, text [%s]\n", what, separator, static_cast<int>(row),
                 text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool literal = data[0] == ',' || data[0] == '.';
    const char separator = literal ? static_cast<char>(data[0]) : (data[0] & 1) != 0 ? ',' : '.';
    const auto row = literal ? torvanel::Unit::Ohm : static_cast<torvanel::Unit>((data[0] >> 1) & 3);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const torvanel::NumberReading reading = torvanel::number_from_text(text, separator, row);

    if (reading.problem == torvanel::NumberProblem::None && !std::isfinite(reading.value)) {
        fail("accepted a value that is not finite", text, separator, row);
    }
    // std::regex recurses per character; keep the reference check to texts it handles.
    if (text.size() > 400 || text.find('\0') != std::string::npos) {
        return 0;
    }
    const torvanel::testing::ReferenceReading reference = torvanel::testing::reference_reading(text, separator, row);
    if (reading.problem != reference.problem) {
        fail("the problem differs from the reference", text, separator, row);
    }
    if (reading.problem == torvanel::NumberProblem::None &&
        std::memcmp(&reference.value, &reading.value, sizeof reference.value) != 0 &&
        !(reference.value == 0 && reading.value == 0)) {
        fail("the value differs from the reference", text, separator, row);
    }
    return 0;
}
