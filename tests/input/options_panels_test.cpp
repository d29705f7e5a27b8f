// Option frames of gravity and pumping projects, the panels and help buttons.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include "InputWindowFixture.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

namespace vemora::test {

namespace {

// Every control showing where the panel stands lies wholly under it: no strip
// of a frame beneath peeks out at its edges.
void ExpectCoversWhatItStandsOver(const QWidget* panel, const char* view)
{
    const QRect over = panel->geometry();
    for (const QObject* child : panel->parentWidget()->children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (!control || control == panel || control->isHidden()) continue;
        if (!control->geometry().intersects(over)) continue;
        EXPECT_TRUE(over.contains(control->geometry()))
            << view << ": " << control->objectName().toStdString();
    }
}

} // namespace

TEST_F(InputWindowTest, GravityProjectShowsItsFramesOnly)
{
    NewOfType(0);
    EXPECT_FALSE(w->fraGravityOption->isHidden());
    EXPECT_FALSE(w->fraGravityFlowrate->isHidden());
    EXPECT_FALSE(w->fraVaryingDemand->isHidden());
    EXPECT_FALSE(w->fraGravityReservoirs->isHidden());
    for (QGroupBox* f :
         {w->fraPumpOption, w->FraPumpFixedDemand, w->fraPumpVaryingDemand, w->fraPumpReservoir,
          w->FraPumpingOption, w->fraPumpingFlowrate, w->fraPumpcurve, w->fraPumpDetails})
        EXPECT_TRUE(f->isHidden()) << f->objectName().toStdString();
    EXPECT_FALSE(w->sstInput->TabEnabled(2));
    EXPECT_TRUE(w->sstInput->TabEnabled(3));
    EXPECT_TRUE(w->txtEnergyEscalation->isHidden());
    EXPECT_TRUE(w->lblEnergyEscalation->isHidden());
    EXPECT_EQ(main->lblSystem->text(), QStringLiteral("Gravity system"));
    // Fixed demand chosen: the demand table and its units are greyed.
    EXPECT_TRUE(w->optGSpecifiedFlowrate->isChecked());
    EXPECT_TRUE(w->txtGFlowrate->isEnabled());
    EXPECT_FALSE(w->msgDemand->isEnabled());
    EXPECT_FALSE(w->comVaryingDemandUnits->isEnabled());
}

TEST_F(InputWindowTest, GravityDemandOptionSwitchesEnabledStatesAndDiscardsResults)
{
    NewOfType(0);
    w->txtGFlowrate->setText(QStringLiteral("12"));
    PretendResults();
    QTest::mouseClick(w->optGCalculatedFlowrate, Qt::LeftButton);
    EXPECT_TRUE(w->optGCalculatedFlowrate->isChecked());
    EXPECT_FALSE(w->txtGFlowrate->isEnabled());
    EXPECT_FALSE(w->comGFlowrateUnits->isEnabled());
    EXPECT_FALSE(w->Label52->isEnabled());
    EXPECT_TRUE(w->msgDemand->isEnabled());
    EXPECT_TRUE(w->Label53->isEnabled());
    EXPECT_FALSE(w->fraGravityFlowrate->isHidden());
    EXPECT_EQ(w->txtGFlowrate->text(), QStringLiteral("12"));
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_EQ(ctx.store.DemandMode, 0);
}

TEST_F(InputWindowTest, PumpingProjectShowsItsFramesAndOptions)
{
    NewOfType(1);
    for (QGroupBox* f : {w->fraPumpOption, w->FraPumpFixedDemand, w->fraPumpReservoir,
                         w->FraPumpingOption, w->fraPumpingFlowrate})
        EXPECT_FALSE(f->isHidden()) << f->objectName().toStdString();
    for (QGroupBox* f : {w->fraGravityOption, w->fraGravityFlowrate, w->fraVaryingDemand,
                         w->fraGravityReservoirs, w->fraPumpVaryingDemand, w->fraPumpcurve})
        EXPECT_TRUE(f->isHidden()) << f->objectName().toStdString();
    EXPECT_TRUE(w->sstInput->TabEnabled(2));
    EXPECT_FALSE(w->txtEnergyEscalation->isHidden());
    EXPECT_EQ(main->lblSystem->text(), QStringLiteral("Pumping system"));
    EXPECT_EQ(twipsGeometry(w->FraPumpFixedDemand).topLeft(), QPoint(6840, 2520));
    EXPECT_EQ(twipsGeometry(w->fraPumpingFlowrate), QRect(120, 5040, 6615, 930));
    EXPECT_EQ(twipsGeometry(w->fraPumpcurve), QRect(120, 5040, 6615, 930));

    w->txtPumpOperatingFlowrate->setText(QStringLiteral("55"));
    PretendResults();
    QTest::mouseClick(w->optPumpDetails, Qt::LeftButton);
    EXPECT_TRUE(w->fraPumpingFlowrate->isHidden());
    EXPECT_FALSE(w->fraPumpcurve->isHidden());
    QTest::mouseClick(w->optPumpVarying, Qt::LeftButton);
    EXPECT_TRUE(w->FraPumpFixedDemand->isHidden());
    EXPECT_FALSE(w->fraPumpVaryingDemand->isHidden());
    EXPECT_EQ(w->txtPumpOperatingFlowrate->text(), QStringLiteral("55"));
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_EQ(ctx.store.PumpCurveGiven, 0);
}

TEST_F(InputWindowTest, GravityProjectLoadedOverTheEnergyPageShowsTheFirstPage)
{
    NewOfType(1);
    w->sstInput->setTab(2);
    ASSERT_EQ(w->sstInput->Tab(), 2);
    NewOfType(0);
    EXPECT_FALSE(w->sstInput->TabEnabled(2));
    EXPECT_EQ(w->sstInput->Tab(), 0);

    // A new project opens on the first page from any other page too.
    NewOfType(1);
    w->sstInput->setTab(3);
    NewOfType(0);
    EXPECT_EQ(w->sstInput->Tab(), 0);
}

TEST_F(InputWindowTest, GravityAfterPumpCurveProjectHidesThePumpCurveFrame)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "01/02/2020");
    ctx.store.ProjectRec.PumpCurveGiven = 1;
    LoadProject(ctx, LoadSource::NewProject);
    EXPECT_FALSE(w->fraPumpcurve->isHidden());
    NewOfType(0);
    EXPECT_TRUE(w->fraPumpcurve->isHidden());
    EXPECT_FALSE(w->fraGravityFlowrate->isHidden());
}

