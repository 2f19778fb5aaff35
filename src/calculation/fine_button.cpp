#include "calculation/fine_button.hpp"

namespace torvanel {

void on_fine_click(Form&, Host& host)
{
    host.end_program();
}

} // namespace torvanel
