#include "results/frmDutyPoint.h"

#include <QLabel>

#include "app/AppContext.h"
#include "graphs/PumpGraphs.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"

namespace vemora {

frmDutyPoint::frmDutyPoint(AppContext& context, QWidget* parent) : QDialog(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmDutyPoint"));
    setWindowTitle(QStringLiteral("  PUMP & SYSTEM CURVES"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setFixedSize(twipsToPixels(7440), twipsToPixels(6360));

    Label1 = MakeLabel(this, QString::fromUtf8(DutyPointWarningText), 120, 120, 7200, 255);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(TimesFont(9, true));
    picDuty = new PictureBox(this);
    picDuty->setObjectName(QStringLiteral("picDuty"));
    picDuty->surface().setBackColor(vbcolor::White);
    picDuty->surface().setFontName(TimesNewRoman());
    setTwipsGeometry(picDuty, 120, 480, 7200, 4800);

    MakeImage(this, "imgPumpCurve", QPixmap::fromImage(PumpCurveKey()), 240, 5460);
    Label19 = MakeLabel(this, QStringLiteral("Pump curve"), 960, 5445, 1500);
    MakeImage(this, "imgEfficiencyCurve", QPixmap::fromImage(SecondCurveKey()), 2640, 5460);
    Label18 = MakeLabel(this, QStringLiteral("System curve"), 3360, 5445, 1500);

    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), 4920, 5820, 1140);
    sscOK->setToolTip(QStringLiteral("Click to hide the analysis table"));
    sscHelp = MakeButton(this, "sscHelp", QStringLiteral("Help"), 6180, 5820, 1140);
    connect(sscOK, &QAbstractButton::clicked, this, &frmDutyPoint::sscOK_Click);
    SetDefaultButton(this, sscOK);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmDutyPoint::sscHelp_Click);

    DrawDutyPointGraph();
}

void frmDutyPoint::DrawDutyPointGraph()
{
    // The year shown is one whose curves do not meet: it has no duty point.
    DrawPumpSystemCurves(picDuty->surface(), picDutyFrame, ctx.store, ctx.results,
                         ctx.results.DutyYear, DutyCrossing::None);
}

void frmDutyPoint::sscOK_Click()
{
    accept();
}

void frmDutyPoint::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

} // namespace vemora
