#include "views/web/web_calculator.hpp"

#include "core/caption_fitting.hpp"
#include "core/keys.hpp"
#include "core/unit.hpp"
#include "core/window_description.hpp"
#include "views/web/page_calls.hpp"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace torvanel::web {
namespace {

// #rrggbb, or "" for the platform's usual colour.
std::string css_colour(const std::optional<Colour>& colour)
{
    if (!colour) {
        return {};
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour->red(), colour->green(), colour->blue());
    return text;
}

// A text the page allocated for the program.
std::string taken_from_page(char* text)
{
    std::string taken = text != nullptr ? text : "";
    std::free(text);
    return taken;
}

std::string css_font(const FontDescription& font, double points)
{
    char size[32];
    std::snprintf(size, sizeof size, " %.2fpt ", points);
    return std::to_string(font.weight) + size + "\"" + std::string(font.family) + "\", sans-serif";
}

} // namespace

// A text box's side of the held-text rule: the page's input element through the page.
class WebCalculator::Box final : public TextEditor {
public:
    Box(std::string name, std::function<void()> user_edited, std::function<void()> copy_without_selection)
        : name_(std::move(name)), held_(*this, std::move(user_edited), std::move(copy_without_selection))
    {
    }
    HeldText& held() noexcept { return held_; }

    std::size_t shown_length() const override { return torvanel_page_box_length(name_.c_str()); }
    std::string shown_text() const override { return taken_from_page(torvanel_page_box_text(name_.c_str())); }
    void display(const std::string& text) override { torvanel_page_display(name_.c_str(), text.c_str()); }
    void place_caret_after(std::string_view start) override
    {
        torvanel_page_caret_after(name_.c_str(), std::string(start).c_str());
    }
    std::string with_selection_replaced(std::string_view inserted) const override
    {
        return taken_from_page(torvanel_page_with_selection_replaced(name_.c_str(), std::string(inserted).c_str()));
    }
    bool has_selection() const override { return torvanel_page_has_selection(name_.c_str()); }
    void copy_to_clipboard(const std::string& text) override { torvanel_page_copy(text.c_str()); }

private:
    std::string name_;
    HeldText held_;
};

WebCalculator::WebCalculator(ProgramHandlers handlers, char decimal_separator)
    : host_(form_, handlers, *this, decimal_separator, [] { torvanel_page_end(); }),
      presenter_(form_, host_, *this)
{
    for (Control* each : form_.controls()) {
        if (auto* box = dynamic_cast<TextBox*>(each)) {
            boxes_[box] = std::make_unique<Box>(
                std::string(box->name()), [this, box] { presenter_.typed(*box); },
                [this] { presenter_.copy_result(); });
        }
    }
}

WebCalculator::~WebCalculator() = default;

void WebCalculator::start()
{
    presenter_.show_all();
    host_.raise_load();
    started_ = true;
}

Control* WebCalculator::control(const std::string& name) const
{
    for (Control* each : form_.controls()) {
        if (each->name() == name) {
            return each;
        }
    }
    return nullptr;
}

const Label* WebCalculator::result_label(const std::string& name) const
{
    const auto* label = dynamic_cast<const Label*>(control(name));
    return label != nullptr && label->description().unit != Unit::None ? label : nullptr;
}

void WebCalculator::click(const std::string& name)
{
    if (const auto* button = dynamic_cast<const Button*>(control(name))) {
        presenter_.click(*button);
    }
}

WebCalculator::KeyAnswer WebCalculator::key(const std::string& name, const std::string& key_name,
                                            const std::string& typed, bool ctrl, bool shift, bool alt,
                                            bool keypad_decimal)
{
    static constexpr std::pair<const char*, KeyName> kNames[] = {
        {"Tab", KeyName::Tab},       {"ContextMenu", KeyName::Menu},    {"F10", KeyName::F10},
        {"Insert", KeyName::Insert}, {"Backspace", KeyName::Backspace}, {"Delete", KeyName::Delete}};
    KeyPress key{KeyName::Other, 0, typed, keypad_decimal, ctrl, shift, alt};
    for (const auto& [each, named] : kNames) {
        key.key = key_name == each ? named : key.key;
    }
    if (key_name.size() == 1 && key_name[0] >= 'A' && key_name[0] <= 'Z') {
        key.key = KeyName::Letter;
        key.letter = key_name[0];
    }
    Control* focused = control(name);
    auto* box = dynamic_cast<TextBox*>(focused);
    const Presentation& presentation = presenter_.presentation();
    KeyAnswer answer;
    switch (window_command(key, box != nullptr, presentation.latest_result_label() != nullptr)) {
    case WindowCommand::NextControl:
    case WindowCommand::PreviousControl:
        answer.taken = true;
        answer.focus = presentation.next_in_tab_order(focused, key.shift).name();
        return answer;
    case WindowCommand::CopyResult:
        presenter_.copy_result();
        answer.taken = true;
        return answer;
    case WindowCommand::OpenResultMenu:
        answer.taken = true;
        answer.menu = presentation.latest_result_label()->name();
        return answer;
    case WindowCommand::OpenFocusedMenu:
    case WindowCommand::None:
        break;
    }
    const auto command = box != nullptr ? torvanel::box_command(key) : std::nullopt;
    if (!command || *command == BoxCommand::Paste) {
        return answer; // the page's paste event brings the clipboard's text
    }
    const std::string text = *command == BoxCommand::Type ? typed_text(key, host_.decimal_separator()) : "";
    if (boxes_.at(box)->held().command(*command, text)) {
        answer.taken = true;
    } else if (*command == BoxCommand::Type && text != typed) {
        answer.taken = true;
        answer.insert = text;
    }
    return answer;
}

