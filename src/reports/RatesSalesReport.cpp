// The rates and sales report: one page of works costs, maintenance
// percentages, the owner's staff and other expenses, the economic rates and
// the water tariff, as the input window shows them.
#include "app/AppContext.h"
#include "app/InputControls.h"
#include "app/PageFrames.h"
#include "engine/NumberFormat.h"
#include "platform/ReportPrinter.h"
#include "project/SystemType.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"

namespace vemora {

namespace {

// "###,###,###,##0": a whole amount grouped by thousands.
QString Amount(const InputControls& in, const char* field)
{
    return FormattedField(in.Text(field), FormatThousands, 0);
}

QString Percent(const InputControls& in, const char* field)
{
    return in.Text(field) + QStringLiteral(" %");
}

void PrintCosts(const InputControls& in, const QString& symbol, ReportPrinter& p)
{
    p.setFontBold(true);
    p.Print({{7, "Capital cost"}});
    p.setFontBold(false);
    p.Print({{8, "Mechanical works - "}, {35, symbol + Amount(in, "txtMechanical")}});
    p.Print({{8, "Electrical works - "}, {35, symbol + Amount(in, "txtElectrical")}});
    p.Print();

    p.setFontBold(true);
    p.Print({{7, "Maintenance cost"}});
    p.setFontBold(false);
    p.Print({{8, "Pipeline -"}, {35, in.Text("lblMPipeline")}});
    p.Print({{8, "Mechanical works -"}, {35, in.Text("lblMMechanical")}});
    p.Print({{8, "Electrical works -"}, {35, in.Text("lblMElectrical")}});
}

void PrintOperational(const InputControls& in, const QString& symbol, ReportPrinter& p)
{
    const char* const staff = "msgOperational";
    const char* const other = "msgOtherOperational";
    p.setFontBold(true);
    p.Print();
    p.Print({{7, "Operational cost"}});
    p.setFontBold(false);

    p.Print({{7, "Waterboard/Municipality (owner) staff expenses"}});
    p.Print({{7, "Staff"},
             {25, QStringLiteral("Annual package (") + symbol + QStringLiteral(")")},
             {50, "Percentage of time (%)"}});
    for (int r = 1; r <= 8; ++r)
        p.Print(
            {{8, in.Cell(staff, r, 0)}, {32, in.Cell(staff, r, 1)}, {55, in.Cell(staff, r, 2)}});

    p.Print({{7, "Other operational expenses"}});
    p.Print({{7, "Description of expenses"},
             {35, QStringLiteral("Annual ammount (") + symbol + QStringLiteral(")")}});
    for (int r = 1; r <= 5; ++r)
        p.Print({{8, in.Cell(other, r, 0)}, {40, in.Cell(other, r, 1)}}, LineEnd::Keep);
    p.Print();
}

void PrintRates(AppContext& ctx, const InputControls& in, const QString& symbol, ReportPrinter& p)
{
    const QString tariff = FormattedField(in.Text("txtWaterSales"), FormatFixed, 2).trimmed();
    p.setFontBold(true);
    p.Print({{7, "Rates"}, {52, "Income"}});
    p.setFontBold(false);
    p.Print({{8, "Escalation rate - "},
             {35, Percent(in, "txtEscalation")},
             {56, "Current water sales unit tariff - "},
             {90, symbol + tariff + in.Text("comWaterSalesUnits")}});
    p.Print({{8, "Discount rate - "},
             {35, Percent(in, "txtDiscountRate")},
             {56, "Water tariff annual increase - "},
             {90, Percent(in, "txtWaterIncrease")}});
    if (IsPumping(ctx.store))
        p.Print({{8, "Energy escalation rate - "}, {35, Percent(in, "txtEnergyEscalation")}});
}

} // namespace

void PrintRatesAndSales(AppContext& ctx, ReportPrinter& p)
{
    const InputControls in(ctx);
    const QString symbol = CurrencyText(ctx);
    p.setFontBold(false);
    PrintPageHeader(ctx, p);
    p.setFontSize(12);
    p.Print();
    p.setFontUnderline(true);
    p.Print({{7, IsGravity(ctx.store) ? QStringLiteral("RATES AND SALES DATA: GRAVITY SYSTEM")
                                      : QStringLiteral("RATES AND SALES DATA: PUMPING SYSTEM")}});
    p.setFontUnderline(false);
    PrintCosts(in, symbol, p);
    PrintOperational(in, symbol, p);
    PrintRates(ctx, in, symbol, p);
    p.setCurrentY(245);
    PrintPageFooter(ctx, p);
}

} // namespace vemora
