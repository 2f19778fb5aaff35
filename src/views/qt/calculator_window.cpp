#include "views/qt/calculator_window.hpp"

#include "core/control_words.hpp"
#include "core/value_descriptions.hpp"
#include "views/qt/accessible_roles.hpp"
#include "views/qt/focus_ring.hpp"
#include "views/qt/held_text_box.hpp"
#include "views/qt/key_press.hpp"
#include "views/qt/qt_conversions.hpp"
#include "views/qt/widget_factory.hpp"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace torvanel {
namespace {

// The model keeps the help text's CR LF line ends; the widget shows plain line breaks.
std::string with_line_ends(const std::string& text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0;;) {
        const std::size_t found = text.find(from, at);
        result.append(text, at, found == std::string::npos ? std::string::npos : found - at);
        if (found == std::string::npos) {
            return result;
        }
        result += to;
        at = found + from.size();
    }
}

void set_background(QWidget* widget, QPalette::ColorRole role, const std::optional<Colour>& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour ? qcolor_of(*colour) : QPalette().color(role));
    widget->setPalette(palette);
}

} // namespace

CalculatorWindow::CalculatorWindow(Form& form, Host& host)
    : host_(host), screen_reader_(*this), presenter_(form, host, *this)
{
    install_accessible_roles();
    const WindowDescription& description = calculator_window_description();
    setObjectName(to_qstring(description.name));
    setWindowTitle(to_qstring(description.title));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qcolor_of(description.background));
    setPalette(palette);
    const QSize client(description.client_width_twips / kTwipsPerPixel,
                       description.client_height_twips / kTwipsPerPixel);
    resize(client);
    setMinimumSize(client);

    for (Control* control : form.controls()) {
        QWidget* widget = create_control_widget(*control, host_.decimal_separator(), this);
        widgets_.emplace_back(control, widget);
        connect_events(*control, widget);
        if (control->kind() == ControlKind::Label && control->description().unit != Unit::None) {
            connect(widget, &QWidget::customContextMenuRequested, this,
                    [this, control, widget](QPoint at) { show_result_menu(*control, widget->mapToGlobal(at), false); });
        }
    }
    presenter_.show_all();
    new FocusRing(*this);
    // The help box lies above the boxes it covers.
    widget_of(form.TESTO)->raise();
    for (const auto& [control, widget] : widgets_) {
        widget->setFocusPolicy(control->kind() == ControlKind::Label ? Qt::NoFocus : Qt::StrongFocus);
    }
    widget_of(presenter_.presentation().next_in_tab_order(nullptr, false))->setFocus(Qt::OtherFocusReason);
    // The window's keys reach it before any control's.
    qApp->installEventFilter(this);
    focus_tracking_ = connect(qApp, &QApplication::focusChanged, this, [this] {
        if (const Control* focused = focused_control()) {
            presenter_.presentation().focus_moved_to(*focused);
        }
    });
}

CalculatorWindow::~CalculatorWindow()
{
    // Closing the window moves the focus once more, after this part of it is gone.
    disconnect(focus_tracking_);
    qApp->removeEventFilter(this);
}

QWidget* CalculatorWindow::widget_of(const Control& control) const
{
    const auto found = std::find_if(widgets_.begin(), widgets_.end(),
                                    [&control](const auto& entry) { return entry.first == &control; });
    return found == widgets_.end() ? nullptr : found->second;
}

const Control* CalculatorWindow::focused_control() const
{
    const QWidget* focused = QApplication::focusWidget();
    const auto found = std::find_if(widgets_.begin(), widgets_.end(),
                                    [focused](const auto& entry) { return entry.second == focused; });
    return found == widgets_.end() ? nullptr : found->first;
}

void CalculatorWindow::connect_events(Control& control, QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const auto& model = static_cast<const Button&>(control);
        connect(button, &QPushButton::clicked, this, [this, &model] { presenter_.click(model); });
    } else if (auto* text_box = dynamic_cast<HeldTextBox*>(widget)) {
        auto& box = static_cast<TextBox&>(control);
        text_box->on_user_edit([this, &box] { presenter_.typed(box); });
        text_box->on_copy_without_selection([this] { presenter_.copy_result(); });
    }
}

