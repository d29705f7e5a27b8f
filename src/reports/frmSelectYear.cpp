#include "reports/frmSelectYear.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "project/ProjectYears.h"

namespace vemora {

frmSelectYear::frmSelectYear(AppContext& ctx, int& year, QWidget* parent)
    : QDialog(parent), ctx_(ctx), year_(year)
{
    setObjectName(QStringLiteral("frmSelectYear"));
    setWindowTitle(QStringLiteral("Select year"));
    setFont(TimesFont(9));
    const QString hint =
        QStringLiteral("Select the year for which the hydraulic analysis should be printed");

    lblYear = new QLabel(hint, this);
    lblYear->setWordWrap(true);
    comYear = new QComboBox(this);
    comYear->setObjectName(QStringLiteral("comYear"));
    comYear->setToolTip(hint);
    sscOK = new PictureButton(this);
    sscOK->setObjectName(QStringLiteral("sscOK"));
    sscOK->setCaption(QStringLiteral("&OK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblYear);
    layout->addWidget(comYear);
    layout->addWidget(sscOK, 0, Qt::AlignRight);

    const int life = ctx_.store.DesignLife;
    for (int i = 1; i <= life; ++i)
        comYear->addItem(QStringLiteral("Year %1").arg(OperatingCalendarYear(ctx_.store, i)));
    comYear->setCurrentIndex(0);

    connect(sscOK, &PictureButton::clicked, this, &frmSelectYear::sscOK_Click);
    SetDefaultButton(this, sscOK);
}

void frmSelectYear::sscOK_Click()
{
    if (comYear->currentIndex() >= 0) year_ = comYear->currentIndex() + 1;
    accept();
}

} // namespace vemora
