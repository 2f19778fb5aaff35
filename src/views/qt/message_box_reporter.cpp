#include "views/qt/message_box_reporter.hpp"

#include "core/window_description.hpp"
#include "views/qt/qt_conversions.hpp"

#include <QMessageBox>

namespace torvanel {

void MessageBoxReporter::report(const HostError& error)
{
    QMessageBox box(QMessageBox::Warning, to_qstring(calculator_window_description().name),
                    QString::fromUtf8(error.what()), QMessageBox::Ok, parent_);
    // The message quotes what the user typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace torvanel
