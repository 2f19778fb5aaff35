#pragma once

// Plays the conformance table (scenarios.txt, built in) against a view through its own
// event path and accessibility interface: Qt's widgets with QTest events and Qt's
// accessible interfaces, the Win32 window with its messages and MSAA.

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <stdexcept>
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
    Act act = Act::None;
    std::string control; // acted on
    std::string text;    // typed or pasted
    Look look = Look::None;
    std::string looked_at;
    std::string expected; // "1"/"0" for Chosen
};

struct Scenario {
    std::string name;
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

template <typename Value, std::size_t size>
Value word_for(const std::pair<std::string_view, Value> (&words)[size], const std::string& word)
{
    for (const auto& [spelled, value] : words) {
        if (spelled == word) {
            return value;
        }
    }
    throw std::invalid_argument("conformance table: unknown word " + word);
}

inline std::string unescaped(std::string text)
{
    for (const auto& [escape, meaning] : {std::pair<std::string_view, std::string_view>{"\\n", "\n"},
                                          std::pair<std::string_view, std::string_view>{"\\u00a0", "\u00a0"}}) {
        for (std::size_t at = text.find(escape); at != std::string::npos; at = text.find(escape, at)) {
            text.replace(at, escape.size(), meaning);
            at += meaning.size();
        }
    }
    return text;
}

// The table's lines: "scenario NAME", then "ACT [CONTROL [TEXT]] [| LOOK [CONTROL] = EXPECTED]".
inline std::vector<Scenario> parsed(std::string_view table)
{
    static constexpr std::pair<std::string_view, Act> kActs[] = {
        {"-", Act::None},    {"type", Act::Type},   {"paste", Act::Paste}, {"undo", Act::Undo}, {"redo", Act::Redo},
        {"copy", Act::Copy}, {"erase", Act::Erase}, {"click", Act::Click}, {"tab", Act::Tab},
    };
    static constexpr std::pair<std::string_view, Look> kLooks[] = {
        {"text", Look::Text},
        {"shown-ends", Look::ShownEnds},
        {"clipboard", Look::Clipboard},
        {"chosen", Look::Chosen},
        {"tooltip-starts", Look::TooltipStarts},
        {"caption", Look::Caption},
        {"name", Look::Name},
        {"role", Look::Role},
        {"description-starts", Look::DescriptionStarts},
        {"focus", Look::Focus},
        {"announced", Look::Announced},
    };
    std::vector<Scenario> scenarios;
    std::istringstream lines{std::string(table)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.starts_with("scenario ")) {
            scenarios.push_back({line.substr(9), {}});
            continue;
        }
        const std::size_t bar = line.find(" | ");
        std::istringstream act_words(line.substr(0, bar));
        std::string act;
        Step step;
        act_words >> act >> step.control >> step.text;
        step.act = word_for(kActs, act);
        if (bar != std::string::npos) {
            const std::string look_part = line.substr(bar + 3);
            const std::size_t equals = look_part.find(" =");
            std::istringstream look_words(look_part.substr(0, equals));
            std::string look;
            look_words >> look >> step.looked_at;
            step.look = word_for(kLooks, look);
            step.expected = unescaped(equals + 3 <= look_part.size() ? look_part.substr(equals + 3) : std::string());
        }
        scenarios.back().steps.push_back(std::move(step));
    }
    return scenarios;
}

inline const std::vector<Scenario>& scenarios()
{
    static const std::vector<Scenario> kScenarios = parsed(
#include "parity_table.inc"
    );
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
    return info.param.name;
}

} // namespace torvanel::parity
