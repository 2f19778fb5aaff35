#pragma once

#include "window/control_model.hpp"

class QWidget;

namespace torvanel {

// Builds the widget for one control as the window description draws it: kind,
// place, size, font, colours, alignment, border and accessible texts. The widget's
// objectName is the control's name.
QWidget* create_control_widget(const Control& control, QWidget* parent);

} // namespace torvanel
