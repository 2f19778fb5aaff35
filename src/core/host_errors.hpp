#pragma once

#include "core/number_reading.hpp"
#include "core/number_writing.hpp"

#include <stdexcept>
#include <string>
#include <string_view>

namespace torvanel {

// An error of the host: it leaves the running handler, and what the handler had
// already set stays set. what() is the Italian message shown to the user.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of an entry box does not read as a number.
class ConversionError : public HostError {
public:
    ConversionError(std::string_view control_name, std::string_view quantity, std::string_view text,
                    NumberReading reading, Unit row_unit, char decimal_separator);

    const std::string& control_name() const noexcept { return control_name_; }
    NumberProblem problem() const noexcept { return problem_; }

private:
    std::string control_name_;
    NumberProblem problem_;
};

// A multiplication or division whose result is not a finite double.
class ArithmeticError : public HostError {
public:
    explicit ArithmeticError(char decimal_separator);
};

} // namespace torvanel
