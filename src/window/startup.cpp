#include "window/startup.hpp"

#include "calculation/quantity_rows.hpp"

namespace torvanel {

void on_load(Form& form, Host&)
{
    for (const QuantityRow& row : kQuantityRows) {
        set_row_state(form, row, row.quantity == Quantity::Voltage, RowContents::Keep);
    }
    form.Formula.Caption = std::string(row_of(Quantity::Voltage).formula);
}

void on_fine_click(Form&, Host& host)
{
    host.end_program();
}

} // namespace torvanel
