// The general project data: periods, demand (fixed, or the varying demand
// table year by year), reservoir levels and, for a pumping system, the pump
// data. Texts come from the input window as it stands; the system type, a
// pumping system's demand option and the pump data from the store.
#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"
#include "reports/Reports.h"

namespace vemora {
namespace {

// Rows of the demand table after which a page ends: 23 on the first page,
// 25 on every later one.
bool PageEndsAfterDemandRow(int row)
{
    return row >= 23 && (row - 23) % 25 == 0;
}

class GeneralReport
{
  public:
    GeneralReport(AppContext& ctx, PageRun& run, ReportPrinter& p)
        : ctx_(ctx), p_(p), in_(ReadInputWindow(ctx)), pages_(ctx, run, p, [this] { titleBlock(); })
    {
    }

    void Print()
    {
        pages_.PrintPageHeader();
        periods();
        demand();
        reservoirs();
        if (pumping()) pumpData();
        pages_.PrintPageFooter();
    }

  private:
    bool pumping() const { return IsPumping(ctx_.store); }

    // Turns the page first when `lines` lines of 12 pt would reach the footer.
    void keepLines(int lines) { p_.KeepTogether(lines * p_.TextHeight()); }

    void titleBlock()
    {
        p_.setFontSize(13);
        p_.Print();
        p_.setFontUnderline(true);
        p_.Print({{7, pumping() ? QStringLiteral("GENERAL PROJECT DATA: PUMPING SYSTEM")
                                : QStringLiteral("GENERAL PROJECT DATA: GRAVITY SYSTEM")}});
        p_.Print();
        p_.setFontUnderline(false);
        p_.setFontBold(false);
        p_.setFontSize(12);
    }

    void periods()
    {
        p_.Print({{7, QStringLiteral("Design life:")}, {30, in_.DesignLife}});
        p_.Print({{7, QStringLiteral("Starting year:")}, {30, in_.BaseYear}});
        p_.Print({{7, QStringLiteral("Supply start year:")}, {30, in_.SupplyStart}});
    }

    void demand()
    {
        const bool varying = pumping() ? HasVaryingDemand(ctx_.store) : !in_.GravityFixedDemand;
        if (!varying) {
            p_.Print(
                {{7, QStringLiteral("Preferred option:")}, {30, QStringLiteral("Fixed demand")}});
            const QString& flow =
                pumping() ? in_.Text(InputBox::txtPFlowrate) : in_.Text(InputBox::txtGFlowrate);
            const QString& unit =
                pumping() ? in_.Unit(InputBox::txtPFlowrate) : in_.Unit(InputBox::txtGFlowrate);
            p_.Print({{7, QStringLiteral("Demand: ") + flow + ' ' + unit}});
            return;
        }
        p_.Print(
            {{7, QStringLiteral("Preferred option:")}, {30, QStringLiteral("Varying demand")}});
        const GridTexts& grid = pumping() ? in_.PumpDemand : in_.GravityDemand;
        const QString& unit =
            pumping() ? in_.Unit(GridUnit::PumpVaryingDemand) : in_.Unit(GridUnit::VaryingDemand);
        const int rows = grid.Rows();
        if (rows > 0) demandHeading(grid, unit);
        for (int r = 1; r < rows; ++r) {
            p_.Print({{9, grid.Cell(r, 0)}, {30, grid.Cell(r, 1)}});
            if (PageEndsAfterDemandRow(r)) {
                pages_.Turn();
                demandHeading(grid, unit);
            }
        }
    }

    void demandHeading(const GridTexts& grid, const QString& unit)
    {
        p_.setFontBold(true);
        p_.Print({{7, grid.Cell(0, 0)}, {25, grid.Cell(0, 1) + " (" + unit + ')'}});
        p_.setFontBold(false);
    }

