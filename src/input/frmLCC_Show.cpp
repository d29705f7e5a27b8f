// Showing the data store in the input window: the window half of a project
// load. Every code and range is guarded: a unit code outside its list shows
// no unit, a scroll-bar value outside its range shows (and stores) the
// nearest end of the range, an unknown tariff code leaves its hour colour.
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>

#include "app/AppContext.h"
#include "app/InputFields.h"
#include "app/ReadProjectDate.h"
#include "input/frmLCC.h"
#include "platform/DatePicker.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// Sets a scroll bar to a stored value, kept inside its range. The bar's
// change handler runs also when the value stays, so its label and store
// variable always agree with the bar.
void ShowBarValue(frmLCC* window, ScrollBar* bar, int value, void (frmLCC::*handler)())
{
    const int v = std::clamp(value, bar->Min(), bar->Max());
    if (bar->Value() == v)
        (window->*handler)();
    else
        bar->setValue(v);
}

// Chooses an option; its click runs also when it was chosen already, so the
// frames always follow the stored option.
void SelectOption(frmLCC* window, QRadioButton* option, void (frmLCC::*click)())
{
    if (option->isChecked())
        (window->*click)();
    else
        option->setChecked(true);
}

void ShowHourColours(const Array1<int16_t, 24>& periods, std::array<QLabel*, 24>& labels)
{
    static constexpr uint32_t colours[3] = {vbcolor::Yellow, vbcolor::Green, vbcolor::Red};
    for (int h = 1; h <= 24; ++h) {
        const int code = periods[static_cast<size_t>(h)];
        if (code >= 0 && code <= 2)
            frmLCC::SetHourColour(labels[static_cast<size_t>(h - 1)],
                                  colours[static_cast<size_t>(code)]);
    }
}

} // namespace

// Tabs on, every option frame hidden, then the system type's label, Energy
// tab and energy escalation field, on the first page when `firstPage`.
void frmLCC::ShowSystemTypeView(bool firstPage)
{
    for (int t = 0; t < 4; ++t)
        sstInput->setTabEnabled(t, true);
    if (firstPage) sstInput->setTab(0);
    for (QWidget* frame :
         {FraPumpFixedDemand, fraPumpingFlowrate, FraPumpingOption, fraPumpReservoir,
          fraPumpVaryingDemand, fraPumpOption, fraGravityFlowrate, fraGravityOption,
          fraGravityReservoirs, fraVaryingDemand})
        frame->hide();
    fraPumpcurve->hide();

    const bool pumping = IsPumping(ctx.store);
    ctx.mainWindow().setSystemTypeCaption(pumping ? QStringLiteral("Pumping system")
                                                  : QStringLiteral("Gravity system"));
    // The Energy page of a gravity project is switched off; when it is the
    // page showing, the first page is shown instead (the tab bar itself
    // would move on to the next page).
    if (!pumping && sstInput->Tab() == 2) sstInput->setTab(0);
    sstInput->setTabEnabled(2, pumping);
    txtEnergyEscalation->setVisible(pumping);
    lblEnergyEscalation->setVisible(pumping);
    lblEnergyEscalation1->setVisible(pumping);
}

void frmLCC::ShowFileName(const QString& text)
{
    lblFileName->setText(text);
}

void frmLCC::ShowProject()
{
    ShowHeaderFields();
    if (IsPumping(ctx.store))
        ShowPumpingView();
    else
        ShowGravityView();
    ShowProfileFields();
    ShowBoxes(*this, ctx.store);
    FillProfileGrid();
    FillLayingGrid();
    ShowRatesFields();
    FillStaffGrid();
    FillOtherOperationalGrid();
    ShowCurrencySymbols();
}

void frmLCC::ShowHeaderFields()
{
    const ProjectStore& s = ctx.store;
    // A date the picker cannot take leaves it on its previous date.
    const QDate date = ReadProjectDate(s.ProjectDate);
    if (date.isValid() && date >= dtpDate->minimumDate() && date <= dtpDate->maximumDate())
        dtpDate->setValue(date);

    ShowBarValue(this, hscLife, s.DesignLife, &frmLCC::hscLife_Change);
    ShowBarValue(this, hscBaseYear, s.BaseYear, &frmLCC::hscBaseYear_Change);
    ShowBarValue(this, hscSupplyStart, s.SupplyStartYear, &frmLCC::hscSupplyStart_Change);
}

void frmLCC::ShowPumpingView()
{
    ProjectStore& s = ctx.store;
    FraPumpingOption->show();
    fraPumpOption->show();
    if (HasPumpCurve(s))
        SelectOption(this, optPumpDetails, &frmLCC::optPumpDetails_Click);
    else
        SelectOption(this, optFlowrate, &frmLCC::optFlowrate_Click);
    if (HasVaryingDemand(s))
        SelectOption(this, optPumpVarying, &frmLCC::optPumpVarying_Click);
    else
        SelectOption(this, optPumpFixed, &frmLCC::optPumpFixed_Click);
    txtEnergyEscalation->show();
    lblEnergyEscalation->show();
    lblEnergyEscalation1->show();

    fraPumpReservoir->show();

    FillPumpDemandGrid();

    lblSummer->setText(QString::number(s.SummerMonths));
    ShowBarValue(this, fsbSummer, s.SummerMonths, &frmLCC::fsbSummer_Change);
    lblPumpingHours->setText(QString::number(s.PumpingHours));
    ShowBarValue(this, fsbPumpingHours, s.PumpingHours, &frmLCC::fsbPumpingHours_Change);
    ShowHourColours(s.SummerHourPeriod, lblSummerHour);
    ShowHourColours(s.WinterHourPeriod, lblWinterHour);
}

void frmLCC::ShowGravityView()
{
    const ProjectStore& s = ctx.store;
    fraGravityFlowrate->show();
    fraGravityOption->show();
    fraGravityReservoirs->show();
    fraVaryingDemand->show();
    if (HasVaryingDemand(s))
        SelectOption(this, optGCalculatedFlowrate, &frmLCC::optGCalculatedFlowrate_Click);
    else
        SelectOption(this, optGSpecifiedFlowrate, &frmLCC::optGSpecifiedFlowrate_Click);
    FillDemandGrid();
}

// An epoxy-coated pipe has no lining thickness: the store's is cleared.
void frmLCC::ShowProfileFields()
{
    ProjectStore& s = ctx.store;
    if (HasMortarLining(s)) {
        SelectOption(this, optMortar, &frmLCC::optMortar_Click);
    } else {
        SelectOption(this, optEpoxy, &frmLCC::optEpoxy_Click);
        s.LiningThickness = 0;
        s.LiningThicknessUnit = 0;
    }
}

void frmLCC::ShowRatesFields()
{
    const ProjectStore& s = ctx.store;
    ShowBarValue(this, hscMMechanical, s.MaintenanceMechanical, &frmLCC::hscMMechanical_Change);
    ShowBarValue(this, hscMElectrical, s.MaintenanceElectrical, &frmLCC::hscMElectrical_Change);
    ShowBarValue(this, hscMPipeline, s.MaintenancePipeline, &frmLCC::hscMPipeline_Change);
}

} // namespace vemora
