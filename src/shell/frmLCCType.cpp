#include "shell/frmLCCType.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "project/SystemType.h"
#include "shell/Pictures.h"

namespace vemora {

frmLCCType::frmLCCType(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmLCCType"));
    setWindowTitle(QStringLiteral("  SYSTEM TYPE"));
    setFixedSize(twipsToPixels(4560), twipsToPixels(3360));
    setFont(TimesFont(10));

    Label1 = new QLabel(QStringLiteral("Select the system type"), this);
    Label1->setFont(TimesFont(12, true));
    setTwipsGeometry(Label1, 240, 180, 4080, 360);

    Frame1 = new QGroupBox(QStringLiteral("Select the pipeline system"), this);
    setTwipsGeometry(Frame1, 240, 660, 4080, 1500);
    optGravity = new QRadioButton(QStringLiteral("Gravity System"), Frame1);
    optGravity->setToolTip(QStringLiteral("Gravity system"));
    setTwipsGeometry(optGravity, 360, 420, 3360, 360);
    optPumping = new QRadioButton(QStringLiteral("Pumping System"), Frame1);
    optPumping->setToolTip(QStringLiteral("Pumping system"));
    setTwipsGeometry(optPumping, 360, 900, 3360, 360);
    optGravity->setChecked(true);

    sscContinue =
        MakeButton(this, "sscContinue", QStringLiteral("&Continue"), 240, 2460, 1500, 495);
    sscContinue->setToolTip(QStringLiteral("Continue"));
    sscCancel = MakeButton(this, "sscCancel", QStringLiteral("Ca&ncel"), 1920, 2460, 1500, 495);
    sscCancel->setToolTip(QStringLiteral("Cancel"));
    sscHelp = MakeButton(this, "sscHelp", QString(), 3600, 2460, 720, 495);
    sscHelp->setToolTip(QStringLiteral("Help"));
    sscHelp->setPicture(ShellPicture(QStringLiteral("help")));
    // Return runs the focused button, and Continue from the option buttons;
    // Esc runs Cancel.
    SetDefaultButton(this, sscContinue, FocusedButtonReturn::ClicksFocused);

    connect(sscContinue, &PictureButton::clicked, this, &frmLCCType::sscContinue_Click);
    connect(sscCancel, &PictureButton::clicked, this, &frmLCCType::sscCancel_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmLCCType::sscHelp_Click);
}

void frmLCCType::sscContinue_Click()
{
    if (optGravity->isChecked()) ctx_.store.SystemType = PipelineSystem::Gravity;
    if (optPumping->isChecked()) ctx_.store.SystemType = PipelineSystem::Pumping;
    accept();
    NewProject(ctx_);
}

void frmLCCType::sscCancel_Click()
{
    QDialog::reject();
}

void frmLCCType::reject()
{
    sscCancel_Click();
}

void frmLCCType::sscHelp_Click()
{
    ctx_.ui.showHelp(HelpTopic);
}

} // namespace vemora
