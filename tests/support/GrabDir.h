// Where a test leaves copies of what it printed, for looking at, when
// $VEMORA_GRAB_DIR names a folder (else the fallback); made when missing.
#pragma once

#include <QDir>
#include <QString>

namespace vemora::test {

inline QString GrabDir(const QString& fallback)
{
    const QString dir = qEnvironmentVariableIsSet("VEMORA_GRAB_DIR")
                            ? qEnvironmentVariable("VEMORA_GRAB_DIR")
                            : fallback;
    QDir().mkpath(dir);
    return dir;
}

} // namespace vemora::test
