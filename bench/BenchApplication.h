// The one Qt application of the benchmark run: widgets and fonts need it,
// and the benchmarks run headless.
#pragma once

#include <QApplication>

namespace vemora::bench {

inline void ensureApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vemora_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace vemora::bench
