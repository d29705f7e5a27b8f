#include "reports/frmPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/PendingEdits.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "platform/ControlBuilders.h"
#include "platform/PictureButton.h"
#include "platform/PrinterPageDevice.h"
#include "platform/TimesFont.h"
#include "reports/frmSelectYear.h"

namespace vemora {
namespace {

struct BoxText
{
    ReportBox box;
    const char* caption;
    const char* hint;
};

// In the window's order, which is not the printing order.
constexpr BoxText kInputBoxes[] = {
    {ReportBox::General, "  General Data", "Click to print the General data"},
    {ReportBox::Profile, "  Profile Data", "Click to print the Profile data"},
    {ReportBox::Energy, "  Energy Data", "Click to print the Energy data"},
    {ReportBox::Rates, "  Rates && Sales Data", "Click to print the Rates && Sales data"},
};
constexpr BoxText kResultBoxes[] = {
    {ReportBox::TextHydraulic, "  Hydraulic Analysis",
     "Click to print the Hydraulic analysis results"},
    {ReportBox::TextDemand, "  System Analysis (Demand && Yield)",
     "Click to print the System analysis (demand && yield) results"},
    {ReportBox::TextCost, "  System Analysis (Income && Expenditure)",
     "Click to print the System analysis (income && expenditure) results"},
    {ReportBox::Cost, "  Summary of Cost Analysis",
     "Click to print the Summary of the cost analysis results"},
};
constexpr BoxText kGraphBoxes[] = {
    {ReportBox::Hydraulic, "  Hydraulic Analysis", "Click to print the Hydraulic analysis graph"},
    {ReportBox::Demand, "  Demand && Capacity Analysis",
     "Click to print the Demand && Capacity analysis graph"},
    {ReportBox::Income, "  Income && Expenditure Analysis",
     "Click to print the Income && Expenditure analysis graph"},
    {ReportBox::IRR, "  IRR graph", "Click to print the IRR graph"},
};

// A caption's "&&" shows one ampersand; so does its hint.
QString PlainHint(const char* hint)
{
    return QString::fromLatin1(hint).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

const char* BoxName(ReportBox box)
{
    for (const ReportItem& item : ReportItems())
        if (item.box == box) return item.name;
    return "";
}

PictureButton* Button(QWidget* parent, const char* name, const QString& caption,
                      const QString& hint)
{
    auto* b = new PictureButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCaption(caption);
    b->setToolTip(hint);
    return b;
}

} // namespace

frmPrint::frmPrint(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), printer_(NewProjectPrinter(ctx))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("  PRINT"));
    setFont(TimesFont(9.75, true));
    setMouseTracking(true);

