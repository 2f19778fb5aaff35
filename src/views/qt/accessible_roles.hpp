#pragma once

namespace torvanel {

// Gives assistive technology the roles a person would name: the window is a frame with
// its title, and VOLT, OHM and AMPERE (checkable push buttons marked as choices) are
// radio buttons, one of three chosen. Installed once, before the window is built.
void install_accessible_roles();

// Marks a checkable push button as one choice of a group.
inline constexpr char kChoiceProperty[] = "torvanel_choice";
// Marks a label that shows a result with its unit beside it.
inline constexpr char kResultProperty[] = "torvanel_result";

} // namespace torvanel
