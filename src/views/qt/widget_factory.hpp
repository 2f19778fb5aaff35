#pragma once

#include "core/control_model.hpp"

class QString;
class QWidget;

namespace torvanel {

// Builds the widget for one control as the window description draws it: kind,
// place, size, font, colours, alignment, border and accessible texts. The widget's
// objectName is the control's name. Entry boxes type decimal_separator for the
// keypad's decimal key; result labels copy their value with it.
QWidget* create_control_widget(const Control& control, char decimal_separator, QWidget* parent);

} // namespace torvanel
