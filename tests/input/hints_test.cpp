// Every control's hint text, and which controls copy it into status panel 3
// when they receive the focus.
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "InputWindowFixture.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"

namespace vemora::test {

namespace {

struct Hint
{
    QWidget* control;
    const char* text; // UTF-8
    bool onFocus;     // copied into status panel 3 on focus
};

void SendFocusIn(QWidget* control)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(control, &in);
}

} // namespace

TEST_F(InputWindowTest, EveryControlCarriesItsHintAndOnlyMarkedOnesShowItOnFocus)
{
    NewOfType(1);
    const std::vector<Hint> hints = {
        {w->txtProject, "Enter the project name", true},
        {w->txtDesigner, "Enter the designer's name", true},
        {w->txtDescription, "Enter a description of the project", true},
        {w->dtpDate, "Enter/select the date", true},
        {w->lblLife, "Scroll to the design life of the system", false},
        {w->lblBaseYear, "Scroll to the start year of the project", false},
        {w->lblSupplyStart, "Scroll to the supply start year of the project", false},
        {w->txtGFlowrate, "Enter the fixed demand", false},
        {w->txtPFlowrate, "Enter the fixed demand", true},
        {w->comGFlowrateUnits, "Select the demand units", false},
        {w->comPFlowrateUnits, "Select the fixed demand units", true},
        {w->comVaryingDemandUnits, "Select the varying demand units", false},
        {w->comPumpVaryingDemandUnits, "Select the varying demand units", true},
        {w->msgDemand, "", false},
        {w->msgPumpDemand, "Enter the varying demand", false},
        {w->txtTRWL, "Enter the top reservoir water level", false},
        {w->comTRWLUnits, "Select the top reservoir water level units", true},
        {w->txtBRWL, "Enter the end reservoir water level", false},
        {w->comBRWLUnits, "Select the end reservoir water level units", true},
        {w->txtPPRWL, "Enter the pumpstation reservoir water level", true},
        {w->comPPRWLUnits, "Select the pumpstation reservoir water level units", true},
        {w->txtPERWL, "Enter the end reservoir water level", true},
        {w->comPERWLUnits, "Select the end reservoir water level units", true},
        {w->optGSpecifiedFlowrate, "Select to enter thea fixed demand", false},
        {w->optGCalculatedFlowrate, "Select to enter the varying demand", false},
        {w->optPumpFixed, "Select to enter a fixed demand", false},
        {w->optPumpVarying, "Select to enter a varying demand", false},
        {w->optFlowrate, "Select to enter the specified operating flowrate of the pump", false},
        {w->optPumpDetails, "Select to enter the pump characteristics", false},
        {w->txtPumpOperatingFlowrate, "Enter the operating flowrate of the pump", true},
        {w->comPumpOperatingFlowrateUnits, "Select the operating flowrate units", true},
        {w->txtPumpEfficiency, "Enter the pump efficiency", true},
        {w->sscPumpcurve, "Enter or edit the pump curve", true},
        {w->txtPumptype, "Enter the pump type", true},
        {w->txtPumpDescription, "Enter a description of the pump configuration", true},
        {w->fraPumpDetails, "Enter the pump characteristics", false},
        {w->txtH[0], "Enter the pump head", true},
        {w->txtQ[5], "Enter the pump flowrate", true},
        {w->txtEfficiency[3], "Enter the pump installation efficiency", false},
        {w->comHeadUnits, "Select the pump head units", true},
        {w->comFlowUnits, "Select the pump flowrate units", true},
        {w->sscViewCurve, "View the pump curve", true},
        {w->sscOK, "", false},
        {w->msgProfile, "Enter the pipeline profile", false},
        {w->comNode, "Select the node type", true},
        {w->sscViewProfile, "View the pipeline profile", true},
        {w->sscDelete, "Delete a row from the profile grid", true},
        {w->sscAdd, "Add a row to the profile grid", true},
        {w->comDiameterUnits, "Select the pipeline diameter units", true},
        {w->comWallThicknessUnits, "Select the pipeline wall thickness units", false},
        {w->comElevationUnits, "Select the pipeline elevation units", true},
        {w->comLengthUnits, "Select the pipeline accumulated length units", true},
        {w->optEpoxy, "Select if the pipeline has an epoxy lining", false},
        {w->optMortar, "Select if the pipeline has a cement mortar lining", false},
        {w->txtLiningThickness, "Enter the thickness of the lining system", false},
        {w->comLiningThicknessUnits,
         "Select the units of the cement mortar lining thickness entered", false},
        {w->txtKsNew, "Enter the absolute pipe roughness of a new pipe", true},
        {w->comKsNewUnits, "The absolute roughness units for a new pipe", true},
        {w->txtKsOld, "Enter the absolute pipe roughness of a old pipe", true},
        {w->comKsOldUnits, "The absolute roughness units for an old pipe", true},
        {w->txtKsOldYears, "Time it will take the pipe to deteriorate", true},
        {w->sscLaying, "Click to view the pipeline laying conditions and costs", false},
        {w->sscHideLaying, "Save the entered data and exit", false},
        {w->sscCancelLaying, "Do not save the entered data and return to the profile data screen",
         false},
        {w->fsbPumpingHours, "Select the number of pumping hours per day", false},
        {w->lblPumpingHours, "The maximum number of pumping hours per day", false},
        {w->fsbSummer, "Select the number of summer months", false},
        {w->lblSummer, "Number of summer months", false},
        {w->txtSPeak, "Enter the Summer peak rate", true},
        {w->txtSStandard, "Enter the Summer standard rate", true},
        {w->txtSOffpeak, "Enter the Summer off-peak rate", true},
        {w->txtWPeak, "Enter the Winter peak rate", true},
        {w->txtWStandard, "Enter the Winter standard rate", true},
        {w->txtWOffpeak, "Enter the Winter off-peak rate", true},
        {w->lblSummerHour[0], "Click to change applicable rate", false},
        {w->lblWinterHour[23], "Click to change applicable rate", false},
        {w->txtDiscountRate, "Enter the estimated discount rate percentage", false},
        {w->txtEscalation, "Enter the estimated escalation rate percentage", false},
        {w->txtEnergyEscalation, "Enter the estimated energy cost escalation rate percentage",
         false},
        {w->txtMechanical, "Enter the Mechanical Works Capital cost", false},
        {w->txtElectrical, "Enter the Electrical Works Capital cost", false},
        {w->sscMechanical, "Click to see the calculation of the mechanical cost", false},
        {w->sscElectrical, "Click to see the calculation of the electrical cost", false},
        {w->lblMPipeline, "Scroll to the percentage of the annual pipeline maintenance cost",
         false},
        {w->lblMMechanical,
         "Scroll to the percentage of the annual mechancial works maintenance cost", false},
        {w->lblMElectrical,
         "Scroll to the percentage of the annual electrical works maintenance cost", false},
        {w->msgOperational, "Operational costs (staff expenses)", false},
        {w->msgOtherOperational, "Operational costs (other expenses)", false},
        {w->txtWaterSales, "Enter the current income from water sales", false},
        {w->comWaterSalesUnits, "Select the units for the water tariff", false},
        {w->txtWaterIncrease, "Enter the estimated annual increase in water tariffs", false},
        {w->txtSupervision, "Enter the estimated project supervision fees ", false},
        {w->sscHelp1, "", false},
        {w->sscHelp2, "", false},
        {w->sscHelp3, "", false},
        {w->hscLife, "", false},
        {w->hscMElectrical, "", false},
    };
    for (const Hint& h : hints) {
        const QString name = h.control->objectName();
        EXPECT_EQ(h.control->toolTip(), QString::fromUtf8(h.text)) << name.toStdString();
        main->setPanelText(3, QStringLiteral("before"));
        SendFocusIn(h.control);
        EXPECT_EQ(main->panelText(3),
                  h.onFocus ? QString::fromUtf8(h.text) : QStringLiteral("before"))
            << name.toStdString();
    }

    // The first page's help button has an empty hint that it does write.
    main->setPanelText(3, QStringLiteral("before"));
    SendFocusIn(w->sscHelp);
    EXPECT_EQ(main->panelText(3), QString());
}

} // namespace vemora::test
