// The input window's event handlers: every edit of a box, the date or a unit
// list discards the results (each is saved), the scroll bars write the store
// at once; the options, the panel and help buttons, the tariff hour labels
// and the currency refresh.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <stdexcept>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/InputFields.h"
#include "input/frmLCC.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "project/Currency.h"

namespace vemora {

namespace {

// Hundredths of a percent as the maintenance labels show them: the shortest
// decimal form of value / 100 ("0.25 %", "2 %", "10 %").
QString PercentText(int hundredths)
{
    return QString::number(hundredths / 100.0, 'g', 10) + QStringLiteral(" %");
}

} // namespace

void frmLCC::FindBoxes()
{
    for (const FieldBox& b : EveryBox()) {
        const QString name = ControlName(*b.field, b.index);
        auto* box = findChild<QWidget*>(name);
        if (!box) throw std::logic_error("the input window has no box " + name.toStdString());
        std::vector<QWidget*>& widgets = boxes_[static_cast<size_t>(b.field->box)];
        widgets.resize(static_cast<size_t>(b.field->Count()));
        widgets[static_cast<size_t>(b.index)] = box;
    }
    for (const UnitListRow& list : EveryUnitList()) {
        auto* box = findChild<QComboBox*>(QString::fromLatin1(list.unit->name));
        if (!box)
            throw std::logic_error(std::string("the input window has no list ") + list.unit->name);
        unitLists_.push_back(box);
    }
}

void frmLCC::ConnectBoxes()
{
    const auto discard = [this] { DiscardResults(ctx); };
    for (const FieldBox& b : EveryBox()) {
        QWidget* box = Box(b.field->box, b.index);
        if (auto* area = qobject_cast<QPlainTextEdit*>(box))
            connect(area, &QPlainTextEdit::textChanged, this, discard);
        else
            connect(static_cast<QLineEdit*>(box), &QLineEdit::textChanged, this, discard);
    }
}

void frmLCC::ConnectHandlers()
{
    FindBoxes();
    ConnectBoxes();
    connect(dtpDate, &DatePicker::Change, this, [this] { DiscardResults(ctx); });

    connect(hscLife, &ScrollBar::Change, this, &frmLCC::hscLife_Change);
    connect(hscBaseYear, &ScrollBar::Change, this, &frmLCC::hscBaseYear_Change);
    connect(hscSupplyStart, &ScrollBar::Change, this, &frmLCC::hscSupplyStart_Change);
    connect(hscMPipeline, &ScrollBar::Change, this, &frmLCC::hscMPipeline_Change);
    connect(hscMMechanical, &ScrollBar::Change, this, &frmLCC::hscMMechanical_Change);
    connect(hscMElectrical, &ScrollBar::Change, this, &frmLCC::hscMElectrical_Change);
    connect(fsbPumpingHours, &ScrollBar::Change, this, &frmLCC::fsbPumpingHours_Change);
    connect(fsbSummer, &ScrollBar::Change, this, &frmLCC::fsbSummer_Change);

    // An option chosen by the user or set by code runs its click.
    const auto onOption = [this](QRadioButton* option, void (frmLCC::*click)()) {
        connect(option, &QRadioButton::toggled, this, [this, click](bool on) {
            if (on) (this->*click)();
        });
    };
    onOption(optGSpecifiedFlowrate, &frmLCC::optGSpecifiedFlowrate_Click);
    onOption(optGCalculatedFlowrate, &frmLCC::optGCalculatedFlowrate_Click);
    onOption(optPumpFixed, &frmLCC::optPumpFixed_Click);
    onOption(optPumpVarying, &frmLCC::optPumpVarying_Click);
    onOption(optFlowrate, &frmLCC::optFlowrate_Click);
    onOption(optPumpDetails, &frmLCC::optPumpDetails_Click);
    onOption(optEpoxy, &frmLCC::optEpoxy_Click);
    onOption(optMortar, &frmLCC::optMortar_Click);

    connect(sscPumpcurve, &PictureButton::clicked, this, &frmLCC::sscPumpcurve_Click);
    connect(sscViewCurve, &PictureButton::clicked, this, &frmLCC::sscViewCurve_Click);
    connect(sscViewProfile, &PictureButton::clicked, this, &frmLCC::sscViewProfile_Click);
    connect(sscOK, &PictureButton::clicked, this, &frmLCC::sscOK_Click);
    connect(sscLaying, &PictureButton::clicked, this, &frmLCC::sscLaying_Click);
    connect(sscHideLaying, &PictureButton::clicked, this, &frmLCC::sscHideLaying_Click);
    connect(sscCancelLaying, &PictureButton::clicked, this, &frmLCC::sscCancelLaying_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmLCC::sscHelp_Click);
    connect(sscHelp1, &PictureButton::clicked, this, &frmLCC::sscHelp1_Click);
    connect(sscHelp2, &PictureButton::clicked, this, &frmLCC::sscHelp2_Click);
    connect(sscHelp3, &PictureButton::clicked, this, &frmLCC::sscHelp3_Click);
    connect(sscMechanical, &PictureButton::clicked, this, &frmLCC::sscMechanical_Click);
    connect(sscElectrical, &PictureButton::clicked, this, &frmLCC::sscElectrical_Click);

    connect(tmrCurrency, &QTimer::timeout, this, &frmLCC::tmrCurrency_Timer);
}

// --- Scroll bars: discard, label, store at once, demand table ---------------

void frmLCC::hscLife_Change()
{
    DiscardResults(ctx);
    lblLife->setText(QString::number(hscLife->Value()) + QStringLiteral(" years"));
    ctx.store.DesignLife = static_cast<int16_t>(hscLife->Value());
    RebuildDemandTable();
}

void frmLCC::hscBaseYear_Change()
{
    DiscardResults(ctx);
    lblBaseYear->setText(QString::number(hscBaseYear->Value()));
    ctx.store.BaseYear = static_cast<int16_t>(hscBaseYear->Value());
}

void frmLCC::hscSupplyStart_Change()
{
    DiscardResults(ctx);
    lblSupplyStart->setText(QString::number(hscSupplyStart->Value()));
    ctx.store.SupplyStartYear = static_cast<int16_t>(hscSupplyStart->Value());
    RebuildDemandTable();
}

void frmLCC::hscMPipeline_Change()
{
    DiscardResults(ctx);
    lblMPipeline->setText(PercentText(hscMPipeline->Value()));
    ctx.store.MaintenancePipeline = static_cast<int16_t>(hscMPipeline->Value());
}

void frmLCC::hscMMechanical_Change()
{
    DiscardResults(ctx);
    lblMMechanical->setText(PercentText(hscMMechanical->Value()));
    ctx.store.MaintenanceMechanical = static_cast<int16_t>(hscMMechanical->Value());
}

void frmLCC::hscMElectrical_Change()
{
    DiscardResults(ctx);
    lblMElectrical->setText(PercentText(hscMElectrical->Value()));
    ctx.store.MaintenanceElectrical = static_cast<int16_t>(hscMElectrical->Value());
}

// The two flat scroll bars discard and label; the save reads them.
void frmLCC::fsbPumpingHours_Change()
{
    DiscardResults(ctx);
    lblPumpingHours->setText(QString::number(fsbPumpingHours->Value()));
}

void frmLCC::fsbSummer_Change()
{
    DiscardResults(ctx);
    lblSummer->setText(QString::number(fsbSummer->Value()));
}

// --- Options: which inputs apply; the save stores the choice, so a choice
// discards the results ----------------------------------------------------

void frmLCC::optGSpecifiedFlowrate_Click()
{
    DiscardResults(ctx);
    for (QWidget* w :
         {static_cast<QWidget*>(fraGravityFlowrate), static_cast<QWidget*>(comGFlowrateUnits),
          static_cast<QWidget*>(txtGFlowrate), static_cast<QWidget*>(Label52)})
        w->setEnabled(true);
    for (QWidget* w :
         {static_cast<QWidget*>(fraVaryingDemand), static_cast<QWidget*>(msgDemand),
          static_cast<QWidget*>(Label53), static_cast<QWidget*>(comVaryingDemandUnits)})
        w->setEnabled(false);
}

void frmLCC::optGCalculatedFlowrate_Click()
{
    DiscardResults(ctx);
    for (QWidget* w :
         {static_cast<QWidget*>(fraGravityFlowrate), static_cast<QWidget*>(comGFlowrateUnits),
          static_cast<QWidget*>(txtGFlowrate), static_cast<QWidget*>(Label52)})
        w->setEnabled(false);
    for (QWidget* w :
         {static_cast<QWidget*>(fraVaryingDemand), static_cast<QWidget*>(msgDemand),
          static_cast<QWidget*>(Label53), static_cast<QWidget*>(comVaryingDemandUnits)})
        w->setEnabled(true);
}

void frmLCC::optPumpFixed_Click()
{
    DiscardResults(ctx);
    FraPumpFixedDemand->show();
    fraPumpVaryingDemand->hide();
}

void frmLCC::optPumpVarying_Click()
{
    DiscardResults(ctx);
    fraPumpVaryingDemand->show();
    FraPumpFixedDemand->hide();
}

void frmLCC::optFlowrate_Click()
{
    DiscardResults(ctx);
    fraPumpingFlowrate->show();
    fraPumpcurve->hide();
}

void frmLCC::optPumpDetails_Click()
{
    DiscardResults(ctx);
    fraPumpcurve->show();
    fraPumpingFlowrate->hide();
}

void frmLCC::optEpoxy_Click()
{
    DiscardResults(ctx);
    txtLiningThickness->setEnabled(false);
    comLiningThicknessUnits->setEnabled(false);
    Label51->setEnabled(false);
}

void frmLCC::optMortar_Click()
{
    DiscardResults(ctx);
    txtLiningThickness->setEnabled(true);
    comLiningThicknessUnits->setEnabled(true);
    Label51->setEnabled(true);
}

// --- Panels and help --------------------------------------------------------

void frmLCC::sscPumpcurve_Click()
{
    fraPumpDetails->show();
    fraPumpDetails->raise();
}

void frmLCC::sscOK_Click()
{
    fraPumpDetails->hide();
}

// Opening the laying panel refills it from the store, so typing left by a
// cancelled opening is dropped.
void frmLCC::sscLaying_Click()
{
    ShowLayingPanel();
    FillLayingGrid();
}

void frmLCC::ShowLayingPanel()
{
    fraLaying->show();
    fraLaying->raise();
    const QRect place = twipsGeometry(fraLaying);
    setTwipsGeometry(fraLaying, place.x(), place.y(), LayingPanelWidth, LayingPanelHeight);
}

// A table holding a cell that is not a number stays open on that cell.
void frmLCC::sscHideLaying_Click()
{
    if (!ReadGrid(InputGrid::Laying)) return;
    fraLaying->hide();
}

// Cancel drops what was typed and what a save read from the panel since it
// was filled: the store and the grid get the rates back that it showed then.
void frmLCC::sscCancelLaying_Click()
{
    ctx.store.LayingCost = layingAsFilled_;
    FillLayingGrid();
    fraLaying->hide();
}

void frmLCC::sscHelp_Click()
{
    ShowHelpTopic(3050);
}
void frmLCC::sscHelp1_Click()
{
    ShowHelpTopic(3060);
}
void frmLCC::sscHelp2_Click()
{
    ShowHelpTopic(3070);
}
void frmLCC::sscHelp3_Click()
{
    ShowHelpTopic(3065);
}
void frmLCC::sscMechanical_Click()
{
    ShowHelpTopic(3090);
}
void frmLCC::sscElectrical_Click()
{
    ShowHelpTopic(3100);
}

// --- Tariff hour pattern ------------------------------------------------------

uint32_t frmLCC::HourColour(const QLabel* label)
{
    return toVbColor(label->palette().color(QPalette::Window));
}

void frmLCC::SetHourColour(QLabel* label, uint32_t colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, vbColor(colour));
    pal.setColor(QPalette::WindowText, vbColor(vbcolor::Black));
    label->setPalette(pal);
}

