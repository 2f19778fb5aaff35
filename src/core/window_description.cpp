#include "core/window_description.hpp"

#include "core/help_text.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace torvanel {
namespace {

constexpr Colour kGrey = Colour{0x00C0C0C0};
constexpr Colour kPaleGreen = Colour{0x00C0FFC0};
constexpr Colour kPaleCyan = Colour{0x00FFFF80};
constexpr Colour kTextRed = Colour{0x000000FF};
constexpr Colour kTextBlue = Colour{0x00FF0000};
constexpr Colour kDarkGrey = Colour{0x00404040};

constexpr FontDescription kButtonFont{"Comic Sans MS", 14.25, 700};
constexpr FontDescription kHeadingFont{"MS Sans Serif", 12, 700};
constexpr FontDescription kBoxFont{"MS Sans Serif", 9.75, 400};
constexpr FontDescription kFormulaCaptionFont{"Comic Sans MS", 12, 700};
constexpr FontDescription kHelpFont{"Times New Roman", 8.25, 400};

// Buttons are standard push buttons in the platform's face; the background values
// some of them record would not change that face, so they are left out.
constexpr ControlDescription button(std::string_view name, std::string_view caption, TwipRect geometry, int tab_index)
{
    return ControlDescription{name,      ControlKind::Button, caption,      geometry,
                              tab_index, std::nullopt,        std::nullopt, kButtonFont};
}

// A button that makes its quantity the unknown one: selected while that quantity's
// entry box is the disabled one.
constexpr ControlDescription selection_button(std::string_view name, TwipRect geometry, int tab_index, Unit unit)
{
    ControlDescription d = button(name, name, geometry, tab_index);
    d.unit = unit;
    return d;
}

constexpr ControlDescription heading(std::string_view name, std::string_view caption, TwipRect geometry, int tab_index)
{
    ControlDescription d{name, ControlKind::Label, caption, geometry, tab_index, kPaleGreen, kTextRed, kHeadingFont};
    d.alignment = CaptionAlignment::Centre;
    return d;
}

constexpr ControlDescription entry_box(std::string_view name, TwipRect geometry, int tab_index,
                                       std::string_view quantity_name, Unit unit,
                                       std::optional<Colour> text_colour = std::nullopt)
{
    ControlDescription d{name, ControlKind::TextBox, "", geometry, tab_index, kGrey, text_colour, kBoxFont};
    d.quantity_name = quantity_name;
    d.unit = unit;
    return d;
}

constexpr ControlDescription result_label(std::string_view name, TwipRect geometry, int tab_index,
                                          std::string_view quantity_name, Unit unit)
{
    ControlDescription d{name, ControlKind::Label, "", geometry, tab_index, kGrey, std::nullopt, kBoxFont};
    d.border = true;
    d.quantity_name = quantity_name;
    d.unit = unit;
    return d;
}

constexpr ControlDescription formula_caption()
{
    ControlDescription d{"LABEL", ControlKind::Label, "FORMULA IN USO ", {1560, 4080, 2535, 375},
                         15,      kPaleCyan,          std::nullopt,      kFormulaCaptionFont};
    d.border = true;
    return d;
}

constexpr ControlDescription formula()
{
    ControlDescription d{"Formula", ControlKind::Label, "",           {5040, 4080, 2535, 375},
                         11,        kPaleCyan,          std::nullopt, kHeadingFont};
    d.border = true;
    d.alignment = CaptionAlignment::Centre;
    return d;
}

constexpr ControlDescription help_box()
{
    ControlDescription d{"TESTO", ControlKind::TextBox, kHelpText, {3120, 960, 5535, 2655},
                         13,      std::nullopt,         kTextBlue, kHelpFont};
    d.multi_line = true;
    d.visible = false;
    return d;
}

constexpr std::array kControls{
    selection_button("VOLT", {720, 960, 2055, 615}, 0, Unit::Volt),
    selection_button("OHM", {720, 1920, 2055, 615}, 4, Unit::Ohm),
    selection_button("AMPERE", {720, 2880, 2055, 615}, 5, Unit::Ampere),
    button("CALCOLO", "CALCOLO", {720, 5400, 2055, 855}, 1),
    button("HELP", "HELP", {3360, 5400, 1215, 855}, 12),
    button("exithelp", "EXIT HELP", {5040, 5400, 1455, 855}, 14),
    button("Fine", "FINE", {6960, 5400, 1815, 855}, 2),
    heading("Label1", "input dati", {3120, 360, 2535, 375}, 16),
    heading("Label2", "risultati", {6240, 360, 2415, 375}, 17),
    entry_box("VoltInput", {3120, 1080, 2535, 375}, 3, "Tensione V (volt)", Unit::Volt, kDarkGrey),
    entry_box("OhmInput", {3120, 2040, 2535, 375}, 6, "Resistenza R (ohm)", Unit::Ohm),
    entry_box("AmpereInput", {3120, 3000, 2535, 375}, 7, "Corrente I (ampere)", Unit::Ampere),
    result_label("VoltOutput", {6240, 1080, 2415, 375}, 8, "Tensione V (volt)", Unit::Volt),
    result_label("OhmOutput", {6240, 2040, 2415, 375}, 9, "Resistenza R (ohm)", Unit::Ohm),
    result_label("AmpereOutput", {6240, 3000, 2415, 375}, 10, "Corrente I (ampere)", Unit::Ampere),
    formula_caption(),
    formula(),
    help_box(),
};

// The controls reach 8775 twips across and 6255 down; the margin repeats the
// left and top offsets of the nearest controls so the layout looks balanced.
constexpr int kClientWidth = 8775 + 720;
constexpr int kClientHeight = 6255 + 360;

} // namespace

const WindowDescription& calculator_window_description()
{
    static const WindowDescription description{
        "TORVANEL", "TORVANEL      VER. 1.0      GIUGNO 2000", Colour{0x0000FFFF}, kClientWidth, kClientHeight,
        kControls,
    };
    return description;
}

const ControlDescription& control_description(std::string_view name)
{
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [name](const ControlDescription& d) { return d.name == name; });
    if (found == kControls.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

} // namespace torvanel
