#include "core/caption_fitting.hpp"

#include <string>

namespace torvanel {

double fitted_point_size(const ControlDescription& label, std::string_view caption, int inner_width,
                         const std::function<int(double points, std::string_view text)>& text_width)
{
    if (caption.empty()) {
        return label.font.point_size; // nothing shown, not even the unit: nothing to measure
    }
    constexpr double kSmallest = 4;
    constexpr double kStep = 0.25;
    // The "x" stands for the label's margins.
    const std::string measured = std::string(caption) + " " + std::string(unit_symbol(label.unit)) + "x";
    double points = label.font.point_size;
    while (points > kSmallest && text_width(points, measured) > inner_width) {
        points -= kStep;
    }
    return points;
}

} // namespace torvanel
