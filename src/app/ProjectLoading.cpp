#include "app/ProjectLoading.h"

#include "app/AppContext.h"
#include "app/ForgetPreviousProject.h"
#include "app/PageFrames.h"
#include "app/PendingEdits.h"
#include "app/WorkingViews.h"
#include "project/ProjectDate.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"
#include "project/TextCodec.h"

namespace vemora {

namespace {

// The main window's "Opening project" progress, when there is a main window.
class LoadProgress
{
  public:
    explicit LoadProgress(MainWindow* main) : main_(main) {}

    void Start()
    {
        if (!main_) return;
        main_->setProgressValue(0);
        main_->setProgressVisible(true);
    }
    void Set(int value)
    {
        if (main_) main_->setProgressValue(value);
    }
    void Hide()
    {
        if (!main_) return;
        main_->setProgressCaptionVisible(false);
        main_->setProgressVisible(false);
    }
    void ClearCaption()
    {
        if (main_) main_->setProgressCaption(QString());
    }

  private:
    MainWindow* main_;
};

} // namespace

void NewProject(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    s.NewProjectFlag = 1;
    s.ProjectFilePath.clear(); // a new project has no file of its own
    if (InputWindow* window = ctx.windows.input.Load()) window->ShowFileName(FileLabelText(ctx));
    WriteNewProjectDefaults(s, TodayProjectDate());
    LoadProject(ctx);
    ForgetPreviousProject(ctx);
}

bool LoadProject(AppContext& ctx)
{
    ProjectStore& s = ctx.store;
    LoadProgress progress(ctx.main);
    progress.Start();

    const bool isNew = s.NewProjectFlag == 1;
    if (!isNew) {
        // Read into a copy: a refused file leaves the project as it was.
        ProjectRecord rec;
        int64_t recordNumber = s.ProjectRecordNumber;
        std::string why;
        if (ReadProjectFile(s.ProjectFilePath, rec, recordNumber, &why) != FileStatus::Ok) {
            progress.Hide();
            progress.ClearCaption();
            ctx.ui.msgBox(QStringLiteral(" Can't open project !\n") + QString::fromStdString(why),
                          MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"),
                          ctx.main ? ctx.main->widget() : nullptr);
            return false;
        }
        s.ProjectRecordLength = ProjectRecord::Size;
        s.ProjectRecordNumber = recordNumber;
        s.ProjectRec = rec;
    }
    progress.Set(10);
    CopyRecordToStore(s.ProjectRec, s);

    InputWindow* window = ctx.windows.input.Load();
    if (window) {
        window->ShowSystemTypeView();
        if (!isNew) {
            window->ShowFileName(FileLabelText(ctx));
            std::string name = s.ProjectName;
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            if (ctx.main)
                ctx.main->setCaption(
                    QStringLiteral("  Vemora (%1)").arg(QString::fromStdString(name)));
        }
    }
    s.NewProjectFlag = 0;
    progress.Set(50);

    if (window) window->ShowProject();
    NoteSavedInput(ctx);
    progress.Set(70);
    progress.Set(100);

    s.ResultsValid = 0;
    s.ProjectOpen = 1;
    s.ProjectSaved = 1;
    progress.Hide();
    if (ctx.main) ShowWorkingWindow(ctx, window);
    return true;
}

} // namespace vemora
