#include "shell/Pictures.h"

// The pictures live in a resource file compiled into a static library, so it
// must be registered by hand before the first use.
static void registerShellPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    (void)registered;
}

namespace vemora {

QPixmap ShellPicture(const QString& name)
{
    registerShellPictures();
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

QIcon ProgramIcon()
{
    registerShellPictures();
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/vemora32.png"));
    icon.addFile(QStringLiteral(":/images/vemora64.png"));
    return icon;
}

} // namespace vemora
