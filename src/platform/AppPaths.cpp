#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace vemora {

QString AppPaths::appPath() const
{
    QString dir = appDir_;
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && (dir.endsWith('/') || dir.endsWith('\\')))
        dir.chop(1);
    return dir;
}

QString AppPaths::projectsPath() const
{
    return appPath() + "/Projects/";
}

QString AppPaths::guideFile() const
{
    return appPath() + "/Guide/Step-by-step LCCA guide.pdf";
}

QString AppPaths::helpPath() const
{
    return appPath() + "/Help";
}

QString AppPaths::helpTopicFile(int topic) const
{
    return helpPath() + "/" + QString::number(topic) + ".html";
}

} // namespace vemora
