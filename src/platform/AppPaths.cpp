#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace vemora {

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString appPath()
{
    QString dir = overridePath();
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && (dir.endsWith('/') || dir.endsWith('\\')))
        dir.chop(1);
    return dir;
}

void setAppPath(const QString& dir)
{
    overridePath() = dir;
}

QString projectsPath()
{
    return appPath() + "/Projects/";
}

QString guideFile()
{
    return appPath() + "/Guide/Step-by-step LCCA guide.pdf";
}

QString helpPath()
{
    return appPath() + "/Help";
}

QString helpTopicFile(int topic)
{
    return helpPath() + "/" + QString::number(topic) + ".html";
}

} // namespace vemora
