#include "calculation/calculation.hpp"

#include "calculation/quantity_rows.hpp"
#include "core/number_writing.hpp"

#include <algorithm>

namespace torvanel {
namespace {

double apply(Operation operation, double first, double second)
{
    return operation == Operation::Multiply ? first * second : first / second;
}

// Computes one row from the two others. Returns false when an operand is zero:
// then nothing is shown and the whole calculation stops.
bool compute_row(Form& form, Host& host, const QuantityRow& row)
{
    const TextBox& first = form.*row_of(row.first_operand).entry_box;
    const TextBox& second = form.*row_of(row.second_operand).entry_box;
    // Both operands are converted before either is tested: a zero never hides a
    // text that does not read as a number. Converting in row order makes the upper
    // box the one reported when both are bad.
    const double first_value = host.number_in(first);
    const double second_value = host.number_in(second);
    if (first_value == 0 || second_value == 0) {
        return false;
    }
    (form.*row.entry_box).Text = "";
    // The operands are read from their boxes again for the computation itself.
    const double first_operand = host.number_in(first);
    const double second_operand = host.number_in(second);
    const double result = apply(row.operation, first_operand, second_operand);
    host.check_arithmetic(result);
    // An operand below a double's normal range holds only a few digits, and so does the result.
    (form.*row.result_label).Caption =
        host.text_of(result, std::min(significant_digits_held(first_operand), significant_digits_held(second_operand)));
    return true;
}

} // namespace

void on_calcolo_click(Form& form, Host& host)
{
    for (const QuantityRow& row : kQuantityRows) {
        (form.*row.result_label).Caption = "";
    }
    // An empty box counts as 0, the unknown's disabled box included.
    for (const QuantityRow& row : kQuantityRows) {
        TextBox& entry = form.*row.entry_box;
        if (entry.Text.get().empty()) {
            entry.Text = "0";
        }
    }
    for (const QuantityRow& row : kQuantityRows) {
        if (!(form.*row.entry_box).Enabled && !compute_row(form, host, row)) {
            return;
        }
    }
}

} // namespace torvanel