    Label1 = new QLabel(QStringLiteral("Select what to print"), this);
    fraInput = new QGroupBox(QStringLiteral("Input data"), this);
    fraInput->setObjectName(QStringLiteral("fraInput"));
    Frame1 = new QGroupBox(QStringLiteral("Results "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label2 = new QLabel(QStringLiteral("Graphs"), Frame1);

    auto makeBoxes = [this](QWidget* parent, QVBoxLayout* layout, const auto& texts) {
        for (const BoxText& t : texts) {
            auto* box = new QCheckBox(QString::fromLatin1(t.caption), parent);
            box->setObjectName(QString::fromLatin1(BoxName(t.box)));
            box->setToolTip(PlainHint(t.hint));
            box->setMouseTracking(true);
            box->installEventFilter(this);
            layout->addWidget(box);
            boxes_[static_cast<size_t>(t.box)] = box;
        }
    };
    auto* inputLayout = new QVBoxLayout(fraInput);
    makeBoxes(fraInput, inputLayout, kInputBoxes);
    auto* resultLayout = new QVBoxLayout(Frame1);
    makeBoxes(Frame1, resultLayout, kResultBoxes);
    resultLayout->addWidget(Label2);
    makeBoxes(Frame1, resultLayout, kGraphBoxes);

    chkGeneral = Box(ReportBox::General);
    chkProfile = Box(ReportBox::Profile);
    chkEnergy = Box(ReportBox::Energy);
    chkRates = Box(ReportBox::Rates);
    chkTextHydraulic = Box(ReportBox::TextHydraulic);
    chkTextDemand = Box(ReportBox::TextDemand);
    chkTextCost = Box(ReportBox::TextCost);
    chkCost = Box(ReportBox::Cost);
    chkHydraulic = Box(ReportBox::Hydraulic);
    chkDemand = Box(ReportBox::Demand);
    chkIncome = Box(ReportBox::Income);
    chkIRR = Box(ReportBox::IRR);

    const QString printHint = QStringLiteral("Print the selected");
    sscPrint = Button(this, "sscPrint", QStringLiteral("&Print"), printHint);
    sscPrint1 = Button(this, "sscPrint1", QString(), printHint);
    sscPrint1->setPicture(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(24, 24));
    sscSetup =
        Button(this, "sscSetup", QStringLiteral("Printer &Setup"), QStringLiteral("Printer setup"));
    sscCancel = Button(this, "sscCancel", QStringLiteral("&Cancel"),
                       QStringLiteral("Cancel the printing screen"));
    sscHelp = Button(this, "sscHelp", QStringLiteral("Help"), QString());

    auto* buttons = new QHBoxLayout;
    for (PictureButton* b : {sscPrint1, sscPrint, sscSetup, sscCancel, sscHelp})
        buttons->addWidget(b);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(fraInput, 1, 0, Qt::AlignTop);
    layout->addWidget(Frame1, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);

    tmrCheck = new QTimer(this);
    tmrCheck->setObjectName(QStringLiteral("tmrCheck"));
    tmrCheck->setInterval(100);

    connect(tmrCheck, &QTimer::timeout, this, &frmPrint::tmrCheck_Timer);
    connect(chkTextHydraulic, &QCheckBox::clicked, this, &frmPrint::chkTextHydraulic_Click);
    connect(sscPrint, &PictureButton::clicked, this, &frmPrint::sscPrint_Click);
    connect(sscPrint1, &PictureButton::clicked, this, &frmPrint::sscPrint_Click);
    connect(sscSetup, &PictureButton::clicked, this, &frmPrint::sscSetup_Click);
    connect(sscCancel, &PictureButton::clicked, this, &frmPrint::sscCancel_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmPrint::sscHelp_Click);

    Form_Load();
}

frmPrint::~frmPrint() = default;

QCheckBox* frmPrint::Box(ReportBox box) const
{
    return boxes_[static_cast<size_t>(box)];
}

void frmPrint::Form_Load()
{
    TakeInputOnScreen(ctx_); // the year window reads the design life on screen
    HideMainViews(ctx_);
    tmrCheck->start();
}

// Once, shortly after opening: which boxes can be ticked. The boxes are not
// looked at again while the window stays open.
void frmPrint::tmrCheck_Timer()
{
    DiscardStaleResults(ctx_); // results of other input are no longer offered
    for (const ReportItem& item : ReportItems())
        Box(item.box)->setEnabled(ReportAvailable(ctx_, item.box));
    tmrCheck->stop();
}

void frmPrint::chkTextHydraulic_Click()
{
    hydraulicYear_ = 1;
    if (!chkTextHydraulic->isChecked()) return;
    frmSelectYear year(ctx_, hydraulicYear_, this);
    ctx_.ui.execDialog(&year);
}

PrintSelection frmPrint::Ticked() const
{
    PrintSelection ticked{};
    for (const ReportItem& item : ReportItems())
        ticked[static_cast<size_t>(item.step)] = Box(item.box)->isChecked();
    return ticked;
}

void frmPrint::sscPrint_Click()
{
    setEnabled(false);
    const PrintSelection ticked = Ticked();
    if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
        ctx_.ui.msgBox(QStringLiteral("Select what to print !"), MsgButtons::OK,
                       MsgIcon::Exclamation, QStringLiteral("Print Error !"), this);
        setEnabled(true);
        return;
    }
    if (!ctx_.ui.printDialog(*printer_, this)) { // a cancel prints nothing and says nothing
        setEnabled(true);
        return;
    }
    const int copies = PrinterPageDevice::takeCopies(*printer_);
    std::optional<QString> failure;
    {
        HourglassScope hourglass(ctx_.ui);
        PrinterPageDevice device(*printer_);
        failure = RunPrint(ctx_, device, copies, ticked, hydraulicYear_);
    }
    if (failure)
        ctx_.ui.msgBox(*failure, MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"),
                       this);
    setEnabled(true);
    accept();
}

void frmPrint::sscSetup_Click()
{
    ctx_.ui.printerSetup(*printer_, this);
}

void frmPrint::sscCancel_Click()
{
    reject();
}

void frmPrint::sscHelp_Click()
{
    ctx_.ui.showHelp(HelpTopic);
}

void frmPrint::done(int result)
{
    tmrCheck->stop();
    if (ctx_.store.ProjectOpen) {
        if (InputWindow* input = ctx_.windows.input.Load()) {
            ShowWorkingWindow(ctx_, input);
            input->widget()->setWindowState(input->widget()->windowState() &
                                            ~(Qt::WindowMinimized | Qt::WindowMaximized));
        }
    }
    if (QWidget* main = ctx_.mainWindow().widget()) main->setEnabled(true);
    QDialog::done(result);
}

void frmPrint::ShowHint()
{
    ctx_.mainWindow().showHint(this, QStringLiteral("Select the components to print"));
}

void frmPrint::mouseMoveEvent(QMouseEvent* event)
{
    ShowHint();
    QDialog::mouseMoveEvent(event);
}

bool frmPrint::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (qobject_cast<QCheckBox*>(watched) &&
        (type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::FocusIn))
        ShowHint();
    return QDialog::eventFilter(watched, event);
}

} // namespace vemora
