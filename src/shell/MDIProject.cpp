#include "shell/MDIProject.h"

#include <QStatusBar>

#include "input/frmLCC.h"
#include "shell/Workspace.h"

namespace vemora {

MDIProject::MDIProject(Workspace& workspace, QWidget* parent) : QMainWindow(parent), ws(workspace)
{
    mdiArea = new QMdiArea(this);
    setCentralWidget(mdiArea);
    lblSystem = new QLabel(this);
    lblProgessBar = new QLabel(QStringLiteral("Opening project"), this);
    lblProgessBar->hide();
    proProgressBar = new QProgressBar(this);
    proProgressBar->hide();
    for (int i = 1; i <= 4; ++i) {
        panels_[i] = new QLabel(this);
        statusBar()->addWidget(panels_[i], i == 3 ? 1 : 0);
    }
    inputWindow = new frmLCC(ws, *this, mdiArea);
}

void MDIProject::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4) panels_[panel]->setText(text);
}

QString MDIProject::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[panel]->text() : QString();
}

} // namespace vemora
