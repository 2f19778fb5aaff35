#pragma once

#include "core/window_description.hpp"

#include <functional>
#include <string_view>

namespace torvanel {

// A result is never cut: the point size at which a result label's caption, with its
// unit drawn after a blank and the margin of an "x", fits the label's inner width. From
// the designed size down in quarter points, never below 4 points. text_width tells how
// wide a text is drawn at a point size, in the same units as the width. An empty caption
// (no figure, no unit) keeps the designed size unmeasured.
double fitted_point_size(const ControlDescription& label, std::string_view caption, int inner_width,
                         const std::function<int(double points, std::string_view text)>& text_width);

} // namespace torvanel
