#pragma once

#include "core/control_model.hpp"
#include "core/host.hpp"
#include "core/worked_calculation.hpp"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvanel {

// What a control tells beside what it shows: its tooltip, with symbols, and its
// accessible description, in words.
struct ControlDescriptionText {
    std::string tooltip;
    std::string accessible;
};

// Everything the window says about its controls beyond their properties, the same in
// every view: the descriptions after a change, the read-back after CALCOLO, which
// selection button shows as chosen, the result's menu and what Ctrl+C copies. One per
// window; it remembers how the result shown came about.
class Presentation {
public:
    Presentation(const Form& form, char decimal_separator) : form_(form), separator_(decimal_separator) {}

    // The new description of a control whose property the window has just shown;
    // none when that change leaves it as it was.
    std::optional<ControlDescriptionText> described(const Control& control, PropertyName property);

    // After CALCOLO: each known entry box with how its text was read.
    std::vector<std::pair<const TextBox*, ControlDescriptionText>> readings() const;

    // What assistive technology calls a control now: a result label by its quantity,
    // column and result in words ("Tensione V (volt), risultati: 9,4 volt").
    std::string accessible_name(const Control& control) const;

    // VOLT, OHM and AMPERE: the one whose quantity is the unknown shows as chosen.
    bool shows_chosen(const Control& button) const;

    // A result label's menu: the words of each entry, what it copies (none: greyed) and
    // what a screen reader hears once it did.
    struct MenuEntry {
        std::string_view words;
        std::optional<std::string> copies;
        std::string announcement;
    };
    std::vector<MenuEntry> result_menu(const Control& label) const;
    // The result label shown now, whose menu the keyboard opens; null when none.
    const Control* latest_result_label() const;

    // Ctrl+C with nothing selected: the result shown (none when there is none: the
    // clipboard keeps what it has), and what a screen reader hears.
    struct Copy {
        std::optional<std::string> text;
        std::string announcement;
    };
    Copy copy_result() const;

    // The focus never stays on the bare window: the view tells where it went, and when
    // the window is active again (after a message box, or another window) it goes back
    // to that control, or the next one in the tab order that can take it now.
    void focus_moved_to(const Control& control) { focused_ = &control; }
    const Control& focus_to_restore() const;
    // Where Tab (or Shift+Tab) takes the focus from a control: the next in the tab order
    // that can take it now; labels never, a disabled or hidden box not.
    const Control& next_in_tab_order(const Control* from, bool backwards) const;

    // A click the window hands over: the host runs the button's handler. Back come how
    // each known box was read, after CALCOLO, and what a screen reader hears of a change
    // that shows nothing new: CALCOLO without a result although every known box read,
    // which operand is zero; a selection that emptied boxes, so. Nothing once the
    // program has ended.
    // A click never works on a text other than the one shown: typing the model could not
    // take is handed over first (shown_text: a box's text as the window shows it), and
    // when it still cannot, the click is not made (clicked false).
    struct ClickOutcome {
        bool clicked = false;
        std::vector<std::pair<const TextBox*, ControlDescriptionText>> readings;
        std::string announcement;
    };
    using ShownText = std::function<std::string(const TextBox&)>;
    ClickOutcome click(Host& host, const Button& button, const ShownText& shown_text);

    // Typing the window hands over. When the model cannot take it (its copy of a huge
    // text may not fit in memory), the failure is reported, the box keeps what was typed,
    // and the text is handed over again before the next click. True when taken.
    bool hand_over_typing(Host& host, TextBox& box, std::string text);

private:
    void before_click();
    std::string after_click(const Control& button) const;
    // The first control from `from` on (first_step 0: from itself) that can take the focus.
    const Control& next_in_tab_order(const Control* from, bool backwards, std::size_t first_step) const;

    const Form& form_;
    char separator_;
    // What "Copia il calcolo" copies: the boxes may be typed into after the result.
    std::optional<WorkedCalculation> shown_calculation_;
    bool boxes_had_text_ = false; // before the click being handled
    const Control* focused_ = nullptr;
    std::vector<TextBox*> refused_typing_; // boxes whose shown text the model could not take
};

} // namespace torvanel
