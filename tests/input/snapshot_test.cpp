// The snapshot that the printed reports and the analysis read holds each
// control of the window as it stands: every text its own control's (each
// control first given a text of its own, so that a member filled from the
// wrong control shows), every option as chosen, every grid cell for cell.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <functional>

#include "InputWindowFixture.h"
#include "platform/FlexGrid.h"

namespace vemora::test {
namespace {

template <typename Value> struct Member
{
    const char* control; // the control's name in the window
    std::function<Value(const InputSnapshot&)> read;
};

#define MEMBER(control, member)                                                                    \
    {                                                                                              \
        control, [](const InputSnapshot& s) { return s.member; }                                   \
    }

const Member<QString> Texts[] = {
    MEMBER("lblLife", general.DesignLife),
    MEMBER("lblBaseYear", general.BaseYear),
    MEMBER("lblSupplyStart", general.SupplyStart),
    MEMBER("txtGFlowrate", general.GravityFlowRate),
    MEMBER("comGFlowrateUnits", general.GravityFlowRateUnit),
    MEMBER("comVaryingDemandUnits", general.GravityDemandUnit),
    MEMBER("txtTRWL", general.TopLevel),
    MEMBER("comTRWLUnits", general.TopLevelUnit),
    MEMBER("txtBRWL", general.BottomLevel),
    MEMBER("comBRWLUnits", general.BottomLevelUnit),
    MEMBER("txtPFlowrate", general.PumpFlowRate),
    MEMBER("comPFlowrateUnits", general.PumpFlowRateUnit),
    MEMBER("comPumpVaryingDemandUnits", general.PumpDemandUnit),
    MEMBER("txtPPRWL", general.StationLevel),
    MEMBER("comPPRWLUnits", general.StationLevelUnit),
    MEMBER("txtPERWL", general.EndLevel),
    MEMBER("comPERWLUnits", general.EndLevelUnit),
    MEMBER("txtPumpOperatingFlowrate", general.OperatingFlowRate),
    MEMBER("comPumpOperatingFlowrateUnits", general.OperatingFlowRateUnit),
    MEMBER("txtPumpEfficiency", general.PumpEfficiency),
    MEMBER("comHeadUnits", general.PumpHeadUnit),
    MEMBER("comFlowUnits", general.PumpFlowUnit),
    MEMBER("comElevationUnits", profile.ElevationUnit),
    MEMBER("comLengthUnits", profile.LengthUnit),
    MEMBER("comDiameterUnits", profile.DiameterUnit),
    MEMBER("comWallThicknessUnits", profile.WallThicknessUnit),
    MEMBER("txtLiningThickness", profile.LiningThickness),
    MEMBER("comLiningThicknessUnits", profile.LiningThicknessUnit),
    MEMBER("txtKsNew", profile.RoughnessNew),
    MEMBER("comKsNewUnits", profile.RoughnessNewUnit),
    MEMBER("txtKsOld", profile.RoughnessOld),
    MEMBER("comKsOldUnits", profile.RoughnessOldUnit),
    MEMBER("txtKsOldYears", profile.DeteriorationYears),
    MEMBER("lblPumpingHours", energy.PumpingHours),
    MEMBER("lblSummer", energy.SummerMonths),
    MEMBER("txtSPeak", energy.SummerPeak),
    MEMBER("txtSStandard", energy.SummerStandard),
    MEMBER("txtSOffpeak", energy.SummerOffPeak),
    MEMBER("txtWPeak", energy.WinterPeak),
    MEMBER("txtWStandard", energy.WinterStandard),
    MEMBER("txtWOffpeak", energy.WinterOffPeak),
    MEMBER("txtMechanical", rates.Mechanical),
    MEMBER("txtElectrical", rates.Electrical),
    MEMBER("lblMPipeline", rates.MaintenancePipeline),
    MEMBER("lblMMechanical", rates.MaintenanceMechanical),
    MEMBER("lblMElectrical", rates.MaintenanceElectrical),
    MEMBER("txtEscalation", rates.Escalation),
    MEMBER("txtDiscountRate", rates.DiscountRate),
    MEMBER("txtEnergyEscalation", rates.EnergyEscalation),
    MEMBER("txtWaterSales", rates.WaterTariff),
    MEMBER("comWaterSalesUnits", rates.WaterTariffUnit),
    MEMBER("txtWaterIncrease", rates.WaterTariffIncrease),
    MEMBER("txtSupervision", rates.Supervision),
};

const Member<bool> Options[] = {
    MEMBER("optGSpecifiedFlowrate", general.GravityFixedDemand),
    MEMBER("optFlowrate", general.OperatingFlowChosen),
    MEMBER("optPumpDetails", general.PumpCurveChosen),
    MEMBER("optEpoxy", profile.EpoxyLining),
};

const Member<GridTexts> Grids[] = {
    MEMBER("msgDemand", general.GravityDemand),
    MEMBER("msgPumpDemand", general.PumpDemand),
    MEMBER("msgProfile", profile.Nodes),
    MEMBER("msgOperational", rates.Staff),
    MEMBER("msgOtherOperational", rates.OtherExpenses),
};

#undef MEMBER

class SnapshotTest : public InputWindowTest
{
  protected:
    // The one control of the window that bears `name`.
    template <typename Control> Control* Named(const char* name)
    {
        const auto found = w->findChildren<Control*>(QString::fromLatin1(name));
        EXPECT_EQ(found.size(), 1) << name;
        return found.isEmpty() ? nullptr : found.first();
    }

