#include "window/qt/message_box_reporter.hpp"

#include "window/window_description.hpp"

#include <QMessageBox>

namespace torvanel {

void MessageBoxReporter::report(const HostError& error)
{
    const std::string_view title = calculator_window_description().name;
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(error.what()), QMessageBox::Ok, parent_);
    // The message quotes what the user typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace torvanel