TEST_F(InputWindowTest, LiningOptionGreysTheThicknessWithoutClearingIt)
{
    NewOfType(0);
    EXPECT_TRUE(w->optEpoxy->isChecked());
    EXPECT_FALSE(w->txtLiningThickness->isEnabled());
    QTest::mouseClick(w->optMortar, Qt::LeftButton);
    EXPECT_TRUE(w->txtLiningThickness->isEnabled());
    EXPECT_TRUE(w->comLiningThicknessUnits->isEnabled());
    EXPECT_TRUE(w->Label51->isEnabled());
    w->txtLiningThickness->setText(QStringLiteral("12"));
    QTest::mouseClick(w->optEpoxy, Qt::LeftButton);
    EXPECT_FALSE(w->txtLiningThickness->isEnabled());
    EXPECT_EQ(w->txtLiningThickness->text(), QStringLiteral("12"));
}

TEST_F(InputWindowTest, PumpCurvePanelOpensAndCloses)
{
    NewOfType(1);
    EXPECT_TRUE(w->fraPumpDetails->isHidden());
    QTest::mouseClick(w->optPumpDetails, Qt::LeftButton);
    QTest::mouseClick(w->sscPumpcurve, Qt::LeftButton);
    EXPECT_FALSE(w->fraPumpDetails->isHidden());
    EXPECT_EQ(twipsGeometry(w->fraPumpDetails).topLeft(), QPoint(120, 2400));
    ExpectCoversWhatItStandsOver(w->fraPumpDetails, "pump curve, fixed demand");
    QTest::mouseClick(w->optPumpVarying, Qt::LeftButton);
    QTest::mouseClick(w->optFlowrate, Qt::LeftButton);
    ExpectCoversWhatItStandsOver(w->fraPumpDetails, "operating flow rate, varying demand");
    NewOfType(0); // a panel left open goes with its project
    EXPECT_TRUE(w->fraPumpDetails->isHidden());
    NewOfType(1);
    EXPECT_TRUE(w->fraPumpDetails->isHidden());
    QTest::mouseClick(w->optPumpDetails, Qt::LeftButton);
    QTest::mouseClick(w->sscPumpcurve, Qt::LeftButton);
    ASSERT_FALSE(w->fraPumpDetails->isHidden());
    w->txtH[0]->setText(QStringLiteral("30"));
    QTest::mouseClick(w->sscOK, Qt::LeftButton);
    EXPECT_TRUE(w->fraPumpDetails->isHidden());
    EXPECT_EQ(w->txtH[0]->text(), QStringLiteral("30"));
}

