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
    MEMBER("lblLife", DesignLife),
    MEMBER("lblBaseYear", BaseYear),
    MEMBER("lblSupplyStart", SupplyStart),
    MEMBER("txtGFlowrate", Text(InputBox::txtGFlowrate)),
    MEMBER("comGFlowrateUnits", Unit(InputBox::txtGFlowrate)),
    MEMBER("comVaryingDemandUnits", Unit(GridUnit::VaryingDemand)),
    MEMBER("txtTRWL", Text(InputBox::txtTRWL)),
    MEMBER("comTRWLUnits", Unit(InputBox::txtTRWL)),
    MEMBER("txtBRWL", Text(InputBox::txtBRWL)),
    MEMBER("comBRWLUnits", Unit(InputBox::txtBRWL)),
    MEMBER("txtPFlowrate", Text(InputBox::txtPFlowrate)),
    MEMBER("comPFlowrateUnits", Unit(InputBox::txtPFlowrate)),
    MEMBER("comPumpVaryingDemandUnits", Unit(GridUnit::PumpVaryingDemand)),
    MEMBER("txtPPRWL", Text(InputBox::txtPPRWL)),
    MEMBER("comPPRWLUnits", Unit(InputBox::txtPPRWL)),
    MEMBER("txtPERWL", Text(InputBox::txtPERWL)),
    MEMBER("comPERWLUnits", Unit(InputBox::txtPERWL)),
    MEMBER("txtPumpOperatingFlowrate", Text(InputBox::txtPumpOperatingFlowrate)),
    MEMBER("comPumpOperatingFlowrateUnits", Unit(InputBox::txtPumpOperatingFlowrate)),
    MEMBER("txtPumpEfficiency", Text(InputBox::txtPumpEfficiency)),
    MEMBER("comHeadUnits", Unit(InputBox::txtH)),
    MEMBER("comFlowUnits", Unit(InputBox::txtQ)),
    MEMBER("comElevationUnits", Unit(GridUnit::Elevation)),
    MEMBER("comLengthUnits", Unit(GridUnit::Length)),
    MEMBER("comDiameterUnits", Unit(GridUnit::Diameter)),
    MEMBER("comWallThicknessUnits", Unit(GridUnit::WallThickness)),
    MEMBER("txtLiningThickness", Text(InputBox::txtLiningThickness)),
    MEMBER("comLiningThicknessUnits", Unit(InputBox::txtLiningThickness)),
    MEMBER("txtKsNew", Text(InputBox::txtKsNew)),
    MEMBER("comKsNewUnits", Unit(InputBox::txtKsNew)),
    MEMBER("txtKsOld", Text(InputBox::txtKsOld)),
    MEMBER("comKsOldUnits", Unit(InputBox::txtKsOld)),
    MEMBER("txtKsOldYears", Text(InputBox::txtKsOldYears)),
    MEMBER("lblPumpingHours", PumpingHours),
    MEMBER("lblSummer", SummerMonths),
    MEMBER("txtSPeak", Text(InputBox::txtSPeak)),
    MEMBER("txtSStandard", Text(InputBox::txtSStandard)),
    MEMBER("txtSOffpeak", Text(InputBox::txtSOffpeak)),
    MEMBER("txtWPeak", Text(InputBox::txtWPeak)),
    MEMBER("txtWStandard", Text(InputBox::txtWStandard)),
    MEMBER("txtWOffpeak", Text(InputBox::txtWOffpeak)),
    MEMBER("txtMechanical", Text(InputBox::txtMechanical)),
    MEMBER("txtElectrical", Text(InputBox::txtElectrical)),
    MEMBER("lblMPipeline", MaintenancePipeline),
    MEMBER("lblMMechanical", MaintenanceMechanical),
    MEMBER("lblMElectrical", MaintenanceElectrical),
    MEMBER("txtEscalation", Text(InputBox::txtEscalation)),
    MEMBER("txtDiscountRate", Text(InputBox::txtDiscountRate)),
    MEMBER("txtEnergyEscalation", Text(InputBox::txtEnergyEscalation)),
    MEMBER("txtWaterSales", Text(InputBox::txtWaterSales)),
    MEMBER("comWaterSalesUnits", Unit(InputBox::txtWaterSales)),
    MEMBER("txtWaterIncrease", Text(InputBox::txtWaterIncrease)),
    MEMBER("txtSupervision", Text(InputBox::txtSupervision)),
};

const Member<bool> Options[] = {
    MEMBER("optGSpecifiedFlowrate", GravityFixedDemand),
    MEMBER("optFlowrate", OperatingFlowChosen),
    MEMBER("optPumpDetails", PumpCurveChosen),
    MEMBER("optEpoxy", EpoxyLining),
};

const Member<GridTexts> Grids[] = {
    MEMBER("msgDemand", GravityDemand),
    MEMBER("msgPumpDemand", PumpDemand),
    MEMBER("msgProfile", Nodes),
    MEMBER("msgOperational", Staff),
    MEMBER("msgOtherOperational", OtherExpenses),
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
    EXPECT_EQ(w->Snapshot().Text(InputBox::txtSupervision), "125000");
    EXPECT_EQ(ReadInputWindow(ctx).Text(InputBox::txtSupervision), "125000");
}

} // namespace
} // namespace vemora::test
