// The controls of the results window's three pages, placed in twips.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

#include "graphs/GraphPictures.h"
#include "graphs/GraphPieces.h"
#include "graphs/LegendKeys.h"
#include "graphs/PumpGraphs.h"
#include "graphs/SystemGraphs.h"
#include "platform/ControlBuilders.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "results/frmResults.h"

namespace vemora {

namespace {

// Every frame of a page that pops up over it takes the whole page.
constexpr int PageFrameLeft = 45;
constexpr int PageFrameTop = 15;
constexpr int PageFrameWidth = 10350;
constexpr int PageFrameHeight = 6450;

// The graphs of the first two pages and the column of controls beside them.
constexpr int GraphWidth = 7680;
constexpr int GraphHeight = 4860;
constexpr int SideLeft = 7920;
constexpr int SideWidth = 2310;

// The system graphs have a column per year, up to 100 of them, so their
// picture takes the page's width and its controls stand below it, right of
// the legends.
constexpr int SystemGraphWidth = PageFrameWidth - 240;
constexpr int SystemBandTop = PageFrameTop + 5100;
constexpr int SystemLegendWidth = 5640;
constexpr int SystemOptionsLeft = PageFrameLeft + 120 + SystemLegendWidth + 90;
constexpr int SystemOptionsWidth = 2220;
constexpr int SystemButtonsLeft = SystemOptionsLeft + SystemOptionsWidth + 90;
constexpr int SystemButtonsWidth = PageFrameLeft + PageFrameWidth - 60 - SystemButtonsLeft;

// A frame's caption takes a line of its own above its contents here, so the
// legends' entries stand that much lower than designed.
constexpr int LegendCaptionLine = 165;

const QColor TitleBlue(0, 0, 255);
const QColor LegendNavy(0, 0, 128);

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                     int left, int top, int width)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setChecked(true);
    setTwipsGeometry(box, left, top, width, 285);
    return box;
}

// A picture the drawings or printed pages take from the window; never shown.
QLabel* MakeHolder(QWidget* parent, const char* name, const QPixmap& picture)
{
    QLabel* image = MakeImage(parent, name, picture, 0, 0);
    image->hide();
    return image;
}