TEST_F(InputWindowTest, LayingCancelDropsTypingAndSaveStoresAtOnce)
{
    NewOfType(0);
    ctx.store.LayingCost[1] = 40.0f;
    ctx.store.LayingCost[12] = 1.2f;
    ctx.store.LayingCost[14] = 9.0f;
    QTest::mouseClick(w->sscLaying, Qt::LeftButton);
    EXPECT_FALSE(w->fraLaying->isHidden());
    EXPECT_EQ(twipsGeometry(w->fraLaying).topLeft(), QPoint(120, 60));
    ExpectCoversWhatItStandsOver(w->fraLaying, "laying");
    EXPECT_EQ(w->msgLaying->Rows(), 16);
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), QStringLiteral("Cost (R/m³)"));
    EXPECT_EQ(w->msgLaying->TextMatrix(1, 1), QStringLiteral("40"));
    EXPECT_EQ(w->msgLaying->TextMatrix(14, 0), QStringLiteral("Required cover (m)"));
    EXPECT_EQ(w->msgLaying->TextMatrix(14, 1), QStringLiteral("1.2"));

    w->msgLaying->setTextMatrix(1, 1, QStringLiteral("55.5"));
    QTest::mouseClick(w->sscCancelLaying, Qt::LeftButton);
    EXPECT_TRUE(w->fraLaying->isHidden());
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[1], 40.0f);
    QTest::mouseClick(w->sscLaying, Qt::LeftButton);
    EXPECT_EQ(w->msgLaying->TextMatrix(1, 1), QStringLiteral("40"));

    w->msgLaying->setTextMatrix(1, 1, QStringLiteral("55.5"));
    w->msgLaying->setTextMatrix(15, 1, QStringLiteral("."));
    QTest::mouseClick(w->sscHideLaying, Qt::LeftButton);
    EXPECT_TRUE(w->fraLaying->isHidden());
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[1], 55.5f);
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[12], 1.2f);
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[13], 0.0f);
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[14], 0.0f);
}

// Cancel gives back what the panel showed when it opened, in the grid and in
// the store: typed rates and rates a save has read meanwhile alike.
TEST_F(InputWindowTest, LayingCancelRestoresGridAndStore)
{
    NewOfType(0);
    ctx.store.LayingCost[2] = 12.0f;
    QTest::mouseClick(w->sscLaying, Qt::LeftButton);
    w->msgLaying->setFocus();
    w->msgLaying->setRow(2);
    w->msgLaying->setCol(1);
    QTest::keyClick(w->msgLaying, Qt::Key_9);
    QTest::keyClick(w->txtLaying, Qt::Key_9);
    QTest::keyClick(w->txtLaying, Qt::Key_Return);
    ASSERT_EQ(w->msgLaying->TextMatrix(2, 1), QStringLiteral("99"));
    ASSERT_TRUE(w->ReadGrid(InputGrid::Laying)); // as a save does before a later check stops it
    ASSERT_FLOAT_EQ(ctx.store.LayingCost[2], 99.0f);

    QTest::mouseClick(w->sscCancelLaying, Qt::LeftButton);
    EXPECT_TRUE(w->fraLaying->isHidden());
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[2], 12.0f);
    EXPECT_EQ(w->msgLaying->TextMatrix(2, 1), QStringLiteral("12"));
    ASSERT_TRUE(w->ReadGrid(InputGrid::Laying)); // the next save reads the rate back
    EXPECT_FLOAT_EQ(ctx.store.LayingCost[2], 12.0f);
}

