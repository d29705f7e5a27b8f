// grab OUT_DIR [--gtest_filter=Results.*]: renders the windows, dialogs and
// printed pages offscreen, set up as the tests set them up, into PNG and PDF
// files under OUT_DIR (one folder for each group: calibration, converter,
// dialogs, import, input, reports, results), for a developer to look at.
// Nothing is compared: a grab fails only when its set-up does (a project
// that does not analyse). Each grab is a case of the tests' fixtures, run by
// GoogleTest; --gtest_list_tests lists them. Exit status 0 when every grab
// ran, 1 when one failed, 2 for bad arguments.
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <iostream>

#include "GrabFolder.h"
#include "platform/AppStyle.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vemora::InstallAppStyle(); // the program's look, as the windows are tested in it
    ::testing::InitGoogleTest(&argc, argv);
    const bool listing = ::testing::GTEST_FLAG(list_tests);
    if (argc != 2 && !listing) {
        std::cerr << "usage: grab OUT_DIR [--gtest_filter=Results.*]\n";
        return 2;
    }
    const QString root =
        argc == 2 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() : QString();
    vemora::test::SetGrabRoot(root);
    const int failed = RUN_ALL_TESTS();
    if (!listing) std::cout << "grab: files under " << root.toStdString() << "\n";
    return failed ? 1 : 0;
}
