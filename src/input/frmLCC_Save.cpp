// What the save reads of the input window: the boxes by name, the chosen
// options, and the copy of every field into the data store.
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "platform/DatePicker.h"
#include "platform/NumberText.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "project/ProjectDate.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// A checked number box's value; an empty box gives 0.
float Number(const QLineEdit* box)
{
    float value = 0;
    if (!WholeTextNumber(box->text(), value)) value = 0;
    return value;
}

int16_t Code(const QComboBox* list)
{
    return static_cast<int16_t>(list->currentIndex() < 0 ? 0 : list->currentIndex());
}

std::string Trimmed(const QString& text)
{
    return text.trimmed().toStdString();
}

// Tariff category of an hour label's colour; other colours keep the element.
void ReadHourColours(const std::array<QLabel*, 24>& labels, Array1<int16_t, 24>& periods)
{
    for (int h = 0; h < 24; ++h) {
        const uint32_t colour = frmLCC::HourColour(labels[static_cast<size_t>(h)]);
        int16_t& code = periods[static_cast<size_t>(h + 1)];
        if (colour == vbcolor::Yellow) code = 0;
        if (colour == vbcolor::Green) code = 1;
        if (colour == vbcolor::Red) code = 2;
    }
}

} // namespace

QString frmLCC::FileNameText() const
{
    return lblFileName->text();
}

QWidget* frmLCC::Box(InputBox box, int index) const
{
    const size_t point = static_cast<size_t>(std::clamp(index, 0, 5));
    switch (box) {
    case InputBox::txtProject:
        return txtProject;
    case InputBox::txtDesigner:
        return txtDesigner;
    case InputBox::txtDescription:
        return txtDescription;
    case InputBox::txtGFlowrate:
        return txtGFlowrate;
    case InputBox::txtTRWL:
        return txtTRWL;
    case InputBox::txtBRWL:
        return txtBRWL;
    case InputBox::txtPFlowrate:
        return txtPFlowrate;
    case InputBox::txtPPRWL:
        return txtPPRWL;
    case InputBox::txtPERWL:
        return txtPERWL;
    case InputBox::txtPumpOperatingFlowrate:
        return txtPumpOperatingFlowrate;
    case InputBox::txtPumpEfficiency:
        return txtPumpEfficiency;
    case InputBox::txtH:
        return txtH[point];
    case InputBox::txtQ:
        return txtQ[point];
    case InputBox::txtEfficiency:
        return txtEfficiency[point];
    case InputBox::txtLiningThickness:
        return txtLiningThickness;
    case InputBox::txtKsNew:
        return txtKsNew;
    case InputBox::txtKsOld:
        return txtKsOld;
    case InputBox::txtKsOldYears:
        return txtKsOldYears;
    case InputBox::txtSPeak:
        return txtSPeak;
    case InputBox::txtSStandard:
        return txtSStandard;
    case InputBox::txtSOffpeak:
        return txtSOffpeak;
    case InputBox::txtWPeak:
        return txtWPeak;
    case InputBox::txtWStandard:
        return txtWStandard;
    case InputBox::txtWOffpeak:
        return txtWOffpeak;
    case InputBox::txtEscalation:
        return txtEscalation;
    case InputBox::txtDiscountRate:
        return txtDiscountRate;
    case InputBox::txtEnergyEscalation:
        return txtEnergyEscalation;
    case InputBox::txtWaterSales:
        return txtWaterSales;
    case InputBox::txtWaterIncrease:
        return txtWaterIncrease;
    case InputBox::txtElectrical:
        return txtElectrical;
    case InputBox::txtMechanical:
        return txtMechanical;
    case InputBox::txtSupervision:
        return txtSupervision;
    }
    return txtProject;
}

QString frmLCC::BoxText(InputBox box, int index) const
{
    QWidget* w = Box(box, index);
    if (auto* area = qobject_cast<QPlainTextEdit*>(w)) return area->toPlainText();
    return static_cast<QLineEdit*>(w)->text();
}

void frmLCC::SetBoxText(InputBox box, int index, const QString& text)
{
    QWidget* w = Box(box, index);
    if (auto* area = qobject_cast<QPlainTextEdit*>(w))
        area->setPlainText(text);
    else
        static_cast<QLineEdit*>(w)->setText(text);
}

// The box comes into sight, on its page, and takes the focus, so that the
// next keys go into the box the message named.
void frmLCC::FocusBox(InputBox box, int index)
{
    QWidget* target = Box(box, index);
    BringUp(target);
    target->setFocus(Qt::OtherFocusReason);
}

void frmLCC::BringUp(QWidget* control)
{
    ctx.mainWindow().showWorkingWindow(this);
    for (QWidget* w = control; w && w != sstInput; w = w->parentWidget()) {
        const int page = sstInput->indexOf(w);
        if (page >= 0) sstInput->setTab(page);
    }
    if (fraLaying->isAncestorOf(control) && fraLaying->isHidden()) ShowLayingPanel();
    if (fraPumpDetails->isAncestorOf(control) && fraPumpDetails->isHidden()) sscPumpcurve_Click();
}

ChosenOptions frmLCC::Options() const
{
    ChosenOptions chosen;
    if (IsPumping(ctx.store))
        chosen.varyingDemand = !optPumpFixed->isChecked();
    else
        chosen.varyingDemand = !optGSpecifiedFlowrate->isChecked();
    chosen.pumpCurve = optPumpDetails->isChecked();
    chosen.mortarLining = optMortar->isChecked();
    return chosen;
}