TEST_F(InputWindowTest, LayingHeadingsFollowUnitsAndCurrency)
{
    ctx.store.SystemType = 0;
    WriteNewProjectDefaults(ctx.store, "01/02/2020");
    ctx.store.ProjectRec.UnitSystem = 1;
    ctx.store.ProjectRec.CurrencyCode = 1;
    LoadProject(ctx, LoadSource::NewProject);
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), QStringLiteral("Cost ($/ft³)"));
    EXPECT_EQ(w->msgLaying->TextMatrix(15, 0),
              QStringLiteral("Excavation lower than pipe invert (ft)"));
    EXPECT_EQ(w->msgOperational->TextMatrix(0, 1), QStringLiteral("Annual package ($)"));
}

TEST_F(InputWindowTest, HelpButtonsOpenTheirTopics)
{
    NewOfType(1);
    for (PictureButton* b :
         {w->sscHelp, w->sscHelp1, w->sscHelp3, w->sscHelp2, w->sscMechanical, w->sscElectrical}) {
        b->click();
    }
    EXPECT_EQ(scripted.helpTopics, std::vector<int>({3050, 3060, 3065, 3070, 3090, 3100}));
}

} // namespace vemora::test

namespace vemora::test {

TEST_F(InputWindowTest, BareWindowGivesTheGeneralHintAndTheFileMenu)
{
    NewOfType(0);
    QTest::mouseMove(w, QPoint(1, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    EXPECT_EQ(main->panelText(3), QStringLiteral("Enter the project General Data"));

    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(scripted.menusShown.empty());
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(1, 1));
    ASSERT_EQ(scripted.menusShown.size(), 1u);
    EXPECT_TRUE(scripted.menusShown[0].contains(main->mnuNew->text()));
}

TEST_F(InputWindowTest, MouseOverControlsIsNotTheBareWindow)
{
    NewOfType(0);
    QLabel* caption = nullptr;
    for (QLabel* label : w->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Project name")) caption = label;
    ASSERT_NE(caption, nullptr);

    // Labels and frames leave right clicks and moves unhandled; they must not
    // open the File menu or write the window's own hint.
    QTest::mouseClick(caption, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseClick(w->fraGravityOption, Qt::RightButton, {}, QPoint(200, 30));
    QTest::mouseClick(w->sstInput->widget(0), Qt::RightButton, {}, QPoint(5, 300));
    EXPECT_TRUE(scripted.menusShown.empty());

    main->setPanelText(3, QStringLiteral("before"));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), caption->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(caption, &move);
    EXPECT_EQ(main->panelText(3), QStringLiteral("before"));
}

TEST_F(InputWindowTest, GridHeadingsAreBold)
{
    NewOfType(0);
    EXPECT_TRUE(w->msgDemand->cellFontBoldAt(0, 1));
    EXPECT_FALSE(w->msgDemand->cellFontBoldAt(1, 1));
    EXPECT_EQ(w->msgDemand->ColWidth(0), 1000);
    EXPECT_EQ(w->msgDemand->Row(), 1);
    EXPECT_EQ(w->msgDemand->Col(), 1);
    EXPECT_TRUE(w->msgLaying->MergeRow(9));
    EXPECT_EQ(w->msgLaying->FixedRows(), 0);
}

} // namespace vemora::test
