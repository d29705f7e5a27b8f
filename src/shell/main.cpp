#include <QApplication>

#include "shell/MDIProject.h"
#include "shell/Workspace.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vemora::Workspace ws;
    vemora::MDIProject window(ws);
    window.show();
    return app.exec();
}
