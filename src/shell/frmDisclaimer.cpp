#include "shell/frmDisclaimer.h"

#include <QLabel>
#include <QPainter>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "shell/Pictures.h"

namespace vemora {

QStringList frmDisclaimer::DisclaimerLines()
{
    return {
        QStringLiteral("The software program was developed for the convenience of its users. "
                       "Although"),
        QStringLiteral("every reasonable effort has been made to ensure that the results are "
                       "correct"),
        QStringLiteral("and accurate, the developers assume no responsibility for any results, "
                       "interpretation"),
        QStringLiteral("thereof or any use made of the results obtained with this program. This "
                       "program"),
        QStringLiteral("is not presented nor is it intended to be used as a complete study and "
                       "the use of"),
        QStringLiteral("this software program or output shall be made under the direction of "
                       "trained engineers"),
        QStringLiteral("exercising their independent judgement regarding the proposed optimized "
                       "design."),
    };
}

frmDisclaimer::frmDisclaimer(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmDisclaimer"));
    setWindowTitle(QStringLiteral("  DISCLAIMER"));
    setFixedSize(twipsToPixels(7800), twipsToPixels(4080));
    setFont(TimesFont(10));

    imgLCC = new QLabel(this);
    imgLCC->setObjectName(QStringLiteral("imgLCC"));
    setTwipsGeometry(imgLCC, 240, 2400, 1440, 1440);
    sscOK = MakeButton(this, "sscOK", QStringLiteral("&OK"), 6000, 3345, 1560, 495);
    sscOK->setFont(TimesFont(10, true));
    connect(sscOK, &PictureButton::clicked, this, &frmDisclaimer::sscOK_Click);
    SetDefaultButton(this, sscOK);

    Form_Load();
}

void frmDisclaimer::Form_Load()
{
    HideMainViews(ctx_);
    imgLCC->setPixmap(ShellPicture(QStringLiteral("PIPE")));
}

// Each line starts PrintColumn - 1 average character widths from the left,
// one line height below the one before.
void frmDisclaimer::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int left = (PrintColumn - 1) * metrics.averageCharWidth();
    int baseline = EmptyLinesBefore * metrics.lineSpacing() + metrics.ascent();
    for (const QString& line : DisclaimerLines()) {
        painter.drawText(left, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

void frmDisclaimer::sscOK_Click()
{
    accept();
}

void frmDisclaimer::done(int result)
{
    QDialog::done(result);
    RestoreCurrentView(ctx_);
}

} // namespace vemora