std::string CalculatorWindow::shown_text(const TextBox& box) const
{
    std::string shown = dynamic_cast<const HeldTextBox&>(*widget_of(box)).full_text();
    return box.description().multi_line ? with_line_ends(shown, "\n", "\r\n") : shown;
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return take_key(*static_cast<QKeyEvent*>(event));
    }
    // A button repaints itself released before it emits clicked, and the first paint
    // of that look takes longer than the whole calculation: the click's result is
    // painted first, the released button right after it (about 0.4 ms of the click).
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button != nullptr && event->type() == QEvent::MouseButtonRelease && button->isDown() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        button->setUpdatesEnabled(false);
        QMetaObject::invokeMethod(
            button, [button] { button->setUpdatesEnabled(true); }, Qt::QueuedConnection);
    }
    return false;
}

bool CalculatorWindow::take_key(const QKeyEvent& event)
{
    const Control* focused = focused_control();
    const Presentation& presentation = presenter_.presentation();
    const WindowCommand command =
        window_command(key_press_of(event), focused != nullptr && focused->kind() == ControlKind::TextBox,
                       presentation.latest_result_label() != nullptr);
    switch (command) {
    case WindowCommand::NextControl:
    case WindowCommand::PreviousControl:
        return focusNextPrevChild(command == WindowCommand::NextControl);
    case WindowCommand::CopyResult:
        presenter_.copy_result();
        return true;
    case WindowCommand::OpenResultMenu:
    case WindowCommand::OpenFocusedMenu:
        open_menu(command);
        return true;
    case WindowCommand::None:
        break;
    }
    return false;
}

bool CalculatorWindow::focusNextPrevChild(bool next)
{
    // Also where Qt moves the focus away from a box that is disabled or hidden: then the
    // next box in the tab order may be one the same click enables a moment later, so
    // the widget must take the focus now.
    const Presentation& presentation = presenter_.presentation();
    const Control* from = focused_control();
    for (std::size_t step = 0; step < widgets_.size(); ++step) {
        from = &presentation.next_in_tab_order(from, !next);
        if (QWidget* to = widget_of(*from); to != nullptr && to->isEnabled() && to->isVisible()) {
            to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool CalculatorWindow::event(QEvent* event)
{
    // A message box about to open over the window: the window shows the state it reports on.
    if (event->type() == QEvent::WindowBlocked) {
        presenter_.show_now();
    }
    // Active again: the focus is on a control, never on the bare window.
    if (event->type() == QEvent::WindowActivate && focused_control() == nullptr) {
        widget_of(presenter_.presentation().focus_to_restore())->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(event);
}

void CalculatorWindow::paint_now()
{
    // The window's pending repaint, now rather than after the descriptions: measured
    // at about 0.5 ms of a click's 1 ms to the result on the screen.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

void CalculatorWindow::show_property(const Control& control, PropertyName property)
{
    QWidget* widget = widget_of(control);
    if (widget == nullptr) {
        return;
    }
    if (const auto* box = dynamic_cast<const TextBox*>(&control)) {
        switch (property) {
        case PropertyName::Text: {
            const std::string& text = box->Text.get();
            dynamic_cast<HeldTextBox&>(*widget).show_text(
                box->description().multi_line ? with_line_ends(text, "\r\n", "\n") : text);
            break;
        }
        case PropertyName::Enabled:
            widget->setEnabled(box->Enabled);
            break;
        case PropertyName::Visible:
            widget->setVisible(box->Visible);
            break;
        case PropertyName::Background:
            set_background(widget, QPalette::Base, box->Background);
            break;
        case PropertyName::Caption:
            break;
        }
    } else if (const auto* label = dynamic_cast<const Label*>(&control)) {
        auto* label_widget = static_cast<QLabel*>(widget);
        if (property == PropertyName::Caption) {
            label_widget->setText(to_qstring(label->Caption.get()));
            if (control.description().unit != Unit::None) {
                fit_caption(*label_widget, control.description());
            }
        } else if (property == PropertyName::Background) {
            set_background(widget, QPalette::Window, label->Background);
        }
    }
}

void CalculatorWindow::describe(const Control& control)
{
    QWidget* widget = widget_of(control);
    if (widget == nullptr) {
        return;
    }
    const AccessibleNode node = presenter_.node(control);
    widget->setToolTip(to_qstring(node.tooltip));
    widget->setAccessibleDescription(to_qstring(node.description));
    if (control.kind() != ControlKind::Label || !node.name.empty()) {
        widget->setAccessibleName(to_qstring(node.name));
    }
}

void CalculatorWindow::announce(const std::string& words)
{
    screen_reader_.announce(to_qstring(words));
}

void CalculatorWindow::copy_to_clipboard(const std::string& text)
{
    QApplication::clipboard()->setText(to_qstring(text));
}

void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    host_.window_closed();
    event->accept();
}

} // namespace torvanel
