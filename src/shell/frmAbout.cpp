#include "shell/frmAbout.h"

#include <QLabel>
#include <QProcess>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"
#include "shell/SystemInfo.h"

namespace vemora {

frmAbout::frmAbout(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("  ABOUT THE PROGRAMS"));
    setFixedSize(twipsToPixels(6600), twipsToPixels(4080));
    setFont(TimesFont(10));

    imgVEMORA = new QLabel(this);
    imgVEMORA->setObjectName(QStringLiteral("imgVEMORA"));
    setTwipsGeometry(imgVEMORA, 240, 240, 1440, 1440);

    Label4 = MakeLabel(this, QStringLiteral("Vemora"), 1920, 240, 4440, 540);
    Label4->setFont(WindowFont(QStringLiteral("Bookman Old Style"), 20, true));
    Label2 = MakeLabel(this, QStringLiteral("Release date: 2025"), 1920, 840, 4440);
    lblVersion = MakeLabel(this, QString(), 1920, 1140, 4440);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Label1 = MakeLabel(this,
                       QStringLiteral("Life-cycle cost analysis of water-transfer pipelines, "
                                      "gravity or pumping. This program is protected by "
                                      "copyright: it may not be copied or passed on, in whole "
                                      "or in part, without the developers' permission."),
                       240, 1920, 6120, 1020);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), 3000, 3240, 1560, 495);
    sscSystemInfo =
        MakeButton(this, "sscSystemInfo", QStringLiteral("&System Info..."), 4800, 3240, 1560, 495);
    sscSystemInfo->setToolTip(QStringLiteral("System Info"));
    for (PictureButton* b : {sscOK, sscSystemInfo})
        b->setFont(TimesFont(10, true));
    connect(sscOK, &PictureButton::clicked, this, &frmAbout::sscOK_Click);
    SetDefaultButton(this, sscOK);
    connect(sscSystemInfo, &PictureButton::clicked, this, &frmAbout::sscSystemInfo_Click);

    findSystemInfo = [] { return FindSystemInfoProgram(qEnvironmentVariable("PATH")); };
    startProgram = [](const QString& program) { return QProcess::startDetached(program, {}); };

    Form_Load();
}

void frmAbout::Form_Load()
{
    HideMainViews(ctx_);
    imgVEMORA->setPixmap(ShellPicture(QStringLiteral("PIPE")));
    lblVersion->setText(VersionText());
}

void frmAbout::sscOK_Click()
{
    accept();
}

void frmAbout::sscSystemInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const QString program = findSystemInfo ? findSystemInfo() : QString();
    if (!program.isEmpty() && startProgram && startProgram(program)) return;
    ctx_.ui.msgBox(QStringLiteral("System Information Is Unavailable At This Time"), MsgButtons::OK,
                   MsgIcon::None, QStringLiteral("Vemora"), this);
}

void frmAbout::done(int result)
{
    QDialog::done(result);
    RestoreCurrentView(ctx_);
}

} // namespace vemora
