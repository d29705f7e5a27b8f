#include "shell/SystemInfo.h"

#include <QDir>
#include <QStandardPaths>

namespace vemora {

QStringList SystemInfoPrograms()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

QString FindSystemInfoProgram(const QString& searchPath)
{
    const QStringList folders = searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // findExecutable searches the process's own PATH when given no folders.
    if (folders.isEmpty()) return QString();
    for (const QString& program : SystemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program, folders);
        if (!path.isEmpty()) return path;
    }
    return QString();
}

} // namespace vemora
