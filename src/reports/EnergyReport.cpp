// The energy data report of a pumping project: the summer and winter rates,
// the 24-hour tariff pattern of both seasons, the pumping hours a day and
// the number of summer months, on one page.
#include "app/AppContext.h"
#include "app/InputSnapshot.h"
#include "engine/NumberFormat.h"
#include "pages/PageFrames.h"
#include "platform/ReportPrinter.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"

namespace vemora {

namespace {

// The letter of a tariff code: 0 off-peak, 1 standard, 2 peak; a code from a
// damaged file that is none of these prints as "?".
QString TariffLetter(int code)
{
    static const char* const letters[] = {"O", "S", "P"};
    return code >= 0 && code <= 2 ? QLatin1String(letters[code]) : QStringLiteral("?");
}

// Hour h at column 13 + 4h: a column further right than 12 + 4h, so that a
// blank's width stays between "Summer" and hour 1's letter; hour 24 still
// ends inside the page's rule.
int HourColumn(int hour)
{
    return 13 + 4 * hour;
}

void PrintPatternRow(ReportPrinter& p, const char* season, const Array1<int16_t, 24>& pattern)
{
    p.Tab(7);
    p.PrintText(QLatin1String(season));
    for (int h = 1; h <= 24; ++h) {
        p.Tab(HourColumn(h));
        p.PrintText(TariffLetter(pattern[h]));
    }
    p.EndLine();
}

void PrintRates(const InputSnapshot& in, const QString& symbol, ReportPrinter& p)
{
    auto rate = [&](const QString& field) {
        return symbol + FormattedField(field, FormatFixed, 2) + QStringLiteral("/kW");
    };
    p.Print({{7, "Peak rate:"},
             {30, rate(in.Text(InputBox::txtSPeak))},
             {55, rate(in.Text(InputBox::txtWPeak))}});
    p.Print({{7, "Standard rate:"},
             {30, rate(in.Text(InputBox::txtSStandard))},
             {55, rate(in.Text(InputBox::txtWStandard))}});
    p.Print({{7, "Off-peak rate:"},
             {30, rate(in.Text(InputBox::txtSOffpeak))},
             {55, rate(in.Text(InputBox::txtWOffpeak))}});
}

} // namespace

void PrintEnergyData(AppContext& ctx, PageRun& run, ReportPrinter& p)
{
    const InputSnapshot in = ReadInputWindow(ctx);
    ReportPages pages(ctx, run, p);
    pages.PrintPageHeader();
    p.setFontSize(13);
    p.Print();
    p.setFontUnderline(true);
    p.Print({{7, "ENERGY DATA: PUMPING SYSTEM"}});
    p.Print();
    p.Print({{6, "Energy details:"}});
    p.setFontUnderline(false);

    p.setFontSize(12);
    p.Print({{7, "Tariff"}, {24, "Summer months"}, {46, "Winter months"}});
    p.setFontBold(false);
    PrintRates(in, CurrencyText(ctx), p);
    p.Print();
    p.setFontSize(12);
    p.Print();

    p.setFontBold(true);
    p.Print({{7, "Applicable energy cost pattern"}});
    p.setFontBold(false);
    p.Tab(7);
    p.PrintText(QStringLiteral("Hour"));
    for (int h = 1; h <= 24; ++h) {
        p.Tab(HourColumn(h));
        p.PrintText(QString::number(h));
    }
    p.EndLine();
    PrintPatternRow(p, "Summer", ctx.store.SummerHourPeriod);
    PrintPatternRow(p, "Winter", ctx.store.WinterHourPeriod);

    p.Print();
    p.Print({{7, "Legend:"}});
    p.Print({{7, "O - Off-peak hours     S - Standard hours     P - Peak hours"}});
    p.Print();
    p.setFontSize(12);
    p.Print({{7, QStringLiteral("Pumping hours per day - ") + in.PumpingHours.trimmed()}});
    p.Print({{7, QStringLiteral("Number of summer months - ") + in.SummerMonths +
                     QStringLiteral(" months")}});
    pages.PrintPageFooter();
}

} // namespace vemora
