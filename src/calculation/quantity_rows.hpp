#pragma once

#include "core/control_model.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace torvanel {

enum class Quantity : std::size_t { Voltage = 0, Resistance = 1, Current = 2 };
enum class Operation { Multiply, Divide };

// One row of the window: the quantity's entry box and result label, the formula
// shown while it is unknown, the order in which its selection button walks the
// rows (this row first), and how it is computed from the two others (first
// operand op second operand, the operands in row order).
struct QuantityRow {
    Quantity quantity;
    TextBox Form::*entry_box;
    Label Form::*result_label;
    std::string_view formula;
    std::array<Quantity, 3> selection_order;
    Quantity first_operand;
    Quantity second_operand;
    Operation operation;
};

// The three rows in the order V, R, I.
extern const std::array<QuantityRow, 3> kQuantityRows;

const QuantityRow& row_of(Quantity quantity);

// Sets one row's state as known or unknown: Enabled, then (when emptying) Text and
// Caption, then the two backgrounds.
enum class RowContents { Keep, Empty };
void set_row_state(Form& form, const QuantityRow& row, bool unknown, RowContents contents);

} // namespace torvanel
