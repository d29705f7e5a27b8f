// The rates and sales report: one page of works costs, maintenance
// percentages, the owner's staff and other expenses, the economic rates and
// the water tariff, as the input window shows them.
#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "project/SystemType.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"

namespace vemora {

namespace {

// "###,###,###,##0": a whole amount grouped by thousands.
QString Amount(const QString& field)
{
    return FormattedField(field, FormatThousands, 0);
}

QString Percent(const QString& field)
{
    return field + QStringLiteral(" %");
}

void PrintCosts(const InputSnapshot& in, const QString& symbol, ReportPrinter& p)
{
    p.setFontBold(true);
    p.Print({{7, "Capital cost"}});
    p.setFontBold(false);
    p.Print({{8, "Mechanical works - "}, {35, symbol + Amount(in.Text(InputBox::txtMechanical))}});
    p.Print({{8, "Electrical works - "}, {35, symbol + Amount(in.Text(InputBox::txtElectrical))}});
    p.Print();

    p.setFontBold(true);
    p.Print({{7, "Maintenance cost"}});
    p.setFontBold(false);
    p.Print({{8, "Pipeline -"}, {35, in.MaintenancePipeline}});
    p.Print({{8, "Mechanical works -"}, {35, in.MaintenanceMechanical}});
    p.Print({{8, "Electrical works -"}, {35, in.MaintenanceElectrical}});
}

void PrintOperational(const InputSnapshot& in, const QString& symbol, ReportPrinter& p)
{
    const GridTexts& staff = in.Staff;
    const GridTexts& other = in.OtherExpenses;
    p.setFontBold(true);
    p.Print();
    p.Print({{7, "Operational cost"}});
    p.setFontBold(false);

    p.Print({{7, "Waterboard/Municipality (owner) staff expenses"}});
    p.Print({{7, "Staff"},
             {25, QStringLiteral("Annual package (") + symbol + QStringLiteral(")")},
             {50, "Percentage of time (%)"}});
    for (int r = 1; r <= 8; ++r)
        p.Print({{8, staff.Cell(r, 0)}, {32, staff.Cell(r, 1)}, {55, staff.Cell(r, 2)}});

    p.Print({{7, "Other operational expenses"}});
    p.Print({{7, "Description of expenses"},
             {35, QStringLiteral("Annual ammount (") + symbol + QStringLiteral(")")}});
    for (int r = 1; r <= 5; ++r)
        p.Print({{8, other.Cell(r, 0)}, {40, other.Cell(r, 1)}}, LineEnd::Keep);
    p.Print();
}

void PrintRates(AppContext& ctx, const InputSnapshot& in, const QString& symbol, ReportPrinter& p)
{
    const QString tariff =
        FormattedField(in.Text(InputBox::txtWaterSales), FormatFixed, 2).trimmed();
    p.setFontBold(true);
    p.Print({{7, "Rates"}, {52, "Income"}});
    p.setFontBold(false);
    p.Print({{8, "Escalation rate - "},
             {35, Percent(in.Text(InputBox::txtEscalation))},
             {56, "Current water sales unit tariff - "},
             {90, symbol + tariff + in.Unit(InputBox::txtWaterSales)}});
    p.Print({{8, "Discount rate - "},
             {35, Percent(in.Text(InputBox::txtDiscountRate))},
             {56, "Water tariff annual increase - "},
             {90, Percent(in.Text(InputBox::txtWaterIncrease))}});
    if (IsPumping(ctx.store))
        p.Print({{8, "Energy escalation rate - "},
                 {35, Percent(in.Text(InputBox::txtEnergyEscalation))}});
}

} // namespace

void PrintRatesAndSales(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const InputSnapshot in = ReadInputWindow(ctx);
    const QString symbol = CurrencyText(ctx);
    p.setFontBold(false);
    ReportPages pages(ctx, run, p);
    pages.PrintPageHeader();
    p.setFontSize(12);
    p.Print();
    p.setFontUnderline(true);
    p.Print({{7, IsPumping(ctx.store) ? QStringLiteral("RATES AND SALES DATA: PUMPING SYSTEM")
                                      : QStringLiteral("RATES AND SALES DATA: GRAVITY SYSTEM")}});
    p.setFontUnderline(false);
    PrintCosts(in, symbol, p);
    PrintOperational(in, symbol, p);
    PrintRates(ctx, in, symbol, p);
    pages.PrintPageFooter();
}

} // namespace vemora