bool WebCalculator::box_command(const std::string& name, const std::string& command, const std::string& text)
{
    static constexpr std::pair<const char*, BoxCommand> kCommands[] = {
        {"paste", BoxCommand::Paste}, {"undo", BoxCommand::Undo},   {"redo", BoxCommand::Redo},
        {"cut", BoxCommand::Cut},     {"erase", BoxCommand::Erase}, {"copy", BoxCommand::Copy}};
    auto* box = dynamic_cast<TextBox*>(control(name));
    for (const auto& [each, named] : kCommands) {
        if (box != nullptr && command == each) {
            return boxes_.at(box)->held().command(named, text);
        }
    }
    return false;
}

void WebCalculator::edited(const std::string& name)
{
    if (auto* box = dynamic_cast<TextBox*>(control(name))) {
        boxes_.at(box)->held().edited();
    }
}

void WebCalculator::focused(const std::string& name)
{
    if (const Control* focused = control(name)) {
        presenter_.presentation().focus_moved_to(*focused);
    }
}

std::string WebCalculator::focus_to_restore() const
{
    return std::string(presenter_.presentation().focus_to_restore().name());
}

std::vector<WebCalculator::MenuItem> WebCalculator::result_menu(const std::string& name) const
{
    std::vector<MenuItem> items;
    const Label* label = result_label(name);
    for (const auto& entry :
         label != nullptr ? presenter_.presentation().result_menu(*label) : std::vector<Presentation::MenuEntry>()) {
        items.push_back({std::string(entry.words), entry.copies.has_value()});
    }
    return items;
}

void WebCalculator::result_menu_chosen(const std::string& name, int entry)
{
    const Label* label = result_label(name);
    const auto entries =
        label != nullptr ? presenter_.presentation().result_menu(*label) : std::vector<Presentation::MenuEntry>();
    if (entry >= 0 && static_cast<std::size_t>(entry) < entries.size()) {
        presenter_.menu_chosen(entries[static_cast<std::size_t>(entry)]);
    }
}

double WebCalculator::caption_points(const Label& label) const
{
    const ControlDescription& description = label.description();
    const int inner_width = description.geometry.width / kTwipsPerPixel - (description.border ? 2 : 0);
    return fitted_point_size(description, label.Caption.get(), inner_width, [&](double points, std::string_view text) {
        return torvanel_page_measure(css_font(description.font, points).c_str(), std::string(text).c_str());
    });
}

void WebCalculator::show_property(const Control& shown, PropertyName property)
{
    const std::string name(shown.name());
    if (const auto* box = dynamic_cast<const TextBox*>(&shown)) {
        if (property == PropertyName::Text) {
            boxes_.at(box)->held().show_text(box->Text.get());
            return;
        }
        torvanel_page_show(name.c_str(), box->Enabled.get(), box->Visible.get(),
                           text_or_none(css_colour(box->Background.get())), nullptr, nullptr);
    } else if (const auto* label = dynamic_cast<const Label*>(&shown)) {
        const std::string font = shown.description().unit != Unit::None && property == PropertyName::Caption
                                     ? css_font(shown.description().font, caption_points(*label))
                                     : "";
        torvanel_page_show(name.c_str(), -1, -1, text_or_none(css_colour(label->Background.get())),
                           label->Caption.get().c_str(), text_or_none(font));
    }
}

void WebCalculator::show_chosen(const Control& button, bool chosen)
{
    torvanel_page_choose(std::string(button.name()).c_str(), chosen);
}

void WebCalculator::describe(const Control& described)
{
    const AccessibleNode node = presenter_.node(described);
    torvanel_page_describe(std::string(described.name()).c_str(), node.name.c_str(), node.description.c_str(),
                           node.tooltip.c_str());
}

void WebCalculator::announce(const std::string& words)
{
    torvanel_page_announce(words.c_str());
}

void WebCalculator::copy_to_clipboard(const std::string& text)
{
    torvanel_page_copy(text.c_str());
}

std::string WebCalculator::shown_text(const TextBox& box) const
{
    return boxes_.at(&box)->held().full_text();
}

void WebCalculator::report(const HostError& error)
{
    // The page's message is not modal to the program: what changed shows first.
    presenter_.show_now();
    torvanel_page_message(std::string(calculator_window_description().name).c_str(), error.what());
}

} // namespace torvanel::web