    void reservoirs()
    {
        keepLines(3);
        p_.setFontBold(true);
        p_.Print({{7, QStringLiteral("Reservoir levels")}});
        p_.setFontBold(false);
        struct Level
        {
            const char* label;
            const QString &field, &unit;
        };
        const Level gravity[] = {{"Top reservoir water level:", in_.Text(InputBox::txtTRWL),
                                  in_.Unit(InputBox::txtTRWL)},
                                 {"Bottom reservoir water level:", in_.Text(InputBox::txtBRWL),
                                  in_.Unit(InputBox::txtBRWL)}};
        const Level pump[] = {{"Pumpstation reservoir water level:", in_.Text(InputBox::txtPPRWL),
                               in_.Unit(InputBox::txtPPRWL)},
                              {"End reservoir water level:", in_.Text(InputBox::txtPERWL),
                               in_.Unit(InputBox::txtPERWL)}};
        const int column = pumping() ? 45 : 40;
        for (const Level& l : pumping() ? pump : gravity)
            p_.Print({{9, QString::fromLatin1(l.label)}, {column, l.field + ' ' + l.unit}});
    }

    void pumpData()
    {
        keepLines(in_.PumpCurveChosen ? 10 : in_.OperatingFlowChosen ? 4 : 1);
        p_.setFontBold(true);
        p_.Print({{7, QStringLiteral("Pumping system")}});
        p_.setFontBold(false);
        if (in_.OperatingFlowChosen) {
            p_.Print({{7, QStringLiteral("Preferred option:")},
                      {30, QStringLiteral("Specified operating Flow rate")}});
            p_.Print({{9, QStringLiteral("Operating flow rate:")},
                      {30, in_.Text(InputBox::txtPumpOperatingFlowrate).trimmed() + ' ' +
                               in_.Unit(InputBox::txtPumpOperatingFlowrate).trimmed()}});
            p_.Print(
                {{9, QStringLiteral("Pump efficiency:")},
                 {30, in_.Text(InputBox::txtPumpEfficiency).trimmed() + QStringLiteral(" %")}});
        }
        if (in_.PumpCurveChosen) pumpCurve();
    }

    void pumpCurve()
    {
        const ProjectStore& s = ctx_.store;
        p_.Print({{7, QStringLiteral("Preferred option:")},
                  {30, QStringLiteral("Specified pump curve")}});
        p_.Print({{9, QStringLiteral("Head")},
                  {30, QStringLiteral("Flow rate")},
                  {51, QStringLiteral("Efficiency")}});
        p_.Print({{9, in_.Unit(InputBox::txtH)},
                  {30, in_.Unit(InputBox::txtQ)},
                  {51, QStringLiteral("%")}});
        auto text = [](float v) { return QString::fromStdString(FormatGeneral(v)); };
        for (int k = 1; k <= 6; ++k)
            p_.Print({{9, text(s.PumpCurve[1][k])},
                      {30, text(s.PumpCurve[2][k])},
                      {51, text(s.PumpCurve[3][k])}});
        // The pump type and its configuration, each carried on at blanks.
        const QString type = QStringLiteral("Pump type: ") +
                             QString::fromStdString(TrimBlanks(s.PumpType)).trimmed();
        const QString configuration = QString::fromStdString(s.PumpDescription).trimmed();
        const double width = p_.RightEnd() - p_.TabPosition(7);
        keepLines(2 + static_cast<int>(p_.BreakLines(type, width).size() +
                                       p_.BreakLines(configuration, width).size()));
        p_.Print();
        p_.Print({{7, type}});
        p_.Print({{7, QStringLiteral("Configuration:")}});
        p_.Print({{7, configuration}});
        p_.Print();
    }

    AppContext& ctx_;
    ReportPrinter& p_;
    const InputSnapshot in_;
    // Each page begins with the header and the title block; a block that
    // would reach the footer turns the page to the same.
    ReportPages pages_;
};

} // namespace

void PrintGeneralData(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    GeneralReport(ctx, run, printer).Print();
}

} // namespace vemora
