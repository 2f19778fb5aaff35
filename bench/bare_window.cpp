// The floor for the start-up benchmark: a plain Qt Widgets window with the same
// eighteen widgets, captions, fonts and places as the calculator, and nothing else
// but a CALCOLO click that puts "6" into VoltOutput, as a plain Qt program would.
#include "core/window_description.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const torvanel::WindowDescription& description = torvanel::calculator_window_description();
    QWidget window;
    QPushButton* calcolo = nullptr;
    QLabel* volt_output = nullptr;
    window.setWindowTitle(QString::fromUtf8(description.title.data(), description.title.size()));
    window.resize(description.client_width_twips / 15, description.client_height_twips / 15);
    for (const torvanel::ControlDescription& control : description.controls) {
        const QString text = QString::fromUtf8(control.caption_or_text.data(), control.caption_or_text.size());
        QWidget* widget = nullptr;
        switch (control.kind) {
        case torvanel::ControlKind::Button:
            widget = new QPushButton(text, &window);
            break;
        case torvanel::ControlKind::Label:
            widget = new QLabel(text, &window);
            break;
        case torvanel::ControlKind::TextBox:
            if (control.multi_line) {
                widget = new QPlainTextEdit(text, &window);
            } else {
                widget = new QLineEdit(text, &window);
            }
            break;
        }
        QFont font(QString::fromUtf8(control.font.family.data(), control.font.family.size()));
        font.setPointSizeF(control.font.point_size);
        font.setBold(control.font.weight >= 700);
        widget->setFont(font);
        widget->setGeometry(control.geometry.left / 15, control.geometry.top / 15, control.geometry.width / 15,
                            control.geometry.height / 15);
        widget->setVisible(control.visible);
        if (control.name == "CALCOLO") {
            calcolo = static_cast<QPushButton*>(widget);
        } else if (control.name == "VoltOutput") {
            volt_output = static_cast<QLabel*>(widget);
        }
    }
    if (calcolo != nullptr && volt_output != nullptr) {
        QObject::connect(calcolo, &QPushButton::clicked, volt_output, [volt_output] { volt_output->setText("6"); });
    }
    window.show();
    return QApplication::exec();
}
