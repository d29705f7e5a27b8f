// Where the disabled grab tests put the pictures they render for looking
// at: $VEMORA_GRAB_DIR, or the test's own folder; made when missing.
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
