#include "calculation/unknown_selection.hpp"

#include "calculation/quantity_rows.hpp"

namespace torvanel {
namespace {

// The selected row comes first; the known rows follow in this order.
void select_unknown(Form& form, Quantity unknown, Quantity known_first, Quantity known_second)
{
    set_row_state(form, row_of(unknown), true, RowContents::Empty);
    set_row_state(form, row_of(known_first), false, RowContents::Empty);
    set_row_state(form, row_of(known_second), false, RowContents::Empty);
    form.Formula.Caption = std::string(row_of(unknown).formula);
}

} // namespace

void on_volt_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Voltage, Quantity::Resistance, Quantity::Current);
}

void on_ohm_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Resistance, Quantity::Voltage, Quantity::Current);
}

void on_ampere_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Current, Quantity::Resistance, Quantity::Voltage);
}

} // namespace torvanel
