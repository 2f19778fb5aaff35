#include "help/help_panel.hpp"

namespace torvanel {

void on_help_click(Form& form, Host&)
{
    form.TESTO.Visible = true;
}

void on_exithelp_click(Form& form, Host&)
{
    form.TESTO.Visible = false;
}

} // namespace torvanel
