#include "shell/frmPref.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/FieldBehaviours.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "project/Currency.h"
#include "project/UnitSystem.h"
#include "shell/Pictures.h"

namespace vemora {

namespace {

const QString DialogHint = QStringLiteral("Set the Preferences for the project");

// "#0.00" and "%": 1050 hundredths read "10.50%".
QString PercentLabel(double percent)
{
    return QString::number(percent, 'f', 2) + QStringLiteral("%");
}

} // namespace

frmPref::frmPref(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmPref"));
    setWindowTitle(QStringLiteral("  USER PREFERENCES"));
    setFixedSize(twipsToPixels(6300), twipsToPixels(4560));
    setFont(TimesFont(10, false));
    fields_ = new FieldBehaviours(this, [this](const QString& hint) { ShowHint(hint); });

    Label1 =
        MakeLabel(this, QStringLiteral("Set your preferences on this screen"), 240, 180, 5820, 360);
    Label1->setFont(TimesFont(12, true));

    Frame1 = MakeFrame(this, "Frame1", QStringLiteral("Rates"), 240, 660, 5820, 1380);
    Label4 = MakeLabel(Frame1, QStringLiteral("Preliminary & General"), 180, 420, 2160);
    hsbPG = MakeScrollBar(Frame1, "hsbPG", 0, PercentBarMax, 100, 2400, 420, 2280);
    lblPG = MakeLabel(Frame1, QStringLiteral("10%"), 4800, 420, 900);
    lblPG->setObjectName(QStringLiteral("lblPG"));
    fields_->AddHint(lblPG, QStringLiteral("Scroll to the percentage Prliminary && General"));
    Label3 = MakeLabel(Frame1, QStringLiteral("Contingencies"), 180, 900, 2160);
    hsbContingencies =
        MakeScrollBar(Frame1, "hsbContingencies", 0, PercentBarMax, 100, 2400, 900, 2280);
    lblContingencies = MakeLabel(Frame1, QStringLiteral("10%"), 4800, 900, 900);
    lblContingencies->setObjectName(QStringLiteral("lblContingencies"));
    fields_->AddHint(lblContingencies, QStringLiteral("Scroll to the percentage contingencies"));

    Frame2 = MakeFrame(this, "Frame2", QStringLiteral("Currency"), 240, 2160, 2820, 1200);
    optDollars =
        MakeOption(Frame2, "optDollars", QStringLiteral(" US Dollars ($)"), 240, 360, 2400);
    fields_->AddFocusHint(optDollars, QStringLiteral("Click to set the currency to US Dollars"));
    optRand = MakeOption(Frame2, "optRand", QStringLiteral(" SA Rand (R)"), 240, 780, 2400);
    fields_->AddFocusHint(optRand, QStringLiteral("Click to set the currency to SA Rand"));

    frmUnits = MakeFrame(this, "frmUnits", QStringLiteral("Units"), 3240, 2160, 2820, 1200);
    optMetric = MakeOption(frmUnits, "optMetric", QStringLiteral(" Metric Units"), 240, 360, 2400);
    fields_->AddFocusHint(optMetric, QStringLiteral("Click to select Metric units"));
    optUS = MakeOption(frmUnits, "optUS", QStringLiteral(" US Units"), 240, 780, 2400);
    fields_->AddFocusHint(optUS, QStringLiteral("Click to select US units"));

    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), 240, 3660, 1500, 495);
    sscOK->setToolTip(QStringLiteral("Accept the settings and return to the program"));
    sscCancel = MakeButton(this, "sscCancel", QStringLiteral("&Cancel"), 1920, 3660, 1500, 495);
    sscCancel->setToolTip(QStringLiteral("Cancel the settings"));
    sscHelp = MakeButton(this, "sscHelp", QString(), 5340, 3660, 720, 495);
    sscHelp->setToolTip(QStringLiteral("Help"));
    sscHelp->setPicture(ShellPicture(QStringLiteral("help")));
    for (PictureButton* b : {sscOK, sscCancel, sscHelp})
        connect(b, &PictureButton::MouseMove, this, [this, b] { ShowHint(b->toolTip()); });

    Form_Load();

    for (ScrollBar* bar : {hsbPG, hsbContingencies}) {
        const auto handler =
            bar == hsbPG ? &frmPref::hsbPG_Change : &frmPref::hsbContingencies_Change;
        connect(bar, &ScrollBar::Change, this, handler);
        connect(bar, &ScrollBar::Scroll, this, handler);
    }
    connect(sscOK, &PictureButton::clicked, this, &frmPref::sscOK_Click);
    SetDefaultButton(this, sscOK);
    connect(sscCancel, &PictureButton::clicked, this, &frmPref::sscCancel_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmPref::sscHelp_Click);

    setMouseTracking(true);
    installEventFilter(this);
    for (QGroupBox* frame : {Frame1, Frame2, frmUnits}) {
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
    }
}