void frmLCC::CopyFieldsToStore(ProjectStore& s)
{
    const bool gravity = !IsPumping(s);
    CopyGeneralFields(s, gravity);
    if (gravity)
        CopyGravityFields(s);
    else
        CopyPumpingFields(s);
    CopyProfileFields(s);
    CopyRatesFields(s, gravity);
    if (!gravity) CopyEnergyFields(s);
}

void frmLCC::CopyGeneralFields(ProjectStore& s, bool gravity) const
{
    s.ProjectName = Trimmed(txtProject->text());
    s.Designer = Trimmed(txtDesigner->text());
    s.ProjectDescription = Trimmed(txtDescription->toPlainText());
    const QDate date = dtpDate->Value();
    s.ProjectDate = FormatProjectDate(date.year(), date.month(), date.day());
    s.DesignLife = static_cast<int16_t>(hscLife->Value());
    s.BaseYear = static_cast<int16_t>(hscBaseYear->Value());
    s.SupplyStartYear = static_cast<int16_t>(hscSupplyStart->Value());
    s.YearDemandUnit = Code(gravity ? comVaryingDemandUnits : comPumpVaryingDemandUnits);
}

void frmLCC::CopyGravityFields(ProjectStore& s) const
{
    s.FixedDemand = Number(txtGFlowrate);
    s.FixedDemandUnit = Code(comGFlowrateUnits);
    s.StartReservoirLevel = Number(txtTRWL);
    s.EndReservoirLevel = Number(txtBRWL);
    s.StartReservoirLevelUnit = Code(comTRWLUnits);
    s.EndReservoirLevelUnit = Code(comBRWLUnits);
}

void frmLCC::CopyPumpingFields(ProjectStore& s) const
{
    s.FixedDemand = Number(txtPFlowrate);
    s.FixedDemandUnit = Code(comPFlowrateUnits);
    for (size_t k = 0; k < 6; ++k) {
        s.PumpCurve[1][k + 1] = Number(txtH[k]);
        s.PumpCurve[2][k + 1] = Number(txtQ[k]);
        s.PumpCurve[3][k + 1] = Number(txtEfficiency[k]);
    }
    s.CurveFlowUnit = Code(comFlowUnits);
    s.CurveHeadUnit = Code(comHeadUnits);
    s.OperatingFlowRate = Number(txtPumpOperatingFlowrate);
    s.OperatingFlowRateUnit = Code(comPumpOperatingFlowrateUnits);
    s.PumpType = txtPumptype->text().toStdString();
    s.PumpDescription = txtPumpDescription->toPlainText().toStdString();
    s.OperatingEfficiency = Number(txtPumpEfficiency);
    s.StartReservoirLevel = Number(txtPPRWL);
    s.EndReservoirLevel = Number(txtPERWL);
    s.StartReservoirLevelUnit = Code(comPPRWLUnits);
    s.EndReservoirLevelUnit = Code(comPERWLUnits);
}

void frmLCC::CopyProfileFields(ProjectStore& s) const
{
    if (optEpoxy->isChecked()) {
        s.LiningSystem = LiningOption::Epoxy;
        s.LiningThickness = 0;
        s.LiningThicknessUnit = 0;
    } else {
        s.LiningSystem = LiningOption::Mortar;
        s.LiningThickness = Number(txtLiningThickness);
        s.LiningThicknessUnit = Code(comLiningThicknessUnits);
    }
    s.RoughnessNew = Number(txtKsNew);
    s.RoughnessNewUnit = Code(comKsNewUnits);
    s.RoughnessOld = Number(txtKsOld);
    s.RoughnessOldUnit = Code(comKsOldUnits);
    s.DeteriorationYears = Number(txtKsOldYears);
    s.DiameterUnit = Code(comDiameterUnits);
    s.ChainageUnit = Code(comLengthUnits);
    s.ElevationUnit = Code(comElevationUnits);
    s.WallThicknessUnit = Code(comWallThicknessUnits);
}

void frmLCC::CopyRatesFields(ProjectStore& s, bool gravity) const
{
    s.DiscountRate = Number(txtDiscountRate);
    s.EscalationRate = Number(txtEscalation);
    s.EnergyEscalationRate = gravity ? 0.0f : Number(txtEnergyEscalation);
    s.MaintenanceMechanical = static_cast<int16_t>(hscMMechanical->Value());
    s.MaintenanceElectrical = static_cast<int16_t>(hscMElectrical->Value());
    s.MaintenancePipeline = static_cast<int16_t>(hscMPipeline->Value());
    s.MechanicalWorksCost = Number(txtMechanical);
    s.ElectricalWorksCost = Number(txtElectrical);
    s.SupervisionFees = Number(txtSupervision);
    s.WaterPrice = Number(txtWaterSales);
    s.WaterPriceUnit = Code(comWaterSalesUnits);
    s.WaterPriceIncrease = Number(txtWaterIncrease);
}

void frmLCC::CopyEnergyFields(ProjectStore& s) const
{
    s.TariffSummerPeak = Number(txtSPeak);
    s.TariffSummerStandard = Number(txtSStandard);
    s.TariffSummerOffPeak = Number(txtSOffpeak);
    s.TariffWinterPeak = Number(txtWPeak);
    s.TariffWinterStandard = Number(txtWStandard);
    s.TariffWinterOffPeak = Number(txtWOffpeak);
    s.SummerMonths = static_cast<int16_t>(fsbSummer->Value());
    s.PumpingHours = static_cast<int16_t>(fsbPumpingHours->Value());
    ReadHourColours(lblSummerHour, s.SummerHourPeriod);
    ReadHourColours(lblWinterHour, s.WinterHourPeriod);
}

} // namespace vemora
