#pragma once

// What a user does, sees and hears, written once and run against every view through its
// own event path (Qt's widgets with QTest events, the Win32 window with its messages) and
// its own accessibility interface (Qt's accessible interfaces, MSAA), so that the views
// cannot drift apart. Under an Italian locale: the comma separates.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace torvanel::parity {

enum class Act { None, Type, Paste, Undo, Redo, Copy, Erase, Click, Tab };
// Name, Role (the role, then its states: "radio button, checked", "text, disabled"),
// DescriptionStarts and Focus (the control that has it) as assistive technology finds
// them; Announced: the latest announcement contains the words.
enum class Look {
    None,
    Text,
    ShownEnds,
    Clipboard,
    Chosen,
    TooltipStarts,
    Caption,
    Name,
    Role,
    DescriptionStarts,
    Focus,
    Announced
};

struct Step {
    Act act;
    std::string_view control; // acted on
    std::string_view text;    // typed or pasted
    Look look = Look::None;
    std::string_view looked_at = {};
    std::string_view expected = {}; // "1"/"0" for Chosen
};

struct Scenario {
    std::string_view name;
    std::vector<Step> steps;
};

// A view as a user meets it. Each key goes to the control with the focus; Type puts
// the caret at the end of the box first.
class ViewDriver {
public:
    virtual ~ViewDriver() = default;
    virtual void type(std::string_view box, std::string_view text) = 0;
    virtual void paste(std::string_view box, const std::string& text) = 0; // Ctrl+V
    virtual void key(std::string_view control, Act command) = 0;           // Undo, Redo, Copy, Erase
    virtual void click(std::string_view button) = 0;
    virtual std::string model_text(std::string_view box) const = 0;
    virtual std::string shown(std::string_view control) const = 0;
    virtual std::string clipboard() const = 0;
    virtual bool chosen(std::string_view button) const = 0;
    virtual std::string tooltip(std::string_view control) const = 0;
    virtual void tab() = 0; // Tab where the focus is
    virtual std::string accessible_name(std::string_view control) const = 0;
    virtual std::string accessible_role(std::string_view control) const = 0; // as Look::Role has it
    virtual std::string accessible_description(std::string_view control) const = 0;
    virtual std::string focused() const = 0;
    virtual std::string announced() const = 0;
};

