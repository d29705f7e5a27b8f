// The page "Rates and Sales": discount and escalation rates, capital cost,
// maintenance percentages, operational expenses, income and consulting.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "input/frmLCC.h"
#include "platform/ControlBuilders.h"
#include "platform/FieldBehaviours.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "project/RecordCheck.h"

namespace vemora {

namespace {

QLabel* CurrencyLabel(QWidget* parent, int index, int left, int top)
{
    QLabel* label = MakeLabel(parent, QStringLiteral("R"), left, top, 240);
    label->setObjectName(QStringLiteral("lblCurrency(%1)").arg(index));
    return label;
}

} // namespace

QWidget* frmLCC::BuildRatesPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pageRates"));

    BuildRateFields(page);
    BuildCapitalCostFrame(page);
    BuildMaintenanceFrame(page);
    BuildIncomeFrame(page);
    BuildConsultingFrame(page);
    BuildOperationalFrame(page);

    sscHelp2 = MakeButton(page, "sscHelp2", QStringLiteral("Help"), 8880, 5700, 1080, 420);
    return page;
}

void frmLCC::BuildRateFields(QWidget* page)
{
    MakeLabel(page, QStringLiteral("Discount rate"), 120, 300, 2640);
    txtDiscountRate = MakeText(page, "txtDiscountRate", 2820, 270, 1080);
    MakeLabel(page, QStringLiteral("%"), 3960, 300, 300);
    MakeLabel(page, QStringLiteral("Escalation rate"), 120, 690, 2640);
    txtEscalation = MakeText(page, "txtEscalation", 2820, 660, 1080);
    MakeLabel(page, QStringLiteral("%"), 3960, 690, 300);
    lblEnergyEscalation =
        MakeLabel(page, QStringLiteral("Energy cost escalation rate"), 120, 1080, 2640);
    lblEnergyEscalation->setObjectName(QStringLiteral("lblEnergyEscalation"));
    txtEnergyEscalation = MakeText(page, "txtEnergyEscalation", 2820, 1050, 1080);
    lblEnergyEscalation1 = MakeLabel(page, QStringLiteral("%"), 3960, 1080, 300);
    lblEnergyEscalation1->setObjectName(QStringLiteral("lblEnergyEscalation1"));
    fields_->AddHint(txtDiscountRate,
                     QStringLiteral("Enter the estimated discount rate percentage"));
    fields_->AddHint(txtEscalation,
                     QStringLiteral("Enter the estimated escalation rate percentage"));
    fields_->AddHint(txtEnergyEscalation,
                     QStringLiteral("Enter the estimated energy cost escalation rate percentage"));
    fields_->AddKeyFilter(txtDiscountRate);
    fields_->AddKeyFilter(txtEscalation);
    fields_->AddKeyFilter(txtEnergyEscalation);
}

void frmLCC::BuildCapitalCostFrame(QWidget* page)
{
    Frame6 = MakeFrame(page, "Frame6", QStringLiteral("Capital cost"), 120, 1500, 5040, 1140);
    MakeLabel(Frame6, QStringLiteral("Mechanical works (valves etc)"), 120, 360, 2520);
    lblCurrency[0] = CurrencyLabel(Frame6, 0, 2700, 360);
    txtMechanical = MakeText(Frame6, "txtMechanical", 2940, 330, 960);
    sscMechanical =
        MakeButton(Frame6, "sscMechanical", QStringLiteral("&Mechanical"), 3960, 315, 960, 345);
    MakeLabel(Frame6, QStringLiteral("Electrical works"), 120, 750, 2520);
    lblCurrency[1] = CurrencyLabel(Frame6, 1, 2700, 750);
    txtElectrical = MakeText(Frame6, "txtElectrical", 2940, 720, 960);
    sscElectrical =
        MakeButton(Frame6, "sscElectrical", QStringLiteral("&Electrical"), 3960, 705, 960, 345);
    fields_->AddHint(txtMechanical, QStringLiteral("Enter the Mechanical Works Capital cost"));
    fields_->AddHint(txtElectrical, QStringLiteral("Enter the Electrical Works Capital cost"));
    fields_->AddHint(sscMechanical,
                     QStringLiteral("Click to see the calculation of the mechanical cost"));
    fields_->AddHint(sscElectrical,
                     QStringLiteral("Click to see the calculation of the electrical cost"));
    fields_->AddKeyFilter(txtMechanical);
    fields_->AddKeyFilter(txtElectrical);
}

