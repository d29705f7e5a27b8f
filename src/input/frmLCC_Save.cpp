// What the save reads of the input window: the boxes by name, the chosen
// options, and the copy of every field into the data store (the boxes through
// their table, the other controls here).
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "app/AppContext.h"
#include "app/InputFields.h"
#include "input/frmLCC.h"
#include "platform/DatePicker.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "platform/TextArea.h"
#include "platform/Twips.h"
#include "project/ProjectDate.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

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
    const std::vector<QWidget*>& widgets = boxes_[static_cast<size_t>(box)];
    const int last = static_cast<int>(widgets.size()) - 1;
    return widgets[static_cast<size_t>(std::clamp(index, 0, last))];
}

// The description with its line breaks as the file holds them.
QString frmLCC::BoxText(InputBox box, int index) const
{
    QWidget* w = Box(box, index);
    if (auto* area = qobject_cast<TextArea*>(w)) return area->keptText();
    return static_cast<QLineEdit*>(w)->text();
}

// A kept text (the pump type) shows from its start.
void frmLCC::SetBoxText(InputBox box, int index, const QString& text)
{
    QWidget* w = Box(box, index);
    if (auto* area = qobject_cast<TextArea*>(w)) {
        area->setKeptText(text);
        return;
    }
    auto* line = static_cast<QLineEdit*>(w);
    line->setText(text);
    if (FieldOf(box).kind == FieldKind::KeptText) line->setCursorPosition(0);
}

int frmLCC::UnitCode(int list) const
{
    return unitLists_[static_cast<size_t>(list)]->currentIndex();
}

// A code outside the list shows no unit.
void frmLCC::SetUnitCode(int list, int code)
{
    QComboBox* box = unitLists_[static_cast<size_t>(list)];
    box->setCurrentIndex(code >= 0 && code < box->count() ? code : -1);
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
    const bool mortarLining = !optEpoxy->isChecked();
    CopyBoxesToStore(*this, s, mortarLining);
    CopyDateAndBars(s);
    s.LiningSystem = mortarLining ? LiningOption::Mortar : LiningOption::Epoxy;
    if (!gravity) CopyEnergyFields(s);
}

// The two flat scroll bars are a pumping project's (CopyEnergyFields).
void frmLCC::CopyDateAndBars(ProjectStore& s) const
{
    const QDate date = dtpDate->Value();
    s.ProjectDate = FormatProjectDate(date.year(), date.month(), date.day());
    s.DesignLife = static_cast<int16_t>(hscLife->Value());
    s.BaseYear = static_cast<int16_t>(hscBaseYear->Value());
    s.SupplyStartYear = static_cast<int16_t>(hscSupplyStart->Value());
    s.MaintenanceMechanical = static_cast<int16_t>(hscMMechanical->Value());
    s.MaintenanceElectrical = static_cast<int16_t>(hscMElectrical->Value());
    s.MaintenancePipeline = static_cast<int16_t>(hscMPipeline->Value());
}

void frmLCC::CopyEnergyFields(ProjectStore& s) const
{
    s.SummerMonths = static_cast<int16_t>(fsbSummer->Value());
    s.PumpingHours = static_cast<int16_t>(fsbPumpingHours->Value());
    ReadHourColours(lblSummerHour, s.SummerHourPeriod);
    ReadHourColours(lblWinterHour, s.WinterHourPeriod);
}

} // namespace vemora
