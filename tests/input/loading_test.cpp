// New and load: the store shown in the window, flags, refused files, and
// out-of-range values shown without harm.
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "InputWindowFixture.h"
#include "app/PageHeaderTexts.h"
#include "app/ReadProjectDate.h"
#include "pages/PageFrames.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "project/ProjectFile.h"

namespace vemora::test {

namespace {

// Loads ProjectRec as it stands, the way New does (no file is read).
void LoadRecord(AppContext& ctx)
{
    LoadProject(ctx, LoadSource::NewProject);
}

} // namespace

TEST_F(InputWindowTest, NewGravityProjectShowsTheDefaults)
{
    PretendResults();
    NewOfType(0);
    const ProjectStore& s = ctx.store;
    EXPECT_TRUE(s.ProjectOpen);
    EXPECT_FALSE(s.ResultsValid);
    EXPECT_EQ(w->lblFileName->text(), QStringLiteral("Vemora (New project file)"));
    EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(w->lblLife->text(), QStringLiteral("30 years"));
    EXPECT_EQ(w->lblBaseYear->text(), QStringLiteral("2001"));
    EXPECT_EQ(w->lblSupplyStart->text(), QStringLiteral("2001"));
    EXPECT_EQ(w->lblMPipeline->text(), QStringLiteral("0.25 %"));
    EXPECT_EQ(w->lblMElectrical->text(), QStringLiteral("2 %"));
    EXPECT_EQ(w->msgDemand->Rows(), 31);
    EXPECT_EQ(w->msgDemand->TextMatrix(0, 0), QStringLiteral("Year"));
    EXPECT_EQ(w->comGFlowrateUnits->currentText(), QStringLiteral("l/s"));
    EXPECT_EQ(w->comVaryingDemandUnits->currentIndex(), 0);
    EXPECT_EQ(w->txtDiscountRate->text(), QStringLiteral("8"));
    EXPECT_EQ(w->txtWaterSales->text(), QStringLiteral("2"));
    EXPECT_EQ(w->msgProfile->Rows(), 3);
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 7).trimmed(), QStringLiteral("Node"));
    EXPECT_EQ(w->msgOperational->TextMatrix(1, 1), QStringLiteral("300000"));
    EXPECT_EQ(w->dtpDate->Value(), QDate::currentDate());
    EXPECT_EQ(w->lblCurrency[0]->text(), QStringLiteral("R"));
}

TEST_F(InputWindowTest, TheDateFieldAndThePrintedHeaderShowTheSameDay)
{
    const std::pair<const char*, QDate> cases[] = {
        {"11/06/2001", QDate(2001, 6, 11)},
        {"2001/06/11", QDate(2001, 6, 11)},
        {"11 June 2001", QDate(2001, 6, 11)},
        {" 2001-06-11 ", QDate(2001, 6, 11)},
    };
    for (const auto& [stored, day] : cases) {
        WriteNewProjectDefaults(ctx.store, stored);
        LoadRecord(ctx);
        EXPECT_EQ(w->dtpDate->Value(), day) << stored;
        EXPECT_EQ(ReadProjectDate(ctx.store.ProjectDate), day) << stored;
        EXPECT_EQ(PrintedProjectDate(HeaderTextsOf(ctx.store)), QStringLiteral("11 June 2001"))
            << stored;
    }
}

