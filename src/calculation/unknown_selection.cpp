#include "calculation/unknown_selection.hpp"

#include "calculation/quantity_rows.hpp"

namespace torvanel {
namespace {

// Walks the rows in the selected row's own order, then shows its formula.
void select_unknown(Form& form, Quantity unknown)
{
    const QuantityRow& selected = row_of(unknown);
    for (Quantity quantity : selected.selection_order) {
        set_row_state(form, row_of(quantity), quantity == unknown, RowContents::Empty);
    }
    form.Formula.Caption = std::string(selected.formula);
}

} // namespace

void on_load(Form& form, Host&)
{
    for (const QuantityRow& row : kQuantityRows) {
        set_row_state(form, row, row.quantity == Quantity::Voltage, RowContents::Keep);
    }
    form.Formula.Caption = std::string(row_of(Quantity::Voltage).formula);
}

void on_volt_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Voltage);
}

void on_ohm_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Resistance);
}

void on_ampere_click(Form& form, Host&)
{
    select_unknown(form, Quantity::Current);
}

} // namespace torvanel
