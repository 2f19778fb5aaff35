#pragma once

#include "core/colour.hpp"
#include "core/window_description.hpp"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace torvanel {

class Control;

enum class PropertyName { Text, Caption, Enabled, Visible, Background };

// Called after a property changed its value; the view uses it to redraw, tests to
// record the order in which handlers touch the controls.
using ChangeObserver = std::function<void(const Control&, PropertyName)>;

class ChangeNotifier {
public:
    void set_observer(ChangeObserver observer) { observer_ = std::move(observer); }
    void notify(const Control& control, PropertyName property) const
    {
        if (observer_) {
            observer_(control, property);
        }
    }

private:
    ChangeObserver observer_;
};

// One property of a control. Assigning a new value notifies the observer; reading
// goes through get() or the implicit conversion.
template <typename T>
class Property {
public:
    Property(const Control& owner, const ChangeNotifier& notifier, PropertyName name, T initial)
        : owner_(owner), notifier_(notifier), name_(name), value_(std::move(initial))
    {
    }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    Property& operator=(T value)
    {
        if (!(value_ == value)) {
            value_ = std::move(value);
            notifier_.notify(owner_, name_);
        }
        return *this;
    }

    const T& get() const noexcept { return value_; }
    operator const T&() const noexcept { return value_; }

private:
    const Control& owner_;
    const ChangeNotifier& notifier_;
    PropertyName name_;
    T value_;
};

class Control {
public:
    explicit Control(const ControlDescription& description) : description_(description) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    std::string_view name() const noexcept { return description_.name; }
    ControlKind kind() const noexcept { return description_.kind; }
    const ControlDescription& description() const noexcept { return description_; }

private:
    const ControlDescription& description_;
};

class Button final : public Control {
public:
    explicit Button(std::string_view name) : Control(control_description(name)) {}
    std::string_view caption() const noexcept { return description().caption_or_text; }
};

class TextBox final : public Control {
public:
    TextBox(const ChangeNotifier& notifier, std::string_view name);

    Property<std::string> Text;
    Property<bool> Enabled;
    Property<bool> Visible;
    Property<std::optional<Colour>> Background;
};

class Label final : public Control {
public:
    Label(const ChangeNotifier& notifier, std::string_view name);

    Property<std::string> Caption;
    Property<std::optional<Colour>> Background;
};

// The window TORVANEL: its eighteen controls under their own names. This is the
// one copy of the program's state.
class Form {
public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void set_observer(ChangeObserver observer) { notifier_.set_observer(std::move(observer)); }

    // All controls in the order of the window description.
    const std::array<Control*, 18>& controls() const noexcept { return controls_; }

private:
    ChangeNotifier notifier_;

public:
    Button VOLT{"VOLT"};
    Button OHM{"OHM"};
    Button AMPERE{"AMPERE"};
    Button CALCOLO{"CALCOLO"};
    Button HELP{"HELP"};
    Button exithelp{"exithelp"};
    Button Fine{"Fine"};
    Label Label1{notifier_, "Label1"};
    Label Label2{notifier_, "Label2"};
    TextBox VoltInput{notifier_, "VoltInput"};
    TextBox OhmInput{notifier_, "OhmInput"};
    TextBox AmpereInput{notifier_, "AmpereInput"};
    Label VoltOutput{notifier_, "VoltOutput"};
    Label OhmOutput{notifier_, "OhmOutput"};
    Label AmpereOutput{notifier_, "AmpereOutput"};
    Label LABEL{notifier_, "LABEL"};
    Label Formula{notifier_, "Formula"};
    TextBox TESTO{notifier_, "TESTO"};

private:
    std::array<Control*, 18> controls_;
};

} // namespace torvanel
