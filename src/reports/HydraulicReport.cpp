// The hydraulic analysis of one design-life year: the year's flow, for a
// pumping system the pumping head, and a table of every profile node with
// its chainage, ground elevation, gradeline level, pressure head and
// description, 27 nodes a page.
#include <algorithm>

#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "engine/Hydraulics.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/PrintNumber.h"
#include "platform/ReportPrinter.h"
#include "project/NodeTypes.h"
#include "project/ProjectOptions.h"
#include "project/ProjectYears.h"
#include "project/SystemType.h"
#include "reports/Reports.h"

namespace vemora {
namespace {

constexpr int kNodesPerPage = 27;

QString LengthLabel(int code)
{
    static const char* labels[] = {"(m)", "(km)", "(ft)", "(miles)"};
    return code >= 0 && code < 4 ? QString::fromLatin1(labels[code]) : QString();
}

QString ThreeDecimals(double value)
{
    return QString::fromStdString(FormatThreeDecimals(FiniteOrFail(value)));
}

class HydraulicReport
{
  public:
    HydraulicReport(AppContext& ctx, PageRun& run, ReportPrinter& p)
        : ctx_(ctx), p_(p), in_(ReadInputWindow(ctx)), pages_(ctx, run, p), year_(run.year)
    {
    }

    void Print()
    {
        const ProjectStore& s = ctx_.store;
        if (year_ < 1 || year_ > MaxYears) throw PrintFailure("no year chosen");
        formTexts();
        const int nodes = std::clamp<int>(s.NodeCount, 0, MaxNodes);
        p_.setFontBold(false);
        pageTop(true);
        for (int i = 1; i <= nodes; ++i) {
            nodeRow(i);
            if (i % kNodesPerPage == 0 && i <= 18 * kNodesPerPage) {
                pages_.PrintPageFooter(kReportBodyEnd);
                p_.setFontBold(false);
                pageTop(false);
            }
        }
        pages_.PrintPageFooter();
    }

  private:
    void formTexts()
    {
        const ProjectStore& s = ctx_.store;
        const ResultsStore& r = ctx_.results;
        double factor = r.DemandUnitFactor;
        QString unit = HasVaryingDemand(s) ? in_.Unit(GridUnit::VaryingDemand)
                                           : in_.Unit(InputBox::txtGFlowrate);
        if (IsPumping(s)) {
            factor = HasPumpCurve(s) ? r.PumpFlowUnitFactor : r.OperatingFlowUnitFactor;
            unit = HasPumpCurve(s) ? in_.Unit(InputBox::txtQ)
                                   : in_.Unit(InputBox::txtPumpOperatingFlowrate);
        }
        flowText_ = QStringLiteral("Flow rate: ") +
                    ThreeDecimals(DivideOrFail(r.YearFlow[year_], factor)) + ' ' + unit.trimmed();
        flowText_ = flowText_.left(50).trimmed();
        headText_.clear();
        if (IsPumping(s)) {
            const double head = DivideOrFail(PumpingHead(r, year_), r.LevelUnitFactor);
            headText_ = (QStringLiteral("Pumping head: ") + ThreeDecimals(head) + ' ' +
                         in_.Unit(GridUnit::Elevation).trimmed())
                            .left(50)
                            .trimmed();
        }
    }

    void pageTop(bool first)
    {
        pages_.PrintPageHeader();
        PrintReportTitle(p_, 40, QStringLiteral("HYDRAULIC ANALYSIS"));
        p_.setFontSize(6);
        p_.Print();
        p_.setFontSize(10);
        if (first) p_.setForeColor(QColor(128, 0, 0));
        p_.Print({{9, flowText_},
                  {60, headText_},
                  {110, QStringLiteral("Year: %1").arg(OperatingCalendarYear(ctx_.store, year_))}});
        p_.setForeColor(Qt::black);
        tableHeading();
    }

    void tableHeading()
    {
        const QString chainage = LengthLabel(ctx_.store.ChainageUnit);
        const QString elevation = LengthLabel(ctx_.store.ElevationUnit);
        p_.setFontName(QStringLiteral("Courier New"));
        p_.setFontSize(11);
        p_.Rule();
        p_.Print({{5, QStringLiteral("Node")},
                  {11, QStringLiteral("Accumulated")},
                  {24, QStringLiteral("Elevation")},
                  {36, QStringLiteral("Hydraulic")},
                  {49, QStringLiteral("Pressure")},
                  {61, QStringLiteral("Description")}});
        p_.Print({{5, QStringLiteral("nr")},
                  {11, QStringLiteral("length")},
                  {36, QStringLiteral("gradeline")},
                  {49, QStringLiteral("head")}},
                 LineEnd::Keep);
        p_.Print({{11, chainage}, {24, elevation}, {36, elevation}, {49, elevation}});
        p_.Rule();
        p_.Print();
        p_.setFontBold(false);
    }

    void nodeRow(int i)
    {
        const ProjectStore& s = ctx_.store;
        const ResultsStore& r = ctx_.results;
        const int index = IsPumping(s) ? i : i - 1;
        const double level = DivideOrFail(r.Gradeline(index, year_), r.LevelUnitFactor);
        const float elevation = s.NodeElevation[i];
        FiniteOrFail(s.NodeAccumulatedLength[i]);
        FiniteOrFail(elevation);
        p_.Print({{5, QString::number(i)},
                  {11, printNumberText(s.NodeAccumulatedLength[i])},
                  {24, printNumberText(elevation)},
                  {36, ThreeDecimals(level)},
                  {49, ThreeDecimals(level - elevation)},
                  {61, QString::fromStdString(NodeTypeNames(s.NodeTypeCode[i]))}});
    }

    AppContext& ctx_;
    ReportPrinter& p_;
    const InputSnapshot in_;
    ReportPages pages_;
    const int year_;
    QString flowText_;
    QString headText_;
};

} // namespace

void PrintHydraulicAnalysisTable(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    HydraulicReport(ctx, run, printer).Print();
}

} // namespace vemora