    // Gives the control the text `text`, its handlers not told.
    void SetText(const char* name, const QString& text)
    {
        QWidget* control = Named<QWidget>(name);
        ASSERT_TRUE(control);
        const QSignalBlocker quiet(control);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(text);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->addItem(text);
            list->setCurrentIndex(list->count() - 1);
        } else {
            ADD_FAILURE() << name << " is no label, field or list";
        }
    }
};

TEST_F(SnapshotTest, EveryTextIsItsOwnControls)
{
    for (const Member<QString>& m : Texts)
        SetText(m.control, QStringLiteral("text of ") + QLatin1String(m.control));
    const InputSnapshot snapshot = w->Snapshot();
    for (const Member<QString>& m : Texts)
        EXPECT_EQ(m.read(snapshot), QStringLiteral("text of ") + QLatin1String(m.control));
}

TEST_F(SnapshotTest, EveryOptionAsChosen)
{
    for (bool chosen : {true, false}) {
        for (const Member<bool>& m : Options) {
            auto* option = Named<QRadioButton>(m.control);
            ASSERT_TRUE(option);
            const QSignalBlocker quiet(option);
            option->setAutoExclusive(false); // each chosen or not by itself
            option->setChecked(chosen);
        }
        const InputSnapshot snapshot = w->Snapshot();
        for (const Member<bool>& m : Options)
            EXPECT_EQ(m.read(snapshot), chosen) << m.control;
    }
}

TEST_F(SnapshotTest, EveryGridCellForCell)
{
    NewOfType(PipelineSystem::Pumping); // the pumping demand table filled too
    for (const Member<GridTexts>& m : Grids) {
        FlexGrid* grid = Named<FlexGrid>(m.control);
        ASSERT_TRUE(grid);
        ASSERT_GE(grid->Rows(), 2) << m.control;
        grid->setTextMatrix(1, 0, QStringLiteral("typed in ") + QLatin1String(m.control));
        const GridTexts texts = m.read(w->Snapshot());
        ASSERT_EQ(texts.Rows(), grid->Rows()) << m.control;
        for (int r = 0; r < grid->Rows(); ++r)
            for (int c = 0; c < grid->Cols(); ++c)
                ASSERT_EQ(texts.Cell(r, c), grid->TextMatrix(r, c)) << m.control << r << c;
        EXPECT_EQ(texts.Cell(1, 0), QStringLiteral("typed in ") + QLatin1String(m.control));
        EXPECT_EQ(texts.Cell(1, grid->Cols()), QString()); // outside the grid
        EXPECT_EQ(texts.Cell(grid->Rows(), 0), QString());
    }
}

// The supervision cost the analysis takes is the field's text as typed.
TEST_F(SnapshotTest, TheSupervisionCostIsTheFieldAsTyped)
{
    w->txtSupervision->setText("125000");
    EXPECT_EQ(w->Snapshot().rates.Supervision, "125000");
    EXPECT_EQ(ReadInputWindow(ctx).rates.Supervision, "125000");
}

} // namespace
} // namespace vemora::test
