// The rates and sales page and the energy data page: amounts formatted from
// the fields as the window shows them, the currency on every amount, the
// energy escalation line of a pumping project only, and the tariff pattern.
#include <QLineEdit>

#include <QComboBox>
#include <QLabel>

#include "TextReportFixture.h"
#include "platform/FlexGrid.h"
#include "reports/Reports.h"

namespace vemora::test {
namespace {

class RatesReportTest : public TextReportTest
{
  protected:
    QStringList RatesLines()
    {
        const auto pages = Print(PrintRatesAndSales);
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? QStringList() : Lines(pages[0]);
    }
};

TEST_F(RatesReportTest, AmountsAndTariffFormattedFromTheFields)
{
    Show();
    w->txtMechanical->setText("1500000");
    w->txtElectrical->setText("abc"); // not a number: printed as typed
    w->txtWaterSales->setText("2");
    w->txtEscalation->setText("8");
    const QStringList lines = RatesLines();
    const QString all = lines.join("\n");
    EXPECT_TRUE(lines.contains("Mechanical works - R1,500,000")) << all.toStdString();
    EXPECT_TRUE(lines.contains("Electrical works - Rabc"));
    const QString tariff = "R2.00" + w->comWaterSalesUnits->currentText();
    EXPECT_TRUE(all.contains("Current water sales unit tariff - " + tariff)) << all.toStdString();
    EXPECT_TRUE(all.contains("Escalation rate - 8 %"));
    EXPECT_TRUE(lines.contains("RATES AND SALES DATA: GRAVITY SYSTEM"));
    EXPECT_TRUE(Print(PrintRatesAndSales)[0].findText("Annual ammount (R)"));
}

TEST_F(RatesReportTest, EnergyEscalationOnlyForPumping)
{
    Show();
    EXPECT_FALSE(RatesLines().join("\n").contains("Energy escalation rate -"));
    NewOfType(1);
    Show();
    w->txtEnergyEscalation->setText("6");
    const QStringList lines = RatesLines();
    EXPECT_TRUE(lines.contains("RATES AND SALES DATA: PUMPING SYSTEM"));
    EXPECT_EQ(lines.filter("Energy escalation rate - 6 %").size(), 1);
}

TEST_F(RatesReportTest, DollarsInTheHeadingsAndEveryStaffRow)
{
    ctx.store.CurrencyCode = 1;
    Show();
    const auto pages = Print(PrintRatesAndSales);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].findText("Annual package ($)"));
    EXPECT_TRUE(pages[0].findText("Annual ammount ($)"));
    EXPECT_TRUE(pages[0].findTextStartingWith("Mechanical works - ") != nullptr);
    // Eight staff rows and five expense rows, the grids' first cells at tab 8.
    for (int r = 1; r <= 8; ++r) {
        const PageText* t = pages[0].findText(w->msgOperational->TextMatrix(r, 0));
        ASSERT_TRUE(t) << r;
        EXPECT_EQ(t->tab, 8);
    }
    for (int r = 1; r <= 5; ++r)
        EXPECT_TRUE(pages[0].findText(w->msgOtherOperational->TextMatrix(r, 0))) << r;
}

class EnergyReportTest : public TextReportTest
{
  protected:
    void SetUp() override
    {
        InstallInputWindow(ctx);
        NewOfType(1);
    }
};

TEST_F(EnergyReportTest, PatternRowsReadTheHourCodesInOrder)
{
    for (int h = 1; h <= 24; ++h)
        ctx.store.SummerHourPeriod[h] = h <= 6 ? 0 : h <= 18 ? 1 : 2;
    ctx.store.WinterHourPeriod.fill(2);
    ctx.store.WinterHourPeriod[5] = 7; // outside the table
    Show();
    const auto pages = Print(PrintEnergyData);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList lines = Lines(pages[0]);
    const QString summer =
        "Summer " + QString("O ").repeated(6) + QString("S ").repeated(12) + QString("P P P P P P");
    EXPECT_TRUE(lines.contains(summer)) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("Winter P P P P ? " + QString("P ").repeated(18) + "P"));
    QStringList hours{"Hour"};
    for (int h = 1; h <= 24; ++h)
        hours << QString::number(h);
    EXPECT_TRUE(lines.contains(hours.join(' ')));
    // Hour h stands at column 13 + 4h, its letters under it.
    const PageText* nine = pages[0].findText("9");
    ASSERT_TRUE(nine);
    EXPECT_EQ(nine->tab, 49);
    // The row names stand apart from hour 1 by more than a blank (1.06 mm at
    // 12 points), and hour 24 ends inside the page's rule (193 mm).
    for (const char* name : {"Hour", "Summer", "Winter"}) {
        const PageText* label = pages[0].findText(QLatin1String(name));
        ASSERT_TRUE(label) << name;
        const PageText* next = nullptr;
        for (const PageText& t : pages[0].texts)
            if (t.pos.y() == label->pos.y() && t.pos.x() > label->pos.x() &&
                (!next || t.pos.x() < next->pos.x()))
                next = &t;
        ASSERT_TRUE(next) << name;
        EXPECT_GE(next->pos.x() - (label->pos.x() + label->width), 1.5) << name;
    }
    const PageText* last = pages[0].findText("24");
    ASSERT_TRUE(last);
    EXPECT_LE(last->pos.x() + last->width, 193.0);
}

TEST_F(EnergyReportTest, RatesInDollarsWithTwoDecimals)
{
    ctx.store.CurrencyCode = 1;
    Show();
    w->txtSPeak->setText("0.05");
    w->txtWOffpeak->setText("n/a"); // not a number: as typed
    w->txtSStandard->setText("");
    const QStringList lines = Lines(Print(PrintEnergyData)[0]);
    const QString all = lines.join("\n");
    EXPECT_TRUE(all.contains("Peak rate: $0.05/kW")) << all.toStdString();
    EXPECT_TRUE(all.contains("Standard rate: $/kW"));
    EXPECT_TRUE(all.contains("$n/a/kW"));
    EXPECT_TRUE(Print(PrintEnergyData)[0].findText(
        "O - Off-peak hours     S - Standard hours     P - Peak hours"));
    EXPECT_TRUE(all.contains("Pumping hours per day - " + w->lblPumpingHours->text().trimmed()));
    EXPECT_TRUE(all.contains("Number of summer months - " + w->lblSummer->text() + " months"));
}

} // namespace
} // namespace vemora::test
