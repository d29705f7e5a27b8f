#include "input/frmView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "app/AppContext.h"
#include "app/PrintCopies.h"
#include "app/WorkingViews.h"
#include "engine/AnalysisRun.h"
#include "engine/ConvertInputToSI.h"
#include "engine/NumberFormat.h"
#include "engine/ViewHydraulics.h"
#include "graphs/ProfilePlot.h"
#include "pages/ViewProfilePage.h"
#include "platform/ControlBuilders.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/ScrollBar.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "project/ProjectYears.h"

namespace vemora {

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                   int width)
{
    QLabel* label = MakeLabel(parent, text, left, top, width);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

int DesignYears(const ProjectStore& s)
{
    return std::clamp<int>(s.DesignLife, 1, MaxYears);
}

} // namespace

frmView::frmView(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(QStringLiteral("  VIEW PROFILE"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setTwipsGeometry(this, 0, 0, 10605, 7095);

    picGraph = new PictureBox(this);
    picGraph->setObjectName(QStringLiteral("picGraph"));
    picGraph->setToolTip(QStringLiteral("Pipeline profile"));
    picGraph->surface().setBackColor(vbcolor::White);
    picGraph->surface().setFontName(TimesNewRoman());
    picGraph->setCrossHair(true);
    setTwipsGeometry(picGraph, 60, 60, 10485, 5280);

    lblKs = NamedLabel(this, "lblKs", QStringLiteral("Roughness: 0.5 mm"), 120, 5400, 3000);
    lblFlowrate = NamedLabel(this, "lblFlowrate", QStringLiteral("Flowrate:"), 3240, 5400, 3600);
    lblPumping = NamedLabel(this, "lblPumping", QStringLiteral("Pumping head:"), 6960, 5400, 3500);
    MakeLabel(this, QStringLiteral("Distance :"), 120, 5700, 900);
    // Out of range until the mouse first crosses the plot.
    const QString outside = QString::fromLatin1(kOutOfRange);
    lblX = NamedLabel(this, "lblX", outside, 1020, 5700, 1800);
    MakeLabel(this, QStringLiteral("Elevation :"), 120, 5970, 900);
    lblY = NamedLabel(this, "lblY", outside, 1020, 5970, 1800);

    chkHydraulic = new QCheckBox(QStringLiteral("View hydraulic gradeline"), this);
    chkHydraulic->setObjectName(QStringLiteral("chkHydraulic"));
    chkHydraulic->setToolTip(QStringLiteral("Select to view the hydraulic gradeline"));
    chkHydraulic->setChecked(true);
    setTwipsGeometry(chkHydraulic, 120, 6300, 2700, 285);

    hscYears = MakeScrollBar(this, "hscYears", 1, 100, 1, 3000, 5760, 2400, true);
    hscYears->setToolTip(QStringLiteral("Select the year to view"));
    lblYear = NamedLabel(this, "lblYear", QStringLiteral("Year 100"), 3000, 6030, 1200);
    sscChangeView = MakeTipButton(this, "sscChangeView", QStringLiteral("&Year"),
                                  QStringLiteral("Click to view the profile for the selected year"),
                                  4320, 6030, 1080);

    Frame3 = MakeFrame(this, "Frame3", QStringLiteral("View section"), 5520, 5700, 3300, 1335);
    MakeLabel(Frame3, QStringLiteral("Begin"), 120, 270, 600);
    comBegin = new QComboBox(Frame3);
    comBegin->setObjectName(QStringLiteral("comBegin"));
    comBegin->setToolTip(QStringLiteral("Select the beginning of the section to be viewed"));
    setTwipsGeometry(comBegin, 720, 240, 1320, 315);
    MakeLabel(Frame3, QStringLiteral("End"), 120, 660, 600);
    comEnd = new QComboBox(Frame3);
    comEnd->setObjectName(QStringLiteral("comEnd"));
    comEnd->setToolTip(QStringLiteral("Select the end of the section to be viewed"));
    setTwipsGeometry(comEnd, 720, 630, 1320, 315);
    sscView = MakeTipButton(Frame3, "sscView", QStringLiteral("&View"),
                            QStringLiteral("View the selected section"), 2130, 240, 1080);
    sscPrintView =
        MakeTipButton(Frame3, "sscPrintView", QStringLiteral("&Print View"),
                      QStringLiteral("Print the currently viewed section"), 2130, 690, 1080);

    sscOK = MakeTipButton(this, "sscOK", QStringLiteral("&OK"),
                          QStringLiteral("Click on OK to return to the program"), 8940, 5760, 1560);
    sscHelp = MakeTipButton(this, "sscHelp", QStringLiteral("Help"), QStringLiteral("Help"), 8940,
                            6270, 1560);

    connect(chkHydraulic, &QAbstractButton::clicked, this, &frmView::chkHydraulic_Click);
    connect(hscYears, &ScrollBar::Change, this, &frmView::hscYears_Change);
    connect(sscChangeView, &QAbstractButton::clicked, this, &frmView::sscChangeView_Click);
    connect(sscView, &QAbstractButton::clicked, this, &frmView::sscView_Click);
    connect(sscPrintView, &QAbstractButton::clicked, this, &frmView::sscPrintView_Click);
    connect(sscOK, &QAbstractButton::clicked, this, &frmView::sscOK_Click);
    connect(sscHelp, &QAbstractButton::clicked, this, &frmView::sscHelp_Click);
    connect(picGraph, &PictureBox::MouseMove, this, &frmView::picGraph_MouseMove);
    connect(picGraph, &PictureBox::MouseDown, this, &frmView::picGraph_MouseDown);
}

void frmView::ShowProfile()
{
    ctx.view.SelectedYear = 1;
    ctx.view.HideGradeline = false;
    chkHydraulic->setChecked(true);
    placeAtWorkAreaCorner(this);
    ShowWorkingWindow(ctx, this);
    const ProfilePlotData plot = PrepareProfilePlotData(ctx.store);
    comBegin->clear();
    comEnd->clear();
    for (int i = 1; i <= plot.NodeCount; ++i) {
        const QString distance =
            QString::fromStdString(FormatFixed(plot.PlotDistance[static_cast<size_t>(i)], 3));
        comBegin->addItem(distance);
        comEnd->addItem(distance);
    }
    comBegin->setCurrentIndex(plot.NodeCount > 0 ? 0 : -1);
    comEnd->setCurrentIndex(plot.NodeCount - 1);
    {
        const QSignalBlocker quiet(hscYears);
        hscYears->setMin(1);
        hscYears->setMax(DesignYears(ctx.store));
        hscYears->setValue(1);
    }
    lblYear->setText(QString::number(OperatingCalendarYear(ctx.store, 1)));
    DrawProfilePlot();
}

int frmView::chosenNode(const QComboBox* list) const
{
    return list->currentIndex() < 0 ? 0 : list->currentIndex() + 1;
}

void frmView::DrawProfilePlot()
{
    const bool unitsKnown = ConvertInputToSI(ctx.store, ctx.results);
    const ViewHydraulics solution = SolveViewHydraulics(ctx.store, ctx.results, unitsKnown);
    solved_ = solution.Status == HydraulicsStatus::Ok;
    if (solution.Status == HydraulicsStatus::Failed)
        showMessage(QString::fromStdString(GradelineFailureText(solution)),
                    QStringLiteral("Vemora"));
    if (solution.Status == HydraulicsStatus::PumpCurveMissed)
        showMessage(QString::fromStdString(solution.Reason),
                    QString::fromUtf8(PumpCurveMissedTitle));
    if (solution.Status == HydraulicsStatus::FlowTooLarge)
        showMessage(QString::fromStdString(solution.Reason), QStringLiteral("Vemora"));

    hscYears->setMin(1);
    hscYears->setMax(DesignYears(ctx.store));
    const int year = std::clamp<int>(ctx.view.SelectedYear, 1, DesignYears(ctx.store));
    const ProfileView view{chosenNode(comBegin), chosenNode(comEnd), year, ctx.view.HideGradeline,
                           false};
    const ProfilePlotResult drawn = vemora::DrawProfilePlot(picGraph->surface(), picGraphFrame,
                                                            ctx.store, ctx.results, view, solved_);
    drawnHeader_ = HeaderTextsOf(ctx.store);
    lblKs->setText(QString::fromStdString(drawn.Roughness));
    switch (drawn.Status) {
    case ProfileStatus::Drawn:
        lblFlowrate->setText(QString::fromStdString(drawn.Captions.FlowRate));
        lblPumping->setText(QString::fromStdString(drawn.Captions.PumpingHead));
        break;
    case ProfileStatus::NoSection:
        showMessage(QString::fromUtf8(SelectDistancesMessage),
                    QString::fromUtf8(ProfileErrorTitle));
        comBegin->setCurrentIndex(comBegin->count() > 0 ? 0 : -1);
        comEnd->setCurrentIndex(comEnd->count() - 1);
        break;
    case ProfileStatus::BeginNotBeforeEnd:
        showMessage(QString::fromUtf8(BeginNotBeforeEndMessage),
                    QString::fromUtf8(ProfileErrorTitle));
        break;
    }
}

void frmView::showMessage(const QString& text, const QString& title)
{
    ctx.ui.msgBox(text, MsgButtons::OK, MsgIcon::Exclamation, title, this);
}

void frmView::chkHydraulic_Click()
{
    ctx.view.HideGradeline = !ctx.view.HideGradeline;
    DrawProfilePlot();
}

// Chooses the year only; the plot waits for a View.
void frmView::hscYears_Change()
{
    lblYear->setText(QString::number(OperatingCalendarYear(ctx.store, hscYears->Value())));
    ctx.view.SelectedYear = static_cast<int16_t>(hscYears->Value());
}

void frmView::sscChangeView_Click()
{
    HourglassScope hourglass(ctx.ui);
    DrawProfilePlot();
}

void frmView::sscView_Click()
{
    HourglassScope hourglass(ctx.ui);
    DrawProfilePlot();
}

void frmView::sscPrintView_Click()
{
    DrawProfilePlot();
    const QString begin = comBegin->currentText();
    const QString end = comEnd->currentText();
    PrintCopies(ctx, {QStringLiteral("the pipeline profile"), PageOrientation::Landscape,
                      [this, begin, end](PageRun& run, ReportPrinter& printer) {
                          PrintViewProfilePlot(ctx, run, printer, picGraph->drawing(), begin, end,
                                               solved_);
                      },
                      drawnHeader_});
}

void frmView::sscOK_Click()
{
    AppContext& c = ctx;
    c.windows.profileView.Unload();
    ShowWorkingWindow(c, c.windows.input.Get());
}

// The calibration item is visible only while this view is open: however the
// view goes (OK, its close box, a command or button that unloads it), the
// item goes with it.
frmView::~frmView()
{
    ctx.mainWindow().setRoughnessMenuVisible(false);
}

void frmView::closeEvent(QCloseEvent* e)
{
    e->ignore();
    // OK unloads this window: that waits until the close event is over.
    QTimer::singleShot(0, this, &frmView::sscOK_Click);
}

void frmView::sscHelp_Click()
{
    ctx.ui.showHelp(HelpTopic);
}

void frmView::picGraph_MouseMove(int, int, double x, double y)
{
    const ProfileReadOut at = ReadProfile(picGraphFrame, ctx.store, x, y);
    lblX->setText(QString::fromStdString(at.Distance));
    lblY->setText(QString::fromStdString(at.Elevation));
}

void frmView::picGraph_MouseDown(int button, int, double, double)
{
    if (button != mousebutton::Right) return;
    picGraph->copyToClipboard(
        ctx.ui, QStringLiteral("The pipeline profile was copied to the clipboard"), this);
}

} // namespace vemora