// "12#20000" stands for "12" and twenty thousand sevens: a paste too long to lay out.
inline std::string expanded(std::string_view text)
{
    const std::size_t mark = text.find('#');
    if (mark == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(text.substr(0, mark)) + std::string(std::stoul(std::string(text.substr(mark + 1))), '7');
}

inline const std::vector<Scenario>& scenarios()
{
    static const std::vector<Scenario> kScenarios = {
        {"RedoAfterTypingKeepsTheTypedText",
         {
             {Act::Type, "OhmInput", "12"},
             {Act::Paste, "OhmInput", "#20000", Look::Text, "OhmInput", "12#20000"},
             {Act::None, "", "", Look::ShownEnds, "OhmInput", "(20\u00a0002 caratteri)"},
             {Act::Undo, "OhmInput", "", Look::Text, "OhmInput", "12"},
             {Act::Type, "OhmInput", "5", Look::Text, "OhmInput", "125"},
             {Act::Redo, "OhmInput", "", Look::Text, "OhmInput", "125"},
             {Act::None, "", "", Look::ShownEnds, "OhmInput", "125"},
         }},
        {"AHeldTextCopiesWholeAndEditsAsOnePiece",
         {
             {Act::Paste, "AmpereInput", "#30000", Look::ShownEnds, "AmpereInput", "(30\u00a0000 caratteri)"},
             {Act::Copy, "AmpereInput", "", Look::Clipboard, "", "#30000"},
             {Act::Erase, "AmpereInput", "", Look::Text, "AmpereInput", ""},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", "#30000"},
             {Act::Redo, "AmpereInput", "", Look::Text, "AmpereInput", ""},
             {Act::Paste, "AmpereInput", "#25000", Look::Text, "AmpereInput", "#25000"},
             {Act::Type, "AmpereInput", "9", Look::Text, "AmpereInput", "9"},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", "#25000"},
             // Undo goes back step by step, past typing and into the held text, as far as
             // the user went; redo comes back the same way.
             {Act::Type, "AmpereInput", "34", Look::Text, "AmpereInput", "34"},
             {Act::Paste, "AmpereInput", "5", Look::Text, "AmpereInput", "345"},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", "34"},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", "3"},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", "#25000"},
             {Act::Undo, "AmpereInput", "", Look::Text, "AmpereInput", ""},
             {Act::Redo, "AmpereInput", "", Look::Text, "AmpereInput", "#25000"},
             {Act::Redo, "AmpereInput", "", Look::Text, "AmpereInput", "3"},
             {Act::Redo, "AmpereInput", "", Look::Text, "AmpereInput", "34"},
         }},
        {"WhatAScreenReaderMeets",
         {
             {Act::None, "", "", Look::Focus, "", "VOLT"},
             {Act::None, "", "", Look::Role, "VOLT", "radio button, checked"},
             {Act::None, "", "", Look::Role, "AMPERE", "radio button"},
             {Act::None, "", "", Look::Role, "CALCOLO", "push button"},
             {Act::None, "", "", Look::Name, "CALCOLO", "CALCOLO"},
             {Act::None, "", "", Look::Role, "VoltInput", "text, disabled"},
             {Act::None, "", "", Look::Name, "OhmInput", "Resistenza R (ohm), input dati"},
             {Act::None, "", "", Look::Name, "VoltOutput", "Tensione V (volt), risultati"},
             {Act::Tab, "", "", Look::Focus, "", "CALCOLO"},
             {Act::Tab, "", "", Look::Focus, "", "Fine"},
             {Act::Tab, "", "", Look::Focus, "", "OHM"},
             {Act::Type, "OhmInput", "4k7"},
             {Act::Type, "AmpereInput", "2m"},
             // A result: one object named with it, described by how it came about, announced.
             {Act::Click, "CALCOLO", "", Look::Name, "VoltOutput", "Tensione V (volt), risultati: 9,4 volt"},
             {Act::None, "", "", Look::Role, "VoltOutput", "label"},
             {Act::None, "", "", Look::DescriptionStarts, "VoltOutput",
              "V uguale R per I uguale 4,7 chiloohm per 2 milliampere uguale 9,4 volt. potenza 18,8 milliwatt"},
             {Act::None, "", "", Look::Announced, "", "Tensione V (volt), risultato: 9,4 volt. V uguale R per I"},
             {Act::None, "", "", Look::DescriptionStarts, "OhmInput", "letto come 4700 ohm"},
             {Act::None, "", "", Look::Focus, "", "CALCOLO"},
             {Act::Click, "OHM", "", Look::Role, "OHM", "radio button, checked"},
             {Act::None, "", "", Look::Role, "VOLT", "radio button"},
             {Act::None, "", "", Look::Role, "OhmInput", "text, disabled"},
             {Act::None, "", "", Look::Announced, "",
              "Formula in uso: R uguale V diviso I. Caselle dei dati svuotate."},
             {Act::None, "", "", Look::Focus, "", "OHM"},
             // A box holding a long text is edited by typing: not read-only.
             {Act::Paste, "VoltInput", "#30000", Look::Role, "VoltInput", "text"},
         }},
        {"SelectCalculateAndCopy",
         {
             {Act::Click, "OHM", "", Look::Chosen, "OHM", "1"},
             {Act::None, "", "", Look::Chosen, "VOLT", "0"},
             {Act::Type, "VoltInput", "12"},
             {Act::Type, "AmpereInput", "20m"},
             {Act::Click, "CALCOLO", "", Look::Caption, "OhmOutput", "600"},
             {Act::None, "", "", Look::TooltipStarts, "AmpereInput", "letto come 0,02 A"},
             {Act::None, "", "", Look::TooltipStarts, "OhmOutput", "600 \u03a9\nR = V / I = 12 V / 20 mA = 600 \u03a9"},
             {Act::Copy, "AmpereInput", "", Look::Clipboard, "", "600"},
             {Act::Type, "VoltInput", "0", Look::TooltipStarts, "VoltInput", "Esempi: 12,5"},
             {Act::Click, "AMPERE", "", Look::Chosen, "AMPERE", "1"},
             {Act::None, "", "", Look::Chosen, "OHM", "0"},
             {Act::None, "", "", Look::Caption, "OhmOutput", ""},
         }},
    };
    return kScenarios;
}

