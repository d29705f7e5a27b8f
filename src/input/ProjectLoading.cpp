#include "input/ProjectLoading.h"

#include <QLabel>
#include <QProgressBar>

#include "input/frmLCC.h"
#include "platform/Ui.h"
#include "project/ProjectDate.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"
#include "shell/MDIProject.h"
#include "shell/Workspace.h"

namespace vemora {

namespace {

void SetProgress(MDIProject& main, int value)
{
    if (main.proProgressBar) main.proProgressBar->setValue(value);
}

void HideProgress(MDIProject& main)
{
    if (main.lblProgessBar) main.lblProgessBar->hide();
    if (main.proProgressBar) main.proProgressBar->hide();
}

} // namespace

void NewProject(MDIProject& main)
{
    ProjectStore& s = main.ws.store;
    s.NewProjectFlag = 1;
    s.SaveAsPending = 0;
    if (main.inputWindow)
        main.inputWindow->lblFileName->setText(QStringLiteral("Vemora (New project file)"));
    WriteNewProjectDefaults(s, TodayProjectDate());
    LoadProject(main);
}

bool LoadProject(MDIProject& main)
{
    ProjectStore& s = main.ws.store;
    if (main.proProgressBar) {
        main.proProgressBar->setValue(0);
        main.proProgressBar->show();
    }

    const bool isNew = s.NewProjectFlag == 1;
    if (!isNew) {
        // Read into a copy: a refused file leaves the project as it was.
        ProjectRecord rec;
        int64_t recordNumber = s.ProjectRecordNumber;
        if (ReadProjectFile(s.ProjectFilePath, rec, recordNumber) != FileStatus::Ok) {
            HideProgress(main);
            if (main.lblProgessBar) main.lblProgessBar->setText(QString());
            ui().msgBox(QStringLiteral(" Can't open project !"), MsgButtons::OK,
                        MsgIcon::Exclamation, QStringLiteral("Vemora"), &main);
            return false;
        }
        s.ProjectRecordLength = ProjectRecord::Size;
        s.ProjectRecordNumber = recordNumber;
        s.ProjectRec = rec;
    }
    SetProgress(main, 10);
    CopyRecordToStore(s.ProjectRec, s);

    frmLCC* window = main.inputWindow;
    if (window) {
        window->ShowSystemTypeView();
        if (!isNew) {
            window->lblFileName->setText(QString::fromStdString(TrimBlanks(s.ProjectFilePath)));
            std::string name = s.ProjectName;
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            main.setWindowTitle(QStringLiteral("  Vemora (%1)").arg(QString::fromStdString(name)));
        }
    }
    s.NewProjectFlag = 0;
    SetProgress(main, 50);

    if (window) {
        window->ShowHeaderFields();
        if (s.SystemType != 0)
            window->ShowPumpingView();
        else
            window->ShowGravityView();
        window->ShowProfileFields();
        window->FillProfileGrid();
        window->FillLayingGrid();
        window->ShowRatesFields();
        window->FillStaffGrid();
        window->FillOtherOperationalGrid();
        window->ShowCurrencySymbols();
    }
    SetProgress(main, 70);
    SetProgress(main, 100);

    s.ResultsValid = 0;
    s.ProjectOpen = 1;
    s.ProjectSaved = 1;
    s.SaveAsPending = 0;
    s.SaveSucceeded = 1;
    HideProgress(main);
    MDIProject::showWorkingWindow(window);
    return true;
}

} // namespace vemora
