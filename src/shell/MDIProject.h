// The main window: a full-screen frame holding the working windows as child
// windows, with the menu bar, the toolbar strip and the four-panel status bar.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QProgressBar>

namespace vemora {

struct Workspace;
class frmLCC;

class MDIProject : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIProject(Workspace& ws, QWidget* parent = nullptr);

    // Status panels are numbered 1..4; panel 3 takes every hint and message.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

    Workspace& ws;
    QMdiArea* mdiArea = nullptr;
    QLabel* lblSystem = nullptr;
    QLabel* lblProgessBar = nullptr;
    QProgressBar* proProgressBar = nullptr;
    frmLCC* inputWindow = nullptr;

private:
    QLabel* panels_[5] = {};
};

} // namespace vemora
