#include "calculation/quantity_rows.hpp"

#include "core/host.hpp"

namespace torvanel {

const std::array<QuantityRow, 3> kQuantityRows{{
    {Quantity::Voltage,
     &Form::VoltInput,
     &Form::VoltOutput,
     "V = R * I",
     {Quantity::Voltage, Quantity::Resistance, Quantity::Current},
     Quantity::Resistance,
     Quantity::Current,
     Operation::Multiply},
    {Quantity::Resistance,
     &Form::OhmInput,
     &Form::OhmOutput,
     "R = V / I",
     {Quantity::Resistance, Quantity::Voltage, Quantity::Current},
     Quantity::Voltage,
     Quantity::Current,
     Operation::Divide},
    {Quantity::Current,
     &Form::AmpereInput,
     &Form::AmpereOutput,
     "I = V / R",
     {Quantity::Current, Quantity::Resistance, Quantity::Voltage},
     Quantity::Voltage,
     Quantity::Resistance,
     Operation::Divide},
}};

const QuantityRow& row_of(Quantity quantity)
{
    return kQuantityRows.at(static_cast<std::size_t>(quantity));
}

void set_row_state(Form& form, const QuantityRow& row, bool unknown, RowContents contents)
{
    TextBox& entry = form.*row.entry_box;
    Label& result = form.*row.result_label;
    entry.Enabled = !unknown;
    if (contents == RowContents::Empty) {
        entry.Text = "";
        result.Caption = "";
    }
    const Colour red = Host::palette_colour(kPaletteRed);
    const Colour white = Host::palette_colour(kPaletteWhite);
    entry.Background = unknown ? red : white;
    result.Background = unknown ? white : red;
}

} // namespace torvanel
