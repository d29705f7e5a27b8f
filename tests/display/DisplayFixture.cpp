#include "display/DisplayFixture.h"

#include <QProcess>

#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "input/frmView.h"
#include "project/ProjectFile.h"
#include "results/AnalysedProjects.h"
#include "results/frmResults.h"
#include "shell/frmAgree.h"
#include "shell/frmAnalyse.h"
#include "support/WaitLimit.h"

namespace vemora::test {

bool HoldOnTheClipboard(const QString& text)
{
    QProcess xclip;
    xclip.setStandardOutputFile(QProcess::nullDevice());
    xclip.setStandardErrorFile(QProcess::nullDevice());
    // xclip reads the text, then serves it from the background until another
    // program takes the clipboard.
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard")});
    if (!xclip.waitForStarted(WaitLimitMs())) return false;
    xclip.write(text.toUtf8());
    xclip.closeWriteChannel();
    return xclip.waitForFinished(WaitLimitMs()) && xclip.exitCode() == 0;
}

namespace {

MDIProject* MainWindowShown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MDIProject*>(w); m && Shown(m)) return m;
    return nullptr;
}

// The analysis dialog with its button up and bearing `caption`.
ModalScript::Match AnalysisButton(const QString& caption)
{
    return [caption](QWidget* w) {
        auto* dialog = qobject_cast<frmAnalyse*>(w);
        return dialog && dialog->sscAnalyse->isVisible() && dialog->sscAnalyse->isEnabled() &&
               dialog->sscAnalyse->Caption() == caption;
    };
}

void ClickAnalysisButton(QWidget* w)
{
    Click(qobject_cast<frmAnalyse*>(w)->sscAnalyse);
}

} // namespace

MDIProject& DisplayTest::StartUp()
{
    auto* agree = new frmAgree(ctx);
    agree->setAttribute(Qt::WA_DeleteOnClose);
    agree->show();
    EXPECT_TRUE(WaitShown(agree));
    ModalScript script;
    // The note comes on any screen but the recommended one.
    if (ctx.screen.size() != QSize(800, 600))
        script.then("the screen-size note",
                    MessageBox("The recommended screen size is 800 x 600 !"), ClickButton("OK"));
    script.then("the splash", Named("frmIntro"),
                [](QWidget* splash) { QTest::keyClick(splash, Qt::Key_Escape); });
    Run(script, [&] { Click(agree->sscAccept); });
    EXPECT_TRUE(WaitFor([&] { return MainWindowShown() != nullptr; },
                        QStringLiteral("the main window on the screen")));
    main_ = MainWindowShown();
    if (!main_) throw std::runtime_error("no main window came up");
    return *main_;
}

QString DisplayTest::SaveProjectFile(ProjectStore& project, const QString& name)
{
    project.ProjectName = name.toStdString();
    project.Designer = "Display test";
    const QString path = ProjectsFolder() + name + QStringLiteral(".kpj");
    int64_t record = 0;
    EXPECT_EQ(WriteProjectFile(path.toStdString(), SavedRecord(project), record), FileStatus::Ok);
    return path;
}

QString DisplayTest::SavePumpingProject(const QString& name)
{
    return SaveProjectFile(*PumpingCurveProject(), name);
}

void DisplayTest::OpenThroughMenu(const QString& path)
{
    ModalScript script;
    script.then("the open dialog", FileDialog(), ChooseFile(path));
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    EXPECT_EQ(QString::fromStdString(ctx.store.ProjectFilePath), path);
}

void DisplayTest::AnalyseAndContinue(const std::function<void(ModalScript&)>& first)
{
    ModalScript script;
    if (first) first(script);
    script.then("Analyse", AnalysisButton(QStringLiteral("&Analyse")), ClickAnalysisButton)
        .then("Continue", AnalysisButton(QStringLiteral("&Continue")), ClickAnalysisButton);
    Run(script, [&] { ChooseMenuBarItem(main_->mnuAnalyse); });
    EXPECT_TRUE(ctx.store.ResultsValid);
    ResultsWindow* results = ctx.windows.results.Get();
    EXPECT_TRUE(results && WaitShown(results->widget()));
}

frmView* DisplayTest::ViewProfile()
{
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    if (!input) return nullptr;
    ShowPageOf(input->sstInput, input->sscViewProfile);
    Click(input->sscViewProfile);
    auto* view = static_cast<frmView*>(ctx.windows.profileView.Get());
    EXPECT_TRUE(view && WaitShown(view));
    return view;
}

frmLCC* DisplayTest::Input()
{
    return static_cast<frmLCC*>(ctx.windows.input.Get());
}

frmResults* DisplayTest::Results()
{
    return static_cast<frmResults*>(ctx.windows.results.Get());
}

void DisplayTest::OpenPumpingProject(const QString& name)
{
    StartUp();
    OpenThroughMenu(SavePumpingProject(name));
    ASSERT_TRUE(WaitFor([&] { return Shown(Input()); }));
}

int DisplayTest::RepaintPictureButtonsDisabled()
{
    int painted = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        auto* button = qobject_cast<PictureButton*>(w);
        if (!button || button->Picture().isNull() || !button->isVisible() || !button->isEnabled())
            continue;
        button->setEnabled(false);
        button->repaint();
        button->setEnabled(true);
        ++painted;
    }
    return painted;
}

} // namespace vemora::test
