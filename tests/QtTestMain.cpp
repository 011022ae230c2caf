#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Every Qt suite runs on this main: the windows and sounds under test need an application object.
int main(int argc, char** argv)
{
    // Whatever a test forgets to redirect lands in Qt's test folders, never in the user's own.
    QStandardPaths::setTestModeEnabled(true);
    // Also when CTest lists the tests: no test needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
