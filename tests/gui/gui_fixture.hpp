#pragma once

#include "views/qt/calculator.hpp"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace torvanel::testing {

// Answers message boxes the test expects and fails the test on any other modal
// dialog, so a stray dialog never blocks the run.
class ModalWatchdog : public QObject {
    Q_OBJECT

public:
    ModalWatchdog();
    void expect_message_box() { ++expected_; }
    // Answer every message box without failing the test (for random use).
    void answer_all() { answer_all_ = true; }
    int still_expected() const { return expected_; }
    QStringList answered_texts;
    QStringList answered_titles;

private:
    void check();
    QTimer timer_;
    int expected_ = 0;
    bool answer_all_ = false;
};

// A fresh calculator window for every test, started and shown offscreen.
class GuiTest : public ::testing::Test {
protected:
    // The user's locale for this test; the window takes its decimal separator from it.
    virtual QLocale locale() const { return QLocale::c(); }
    void SetUp() override;
    void TearDown() override;
    // A new program in place of the current one, as if started again.
    void restart();

    QWidget* widget(const char* name) const;
    template <typename W>
    W* widget_as(const char* name) const
    {
        return qobject_cast<W*>(widget(name));
    }
    // A left click in the middle of the named control.
    void click(const char* name);
    // A click into the box, select all, then the text typed key by key.
    void type_into(const char* name, const QString& text);
    // The background colour a person sees in the named control.
    QColor seen_colour(const char* name) const;
    QString focused_name() const;

    std::unique_ptr<Calculator> calculator;
    std::unique_ptr<ModalWatchdog> watchdog;
};

} // namespace torvanel::testing
