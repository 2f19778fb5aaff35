#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Qt's offscreen platform needs no display. TORVANEL_GUI_TEST_PLATFORM=wayland runs the
    // same tests against a real compositor; a desktop's own QT_QPA_PLATFORM never leaks in.
    const QByteArray platform = qgetenv("TORVANEL_GUI_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
