#include "core/presenter.hpp"

#include "core/control_words.hpp"

#include <algorithm>

namespace torvanel {

Presenter::Presenter(Form& form, Host& host, ViewSurface& surface)
    : form_(form), host_(host), surface_(surface), presentation_(form, host.decimal_separator())
{
    form_.set_observer([this](const Control& control, PropertyName property) { changed(control, property); });
}

Presenter::~Presenter()
{
    form_.set_observer(nullptr);
}

void Presenter::show_all()
{
    for (const Control* control : form_.controls()) {
        const bool box = control->kind() == ControlKind::TextBox;
        for (PropertyName property : {PropertyName::Text, PropertyName::Caption, PropertyName::Enabled,
                                      PropertyName::Visible, PropertyName::Background}) {
            const bool shown = box ? property != PropertyName::Caption
                                   : control->kind() == ControlKind::Label &&
                                         (property == PropertyName::Caption || property == PropertyName::Background);
            if (shown) {
                apply(*control, property);
            }
        }
        surface_.describe(*control);
    }
    show_selection();
}

void Presenter::changed(const Control& control, PropertyName property)
{
    if (!deferring_) {
        apply(control, property);
    } else if (std::find(pending_.begin(), pending_.end(), std::pair(&control, property)) == pending_.end()) {
        pending_.emplace_back(&control, property);
    }
}

void Presenter::apply(const Control& control, PropertyName property)
{
    show_look(control, property);
    tell(control, property);
}

void Presenter::show_look(const Control& control, PropertyName property)
{
    // The box being typed into shows the typing already.
    if (&control != typing_into_ || property != PropertyName::Text) {
        surface_.show_property(control, property);
    }
    if (property == PropertyName::Enabled) {
        show_selection();
    }
}

void Presenter::tell(const Control& control, PropertyName property)
{
    if (auto description = presentation_.described(control, property)) {
        set_description(control, std::move(*description));
    }
    announce(announcement(form_, control, property, host_.decimal_separator()));
}

void Presenter::show_now()
{
    deferring_ = false;
    const auto pending = std::exchange(pending_, {});
    for (const auto& [control, property] : pending) {
        show_look(*control, property);
    }
    surface_.paint_now();
    for (const auto& [control, property] : pending) {
        tell(*control, property);
    }
}

void Presenter::click(const Button& button)
{
    // A click that arrives while another is handled (through a message box it shows)
    // is not made: the host would not run its handler either.
    if (clicking_) {
        return;
    }
    clicking_ = true;
    deferring_ = true;
    announcements_.hold();
    const auto outcome =
        presentation_.click(host_, button, [this](const TextBox& box) { return surface_.shown_text(box); });
    show_now();
    clicking_ = false;
    if (host_.has_ended()) {
        announcements_.release(); // nothing is said once the program has ended
        return;
    }
    // A button the toolkit checked itself when clicked shows the model's choice again.
    show_selection();
    for (const auto& [box, reading] : outcome.readings) {
        set_description(*box, reading);
    }
    announce(outcome.announcement);
    if (std::string waited = announcements_.release(); !waited.empty() && surface_.showing()) {
        surface_.announce(waited);
    }
}

void Presenter::typed(TextBox& box)
{
    if (typing_into_ != nullptr) {
        return;
    }
    typing_into_ = &box;
    const bool taken = presentation_.hand_over_typing(host_, box, surface_.shown_text(box));
    typing_into_ = nullptr;
    // Taken but not kept (the box is disabled, or a handler runs): the box shows the model's text again.
    if (taken && box.Text.get() != surface_.shown_text(box)) {
        surface_.show_property(box, PropertyName::Text);
    }
}

void Presenter::copy_result()
{
    const auto copy = presentation_.copy_result();
    if (copy.text) {
        surface_.copy_to_clipboard(*copy.text);
    }
    announce(copy.announcement);
}

void Presenter::menu_chosen(const Presentation::MenuEntry& entry)
{
    if (entry.copies) {
        surface_.copy_to_clipboard(*entry.copies);
        announce(entry.announcement);
    }
}

void Presenter::announce(std::string words)
{
    if (words.empty() || !surface_.showing()) {
        return;
    }
    if (std::string now = announcements_.add(std::move(words)); !now.empty()) {
        surface_.announce(now);
    }
}

void Presenter::set_description(const Control& control, ControlDescriptionText description)
{
    descriptions_[&control] = std::move(description);
    surface_.describe(control);
}

void Presenter::show_selection()
{
    for (const Control* button : {&form_.VOLT, &form_.OHM, &form_.AMPERE}) {
        surface_.show_chosen(*button, presentation_.shows_chosen(*button));
    }
}

AccessibleNode Presenter::node(const Control& control) const
{
    const ControlDescription& description = control.description();
    AccessibleNode node;
    node.name = presentation_.accessible_name(control);
    if (const auto found = descriptions_.find(&control); found != descriptions_.end()) {
        node.description = found->second.accessible;
        node.tooltip = found->second.tooltip;
    }
    switch (control.kind()) {
    case ControlKind::Button:
        node.description = control_purpose(description);
        node.role = description.unit != Unit::None ? AccessibleRole::RadioButton : AccessibleRole::PushButton;
        node.checked = presentation_.shows_chosen(control);
        break;
    case ControlKind::TextBox:
        node.role = AccessibleRole::EditableText;
        break;
    case ControlKind::Label:
        node.role = AccessibleRole::StaticText;
        break;
    }
    return node;
}

} // namespace torvanel