namespace {

// One click moves an hour on: off-peak (yellow) to peak (red), peak to
// standard (green), standard to off-peak. Any other colour stays.
void CycleHourColour(QLabel* label)
{
    switch (frmLCC::HourColour(label)) {
    case vbcolor::Yellow:
        frmLCC::SetHourColour(label, vbcolor::Red);
        break;
    case vbcolor::Green:
        frmLCC::SetHourColour(label, vbcolor::Yellow);
        break;
    case vbcolor::Red:
        frmLCC::SetHourColour(label, vbcolor::Green);
        break;
    default:
        break;
    }
}

} // namespace

void frmLCC::lblSummerHour_Click(int index)
{
    if (index < 0 || index >= 24) return;
    QLabel* label = lblSummerHour[static_cast<size_t>(index)];
    ctx.mainWindow().showHint(this, label->toolTip());
    DiscardResults(ctx);
    CycleHourColour(label);
}

void frmLCC::lblWinterHour_Click(int index)
{
    if (index < 0 || index >= 24) return;
    QLabel* label = lblWinterHour[static_cast<size_t>(index)];
    ctx.mainWindow().showHint(this, label->toolTip());
    DiscardResults(ctx);
    CycleHourColour(label);
}

// --- Currency labels ------------------------------------------------------------

void frmLCC::ShowCurrencySymbols()
{
    const QString symbol = QString::fromStdString(CurrencySymbol(ctx.store.CurrencyCode));
    for (QLabel* label : lblUnit)
        label->setText(symbol);
    for (QLabel* label : lblCurrency)
        label->setText(symbol);
}

void frmLCC::RefreshCurrencyLabels()
{
    if (tmrCurrency) tmrCurrency->start();
}

// One refresh per enabling of the timer.
void frmLCC::tmrCurrency_Timer()
{
    ShowCurrencySymbols();
    tmrCurrency->stop();
}

} // namespace vemora