TEST_F(InputWindowTest, PumpingRecordFillsThePumpingFields)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "03/04/2015");
    ProjectRecord& r = ctx.store.ProjectRec;
    r.ProjectName = "  Upper dam  ";
    r.PumpType = "Acme 200";
    r.PumpCurveGiven = 1;
    r.DemandMode = 1;
    r.OperatingFlowRate = 125.5f;
    r.OperatingFlowRateUnit = 3;
    r.PumpCurve[1][1] = 60;
    r.PumpCurve[2][6] = 0.25f;
    r.CurveFlowUnit = 2;
    r.TariffWinterOffPeak = 0.35f;
    r.YearDemand[2] = 14;
    r.SummerMonths = 4;
    r.PumpingHours = 18;
    r.EnergyEscalationRate = 6;
    r.CurrencyCode = 1;
    LoadRecord(ctx);

    EXPECT_EQ(w->txtProject->text(), QStringLiteral("Upper dam"));
    EXPECT_EQ(w->dtpDate->Value(), QDate(2015, 4, 3));
    EXPECT_TRUE(w->optPumpDetails->isChecked());
    EXPECT_TRUE(w->optPumpVarying->isChecked());
    EXPECT_FALSE(w->fraPumpVaryingDemand->isHidden());
    EXPECT_EQ(w->txtPumpOperatingFlowrate->text(), QStringLiteral("125.5"));
    EXPECT_EQ(w->comPumpOperatingFlowrateUnits->currentText(), QStringLiteral("ft³/s"));
    EXPECT_EQ(w->txtPumptype->text().trimmed(), QStringLiteral("Acme 200"));
    EXPECT_EQ(w->txtH[0]->text(), QStringLiteral("60"));
    EXPECT_EQ(w->txtQ[5]->text(), QStringLiteral("0.25"));
    EXPECT_EQ(w->comFlowUnits->currentIndex(), 2);
    EXPECT_EQ(w->txtWOffpeak->text(), QStringLiteral("0.35"));
    EXPECT_EQ(w->msgPumpDemand->TextMatrix(2, 1), QStringLiteral("14"));
    EXPECT_EQ(w->lblSummer->text(), QStringLiteral("4"));
    EXPECT_EQ(w->fsbPumpingHours->Value(), 18);
    EXPECT_EQ(w->txtEnergyEscalation->text(), QStringLiteral("6"));
    EXPECT_EQ(w->lblUnit[0]->text(), QStringLiteral("$"));
    EXPECT_FALSE(ctx.store.ResultsValid);
}

TEST_F(InputWindowTest, EpoxyLoadClearsTheStoredLiningThickness)
{
    ctx.store.SystemType = 0;
    WriteNewProjectDefaults(ctx.store, "03/04/2015");
    ctx.store.ProjectRec.LiningSystem = 0;
    ctx.store.ProjectRec.LiningThickness = 12;
    ctx.store.ProjectRec.LiningThicknessUnit = 2;
    LoadRecord(ctx);
    EXPECT_EQ(w->txtLiningThickness->text(), QStringLiteral("0"));
    EXPECT_EQ(ctx.store.LiningThickness, 0.0f);
    EXPECT_EQ(ctx.store.LiningThicknessUnit, 0);
}

TEST_F(InputWindowTest, OutOfRangeValuesAreShownWithoutHarm)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "not a date");
    ProjectRecord& r = ctx.store.ProjectRec;
    r.DesignLife = 500;
    r.BaseYear = -3;
    r.MaintenancePipeline = 30000;
    r.FixedDemandUnit = 99;
    r.OperatingFlowRateUnit = -1;
    r.CurveHeadUnit = 7;
    r.WaterPriceUnit = 4;
    r.SummerMonths = 40;
    r.PumpingHours = 0;
    r.NodeTypeCode[1] = 55;
    const QDate before = w->dtpDate->Value();
    LoadRecord(ctx);

    EXPECT_EQ(w->hscLife->Value(), 100);
    EXPECT_EQ(ctx.store.DesignLife, 100);
    EXPECT_EQ(w->msgPumpDemand->Rows(), 101);
    EXPECT_EQ(w->hscBaseYear->Value(), 1950);
    EXPECT_EQ(ctx.store.MaintenancePipeline, 2000);
    EXPECT_EQ(w->comPFlowrateUnits->currentIndex(), -1);
    EXPECT_EQ(w->comPumpOperatingFlowrateUnits->currentIndex(), -1);
    EXPECT_EQ(w->comHeadUnits->currentIndex(), -1);
    EXPECT_EQ(w->comWaterSalesUnits->currentIndex(), -1);
    EXPECT_EQ(w->fsbSummer->Value(), 12);
    EXPECT_EQ(w->lblSummer->text(), QStringLiteral("12"));
    EXPECT_EQ(w->fsbPumpingHours->Value(), 1);
    EXPECT_EQ(w->msgProfile->TextMatrix(1, 7).trimmed(), QStringLiteral("Node"));
    EXPECT_EQ(w->dtpDate->Value(), before);
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

