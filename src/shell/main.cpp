// The program's start: the agreement dialog, and from it the splash and the
// main window.
#include <QApplication>

#include "app/AppContext.h"
#include "files/FileIo.h"
#include "platform/AppStyle.h"
#include "platform/QtUi.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"
#include "shell/frmAgree.h"

int main(int argc, char** argv)
{
    vemora::IgnoreFileSizeSignal();
    // The context and its services outlive the application and every window
    // that uses them.
    const vemora::AppPaths paths;
    vemora::QtUi ui(paths);
    vemora::AppContext ctx(ui, paths);
    QApplication app(argc, argv);
    vemora::InstallAppStyle();
    QApplication::setApplicationName(QStringLiteral("Vemora"));
    QApplication::setApplicationVersion(vemora::VersionNumber());
    QApplication::setWindowIcon(vemora::ProgramIcon());

    auto* agree = new vemora::frmAgree(ctx);
    agree->setAttribute(Qt::WA_DeleteOnClose);
    agree->show();
    const int result = QApplication::exec();
    // Windows closed on the way out are deleted while the application stands.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
