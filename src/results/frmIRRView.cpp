#include "results/frmIRRView.h"

#include <QGroupBox>
#include <QLabel>

#include "app/AppContext.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "graphs/IrrGraph.h"
#include "pages/IrrGraphPage.h"
#include "platform/ControlBuilders.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/ScrollBar.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"

namespace vemora {

namespace {

constexpr int WindowWidth = 10110;
constexpr int WindowHeight = 6345;
constexpr int HeadingBand = 240; // twips above the picture

QLabel* ReadOutLabel(QWidget* parent, const char* name, const QString& text, int left, int width)
{
    QLabel* label = MakeLabel(parent, text, left, 60, width);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TimesFont(9, true));
    label->setStyleSheet(QStringLiteral("background: white"));
    return label;
}

} // namespace

frmIRRView::frmIRRView(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmIRRView"));
    setWindowTitle(QStringLiteral("  INTERNAL RATE OF RETURN (IRR)"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setTwipsGeometry(this, 0, 0, WindowWidth, WindowHeight);

    picIRR = new PictureBox(this);
    picIRR->setObjectName(QStringLiteral("picIRR"));
    picIRR->setToolTip(QStringLiteral("IRR graph"));
    picIRR->surface().setBackColor(vbcolor::White);
    picIRR->surface().setFontName(TimesNewRoman());
    picIRR->setCrossHair(true);
    // A band above the picture holds the heading of the read-out, which
    // gives the cursor's position, not the curve's values; the read-out row
    // runs along the picture's top edge under it.
    setTwipsGeometry(picIRR, 0, HeadingBand, 10095, 5655 - HeadingBand);
    QLabel* heading = MakeLabel(this, QStringLiteral("At the cursor:"), 1560, 0, 1380, HeadingBand);
    heading->setObjectName(QStringLiteral("lblAtCursor"));
    heading->setFont(TimesFont(9, true));
    Label1 = ReadOutLabel(picIRR, "Label1", QStringLiteral("IRR :"), 1560, 540);
    lblX = ReadOutLabel(picIRR, "lblX", QString(), 2160, 1500);
    Label2 = ReadOutLabel(picIRR, "Label2", QStringLiteral("NPV of (Income - Expenditure):"), 4200,
                          2700);
    lblY = ReadOutLabel(picIRR, "lblY", QString(), 6960, 2400);

    Frame1 = MakeFrame(this, "Frame1", QString(), 60, 5640, 7200, 690);
    lblBeginIRR = MakeLabel(Frame1, QStringLiteral("Begin IRR = 0%"), 120, 90, 2400);
    lblBeginIRR->setObjectName(QStringLiteral("lblBeginIRR"));
    hsbBegin = MakeScrollBar(Frame1, "hsbBegin", 0, 19999, 100, 120, 360, 2400);
    lblEndIRR = MakeLabel(Frame1, QStringLiteral("End IRR = 200%"), 2640, 90, 2400);
    lblEndIRR->setObjectName(QStringLiteral("lblEndIRR"));
    hsbEnd = MakeScrollBar(Frame1, "hsbEnd", 1, 20000, 100, 2640, 360, 2400);
    hsbBegin->setSmallChange(1);
    hsbEnd->setSmallChange(1);
    sscView = MakeTipButton(Frame1, "sscView", QStringLiteral("&View"),
                            QStringLiteral("Click to view the selected range"), 5160, 150, 900);
    sscPrintView =
        MakeTipButton(Frame1, "sscPrintView", QStringLiteral("&Print View"),
                      QStringLiteral("Print the currently viewed range"), 6120, 150, 1020);

    Frame2 = MakeFrame(this, "Frame2", QString(), 7320, 5640, 2730, 690);
    sscOK = MakeTipButton(Frame2, "sscOK", QStringLiteral("&OK"),
                          QStringLiteral("Click on OK to return to the results screen"), 120, 150,
                          1500);
    sscHelp = MakeTipButton(Frame2, "sscHelp", QStringLiteral("Help"), QStringLiteral("Help"), 1740,
                            150, 870);

    connect(hsbBegin, &ScrollBar::Change, this, &frmIRRView::hsbBegin_Change);
    connect(hsbEnd, &ScrollBar::Change, this, &frmIRRView::hsbEnd_Change);
    connect(sscView, &QAbstractButton::clicked, this, &frmIRRView::sscView_Click);
    connect(sscPrintView, &QAbstractButton::clicked, this, &frmIRRView::sscPrintView_Click);
    connect(sscOK, &QAbstractButton::clicked, this, &frmIRRView::sscOK_Click);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmIRRView::sscHelp_Click);
    connect(picIRR, &PictureBox::MouseMove, this, &frmIRRView::picIRR_MouseMove);
    connect(picIRR, &PictureBox::MouseDown, this, &frmIRRView::picIRR_MouseDown);

    Form_Load();
}

// Hides the working window that shows, then draws the whole scan.
void frmIRRView::Form_Load()
{
    hidResults_ = IsWorkingWindowShowing(ctx, ctx.windows.results.Get());
    HideMainViews(ctx);
    placeAtWorkAreaCorner(this);
    hsbBegin->setValue(0);
    hsbEnd->setValue(20000);
    DrawIRRGraph();
}

void frmIRRView::DrawIRRGraph()
{
    switch (vemora::DrawIRRGraph(picIRR->surface(), picIRRFrame, ctx.results, hsbBegin->Value(),
                                 hsbEnd->Value())) {
    case IrrGraphStatus::Drawn:
        break;
    case IrrGraphStatus::BeginNotBeforeEnd:
        ctx.ui.msgBox(QString::fromUtf8(IrrRangeMessage), MsgButtons::OK, MsgIcon::Exclamation,
                      QString::fromUtf8(IrrRangeTitle), this);
        hsbBegin->setValue(0);
        hsbEnd->setValue(hsbEnd->Max());
        break;
    case IrrGraphStatus::Failed:
        ctx.ui.msgBox(QString::fromUtf8(IrrGraphFailedMessage), MsgButtons::OK,
                      MsgIcon::Exclamation, QString::fromUtf8(IrrGraphFailedTitle), this);
        break;
    }
}

void frmIRRView::hsbBegin_Change()
{
    lblBeginIRR->setText(QStringLiteral("Begin IRR = %1%")
                             .arg(QString::fromStdString(IrrRateText(hsbBegin->Value()))));
}

void frmIRRView::hsbEnd_Change()
{
    lblEndIRR->setText(
        QStringLiteral("End IRR = %1%").arg(QString::fromStdString(IrrRateText(hsbEnd->Value()))));
}

void frmIRRView::sscView_Click()
{
    HourglassScope hourglass(ctx.ui);
    DrawIRRGraph();
}

// The printed page shows the range the scroll bars now select.
void frmIRRView::sscPrintView_Click()
{
    DrawIRRGraph();
    const int begin = hsbBegin->Value();
    const int end = hsbEnd->Value();
    PrintCopies(ctx, {QStringLiteral("the IRR graph"), PageOrientation::Landscape,
                      [this, begin, end](PageRun& run, ReportPrinter& printer) {
                          PrintIrrGraphPage(ctx, run, printer, begin, end);
                      }});
}

// Back to the results window when it was the one hidden and still holds
// valid results; otherwise the view the bookkeeping recorded.
void frmIRRView::sscOK_Click()
{
    AppContext& c = ctx;
    const bool backToResults = hidResults_ && c.store.ResultsValid && c.windows.results.Get();
    c.windows.irrView.Unload();
    if (backToResults) {
        HideWorkingWindow(c, c.windows.input.Get());
        ShowWorkingWindow(c, c.windows.results.Get());
    } else {
        RestoreCurrentView(c);
    }
}

void frmIRRView::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

void frmIRRView::picIRR_MouseMove(int, int, double x, double y)
{
    const IrrReadOut at = ReadIrr(picIRRFrame, ctx.store.CurrencyCode, x, y);
    lblX->setText(QString::fromStdString(at.Rate));
    lblY->setText(QString::fromStdString(at.Difference));
}

void frmIRRView::picIRR_MouseDown(int button, int, double, double)
{
    if (button != mousebutton::Right) return;
    picIRR->copyToClipboard(
        ctx.ui, QStringLiteral("The Internal Rate of Return graph was copied to the clipboard"),
        this);
}

} // namespace vemora
