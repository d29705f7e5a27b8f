// A project's windows go with it: when Open, New or Delete replaces the
// project, the profile view, the calibration window and its graph view, the
// calibration menu item, the pump-curve panel and the results leave the
// screen, and a calibration opened afresh knows only the new project.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>

#include "calibration/frmRoughness.h"
#include "calibration/frmViewRoughness.h"
#include "display/DisplayFixture.h"
#include "engine/EngineProjects.h"
#include "input/frmLCC.h"
#include "input/frmView.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "results/AnalysedProjects.h"
#include "shell/frmLCCType.h"
#include "support/PdfPages.h"

namespace vemora::test {
namespace {

// A gravity project of its own chainages, far from the pumping project's.
std::unique_ptr<ProjectStore> LongGravityProject()
{
    auto s = GravityProject(120, 0, {{110, 0}, {70, 1500}, {20, 3200}, {5, 4000}});
    CostTheProject(*s);
    s->NodeTypeCode[4] = 1;
    return s;
}

class ReplaceTest : public DisplayTest
{
  protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        pumping_ = SavePumpingProject(QStringLiteral("Pumping main"));
        gravity_ = SaveProjectFile(*LongGravityProject(), QStringLiteral("Gravity main"));
        StartUp();
    }

    frmLCC* Input() { return static_cast<frmLCC*>(ctx.windows.input.Get()); }
    frmRoughness* Calibration() { return static_cast<frmRoughness*>(ctx.windows.roughness.Get()); }
    frmViewRoughness* Graph()
    {
        return static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Get());
    }

    void OpenProject(const QString& path)
    {
        OpenThroughMenu(path);
        ASSERT_TRUE(WaitShown(Input()));
    }

    frmRoughness* OpenCalibration()
    {
        ChooseMenuBarItem(main_->mnuRoughness);
        EXPECT_TRUE(Calibration() && WaitShown(Calibration()));
        return Calibration();
    }

    // Types the text into a cell of the measurement grid: the first key
    // opens the cell's editor, Enter puts the text into the cell.
    static void TypeIntoCell(frmRoughness* w, int row, int col, const QString& text)
    {
        FlexGrid* grid = w->msgRoughness;
        QWidget* inner = grid->viewport();
        QTest::mouseClick(inner, Qt::LeftButton, {},
                          inner->mapFrom(grid, grid->cellRect(row, col).center()));
        QTest::keyClicks(grid, text.left(1));
        ASSERT_TRUE(WaitShown(w->txtCell));
        QTest::keyClicks(w->txtCell, text.mid(1));
        QTest::keyClick(w->txtCell, Qt::Key_Return);
        EXPECT_EQ(grid->TextMatrix(row, col), text);
    }

    // The pump-curve panel of the General Data page, opened with its button.
    void ShowPumpDetails()
    {
        frmLCC* input = Input();
        ShowPageOf(input->sstInput, input->sscPumpcurve);
        Click(input->sscPumpcurve);
        ASSERT_TRUE(WaitShown(input->fraPumpDetails));
    }

    // The gravity project's top reservoir level is in sight and takes the
    // click: no panel of the project before covers it.
    void ExpectReservoirLevelInSight()
    {
        frmLCC* input = Input();
        ASSERT_TRUE(input);
        ShowPageOf(input->sstInput, input->txtTRWL);
        ASSERT_TRUE(WaitShown(input->txtTRWL));
        EXPECT_FALSE(input->fraPumpDetails->isVisible());
        const QPoint centre = input->txtTRWL->mapToGlobal(input->txtTRWL->rect().center());
        QWidget* at = QApplication::widgetAt(centre);
        EXPECT_TRUE(at == input->txtTRWL || input->txtTRWL->isAncestorOf(at))
            << (at ? at->objectName().toStdString() : "nothing");
    }

    // None of the previous project's views is left, nor the menu item.
    void ExpectNoProjectViews()
    {
        EXPECT_FALSE(ctx.windows.profileView.Loaded());
        EXPECT_FALSE(ctx.windows.roughness.Loaded());
        EXPECT_FALSE(ctx.windows.roughnessView.Loaded());
        EXPECT_FALSE(main_->mnuRoughness->isVisible());
    }

    std::vector<PdfPage> PrintWith(QWidget* button, const QString& name)
    {
        const QString pdf = ProjectsFolder() + name;
        ModalScript script;
        script.then("the print dialog of " + name, PrintDialog(), PrintToPdf(pdf));
        Run(script, [&] { Click(button); });
        return readPdfPages(pdf);
    }

    QString pumping_;
    QString gravity_;
};