// A text for a failure's message: a long one by its start and length.
inline std::string brief(const std::string& text)
{
    return text.size() <= 80 ? '"' + text + '"'
                             : '"' + text.substr(0, 40) + "…\" (" + std::to_string(text.size()) + " bytes)";
}

// Plays a scenario on a view, checking each step's look.
inline void play(const Scenario& scenario, ViewDriver& view)
{
    for (const Step& step : scenario.steps) {
        switch (step.act) {
        case Act::None:
            break;
        case Act::Type:
            view.type(step.control, step.text);
            break;
        case Act::Paste:
            view.paste(step.control, expanded(step.text));
            break;
        case Act::Click:
            view.click(step.control);
            break;
        case Act::Tab:
            view.tab();
            break;
        case Act::Undo:
        case Act::Redo:
        case Act::Copy:
        case Act::Erase:
            view.key(step.control, step.act);
            break;
        }
        const std::string expected = expanded(step.expected);
        const std::string where = std::string(step.looked_at) + " after " + std::string(step.control);
        switch (step.look) {
        case Look::None:
            break;
        case Look::Text:
            EXPECT_TRUE(view.model_text(step.looked_at) == expected)
                << where << ": " << brief(view.model_text(step.looked_at)) << ", not " << brief(expected);
            if (expected.size() < 1000) {
                EXPECT_EQ(view.shown(step.looked_at), expected) << where << ": a short text is shown as it is";
            }
            break;
        case Look::ShownEnds:
            EXPECT_TRUE(view.shown(step.looked_at).ends_with(expected)) << where << ": " << view.shown(step.looked_at);
            break;
        case Look::Clipboard:
            EXPECT_TRUE(view.clipboard() == expected)
                << where << ": " << brief(view.clipboard()) << ", not " << brief(expected);
            break;
        case Look::Chosen:
            EXPECT_EQ(view.chosen(step.looked_at) ? "1" : "0", expected) << where;
            break;
        case Look::TooltipStarts:
            EXPECT_TRUE(view.tooltip(step.looked_at).starts_with(expected))
                << where << ": " << view.tooltip(step.looked_at);
            break;
        case Look::Caption:
            EXPECT_EQ(view.shown(step.looked_at), expected) << where;
            break;
        case Look::Name:
            EXPECT_EQ(view.accessible_name(step.looked_at), expected) << where;
            break;
        case Look::Role:
            EXPECT_EQ(view.accessible_role(step.looked_at), expected) << where;
            break;
        case Look::DescriptionStarts:
            EXPECT_TRUE(view.accessible_description(step.looked_at).starts_with(expected))
                << where << ": " << view.accessible_description(step.looked_at);
            break;
        case Look::Focus:
            EXPECT_EQ(view.focused(), expected) << "after " << step.control;
            break;
        case Look::Announced:
            EXPECT_NE(view.announced().find(expected), std::string::npos)
                << "after " << step.control << ": " << view.announced();
            break;
        }
    }
}

inline void PrintTo(const Scenario& scenario, std::ostream* out)
{
    *out << scenario.name;
}

inline std::string scenario_name(const ::testing::TestParamInfo<Scenario>& info)
{
    return std::string(info.param.name);
}

} // namespace torvanel::parity
