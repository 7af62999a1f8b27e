// The widget suites need one application object for the whole process.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Also when the suite is only listed, at build time, with no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
