#include "core/host_errors.hpp"

#include "core/value_descriptions.hpp"

namespace torvanel {

ConversionError::ConversionError(std::string_view control_name, std::string_view quantity, std::string_view text,
                                 NumberReading reading, Unit row_unit, char decimal_separator)
    : HostError(refusal_message(quantity, text, reading, row_unit, decimal_separator)), control_name_(control_name),
      problem_(reading.problem)
{
}

ArithmeticError::ArithmeticError(char decimal_separator) : HostError(arithmetic_error_message(decimal_separator)) {}

} // namespace torvanel
