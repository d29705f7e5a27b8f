// Runs GoogleTest inside a QApplication, so window tests can create widgets.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/AppStyle.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vemora::InstallAppStyle(); // the program's look, as the windows are tested in it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
