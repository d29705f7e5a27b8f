// The page "Energy Data": pumping hours, summer months, the six tariff rates
// and the 24-hour summer and winter tariff patterns.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "input/frmLCC.h"
#include "platform/ControlBuilders.h"
#include "platform/FieldBehaviours.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "project/RecordCheck.h"

namespace vemora {

namespace {

// A rate caption in the colour of the tariff period whose hours it stands for.
QLabel* RateCaption(QWidget* parent, const QString& text, uint32_t colour, int left, int top)
{
    QLabel* label = MakeLabel(parent, text, left, top, 1200);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, vbColor(colour));
    pal.setColor(QPalette::WindowText, vbColor(vbcolor::Black));
    label->setPalette(pal);
    return label;
}

} // namespace

QWidget* frmLCC::BuildEnergyPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pageEnergy"));

    MakeLabel(page, QStringLiteral("Maximum number of pumping hours"), 120, 270, 3000);
    fsbPumpingHours = MakeScrollBar(page, "fsbPumpingHours", PumpingHoursMin, PumpingHoursMax, 0,
                                    3240, 270, 1800, true);
    lblPumpingHours = MakeLabel(page, QString(), 5160, 270, 600);
    lblPumpingHours->setObjectName(QStringLiteral("lblPumpingHours"));
    fields_->AddHint(fsbPumpingHours, QStringLiteral("Select the number of pumping hours per day"));
    fields_->AddHint(lblPumpingHours,
                     QStringLiteral("The maximum number of pumping hours per day"));

    fraSummer = MakeFrame(page, "fraSummer", QStringLiteral("Summer "), 120, 660, 9840, 2280);
    MakeLabel(fraSummer, QStringLiteral("Number of summer months"), 240, 330, 2400);
    fsbSummer = MakeScrollBar(fraSummer, "fsbSummer", SummerMonthsMin, SummerMonthsMax, 0, 2760,
                              330, 1800, true);
    lblSummer = MakeLabel(fraSummer, QString(), 4680, 330, 600);
    lblSummer->setObjectName(QStringLiteral("lblSummer"));
    fields_->AddHint(fsbSummer, QStringLiteral("Select the number of summer months"));
    fields_->AddHint(lblSummer, QStringLiteral("Number of summer months"));
    BuildSeasonFrame(fraSummer, true);

    fraWinter = MakeFrame(page, "fraWinter", QStringLiteral("Winter"), 120, 3060, 9840, 1860);
    BuildSeasonFrame(fraWinter, false);

    sscHelp3 = MakeButton(page, "sscHelp3", QStringLiteral("Help"), 8880, 5100, 1080, 420);
    return page;
}

// One season's three rates (each with its currency label and "/kW"), the
// note and the row of 24 hour labels, all yellow (off-peak) as laid out.
void frmLCC::BuildSeasonFrame(QGroupBox* frame, bool summer)
{
    const int ratesTop = summer ? 780 : 330;
    const int unitBase = summer ? 0 : 3;
    const char* names[3] = {summer ? "txtSPeak" : "txtWPeak",
                            summer ? "txtSStandard" : "txtWStandard",
                            summer ? "txtSOffpeak" : "txtWOffpeak"};
    const QString captions[3] = {QStringLiteral("Peak rate"), QStringLiteral("Standard rate"),
                                 QStringLiteral("Off-peak rate")};
    const uint32_t colours[3] = {vbcolor::Red, vbcolor::Green, vbcolor::Yellow};
    const QString season = summer ? QStringLiteral("Summer") : QStringLiteral("Winter");
    const QString periods[3] = {QStringLiteral("peak"), QStringLiteral("standard"),
                                QStringLiteral("off-peak")};
    QLineEdit** rates[3] = {summer ? &txtSPeak : &txtWPeak, summer ? &txtSStandard : &txtWStandard,
                            summer ? &txtSOffpeak : &txtWOffpeak};

    for (int r = 0; r < 3; ++r) {
        const int left = 240 + r * 3200;
        RateCaption(frame, captions[r], colours[r], left, ratesTop + 30);
        QLineEdit* rate = MakeText(frame, names[r], left + 1260, ratesTop, 1000);
        *rates[r] = rate;
        fields_->AddFocusHint(rate, QStringLiteral("Enter the %1 %2 rate").arg(season, periods[r]));
        fields_->AddKeyFilter(rate);
        QLabel* unit = MakeLabel(frame, QStringLiteral("R"), left + 2300, ratesTop + 30, 240);
        unit->setObjectName(QStringLiteral("lblUnit(%1)").arg(unitBase + r));
        lblUnit[static_cast<size_t>(unitBase + r)] = unit;
        MakeLabel(frame, QStringLiteral("/kW"), left + 2540, ratesTop + 30, 420);
    }

    const int noteTop = ratesTop + 450;
    MakeLabel(frame, QStringLiteral("Click in the rate boxes to select the applicable rate"), 240,
              noteTop, 6000);

    auto& hours = summer ? lblSummerHour : lblWinterHour;
    const int hoursTop = noteTop + 360;
    for (int h = 0; h < 24; ++h) {
        auto* label = new QLabel(QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')), frame);
        label->setObjectName(
            QStringLiteral("%1(%2)").arg(summer ? "lblSummerHour" : "lblWinterHour").arg(h));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        setTwipsGeometry(label, 240 + h * 390, hoursTop, 375, 330);
        SetHourColour(label, vbcolor::Yellow);
        fields_->AddHint(label, QStringLiteral("Click to change applicable rate"));
        label->installEventFilter(this);
        hours[static_cast<size_t>(h)] = label;
    }
}

} // namespace vemora
