// Reading a number: the grammar check, then read_double on a normalised copy.
#include "core/number_reading.hpp"

#include "core/float_text.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

namespace torvanel {
namespace {

// Blanks as they come with a paste: spaces, tabs, line ends (a spreadsheet cell's),
// and the no-break, narrow no-break and thin spaces of web pages.
constexpr std::array<std::string_view, 7> kBlanks{" ", "\t", "\r", "\n", "\u00a0", "\u202f", "\u2009"};

// The length of the blank that starts text, or 0.
std::size_t blank_at_start(std::string_view text)
{
    for (std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

// The length of the blank that ends text, or 0.
std::size_t blank_at_end(std::string_view text)
{
    for (std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool lower_equals(std::string_view text, std::string_view lower_word)
{
    if (text.size() != lower_word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lower_word[i]) {
            return false;
        }
    }
    return true;
}

struct Prefix {
    std::string_view spelling;
    int exponent;
};

// R is the resistor code's ×1; it stands only where the separator would.
constexpr std::array<Prefix, 12> kPrefixes{{
    {"p", -12},
    {"n", -9},
    {"u", -6},
    {"\u00b5", -6}, // micro sign
    {"\u03bc", -6}, // Greek small mu
    {"m", -3},
    {"k", 3},
    {"K", 3},
    {"M", 6},
    {"G", 9},
    {"T", 12},
    {"R", 0},
}};

// The prefix spelled at the start of text (R only when resistor codes are meant).
std::optional<Prefix> prefix_at(std::string_view text, bool allow_r)
{
    for (const Prefix& prefix : kPrefixes) {
        if (text.starts_with(prefix.spelling) && (allow_r || prefix.spelling != "R")) {
            return prefix;
        }
    }
    return std::nullopt;
}

// A unit by its symbol or its name, in any case: V, volt, A, ampere, Ω, ohm.
std::optional<Unit> unit_spelled(std::string_view text)
{
    if (lower_equals(text, "v") || lower_equals(text, "volt")) {
        return Unit::Volt;
    }
    if (lower_equals(text, "a") || lower_equals(text, "ampere")) {
        return Unit::Ampere;
    }
    if (text == "\u03a9" || text == "\u2126" || lower_equals(text, "ohm")) {
        return Unit::Ohm;
    }
    return std::nullopt;
}

// Letters only (or the ohm signs): what a user means as a unit, even one not read.
bool looks_like_a_unit(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
        if (!letter) {
            return false;
        }
    }
    return true;
}

// What the grammar found, normalised into what read_double reads: no '+', '.'
// as separator, the prefix folded into the exponent. Also the decimal position of
// the leading non-zero digit, which tells an overflow from an underflow when
// read_double reports a range error.
struct Scan {
    bool ok = false;
    std::string normalised;
    bool has_nonzero_digit = false;
    std::int64_t leading_digit_exponent = 0;
    Unit unit = Unit::None;
    bool unknown_unit = false; // a number, then letters that are no unit
};

class Scanner {
public:
    Scanner(std::string_view text, char separator) : text_(text), separator_(separator) {}

    Scan run()
    {
        std::size_t end = text_.size();
        while (const std::size_t blank = blank_at_end(text_.substr(0, end))) {
            end -= blank;
        }
        text_ = text_.substr(0, end);
        skip_blanks();
        result_.normalised.reserve(end - i_ + 8);
        if (i_ < end && (text_[i_] == '+' || text_[i_] == '-')) {
            if (text_[i_] == '-') {
                result_.normalised.push_back('-');
            }
            ++i_;
        }
        read_digits();
        std::int64_t exponent = 0;
        if (const auto code = resistor_code_letter()) {
            // 4k7: the letter is the separator and the prefix at once.
            i_ += code->spelling.size();
            result_.normalised.push_back('.');
            read_digits();
            exponent = code->exponent;
        } else {
            if (i_ < end && text_[i_] == separator_) {
                ++i_;
                result_.normalised.push_back('.');
                read_digits();
            }
            if (digits_ == 0) {
                return result_;
            }
            const bool has_exponent = i_ < end && (text_[i_] == 'e' || text_[i_] == 'E');
            if (has_exponent && !read_exponent(exponent)) {
                return result_;
            }
            skip_blanks();
            if (const auto prefix = prefix_at(text_.substr(i_), false); prefix && !has_exponent) {
                i_ += prefix->spelling.size();
                exponent += prefix->exponent;
            }
        }
        if (digits_ == 0) {
            return result_;
        }
        skip_blanks();
        if (i_ < end) {
            const auto unit = unit_spelled(text_.substr(i_));
            if (!unit) {
                // A prefix, a code's R or an exponent's E where the unit would be (1E3k,
                // 1kk, 4RR, 1Ex) is no unit, only a slip.
                const std::string_view rest = text_.substr(i_);
                result_.unknown_unit =
                    looks_like_a_unit(rest) && !prefix_at(rest, true) && rest.front() != 'e' && rest.front() != 'E';
                return result_;
            }
            result_.unit = *unit;
        }
        result_.ok = true;
        result_.normalised += 'e';
        result_.normalised += std::to_string(exponent);
        if (first_nonzero_ >= 0) {
            result_.has_nonzero_digit = true;
            result_.leading_digit_exponent = digits_before_point_ - first_nonzero_ - 1 + exponent;
        }
        return result_;
    }

private:
    void read_digits()
    {
        const bool before_point = result_.normalised.find('.') == std::string::npos;
        for (; i_ < text_.size() && is_digit(text_[i_]); ++i_) {
            if (text_[i_] != '0' && first_nonzero_ < 0) {
                first_nonzero_ = static_cast<std::int64_t>(digits_);
            }
            ++digits_;
            if (before_point) {
                ++digits_before_point_;
            }
            result_.normalised.push_back(text_[i_]);
        }
    }

    // A prefix letter or R right after the whole digits and followed by a digit.
    std::optional<Prefix> resistor_code_letter() const
    {
        const auto letter = prefix_at(text_.substr(i_), true);
        if (!letter) {
            return std::nullopt;
        }
        const std::size_t after = i_ + letter->spelling.size();
        const bool digit_follows = after < text_.size() && is_digit(text_[after]);
        // R after digits closes a code on its own ("10R" is 10): it is never a prefix or a unit.
        const bool lone_r = letter->spelling == "R" && digits_ > 0;
        return digit_follows || lone_r ? letter : std::nullopt;
    }

    // An exponent's value saturates far beyond any double, so the text may be long.
    bool read_exponent(std::int64_t& exponent)
    {
        ++i_;
        bool negative = false;
        if (i_ < text_.size() && (text_[i_] == '+' || text_[i_] == '-')) {
            negative = text_[i_] == '-';
            ++i_;
        }
        constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
        std::size_t exponent_digits = 0;
        for (; i_ < text_.size() && is_digit(text_[i_]); ++i_) {
            ++exponent_digits;
            exponent = exponent < kSaturated ? exponent * 10 + (text_[i_] - '0') : kSaturated;
        }
        if (negative) {
            exponent = -exponent;
        }
        return exponent_digits > 0;
    }

    void skip_blanks()
    {
        while (const std::size_t blank = blank_at_start(text_.substr(i_))) {
            i_ += blank;
        }
    }

    std::string_view text_;
    char separator_;
    std::size_t i_ = 0;
    std::size_t digits_ = 0;
    std::int64_t digits_before_point_ = 0;
    std::int64_t first_nonzero_ = -1; // index among all mantissa digits
    Scan result_;
};

} // namespace

NumberReading number_from_text(std::string_view text, char decimal_separator, Unit row_unit)
{
    const Scan scanned = Scanner(text, decimal_separator).run();
    if (!scanned.ok) {
        // A text that would be a number with the other separator gets its own hint;
        // it is never read as digit grouping.
        const char other_separator = decimal_separator == ',' ? '.' : ',';
        const bool other_reads =
            text.find(other_separator) != std::string_view::npos && Scanner(text, other_separator).run().ok;
        if (other_reads) {
            return {0, NumberProblem::WrongSeparator};
        }
        return {0, scanned.unknown_unit ? NumberProblem::UnknownUnit : NumberProblem::NotANumber};
    }
    if (scanned.unit != Unit::None && scanned.unit != row_unit) {
        return {0, NumberProblem::WrongUnit, scanned.unit};
    }
    double value = 0;
    const char* first = scanned.normalised.data();
    const char* last = first + scanned.normalised.size();
    const auto [end, error] = read_double(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Both ends of the range are reported of the range; only the large end is an error.
        if (scanned.has_nonzero_digit && scanned.leading_digit_exponent < 0) {
            return {scanned.normalised.front() == '-' ? -0.0 : 0.0, NumberProblem::None, scanned.unit, true};
        }
        return {0, NumberProblem::OutOfRange, scanned.unit};
    }
    if (error != std::errc{} || end != last) {
        return {0, NumberProblem::NotANumber};
    }
    return {value, NumberProblem::None, scanned.unit};
}

} // namespace torvanel
