// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The game reads the desktop's language; the suites read English whatever the developer's desktop
    // speaks, unless a suite names another language for its whole run.
    const QByteArray language = qgetenv("GLIM_TEST_LANGUAGE");
    qputenv("LANGUAGE", language.isEmpty() ? QByteArray("en") : language);
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0);  // text cursors hold still in the approved pictures
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
