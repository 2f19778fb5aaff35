#pragma once

namespace torvanel {

// Gives accessibility clients (AT-SPI on Linux) an entry box's text, caret and
// selection in both of its modes: QLineEdit's own accessible interface would read
// QLineEdit's text, which is not the box's while it holds a long text.
void install_entry_box_accessibility();

} // namespace torvanel
