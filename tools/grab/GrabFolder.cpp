#include "GrabFolder.h"

#include <QDir>

namespace vemora::test {

namespace {

QString& Root()
{
    static QString root;
    return root;
}

} // namespace

void SetGrabRoot(const QString& root)
{
    Root() = root;
}

QString GrabFolder(const QString& group)
{
    const QString dir = QDir(Root()).filePath(group);
    QDir().mkpath(dir);
    return dir;
}

} // namespace vemora::test
