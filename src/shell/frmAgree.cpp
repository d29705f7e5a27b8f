#include "shell/frmAgree.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include "app/AppContext.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"
#include "shell/frmIntro.h"

namespace vemora {

namespace {

void SetCaptionColour(PictureButton* b, uint32_t colour)
{
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, vbColor(colour));
    b->setPalette(pal);
}

} // namespace

QColor captionColour(const PictureButton* button)
{
    return button->palette().color(QPalette::ButtonText);
}

frmAgree::frmAgree(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmAgree"));
    setWindowTitle(QStringLiteral("  Vemora  -  AGREEMENT"));
    setWindowIcon(ProgramIcon());
    setFixedSize(twipsToPixels(7200), twipsToPixels(5400));
    setFont(TimesFont(10, false));

    imgLCC = new QLabel(this);
    setTwipsGeometry(imgLCC, 240, 240, 1440, 1440);

    Label1 = new QLabel(QStringLiteral("Agreement:"), this);
    Label1->setFont(TimesFont(14, true));
    setTwipsGeometry(Label1, 1920, 240, 4920, 420);

    Label2 = new QLabel(QStringLiteral("Please read the following agreement and if you accept the "
                                       "terms thereof continue to the program by clicking on the "
                                       "I accept button"),
                        this);
    Label2->setWordWrap(true);
    setTwipsGeometry(Label2, 1920, 720, 4920, 960);

    Frame1 = new QGroupBox(this);
    setTwipsGeometry(Frame1, 240, 1860, 6600, 2280);
    lblT1 = new QLabel(
        QStringLiteral(
            "The software program was developed for the convenience of its users. Although every "
            "reasonable effort has been made to ensure that the program is accurate and reliable "
            "the program developers accept no liability of any kind for any results, "
            "interpretation thereof or any use made of the results obtained with this program. All "
            "users of this program do so entirely at their own risk."),
        Frame1);
    lblT1->setWordWrap(true);
    lblT1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTwipsGeometry(lblT1, 180, 240, 6240, 1920);

    sscAccept = new PictureButton(this);
    sscAccept->setCaption(QStringLiteral("I accept"));
    sscAccept->setToolTip(QStringLiteral("I accept the agreement"));
    setTwipsGeometry(sscAccept, 1320, 4440, 2040, 495);
    sscCancel = new PictureButton(this);
    sscCancel->setCaption(QStringLiteral("I do not accept"));
    sscCancel->setToolTip(QStringLiteral("I do not accept the agreement"));
    setTwipsGeometry(sscCancel, 3840, 4440, 2040, 495);
    for (PictureButton* b : {sscAccept, sscCancel}) {
        b->setFont(TimesFont(10, true));
        connect(b, &PictureButton::MouseMove, this, [this, b] { sscButton_MouseMove(b); });
    }
    connect(sscAccept, &PictureButton::clicked, this, &frmAgree::sscAccept_Click);
    connect(sscCancel, &PictureButton::clicked, this, &frmAgree::sscCancel_Click);

    setMouseTracking(true);
    installEventFilter(this);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);

    Form_Load();
}

void frmAgree::Form_Load()
{
    imgLCC->setPixmap(ShellPicture(QStringLiteral("PIPE")));
    Form_MouseMove();
}

bool frmAgree::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove && (watched == this || watched == Frame1)) Form_MouseMove();
    return QDialog::eventFilter(watched, e);
}

void frmAgree::keyPressEvent(QKeyEvent* e)
{
    // Esc does not decline; only the buttons answer the agreement.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmAgree::Form_MouseMove()
{
    SetCaptionColour(sscAccept, vbcolor::Navy);
    SetCaptionColour(sscCancel, vbcolor::Navy);
}

void frmAgree::sscButton_MouseMove(PictureButton* button)
{
    Form_MouseMove();
    SetCaptionColour(button, vbcolor::Blue);
}

void frmAgree::sscAccept_Click()
{
    if (!IsScreenSize(ctx_.screen, 800, 600))
        ctx_.ui.msgBox(QStringLiteral("The recommended screen size is 800 x 600 !"), MsgButtons::OK,
                       MsgIcon::Information, QStringLiteral("Vemora"), this);
    hide();
    {
        frmIntro intro(ctx_, this);
        ctx_.ui.execDialog(&intro);
    }
    close();
}

void frmAgree::sscCancel_Click()
{
    hide();
    close();
    // No other window is open, so declining is the program's end.
    QCoreApplication::quit();
}

} // namespace vemora
