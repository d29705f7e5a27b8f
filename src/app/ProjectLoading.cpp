#include "app/ProjectLoading.h"

#include "app/AppContext.h"
#include "app/ForeignChange.h"
#include "app/ForgetPreviousProject.h"
#include "app/PendingEdits.h"
#include "app/ProjectFiles.h"
#include "app/WorkingViews.h"
#include "project/ProjectDate.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"

namespace vemora {

void NewProject(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    s.ProjectFilePath.clear(); // a new project has no file of its own
    if (InputWindow* window = ctx.windows.input.Load()) window->ShowFileName(FileLabelText(ctx));
    WriteNewProjectDefaults(s, TodayProjectDate());
    LoadProject(ctx, LoadSource::NewProject);
    ForgetPreviousProject(ctx);
}

bool LoadProject(AppContext& ctx, LoadSource source)
{
    ProjectStore& s = ctx.store;
    // The "Opening project" progress; the stand-in main window, before the
    // main window stands, shows nothing.
    MainWindow& main = ctx.mainWindow();
    main.setProgressValue(0);
    main.setProgressVisible(true);
    const auto hideProgress = [&main] {
        main.setProgressCaptionVisible(false);
        main.setProgressVisible(false);
    };

    const bool isNew = source == LoadSource::NewProject;
    if (!isNew) {
        // Read into a copy: a refused file leaves the project as it was.
        ProjectRecord rec;
        int64_t recordNumber = 0;
        std::string why;
        if (ReadProjectFile(s.ProjectFilePath, rec, recordNumber, &why) != FileStatus::Ok) {
            hideProgress();
            main.setProgressCaption(QString());
            ctx.ui.msgBox(QStringLiteral(" Can't open project !\n") + QString::fromStdString(why),
                          MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"),
                          main.widget());
            return false;
        }
        s.ProjectRec = rec;
    }
    main.setProgressValue(10);
    CopyRecordToStore(s.ProjectRec, s);

    InputWindow* window = ctx.windows.input.Load();
    if (window) {
        window->ShowSystemTypeView(isNew);
        if (!isNew) {
            window->ShowFileName(FileLabelText(ctx));
            main.setCaption(QStringLiteral("  Vemora (%1)")
                                .arg(QString::fromStdString(TrimBlanks(s.ProjectName))));
        }
    }
    main.setProgressValue(50);

    if (window) window->ShowProject();
    NoteSavedInput(ctx);
    NoteProjectFile(ctx, !isNew);
    main.setProgressValue(70);
    main.setProgressValue(100);

    s.ResultsValid = false;
    s.ProjectOpen = true;
    hideProgress();
    ShowWorkingWindow(ctx, window);
    return true;
}

} // namespace vemora