void frmLCC::BuildMaintenanceFrame(QWidget* page)
{
    Frame1[2] =
        MakeFrame(page, "Frame1(2)", QStringLiteral("Maintenance cost"), 120, 2760, 5040, 1380);
    struct MaintenanceBar
    {
        const char* caption;
        const char* name;
        int max, top;
        ScrollBar*& bar;
        QLabel*& label;
        const char* labelName;
        const char* hint;
    };
    const MaintenanceBar bars[] = {
        {"Pipeline ", "hscMPipeline", MaintenancePipelineMax, 330, hscMPipeline, lblMPipeline,
         "lblMPipeline", "Scroll to the percentage of the annual pipeline maintenance cost"},
        {"Mechanical works", "hscMMechanical", MaintenanceMechanicalMax, 690, hscMMechanical,
         lblMMechanical, "lblMMechanical",
         "Scroll to the percentage of the annual mechancial works maintenance cost"},
        {"Electrical works", "hscMElectrical", MaintenanceElectricalMax, 1050, hscMElectrical,
         lblMElectrical, "lblMElectrical",
         "Scroll to the percentage of the annual electrical works maintenance cost"},
    };
    for (const MaintenanceBar& b : bars) {
        MakeLabel(Frame1[2], QString::fromLatin1(b.caption), 120, b.top, 1800);
        b.bar = MakeScrollBar(Frame1[2], b.name, MaintenanceMin, b.max, 5, 1980, b.top, 2100);
        b.label = MakeLabel(Frame1[2], QString(), 4200, b.top, 780);
        b.label->setObjectName(QString::fromLatin1(b.labelName));
        fields_->AddHint(b.label, QString::fromLatin1(b.hint));
    }
}

void frmLCC::BuildIncomeFrame(QWidget* page)
{
    fraIncome = MakeFrame(page, "fraIncome", QStringLiteral("Income"), 120, 4260, 5040, 1080);
    MakeLabel(fraIncome, QStringLiteral("Current water sales unit tariff"), 120, 360, 2520);
    lblCurrency[2] = CurrencyLabel(fraIncome, 2, 2700, 360);
    txtWaterSales = MakeText(fraIncome, "txtWaterSales", 2940, 330, 900);
    comWaterSalesUnits = MakeUnitList(fraIncome, "comWaterSalesUnits", 3900, 322, 1020);
    MakeLabel(fraIncome, QStringLiteral("Water tariff annual increase"), 120, 750, 2520);
    txtWaterIncrease = MakeText(fraIncome, "txtWaterIncrease", 2940, 720, 900);
    MakeLabel(fraIncome, QStringLiteral("%"), 3900, 750, 300);
    fields_->AddHint(txtWaterSales, QStringLiteral("Enter the current income from water sales"));
    fields_->AddHint(comWaterSalesUnits, QStringLiteral("Select the units for the water tariff"));
    fields_->AddHint(txtWaterIncrease,
                     QStringLiteral("Enter the estimated annual increase in water tariffs"));
    fields_->AddKeyFilter(txtWaterSales);
    fields_->AddKeyFilter(txtWaterIncrease);
}

void frmLCC::BuildConsultingFrame(QWidget* page)
{
    Frame2 = MakeFrame(page, "Frame2", QStringLiteral("Consulting"), 120, 5460, 5040, 720);
    MakeLabel(Frame2, QStringLiteral("Project supervision fees"), 120, 345, 2520);
    lblCurrency[3] = CurrencyLabel(Frame2, 3, 2700, 345);
    txtSupervision = MakeText(Frame2, "txtSupervision", 2940, 315, 960);
    fields_->AddHint(txtSupervision,
                     QStringLiteral("Enter the estimated project supervision fees "));
    fields_->AddKeyFilter(txtSupervision);
}

void frmLCC::BuildOperationalFrame(QWidget* page)
{
    Frame1[0] =
        MakeFrame(page, "Frame1(0)", QStringLiteral("Operational cost"), 5280, 60, 4680, 5520);
    MakeLabel(Frame1[0], QStringLiteral("Operational expenses"), 120, 240, 4440, 240);
    MakeLabel(Frame1[0], QStringLiteral("Waterboard/Municipality (owner) staff expenses"), 120, 510,
              4440);
    msgOperational = MakeGrid(Frame1[0], "msgOperational", 120, 780, 4440, 2580);
    txtCellOperational = MakeCellEditor(Frame1[0], "txtCellOperational");
    msgOtherOperational = MakeGrid(Frame1[0], "msgOtherOperational", 120, 3480, 4440, 1920);
    txtCellOtherOperational = MakeCellEditor(Frame1[0], "txtCellOtherOperational");
    fields_->AddHint(msgOperational, QStringLiteral("Operational costs (staff expenses)"));
    fields_->AddHint(msgOtherOperational, QStringLiteral("Operational costs (other expenses)"));
}

} // namespace vemora
