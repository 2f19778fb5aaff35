#pragma once

#include "core/colour.hpp"
#include "core/unit.hpp"

#include <optional>
#include <span>
#include <string_view>

namespace torvanel {

enum class ControlKind { Button, TextBox, Label };
enum class CaptionAlignment { Left, Centre };

struct FontDescription {
    std::string_view family;
    double point_size = 0;
    int weight = 400; // 400 regular, 700 bold
};

// Positions and sizes in twips from the top left of the client area.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How one control looks as the window is built. An empty optional colour means
// the platform's usual colour for that kind of control.
struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view caption_or_text;
    TwipRect geometry;
    int tab_index = 0;
    std::optional<Colour> background;
    std::optional<Colour> text_colour;
    FontDescription font;
    CaptionAlignment alignment = CaptionAlignment::Left;
    bool border = false;
    bool multi_line = false;
    bool visible = true;
    // The name of the quantity an entry box or result label stands for, as the user reads it
    // ("Tensione V (volt)"); empty for the other controls.
    std::string_view quantity_name = {};
    // The unit of that quantity, which a value typed into the entry box may name; for
    // VOLT, OHM and AMPERE the unit of the quantity they make the unknown one.
    Unit unit = Unit::None;
};

struct WindowDescription {
    std::string_view name;
    std::string_view title;
    Colour background;
    // The client area shown: the extent of the controls plus a margin.
    int client_width_twips = 0;
    int client_height_twips = 0;
    std::span<const ControlDescription> controls;
};

inline constexpr int kTwipsPerPixel = 15;

const WindowDescription& calculator_window_description();

// The description of the named control; throws std::out_of_range for an unknown name.
const ControlDescription& control_description(std::string_view name);

} // namespace torvanel
