#include "views/qt/widget_factory.hpp"

#include "core/value_descriptions.hpp"
#include "views/qt/accessible_roles.hpp"
#include "views/qt/entry_box.hpp"
#include "views/qt/help_box.hpp"
#include "views/qt/qt_conversions.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <string_view>
#include <utility>

namespace torvanel {
namespace {

QFont font_of(const FontDescription& description)
{
    QFont font(to_qstring(description.family));
    font.setPointSizeF(description.point_size);
    font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
    // The window's texts are Latin and need no shaping. Skipping it makes painting a
    // pasted text of megabytes about twice as fast; using it for every control keeps
    // one font engine for each family and size.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// A push button that, checkable, is one choice of three: pressed again, the chosen one
// stays chosen without a round of unchecked and checked, which a screen reader would
// say twice. The model decides which one is chosen.
class ChoiceButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void nextCheckState() override
    {
        if (!isChecked()) {
            setChecked(true);
        }
    }
};

QWidget* create_button(const Control& control, QWidget* parent)
{
    const auto& button = static_cast<const Button&>(control);
    // VOLT, OHM and AMPERE show which quantity is the unknown one by more than colour:
    // checked, they look pressed and are the chosen radio button for assistive
    // technology (marked before anything asks the button for its accessible side).
    const bool choice = button.description().unit != Unit::None;
    auto* widget = choice ? new ChoiceButton(parent) : new QPushButton(parent);
    widget->setCheckable(choice);
    widget->setProperty(kChoiceProperty, widget->isCheckable());
    widget->setText(to_qstring(button.caption()));
    return widget;
}

QWidget* create_text_box(const Control& control, char decimal_separator, QWidget* parent)
{
    const ControlDescription& description = control.description();
    QWidget* widget = description.multi_line ? static_cast<QWidget*>(new HelpBox(decimal_separator, parent))
                                             : new EntryBox(decimal_separator, parent);
    QPalette palette;
    if (description.text_colour) {
        palette.setColor(QPalette::Text, qcolor_of(*description.text_colour));
    }
    widget->setPalette(palette);
    return widget;
}

QWidget* create_label(const Control& control, QWidget* parent)
{
    const ControlDescription& description = control.description();
    auto* widget = new QLabel(parent);
    widget->setTextFormat(Qt::PlainText);
    widget->setAutoFillBackground(true);
    widget->setAlignment((description.alignment == CaptionAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                         Qt::AlignVCenter);
    if (description.border) {
        widget->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    if (description.text_colour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, qcolor_of(*description.text_colour));
        widget->setPalette(palette);
    }
    if (description.unit != Unit::None) {
        // Marked before anything asks the label for its accessible side.
        widget->setProperty(kResultProperty, true);
        // The unit, drawn after the number (placed as the caption is shown).
        auto* unit_symbol_label = new QLabel(to_qstring(unit_symbol(description.unit)), widget);
        unit_symbol_label->setTextFormat(Qt::PlainText);
        unit_symbol_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        unit_symbol_label->hide();
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    return widget;
}

} // namespace

QWidget* create_control_widget(const Control& control, char decimal_separator, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Button:
        widget = create_button(control, parent);
        break;
    case ControlKind::TextBox:
        widget = create_text_box(control, decimal_separator, parent);
        break;
    case ControlKind::Label:
        widget = create_label(control, parent);
        break;
    }
    const ControlDescription& description = control.description();
    widget->setObjectName(to_qstring(description.name));
    widget->setFont(font_of(description.font));
    const TwipRect& g = description.geometry;
    widget->setGeometry(g.left / kTwipsPerPixel, g.top / kTwipsPerPixel, g.width / kTwipsPerPixel,
                        g.height / kTwipsPerPixel);
    return widget;
}

} // namespace torvanel
