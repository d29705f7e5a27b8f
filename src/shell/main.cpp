// The program's start: the agreement dialog, and from it the splash and the
// main window.
#include <QApplication>

#include "shell/Pictures.h"
#include "shell/Startup.h"
#include "shell/Workspace.h"
#include "shell/frmAgree.h"

int main(int argc, char** argv)
{
    // The workspace outlives the application and every window that uses it.
    vemora::Workspace ws;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemora"));
    QApplication::setApplicationVersion(vemora::VersionNumber());
    QApplication::setWindowIcon(vemora::ProgramIcon());

    auto* agree = new vemora::frmAgree(ws);
    agree->setAttribute(Qt::WA_DeleteOnClose);
    agree->show();
    const int result = QApplication::exec();
    // Windows closed on the way out are deleted while the application stands.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