QLabel* MakeNamedLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height = 255)
{
    QLabel* label = MakeLabel(parent, text, left, top, width, height);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void SetColour(QWidget* w, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

// A frame that pops up over other controls hides what lies beneath it.
QGroupBox* MakePopupFrame(QWidget* parent, const char* name, const QString& title, int left,
                          int top, int width, int height)
{
    QGroupBox* frame = MakeFrame(parent, name, title, left, top, width, height);
    frame->setAutoFillBackground(true);
    return frame;
}

PictureBox* MakePicture(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->surface().setFontName(TimesNewRoman());
    setTwipsGeometry(picture, left, top, width, height);
    return picture;
}

} // namespace

// ---- Page "Hydraulic analysis" ----------------------------------------------

QWidget* frmResults::BuildHydraulicPage()
{
    auto* page = new QWidget(this); // the window's font from the start
    page->setObjectName(QStringLiteral("pageHydraulic"));
    BuildPlotArea(page);
    chkComponents = MakeCheck(page, "chkComponents", QStringLiteral(" View components"),
                              QStringLiteral("Select to view the pipeline components"),
                              PageFrameLeft + 3960, PageFrameTop + 5700, 2700);
    BuildNodeTableFrame(page);
    BuildDutyFrame(page);
    BuildPrintLegend(page);
    return page;
}

void frmResults::BuildPlotArea(QWidget* page)
{
    fraPlot = MakeFrame(page, "fraPlot", QString(), PageFrameLeft, PageFrameTop, PageFrameWidth,
                        PageFrameHeight);
    picHydraulic = MakePicture(fraPlot, "picHydraulic", 120, 120, GraphWidth, GraphHeight);
    picHydraulic->setCrossHair(true);

    MakeLabel(fraPlot, QStringLiteral("Distance :"), 120, 5040, 900);
    lblX = MakeNamedLabel(fraPlot, "lblX", QString::fromLatin1(kOutOfRange), 1020, 5040, 1800);
    MakeLabel(fraPlot, QStringLiteral("Elevation :"), 2880, 5040, 900);
    lblY = MakeNamedLabel(fraPlot, "lblY", QString::fromLatin1(kOutOfRange), 3780, 5040, 1800);

    hscYears = MakeScrollBar(fraPlot, "hscYears", 1, 100, 1, 120, 5400, 2400);
    lblYear = MakeNamedLabel(fraPlot, "lblYear", QString(), 2640, 5400, 600);
    sscChangeView = MakeButton(fraPlot, "sscChangeView", QString(), 3240, 5340, 540);
    sscChangeView->setPicture(ChangeViewPicture());
    sscChangeView->setToolTip(QStringLiteral("Click to view the profile for the selected year"));
    chkGradeline =
        MakeCheck(fraPlot, "chkGradeline", QStringLiteral(" View hydraulic gradeline"),
                  QStringLiteral("Select to view the hydraulic gradeline"), 3960, 5400, 2700);
    lblMaxFlow = MakeNamedLabel(fraPlot, "lblMaxFlow", QString(), 120, 5760, 3780);
    lblPumping = MakeNamedLabel(fraPlot, "lblPumping", QString(), 120, 6060, 3780);

    Frame1 =
        MakeFrame(fraPlot, "Frame1", QStringLiteral("View section"), SideLeft, 60, SideWidth, 2040);
    MakeLabel(Frame1, QStringLiteral("Begin"), 120, 270, 1000);
    comBegin = MakeUnitList(Frame1, "comBegin", 120, 510, 2070);
    comBegin->setToolTip(QStringLiteral("Select the begin of the section to be viewed"));
    MakeLabel(Frame1, QStringLiteral("End"), 120, 870, 1000);
    comEnd = MakeUnitList(Frame1, "comEnd", 120, 1110, 2070);
    comEnd->setToolTip(QStringLiteral("Select the end of the section to be viewed"));
    sscView = MakeTipButton(Frame1, "sscView", QStringLiteral("&View"),
                            QStringLiteral("View the selected profile section"), 120, 1530, 960);
    sscPrintView = MakeTipButton(Frame1, "sscPrintView", QStringLiteral("&Print View"),
                                 QStringLiteral("Print the currently viewed profile section"), 1140,
                                 1530, 1050);

    fraNew =
        MakeFrame(fraPlot, "fraNew", QStringLiteral("Legend"), SideLeft, 2160, SideWidth, 1380);
    imgPipelineWater = MakeImage(fraNew, "imgPipelineWater",
                                 QPixmap::fromImage(LineKey(graphcolor::Ground)), 120, 300);
    MakeLabel(fraNew, QStringLiteral("Pipeline profile"), 840, 285, 1400);
    imgGradeline = MakeImage(fraNew, "imgGradeline",
                             QPixmap::fromImage(LineKey(graphcolor::Gradeline)), 120, 615);
    MakeLabel(fraNew, QStringLiteral("Hydraulic gradeline"), 840, 600, 1400);
    sscComponents = MakeTipButton(fraNew, "sscComponents", QStringLiteral("&Components"),
                                  QStringLiteral("View the components legend"), 120, 930, 2070);

    sscViewHydraulicTable =
        MakeTipButton(fraPlot, "sscViewHydraulicTable", QStringLiteral("View &table"),
                      QStringLiteral("View table of profile details"), SideLeft, 3660, SideWidth);
    sscDutypoint = MakeTipButton(fraPlot, "sscDutypoint", QStringLiteral("&Duty point"),
                                 QStringLiteral("View the duty point"), SideLeft, 4110, SideWidth);
    sscHelp1 = MakeButton(fraPlot, "sscHelp1", QStringLiteral("Help"), SideLeft, 4560, SideWidth);

    // The components legend pops up over the graph's upper right corner.
    fraComponents =
        MakePopupFrame(fraPlot, "fraComponents", QStringLiteral("Pipeline system components"), 5460,
                       180, 2280, 2460);
    // The legend's symbols by node type, air valve first.
    const struct
    {
        int type;
        const char* name;
    } entries[] = {{5, "Air valve"},
                   {4, "Non-return valve"},
                   {3, "Isolating valve"},
                   {1, "Reservoir"},
                   {2, "Pumpstation"}};
    for (int k = 1; k <= 5; ++k) {
        const int top = 300 + (k - 1) * 330;
        const QPixmap symbol = QPixmap::fromImage(ComponentSymbol(entries[k - 1].type));
        const int imageTop = top + (255 - pixelsToTwips(symbol.height())) / 2;
        imgCP[k] = MakeImage(fraComponents, "imgCP", symbol, 120, imageTop);
        MakeLabel(fraComponents, QString::fromUtf8(entries[k - 1].name), 600, top, 1600);
    }
    sscHide = MakeTipButton(fraComponents, "sscHide", QStringLiteral("&Hide components legend"),
                            QStringLiteral("Hide components legend"), 120, 1965, 2040);
    fraComponents->hide();
}

void frmResults::BuildNodeTableFrame(QWidget* page)
{
    fraTable = MakePopupFrame(page, "fraTable", QStringLiteral("Hydraulic Analysis"), PageFrameLeft,
                              PageFrameTop, PageFrameWidth, PageFrameHeight);
    lblYear1 = MakeNamedLabel(fraTable, "lblYear1", QString(), 120, 330, 3000);
    sscHideHydraulicTable =
        MakeTipButton(fraTable, "sscHideHydraulicTable", QStringLiteral("&Hide table"),
                      QStringLiteral("Click to hide the analysis table"), 120, 5940, 1800);
    msgHydraulic = MakeGrid(fraTable, "msgHydraulic", 120, 660, 8640, 5160);
    fraTable->hide();
}

void frmResults::BuildDutyFrame(QWidget* page)
{
    fraDuty = MakePopupFrame(page, "fraDuty", QStringLiteral("Duty point"), PageFrameLeft,
                             PageFrameTop, PageFrameWidth, PageFrameHeight);
    msgDuty = MakeGrid(fraDuty, "msgDuty", 120, 300, 4620, 6000);
    picDuty = MakePicture(fraDuty, "picDuty", 4860, 300, 5370, 4500);
    hscDuty = MakeScrollBar(fraDuty, "hscDuty", 1, 100, 1, 4860, 4920, 2400);
    lblDutyYear = MakeNamedLabel(fraDuty, "lblDutyYear", QString(), 7380, 4920, 1800);
    MakeImage(fraDuty, "imgPumpCurve", QPixmap::fromImage(PumpCurveKey()), 4860, 5370);
    MakeLabel(fraDuty, QStringLiteral("Pump curve"), 5580, 5355, 1500);
    MakeImage(fraDuty, "imgSystemCurve", QPixmap::fromImage(SecondCurveKey()), 7380, 5370);
    MakeLabel(fraDuty, QStringLiteral("System curve"), 8100, 5355, 1500);
    sscHideDuty =
        MakeTipButton(fraDuty, "sscHideDuty", QStringLiteral("&Hide duty point"),
                      QStringLiteral("Click to hide the analysis table"), 4860, 5820, 2400);
    sscPrintDutyYear = MakeTipButton(fraDuty, "sscPrintDutyYear", QStringLiteral("&Print View"),
                                     QStringLiteral("Print the currently viewed profile section"),
                                     7380, 5820, 2400);
    fraDuty->hide();
}

void frmResults::BuildPrintLegend(QWidget* page)
{
    Frame4 = MakePopupFrame(page, "Frame4", QStringLiteral("Legend"), PageFrameLeft, PageFrameTop,
                            2400, 2100);
    picPrintView = MakeHolder(Frame4, "picPrintView", QPixmap());
    const struct
    {
        int type;
        const char* name;
    } entries[] = {{5, "Air valve"},
                   {4, "Non-return"},
                   {3, "Isolating"},
                   {1, "Reservoir"},
                   {2, "Pumpstation"}};
    for (int k = 0; k < 5; ++k) {
        const int top = 300 + k * 330;
        MakeImage(Frame4, "imgPrintCP", QPixmap::fromImage(ComponentSymbol(entries[k].type)), 120,
                  top);
        MakeLabel(Frame4, QString::fromUtf8(entries[k].name), 600, top, 1600);
    }
    Frame4->hide();
}

// ---- Page "System analysis" -------------------------------------------------

QWidget* frmResults::BuildSystemPage()
{
    auto* page = new QWidget(this); // the window's font from the start
    page->setObjectName(QStringLiteral("pageSystem"));
    picSystem = MakePicture(page, "picSystem", PageFrameLeft + 120, PageFrameTop + 120,
                            SystemGraphWidth, GraphHeight);

    Frame2 = MakeFrame(page, "Frame2", QStringLiteral("Graph options"), SystemOptionsLeft,
                       SystemBandTop, SystemOptionsWidth, 1020);
    ssoDemandCapacity =
        MakeOption(Frame2, "ssoDemandCapacity", QStringLiteral("Demand && Capacity"), 120, 300,
                   SystemOptionsWidth - 150);
    ssoDemandCapacity->setToolTip(QStringLiteral("Select to view the Demand && Capacity graph"));
    ssoIncomeExpenditure =
        MakeOption(Frame2, "ssoIncomeExpenditure", QStringLiteral("Income && Expenditure"), 120,
                   630, SystemOptionsWidth - 150);
    ssoIncomeExpenditure->setToolTip(
        QStringLiteral("Select to view the Income && Expenditure graph"));
    ssoDemandCapacity->setChecked(true);

    const int side = SystemButtonsLeft;
    sscViewTable = MakeTipButton(page, "sscViewTable", QStringLiteral("&View table format"),
                                 QStringLiteral("View results in table format"), side,
                                 SystemBandTop + 60, SystemButtonsWidth);
    sscPrintSystem = MakeTipButton(page, "sscPrintSystem", QStringLiteral("&Print View"),
                                   QStringLiteral("Print the currently viewed graph"), side,
                                   SystemBandTop + 480, SystemButtonsWidth);
    sscHelp2 = MakeButton(page, "sscHelp2", QStringLiteral("Help"), side, SystemBandTop + 900,
                          SystemButtonsWidth);

    BuildSystemLegends(page);

    fraViewTable = MakePopupFrame(page, "fraViewTable", QStringLiteral("System Analysis"),
                                  PageFrameLeft, PageFrameTop, PageFrameWidth, PageFrameHeight);
    msgSystem = MakeGrid(fraViewTable, "msgSystem", 120, 300, 10110, 5520);
    sscHideTable =
        MakeTipButton(fraViewTable, "sscHideTable", QStringLiteral("&Hide table"),
                      QStringLiteral("Click to hide the analysis table"), 120, 5940, 1800);
    fraViewTable->hide();
    return page;
}

void frmResults::BuildSystemLegends(QWidget* page)
{
    const int left = PageFrameLeft + 120;
    const int top = SystemBandTop;
    fraDemandLegend =
        MakeFrame(page, "fraDemandLegend", QStringLiteral("Demand && Capacity Legend"), left, top,
                  SystemLegendWidth, 1140 + LegendCaptionLine);
    SetColour(fraDemandLegend, TitleBlue);
    Image6 = MakeImage(fraDemandLegend, "Image6",
                       Swatch(vbColor(barcolor::Supplied), 18, 18, vbColor(barcolor::Shortage), 6),
                       120, 285 + LegendCaptionLine);
    // The first line's words follow one another as wide as each is.
    int x = 480;
    const auto word = [&](const char* name, const QString& text, const QColor& colour) {
        const int width = pixelsToTwips(fraDemandLegend->fontMetrics().horizontalAdvance(text));
        QLabel* label =
            MakeNamedLabel(fraDemandLegend, name, text, x, 300 + LegendCaptionLine, width + 30);
        SetColour(label, colour);
        x += width + 60;
        return label;
    };
    Label9 = word("Label9", QStringLiteral("Demand ("), LegendNavy);
    Label12 = word("Label12", QStringLiteral("Supplied"), vbColor(barcolor::Supplied));
    Label14 = word("Label14", QStringLiteral("+"), LegendNavy);
    Label13 = word("Label13", QStringLiteral("shortage"), vbColor(barcolor::Shortage));
    lblDemand = MakeNamedLabel(fraDemandLegend, "lblDemand", QStringLiteral(") (M/day)"), x,
                               300 + LegendCaptionLine, SystemLegendWidth - 180 - x);
    SetColour(lblDemand, LegendNavy);
    Image7 = MakeImage(fraDemandLegend, "Image7", Swatch(vbColor(barcolor::Yield), 18, 18), 120,
                       700 + LegendCaptionLine);
    lblYield = MakeNamedLabel(fraDemandLegend, "lblYield", QStringLiteral("Yield (Ml/day)"), 480,
                              715 + LegendCaptionLine, SystemLegendWidth - 660);
    SetColour(lblYield, LegendNavy);

    fraIncomeLegend =
        MakeFrame(page, "fraIncomeLegend", QStringLiteral("Income && Expenditure Legend"), left,
                  top, SystemLegendWidth, 1140 + LegendCaptionLine);
    struct Entry
    {
        const char* name;
        QColor colour;
        int swatchLeft, swatchTop;
        QLabel** label;
        const char* labelName;
        const char* caption;
        int labelLeft, labelTop;
    };
    const Entry entries[] = {
        {"Shape1", vbColor(barcolor::Income), 120, 290, &lblIncome, "lblIncome", "Income (R/year)",
         470, 310},
        {"Shape2", vbColor(barcolor::Capital), 120, 700, &lblCapitalExpenditure,
         "lblCapitalExpenditure", "Capital expenditure (R/year)", 465, 720},
        {"Shape3", vbColor(barcolor::Maintenance), 2880, 170, &lblMaintenance, "lblMaintenance",
         "Maintenance costs (R/year)", 3240, 200},
        {"Shape4", vbColor(barcolor::Operational), 2880, 470, &lblOperational, "lblOperational",
         "Operational costs (R/year)", 3240, 500},
        {"Shape5", vbColor(barcolor::Energy), 2880, 770, &lblEnergy, "lblEnergy",
         "Energy costs (R/year)", 3240, 800},
    };
    int k = 1;
    for (const Entry& e : entries) {
        QLabel* swatch = MakeNamedLabel(fraIncomeLegend, e.name, QString(), e.swatchLeft,
                                        e.swatchTop + LegendCaptionLine, 255, 255);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, e.colour);
        swatch->setPalette(palette);
        Shape[k++] = swatch;
        *e.label = MakeNamedLabel(fraIncomeLegend, e.labelName, QString::fromLatin1(e.caption),
                                  e.labelLeft, e.labelTop + LegendCaptionLine,
                                  std::min(2700, SystemLegendWidth - 60 - e.labelLeft));
    }
    fraIncomeLegend->hide();
}

