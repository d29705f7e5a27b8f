// The one-page cost summary: the capital cost build-up to the total capital
// cost, the design life, the net present values, the internal rate of
// return and the first-year annual costs with their escalation rates.
#include "app/AppContext.h"
#include "app/PrintFailure.h"
#include "engine/CapitalCostLines.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"

namespace vemora {
namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

class CostReport
{
  public:
    CostReport(AppContext& ctx, PageRun& run, ReportPrinter& p)
        : ctx_(ctx), run_(run), p_(p), symbol_(CurrencyText(ctx))
    {
    }

    void Print()
    {
        const ProjectStore& s = ctx_.store;
        const ResultsStore& r = ctx_.results;
        p_.setFontBold(false);
        ReportPages pages(ctx_, run_, p_);
        pages.PrintPageHeader();
        PrintReportTitle(p_, 40, QStringLiteral("COST ANALYSIS"));
        p_.setFontSize(12);
        p_.Print();
        heading(QStringLiteral("Description"));
        capitalCost();

        p_.Print();
        p_.Print({{7, QStringLiteral("Design life:")},
                  {30, QStringLiteral("%1 years").arg(s.DesignLife)}});
        heading(QStringLiteral("Net Present Value"));
        p_.Print({{7, QStringLiteral("Expenditure:")}, {30, amount(r.NpvExpenditure)}});
        p_.Print({{7, QStringLiteral("Income:")}, {30, amount(r.NpvIncome)}});

        p_.setFontBold(true);
        p_.Print({{6, QStringLiteral("Internal Rate of Return")}}, LineEnd::Keep);
        p_.setFontBold(false);
        const QString irr = r.IrrFound ? Text(FormatThreeDecimals(FiniteOrFail(r.Irr))) + " %"
                                       : QStringLiteral("n/a");
        p_.Print({{7, QStringLiteral("IRR:")}, {30, irr}});

        p_.Print();
        heading(QStringLiteral("Annual cost"));
        annualLine("Operational cost", r.YearOperational[1], s.EscalationRate);
        annualLine("Maintenance cost - Pipeline", r.YearPipelineMaintenance[1], s.EscalationRate);
        annualLine("Maintenance cost - Mechanical", r.YearMechanicalMaintenance[1],
                   s.EscalationRate);
        annualLine("Maintenance cost - Electrical", r.YearElectricalMaintenance[1],
                   s.EscalationRate);
        annualLine("Energy cost", r.YearEnergy[1], s.EnergyEscalationRate);

        pages.PrintPageFooter();
    }

  private:
    QString amount(double value) const
    {
        return symbol_ + Text(FormatThousands(FiniteOrFail(value), 0));
    }

    void heading(const QString& title)
    {
        p_.setFontBold(true);
        p_.Print({{6, title}});
        p_.setFontBold(false);
    }

    void capitalCost()
    {
        const ProjectStore& s = ctx_.store;
        const CapitalCostLines l = BuildCapitalCostLines(s, ctx_.results);
        // The mark-ups read as entered ("7.5%"), as in the results window.
        const QString prelim = Text(FormatGeneral(FiniteOrFail(s.PrelimGeneralPercent)));
        const QString contingency = Text(FormatGeneral(FiniteOrFail(s.ContingencyPercent)));
        const std::pair<QString, double> lines[] = {
            {QStringLiteral("Pipeline cost"), l.Pipeline},
            {QStringLiteral("Mechanical cost"), l.Mechanical},
            {QStringLiteral("Electrical cost"), l.Electrical},
            {QStringLiteral("Sub total"), l.Subtotal1},
            {QStringLiteral("Preliminary & General (") + prelim + "%)", l.PrelimGeneral},
            {QStringLiteral("Sub total"), l.Subtotal2},
            {QStringLiteral("Contingencies (") + contingency + "%)", l.Contingencies},
            {QStringLiteral("Escalation"), l.Escalation},
            {QStringLiteral("Sub total"), l.Subtotal3},
            {QStringLiteral("Consulting fees (fee scale 2002)"), l.ConsultingFees},
            {QStringLiteral("Administration and management"), l.Administration},
            {QStringLiteral("Total construction cost"), l.ConstructionTotal},
            {QStringLiteral("VAT 14%"), l.Vat},
        };
        for (const auto& [label, value] : lines)
            p_.Print({{7, label}, {50, amount(value)}});
        p_.setFontBold(true);
        p_.Print({{6, QStringLiteral("Total capital cost")}, {47, amount(l.TotalCapitalCost)}});
        p_.setFontBold(false);
    }

    void annualLine(const char* label, float value, float rate)
    {
        p_.Print({{7, QString::fromLatin1(label)},
                  {45, amount(value) + "  (Escalation rate is " +
                           Text(FormatFixed(FiniteOrFail(rate), 2)) + "%)"}});
    }

    AppContext& ctx_;
    PageRun& run_;
    ReportPrinter& p_;
    QString symbol_;
};

} // namespace

void PrintCostAnalysis(AppContext& ctx, PageRun& run, ReportPrinter& printer)
{
    CostReport(ctx, run, printer).Print();
}

} // namespace vemora
