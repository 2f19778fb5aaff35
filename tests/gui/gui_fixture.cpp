#include "gui/gui_fixture.hpp"

#include "app/event_bindings.hpp"
#include "views/qt/locale_separator.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace torvanel::testing {

ModalWatchdog::ModalWatchdog()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start(2);
}

void ModalWatchdog::check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || (expected_ == 0 && !answer_all_)) {
        ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString() << " "
                      << (box != nullptr ? box->text().toStdString() : std::string());
        modal->close();
        return;
    }
    if (expected_ > 0) {
        --expected_;
    }
    answered_texts << box->text();
    answered_titles << box->windowTitle();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box->close();
    }
}

void GuiTest::SetUp()
{
    restart();
    watchdog = std::make_unique<ModalWatchdog>();
}

void GuiTest::restart()
{
    calculator.reset();
    QLocale::setDefault(locale());
    calculator = std::make_unique<Calculator>(calculator_handlers(), decimal_separator_of(QLocale()));
    calculator->start();
    CalculatorWindow& window = calculator->window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // On Wayland the compositor, not the program, activates a new window, and Qt learns of
    // it only after the window is exposed.
    ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

void GuiTest::TearDown()
{
    EXPECT_EQ(watchdog->still_expected(), 0) << "an expected message box never appeared";
    watchdog.reset();
    calculator.reset();
    QLocale::setDefault(QLocale::c());
}

QWidget* GuiTest::widget(const char* name) const
{
    auto* found = calculator->window().findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void GuiTest::click(const char* name)
{
    QTest::mouseClick(widget(name), Qt::LeftButton);
}

void GuiTest::type_into(const char* name, const QString& text)
{
    QWidget* box = widget(name);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QColor GuiTest::seen_colour(const char* name) const
{
    QWidget* w = widget(name);
    const QImage image = w->grab().toImage();
    // Near the right edge, inside any frame, clear of centred or left-aligned text.
    return image.pixelColor(image.width() - 5, image.height() / 2);
}

QString GuiTest::focused_name() const
{
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QStringLiteral("(none)");
}

} // namespace torvanel::testing
