#pragma once

#include "core/announcement_queue.hpp"
#include "core/host.hpp"
#include "core/presentation.hpp"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace torvanel {

// What a view does on its platform when the presenter tells it to. A view only maps:
// every decision (when, what, in which words) is the presenter's.
class ViewSurface {
public:
    virtual ~ViewSurface() = default;

    // Shows a property's value as the model has it now (text, caption, enabled,
    // visible, background).
    virtual void show_property(const Control& control, PropertyName property) = 0;
    // VOLT, OHM or AMPERE shows as chosen or not; raise a state change only when it changes.
    virtual void show_chosen(const Control& button, bool chosen) = 0;
    // A control's tooltip and accessible description, and for a result label its
    // accessible name (the presenter's node has them all), are new.
    virtual void describe(const Control& control) = 0;
    virtual void announce(const std::string& words) = 0;
    virtual void copy_to_clipboard(const std::string& text) = 0;
    // A text box's whole text as the view shows it, typing included.
    virtual std::string shown_text(const TextBox& box) const = 0;
    // Announcements are made only once the window is on the screen.
    virtual bool showing() const = 0;
    // Paints what was shown before the descriptions follow (the result reaches the
    // screen first); a view that paints at once does nothing.
    virtual void paint_now() {}
};

// What assistive technology is told of a control, the same on every platform.
enum class AccessibleRole { PushButton, RadioButton, EditableText, StaticText };
struct AccessibleNode {
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string description; // in words
    std::string tooltip;     // what a pointer resting on it shows, with symbols
    bool checked = false;    // for a radio button
};

// Between the model and a view: watches every change the handlers make, decides what
// the view shows and says of it and when, and takes the view's input (clicks, typing,
// copies). One per window.
class Presenter {
public:
    Presenter(Form& form, Host& host, ViewSurface& surface);
    ~Presenter();
    Presenter(const Presenter&) = delete;
    Presenter& operator=(const Presenter&) = delete;

    // Shows every control as the model has it, with its name and description.
    void show_all();
    // A button was clicked. Its handler's changes are shown when it ends, each once with
    // its final value, the looks before the descriptions and one announcement last.
    void click(const Button& button);
    // The user changed a box's text; the view already shows it.
    void typed(TextBox& box);
    // Something (a message box) is about to cover the window: the changes so far show first.
    void show_now();
    // Ctrl+C with nothing selected: the result shown, or nothing and so said.
    void copy_result();
    // An entry of a result's menu was chosen.
    void menu_chosen(const Presentation::MenuEntry& entry);
    void announce(std::string words);

    AccessibleNode node(const Control& control) const;
    Presentation& presentation() noexcept { return presentation_; }
    const Presentation& presentation() const noexcept { return presentation_; }

private:
    void changed(const Control& control, PropertyName property);
    void apply(const Control& control, PropertyName property);
    // What a change shows, then what is told of it (description, announcement).
    void show_look(const Control& control, PropertyName property);
    void tell(const Control& control, PropertyName property);
    void set_description(const Control& control, ControlDescriptionText description);
    void show_selection();

    Form& form_;
    Host& host_;
    ViewSurface& surface_;
    Presentation presentation_;
    AnnouncementQueue announcements_;
    std::map<const Control*, ControlDescriptionText> descriptions_;
    const TextBox* typing_into_ = nullptr; // its typing is shown already
    bool clicking_ = false;                // a click is being handled
    bool deferring_ = false;               // while its handler runs: changes wait in pending_
    std::vector<std::pair<const Control*, PropertyName>> pending_;
};

} // namespace torvanel