void frmResults::PlaceIncomeLegendEntry(QWidget* entry, int top)
{
    const QRect at = twipsGeometry(entry);
    setTwipsGeometry(entry, at.left(), top + LegendCaptionLine, at.width(), at.height());
}

// ---- Page "Cost analysis" -----------------------------------------------------

QWidget* frmResults::BuildCostPage()
{
    auto* page = new QWidget(this); // the window's font from the start
    page->setObjectName(QStringLiteral("pageCost"));
    page->setFont(TimesFont(9, false));
    const QFont title = TimesFont(12, true);
    const QFont caption = TimesFont(9.75, true);

    Label10 =
        MakeNamedLabel(page, "Label10", QStringLiteral("Total capital cost"), 165, 135, 4500, 360);
    Label10->setFont(title);
    SetColour(Label10, TitleBlue);
    msgCost = MakeGrid(page, "msgCost", 165, 495, 4620, 5205);
    msgCost->setRows(15);
    msgCost->setCols(2);

    Frame5 = MakeFrame(page, "Frame5", QString(), 4965, 75, 5400, 3540);
    Label11 =
        MakeNamedLabel(Frame5, "Label11", QStringLiteral("Annual costs"), 120, 105, 3000, 330);
    Label11->setFont(title);
    SetColour(Label11, TitleBlue);
    Label17 =
        MakeNamedLabel(Frame5, "Label17", QStringLiteral("Select life cycle year"), 120, 480, 2100);
    Label17->setFont(caption);
    hsbAnnual = MakeScrollBar(Frame5, "hsbAnnual", 1, 100, 1, 2280, 480, 975);
    lblAnnual = MakeNamedLabel(Frame5, "lblAnnual", QStringLiteral("Year : 1"), 3360, 480, 1500);
    lblAnnual->setFont(caption);
    msgAnnualCost = MakeGrid(Frame5, "msgAnnualCost", 120, 840, 4695, 1740);
    msgAnnualCost->setRows(5);
    msgAnnualCost->setCols(3);
    msgAnnualCost->setFixedCols(2);
    sscHelp3 = MakeButton(Frame5, "sscHelp3", QStringLiteral("Help"), 120, 3060, 1200);

    Frame3 = MakeFrame(page, "Frame3", QStringLiteral("Life cycle costs"), 4965, 3735, 5400, 2700);
    MakeLabel(Frame3, QStringLiteral("Design life :"), 120, 330, 2400)->setFont(caption);
    lblDesignLife = MakeNamedLabel(Frame3, "lblDesignLife", QString(), 2640, 330, 2640);
    MakeLabel(Frame3, QStringLiteral("NPV of expenditure :"), 120, 690, 2400)->setFont(caption);
    lblNPVE = MakeNamedLabel(Frame3, "lblNPVE", QString(), 2640, 690, 2640);
    MakeLabel(Frame3, QStringLiteral("NPV of income :"), 120, 1050, 2400)->setFont(caption);
    lblNPVI = MakeNamedLabel(Frame3, "lblNPVI", QString(), 2640, 1050, 2640);
    MakeLabel(Frame3, QStringLiteral("Internal rate of return :"), 120, 1410, 2400)
        ->setFont(caption);
    lblIRR = MakeNamedLabel(Frame3, "lblIRR", QString(), 2640, 1410, 2640);
    sscIRR = MakeTipButton(Frame3, "sscIRR", QStringLiteral("&View IRR"),
                           QStringLiteral("Click to view the IRR graph"), 120, 1950, 2040);
    return page;
}

} // namespace vemora
