#include <QApplication>

#include <gtest/gtest.h>

// The windows under test need an application object; the offscreen platform needs no screen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