void frmPref::Form_Load()
{
    HideMainViews(ctx_);
    const ProjectStore& s = ctx_.store;
    loadedUS_ = IsUS(s);
    loadedDollars_ = IsDollar(s.CurrencyCode);
    (loadedUS_ ? optUS : optMetric)->setChecked(true);
    (loadedDollars_ ? optDollars : optRand)->setChecked(true);
    contingencies_ = LoadPercent(s.ContingencyPercent, hsbContingencies);
    pg_ = LoadPercent(s.PrelimGeneralPercent, hsbPG);
    ShowPercent(contingencies_, hsbContingencies, lblContingencies);
    ShowPercent(pg_, hsbPG, lblPG);
}

// The bar takes the stored percentage in hundredths, rounded to the nearest
// whole number (a half to even) and held within its range. A value the bar
// cannot show stays the value of record; a value that is not a number at
// all gives way to the bar's.
frmPref::Percent frmPref::LoadPercent(float stored, ScrollBar* bar)
{
    Percent p;
    p.stored = stored;
    double hundredths = std::isfinite(stored) ? std::nearbyint(double(stored) * 100.0) : 0.0;
    p.shownByBar = hundredths >= bar->Min() && hundredths <= bar->Max();
    if (!std::isfinite(stored)) p.shownByBar = true;
    hundredths = std::clamp<double>(hundredths, bar->Min(), bar->Max());
    bar->setValue(static_cast<int>(hundredths));
    return p;
}

void frmPref::ShowPercent(const Percent& p, const ScrollBar* bar, QLabel* label)
{
    label->setText(p.shownByBar || p.moved ? PercentLabel(bar->Value() / 100.0)
                                           : PercentLabel(p.stored));
}

float frmPref::PercentToStore(const Percent& p, const ScrollBar* bar)
{
    if (!p.shownByBar && !p.moved) return p.stored;
    return static_cast<float>(bar->Value() / 100.0);
}

void frmPref::hsbPG_Change()
{
    pg_.moved = true;
    ShowPercent(pg_, hsbPG, lblPG);
}

void frmPref::hsbContingencies_Change()
{
    contingencies_.moved = true;
    ShowPercent(contingencies_, hsbContingencies, lblContingencies);
}

void frmPref::ShowHint(const QString& text)
{
    ctx_.mainWindow().showHint(this, text);
}

void frmPref::Form_MouseMove()
{
    ShowHint(DialogHint);
}

// Over the bare dialog or a bare frame; a move that a control passed on to
// its parent is not one.
bool frmPref::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove &&
        (watched == this || watched == Frame1 || watched == Frame2 || watched == frmUnits)) {
        auto* surface = static_cast<QWidget*>(watched);
        QWidget* under = surface->childAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (!under || qobject_cast<QGroupBox*>(under)) Form_MouseMove();
    }
    return QDialog::eventFilter(watched, e);
}

// A unit system or currency code keeps its stored value unless the user
// chose the other option (a file may hold a code other than 0 and 1).
void frmPref::sscOK_Click()
{
    ShowHint(QString());
    ProjectStore& s = ctx_.store;
    if (optUS->isChecked() != loadedUS_)
        s.UnitSystem = optMetric->isChecked() ? UnitSystems::Metric : UnitSystems::US;
    if (optDollars->isChecked() != loadedDollars_)
        s.CurrencyCode = optRand->isChecked() ? Currencies::Rand : Currencies::Dollar;
    if (InputWindow* input = ctx_.windows.input.Get()) input->RelabelCurrencyAndUnits();
    s.ContingencyPercent = PercentToStore(contingencies_, hsbContingencies);
    s.PrelimGeneralPercent = PercentToStore(pg_, hsbPG);
    accept();
}

void frmPref::sscCancel_Click()
{
    ShowHint(QString());
    reject();
}

void frmPref::sscHelp_Click()
{
    ShowHint(QString());
    ctx_.ui.showHelp(HelpTopic);
}

void frmPref::done(int result)
{
    QDialog::done(result);
    RestoreCurrentView(ctx_);
}

} // namespace vemora