TEST_F(InputWindowTest, RefusedFileChangesNothing)
{
    NewOfType(0);
    w->txtProject->setText(QStringLiteral("Kept"));
    const std::string path = "/nonexistent/folder/missing.kpj";
    ctx.store.ProjectFilePath = path;
    const int16_t life = ctx.store.DesignLife;
    EXPECT_FALSE(LoadProject(ctx));
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text,
              QStringLiteral(" Can't open project !\nThe file does not exist."));
    EXPECT_EQ(scripted.messages[0].title, QStringLiteral("Vemora"));
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(w->txtProject->text(), QStringLiteral("Kept"));
    EXPECT_EQ(w->lblFileName->text(), QStringLiteral("Vemora (New project file)"));
    EXPECT_EQ(ctx.store.DesignLife, life);
    EXPECT_TRUE(main->proProgressBar->isHidden());
}

TEST_F(InputWindowTest, GravityLoadAfterPumpingKeepsThePumpCurveBoxes)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "03/04/2015");
    ctx.store.ProjectRec.PumpCurve[1][3] = 42;
    LoadRecord(ctx);
    ctx.store.ProjectRec.SystemType = 0; // a gravity record right after
    ctx.store.SystemType = 0;
    LoadRecord(ctx);
    EXPECT_EQ(w->txtH[2]->text(), QStringLiteral("42"));
    EXPECT_FALSE(w->sstInput->TabEnabled(2));
}

} // namespace vemora::test

namespace vemora::test {

TEST_F(InputWindowTest, StartUpShowsABlankGravityProject)
{
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_EQ(ctx.store.SystemType, 0);
    EXPECT_EQ(w->lblFileName->text(), QStringLiteral("Vemora (New project file)"));
    EXPECT_FALSE(w->fraGravityOption->isHidden());
    EXPECT_TRUE(w->fraPumpOption->isHidden());
    EXPECT_EQ(w->comTRWLUnits->currentIndex(), 0);
}

} // namespace vemora::test

namespace vemora::test {

TEST_F(InputWindowTest, OpenedFileFillsWindowLabelAndCaption)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProjectStore source;
    source.SystemType = 0;
    WriteNewProjectDefaults(source, "05/06/2021");
    source.ProjectRec.ProjectName = "Weir line" + std::string(71, ' ');
    source.ProjectRec.DesignLife = 40;
    source.ProjectRec.YearDemand[40] = 3.25f;
    const std::string path = (dir.path() + QStringLiteral("/weir.kpj")).toStdString();
    int64_t number = 1;
    ASSERT_EQ(WriteProjectFile(path, source.ProjectRec, number), FileStatus::Ok);

    PretendResults();
    w->sstInput->setTab(3);
    ctx.store.ProjectFilePath = path;
    ASSERT_TRUE(LoadProject(ctx));
    EXPECT_EQ(w->sstInput->Tab(), 3); // unlike a new project, a file opens on the page showing
    EXPECT_EQ(w->lblFileName->text(), QString::fromStdString(path));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("  Vemora (Weir line)"));
    EXPECT_EQ(w->txtProject->text(), QStringLiteral("Weir line"));
    EXPECT_EQ(w->msgDemand->Rows(), 41);
    EXPECT_EQ(w->msgDemand->TextMatrix(40, 1), QStringLiteral("3.25"));
    EXPECT_EQ(w->dtpDate->Value(), QDate(2021, 6, 5));
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_TRUE(scripted.messages.empty());
}

} // namespace vemora::test

namespace vemora::test {

// While no main window stands (before it is up, or as it goes) the input
// window and the load still work; nothing reaches a main window.
TEST_F(InputWindowTest, WorksWithoutAMainWindow)
{
    main->setPanelText(3, QStringLiteral("before"));
    ctx.main = nullptr;
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w->txtProject, &in);
    NewOfType(1);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_TRUE(w->fraPumpOption->isVisibleTo(w));
    PretendResults();
    w->txtProject->setText(QStringLiteral("x"));
    EXPECT_FALSE(ctx.store.ResultsValid);
    ctx.main = main.get();
    EXPECT_EQ(main->panelText(3), QStringLiteral("before"));
    EXPECT_EQ(main->lblSystem->text(), QStringLiteral("Gravity system"));
}

} // namespace vemora::test
