#pragma once

#include "core/window_description.hpp"

#include <algorithm>
#include <string_view>

namespace torvanel::win32 {

// Each control's child-window id: its place in the window description after a base,
// so automation finds a control by id as it would by name.
inline constexpr int kFirstControlId = 1000;

inline int control_id(std::string_view name)
{
    const auto& controls = calculator_window_description().controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlDescription& control) { return control.name == name; });
    return found == controls.end() ? -1 : kFirstControlId + static_cast<int>(found - controls.begin());
}

} // namespace torvanel::win32