TEST_F(ReplaceTest, CalibrationWindowsGoWhenAnotherProjectIsOpened)
{
    OpenProject(pumping_);

    // Scenario 1 measured between the first two nodes, calculated and
    // drawn in the graph view.
    ViewProfile();
    frmRoughness* calibration = OpenCalibration();
    ASSERT_TRUE(calibration);
    Click(calibration->txtFlowrate);
    QTest::keyClicks(calibration->txtFlowrate, QStringLiteral("0.1"));
    TypeIntoCell(calibration, frmRoughness::LengthRow, 1, QStringLiteral("0"));
    TypeIntoCell(calibration, frmRoughness::ElevationRow, 1, QStringLiteral("0"));
    TypeIntoCell(calibration, frmRoughness::PressureRow, 1, QStringLiteral("800"));
    TypeIntoCell(calibration, frmRoughness::LengthRow, 2, QStringLiteral("600"));
    TypeIntoCell(calibration, frmRoughness::ElevationRow, 2, QStringLiteral("30"));
    TypeIntoCell(calibration, frmRoughness::PressureRow, 2, QStringLiteral("450"));
    Click(calibration->sscCalculate);
    Click(calibration->sscViewGraph);
    ASSERT_TRUE(Graph() && WaitShown(Graph()));
    EXPECT_TRUE(Graph()->chkScenario[0]->isChecked());

    // A refused Open leaves every window where it was.
    const QString damaged = ProjectsFolder() + QStringLiteral("Damaged.kpj");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a project");
    file.close();
    ModalScript refused;
    refused.then("the open dialog", FileDialog(), ChooseFile(damaged))
        .then("the refusal", MessageBox("Can't open project !"), ClickButton("OK"));
    Run(refused, [&] { ChooseMenu(main_->mnuFile, main_->mnuOpen); });
    EXPECT_TRUE(Graph() && WaitShown(Graph()));
    EXPECT_TRUE(main_->mnuRoughness->isVisible());

    // The gravity project replaces it: nothing of the calibration is left.
    OpenProject(gravity_);
    ExpectNoProjectViews();

    // Calibration opened afresh on the gravity project: its own chainages
    // to pick from, no scenario of the pumping project to tick.
    frmView* view = ViewProfile();
    ASSERT_TRUE(view);
    calibration = OpenCalibration();
    ASSERT_TRUE(calibration);
    QStringList picks;
    for (int i = 0; i < calibration->comAccLength->count(); ++i)
        picks << calibration->comAccLength->itemText(i);
    EXPECT_EQ(picks.join(' ').toStdString(), "0.000 1500.000 3200.000 4000.000");
    Click(calibration->sscViewGraph);
    ASSERT_TRUE(Graph() && WaitShown(Graph()));
    for (QCheckBox* box : Graph()->chkScenario) {
        EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
        EXPECT_FALSE(box->isEnabled()) << box->text().toStdString();
    }

    // Its printed page is the gravity project's profile page, word for
    // word the page of the profile view (no scenario is ticked).
    const std::vector<PdfPage> printed = PrintWith(Graph()->sscPrintView, "calibration.pdf");
    Click(Graph()->sscOK);
    ASSERT_TRUE(WaitShown(calibration));
    Click(calibration->sscPrevious);
    ASSERT_TRUE(WaitShown(view));
    const std::vector<PdfPage> profile = PrintWith(view->sscPrintView, "profile.pdf");
    ASSERT_EQ(printed.size(), 1u);
    ASSERT_EQ(profile.size(), 1u);
    EXPECT_EQ(printed[0].text.toStdString(), profile[0].text.toStdString());
    EXPECT_TRUE(printed[0].text.contains("GRAVITY MAIN")) << printed[0].text.toStdString();
    EXPECT_TRUE(
        printed[0].text.simplified().contains("Begin distance: 0.000 m End distance: 4000.000 m"))
        << printed[0].text.toStdString();
}

TEST_F(ReplaceTest, PumpPanelAndResultsGoWithTheirProject)
{
    // The pump-curve panel of a pumping project, then a gravity project
    // opened: its reservoir levels are in sight.
    OpenProject(pumping_);
    ShowPumpDetails();
    OpenProject(gravity_);
    ExpectReservoirLevelInSight();

    // The same after New with a gravity system.
    OpenProject(pumping_);
    ShowPumpDetails();
    ModalScript fresh;
    fresh.then("the system type", Named("frmLCCType"),
               [](QWidget* w) { Click(static_cast<frmLCCType*>(w)->sscContinue); });
    Run(fresh, [&] { ChooseMenu(main_->mnuFile, main_->mnuNew); });
    ASSERT_TRUE(WaitShown(Input()));
    ExpectReservoirLevelInSight();

    // A pumping project with its calibration window up, saved and
    // analysed, then deleted: its calibration and results go with it.
    OpenProject(pumping_);
    ViewProfile();
    OpenCalibration();
    ChooseMenu(main_->mnuFile, main_->mnuSave); // the same project: its windows stay
    EXPECT_TRUE(ctx.windows.roughness.Loaded());
    EXPECT_TRUE(main_->mnuRoughness->isVisible());
    AnalyseAndContinue();
    ModalScript deletion;
    deletion
        .then("the question", MessageBox("Are you sure you want to delete the current project ?"),
              ClickButton("&Yes"))
        .then("the deletion", MessageBox("The current project was successfully deleted"),
              ClickButton("OK"));
    Run(deletion, [&] { ChooseMenu(main_->mnuFile, main_->mnuDelete); });
    EXPECT_FALSE(QFile::exists(pumping_));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("  Vemora"));
    ExpectNoProjectViews();
    EXPECT_FALSE(ctx.windows.results.Loaded());

    ModalScript results;
    results.then("the refusal", MessageBox("Project has not been analysed."), ClickButton("OK"));
    Run(results, [&] { ChooseMenu(main_->mnuFile, main_->mnuView, main_->mnuResults); });
    EXPECT_FALSE(ctx.windows.results.Loaded());
}

} // namespace
} // namespace vemora::test
