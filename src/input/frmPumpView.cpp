#include "input/frmPumpView.h"

#include <QGroupBox>
#include <QLabel>

#include "app/AppContext.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "graphs/PumpGraphs.h"
#include "pages/PumpPages.h"
#include "platform/ControlBuilders.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

const QColor Navy(0, 0, 128);
const QColor Blue(0, 0, 255);

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width, const QColor& color)
{
    QLabel* label = MakeLabel(parent, text, left, top, width);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TimesFont(9, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    return label;
}

} // namespace

frmPumpView::frmPumpView(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmPumpView"));
    setWindowTitle(QStringLiteral("  VIEW PUMP CURVE"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setTwipsGeometry(this, 0, 0, 8100, 6375);

    picGraph = new PictureBox(this);
    picGraph->setObjectName(QStringLiteral("picGraph"));
    picGraph->setToolTip(QStringLiteral("Pump curve"));
    picGraph->surface().setBackColor(vbcolor::White);
    picGraph->surface().setFontName(TimesNewRoman());
    picGraph->setCrossHair(true);
    setTwipsGeometry(picGraph, 0, 0, 8100, 5175);

    Frame1 = MakeFrame(this, "Frame1", QString(), 60, 5220, 3735, 1155);
    // The read-out gives the cursor's position, not the curve's values.
    BoldLabel(Frame1, "lblAtCursor", QStringLiteral("At the cursor:"), 120, 30, 3500, Navy);
    Label1 = BoldLabel(Frame1, "Label1", QStringLiteral("Pump head :"), 120, 300, 1700, Navy);
    lblH = BoldLabel(Frame1, "lblH", QString(), 1860, 300, 1800, Blue);
    Label2 = BoldLabel(Frame1, "Label2", QStringLiteral("Pump flowrate :"), 120, 570, 1700, Navy);
    lblQ = BoldLabel(Frame1, "lblQ", QString(), 1860, 570, 1800, Blue);
    Label3 =
        BoldLabel(Frame1, "Label3", QStringLiteral("System efficiency :"), 120, 840, 1700, Navy);
    lblDEff = BoldLabel(Frame1, "lblDEff", QString(), 1860, 840, 1800, Blue);

    Frame3 = MakeFrame(this, "Frame3", QString(), 3840, 5220, 2235, 1155);
    MakeImage(Frame3, "imgPumpCurve", QPixmap::fromImage(PumpCurveKey()), 120, 330);
    Label7 = BoldLabel(Frame3, "Label7", QStringLiteral("Pump curve"), 840, 300, 1350, Navy);
    MakeImage(Frame3, "imgEfficiencyCurve", QPixmap::fromImage(SecondCurveKey()), 120, 720);
    Label8 = BoldLabel(Frame3, "Label8", QStringLiteral("Efficiency curve"), 840, 690, 1350, Navy);

    Frame2 = MakeFrame(this, "Frame2", QString(), 6120, 5220, 1935, 1155);
    sscOK = MakeButton(Frame2, "sscOK", QStringLiteral("&OK"), 90, 150, 1080);
    sscOK->setToolTip(QStringLiteral("OK"));
    sscHelp = MakeButton(Frame2, "sscHelp", QStringLiteral("Help"), 1230, 150, 615);
    sscHelp->setToolTip(QStringLiteral("Help"));
    sscPrintView =
        MakeButton(Frame2, "sscPrintView", QStringLiteral("&Print Curves"), 90, 630, 1755);
    sscPrintView->setToolTip(QStringLiteral("Print the curve"));

    connect(picGraph, &PictureBox::MouseMove, this, &frmPumpView::picGraph_MouseMove);
    connect(picGraph, &PictureBox::MouseDown, this, &frmPumpView::picGraph_MouseDown);
    connect(sscOK, &QAbstractButton::clicked, this, &frmPumpView::sscOK_Click);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmPumpView::sscHelp_Click);
    connect(sscPrintView, &QAbstractButton::clicked, this, &frmPumpView::sscPrintView_Click);
}

void frmPumpView::DrawPumpCurveGraph()
{
    ShowWorkingWindow(ctx, this);
    drawnHeader_ = HeaderTextsOf(ctx.store);
    if (vemora::DrawPumpCurveGraph(picGraph->surface(), picGraphFrame, ctx.store) ==
        PumpGraphStatus::Drawn)
        return;
    AppContext& c = ctx;
    QString message = PumpFlowRefusal(c.store.PumpCurve[2], c.store.CurveFlowUnit);
    if (message.isEmpty()) message = QString::fromUtf8(PumpCurveFailedMessage);
    c.ui.msgBox(message, MsgButtons::OK, MsgIcon::Exclamation,
                QString::fromUtf8(PumpCurveFailedTitle), this);
    c.windows.pumpView.Unload();
    ShowWorkingWindow(c, c.windows.input.Get());
}

void frmPumpView::picGraph_MouseMove(int, int, double x, double y)
{
    const PumpReadOut at = ReadPumpCurve(picGraphFrame, ctx.store, x, y);
    lblH->setText(QString::fromStdString(at.Head));
    lblQ->setText(QString::fromStdString(at.Flow));
    lblDEff->setText(QString::fromStdString(at.Efficiency));
}

void frmPumpView::picGraph_MouseDown(int button, int, double, double)
{
    if (button != mousebutton::Right) return;
    picGraph->copyToClipboard(ctx.ui, QStringLiteral("The pump curve was copied to the clipboard"),
                              this);
}

void frmPumpView::sscOK_Click()
{
    AppContext& c = ctx;
    c.windows.pumpView.Unload();
    ShowWorkingWindow(c, c.windows.input.Get());
}

void frmPumpView::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

void frmPumpView::sscPrintView_Click()
{
    PrintCopies(ctx, {QStringLiteral("the pump curve"), PageOrientation::Portrait,
                      [this](PageRun& run, ReportPrinter& printer) {
                          PrintPumpCurve(ctx, run, printer, picGraph->drawing());
                      },
                      drawnHeader_});
}

} // namespace vemora
