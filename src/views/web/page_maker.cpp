// Writes the page's window as the browser's first paint shows it, from the window
// description: the controls into index.html in place of its <!--controls--> line, their
// places, sizes, fonts and colours after the page's style sheet (one file: one request
// fewer at start). Run under node at build time.
// usage: page_maker INDEX_TEMPLATE INDEX_OUT STYLE STYLE_OUT
#include "core/unit.hpp"
#include "core/window_description.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace torvanel::web {
namespace {

std::string escaped(std::string_view text)
{
    std::string html;
    for (char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string pixels(int twips)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpx", static_cast<double>(twips) / kTwipsPerPixel);
    return text;
}

std::string css_colour(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
    return text;
}

std::string control_html(const ControlDescription& control)
{
    const std::string id = std::string(control.name);
    const std::string text = escaped(control.caption_or_text);
    switch (control.kind) {
    case ControlKind::Button:
        return "<button type=\"button\" id=\"" + id + "\"" +
               (control.unit != Unit::None ? " role=\"radio\" aria-checked=\"false\"" : "") + ">" + text + "</button>";
    case ControlKind::TextBox: {
        const std::string common =
            " id=\"" + id + "\" spellcheck=\"false\" autocomplete=\"off\"" + (control.visible ? "" : " hidden");
        return control.multi_line ? "<textarea" + common + ">" + text + "</textarea>"
                                  : "<input" + common + " value=\"" + text + "\">";
    }
    case ControlKind::Label:
        break;
    }
    const bool result = control.unit != Unit::None;
    std::string classes = "label";
    classes += control.alignment == CaptionAlignment::Centre ? " centred" : "";
    classes += control.border ? " border" : "";
    // A result is one object for a screen reader: its name says the figure and the unit.
    return "<div id=\"" + id + "\" class=\"" + classes + (result ? " result\" role=\"note\"" : "\"") + "><span" +
           (result ? " aria-hidden=\"true\" data-unit=\"" + escaped(unit_symbol(control.unit)) + "\"" : "") + ">" +
           text + "</span></div>";
}

std::string control_css(const ControlDescription& control)
{
    const TwipRect& g = control.geometry;
    char size[32];
    std::snprintf(size, sizeof size, " %gpt ", control.font.point_size);
    std::string css = "#" + std::string(control.name) + " { left: " + pixels(g.left) + "; top: " + pixels(g.top) +
                      "; width: " + pixels(g.width) + "; height: " + pixels(g.height) +
                      "; font: " + std::to_string(control.font.weight) + size + "\"" +
                      std::string(control.font.family) + "\", sans-serif;";
    if (control.text_colour) {
        css += " color: " + css_colour(*control.text_colour) + ";";
    }
    if (control.background && control.kind == ControlKind::Label) {
        css += " background-color: " + css_colour(*control.background) + ";";
    }
    return css + " }\n";
}

} // namespace
} // namespace torvanel::web

int main(int argc, char* argv[])
{
    using namespace torvanel;
    if (argc != 5) {
        std::cerr << "usage: page_maker INDEX_TEMPLATE INDEX_OUT STYLE STYLE_OUT\n";
        return 2;
    }
    const WindowDescription& window = calculator_window_description();
    std::string css = "#calculator { width: " + web::pixels(window.client_width_twips) +
                      "; height: " + web::pixels(window.client_height_twips) +
                      "; background-color: " + web::css_colour(window.background) + "; }\n";
    // In reading order, top to bottom and left to right, as a screen reader's reading
    // mode walks the page (the tab order is the core's); VOLT, OHM and AMPERE as one group.
    std::vector<const ControlDescription*> in_order;
    for (const ControlDescription& control : window.controls) {
        in_order.push_back(&control);
        css += web::control_css(control);
    }
    std::stable_sort(in_order.begin(), in_order.end(), [](const auto* one, const auto* other) {
        return std::pair(one->geometry.top, one->geometry.left) < std::pair(other->geometry.top, other->geometry.left);
    });
    std::string controls;
    std::string choosers;
    std::size_t group_at = std::string::npos;
    for (const ControlDescription* control : in_order) {
        if (control->kind == ControlKind::Button && control->unit != Unit::None) {
            group_at = std::min(group_at, controls.size());
            choosers += web::control_html(*control) + "\n";
        } else {
            controls += web::control_html(*control) + "\n";
        }
    }
    controls.insert(std::min(group_at, controls.size()), "<div role=\"radiogroup\">\n" + choosers + "</div>\n");
    std::ifstream template_file(argv[1]);
    std::ostringstream page;
    for (std::string line; std::getline(template_file, line);) {
        if (line == "<!--title-->") {
            page << "<title>" << web::escaped(window.title) << "</title>\n";
        } else if (line == "<!--controls-->") {
            page << controls;
        } else {
            page << line << '\n';
        }
    }
    std::ofstream(argv[2]) << page.str();
    std::ifstream style(argv[3]);
    std::ofstream style_out(argv[4]);
    style_out << style.rdbuf() << "/* The window's controls. */\n" << css;
    const bool read = page.str().find("<button") != std::string::npos && style && style_out;
    return read ? 0 : 1;
}
