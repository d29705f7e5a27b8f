// The demand and yield and the income and expenditure pages of two real
// projects (a gravity project over a crest in Rand, a pumping project with a
// pump curve in Dollars) against what the command-line tool computes for the
// same saved file: every figure, formatted as the pages format it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "TextReportFixture.h"
#include "app/AnalyseProject.h"
#include "engine/NumberFormat.h"
#include "project/test_files.h"
#include "reports/Reports.h"
#include "results/AnalysedProjects.h"
#include "support/ToolAnalysis.h"

namespace vemora::test {
namespace {

class ToolAgreementTest : public TextReportTest
{
  protected:
    // Saves the project, has the tool analyse the file, then loads the same
    // file and analyses it as the analysis dialog does.
    QJsonObject AnalyseBoth(ProjectStore& project)
    {
        const std::string json = SaveAndAnalyseWithTool(project, folder, ctx.store);
        ctx.store.ProjectOpen = true;
        Show();
        AnalysisObserver progress;
        EXPECT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed);
        return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    }

    static float At(const QJsonObject& tool, const char* key, int index)
    {
        return static_cast<float>(
            tool.value(QLatin1String(key)).toArray().at(index - 1).toDouble());
    }

    void ExpectDemandPages(const QJsonObject& tool)
    {
        const ProjectStore& s = ctx.store;
        const bool pumping = s.SystemType == 1;
        const auto fixed = [](double v, int d) {
            return QString::fromStdString(FormatFixed(v, d));
        };
        QStringList lines;
        for (const RecordedPage& page : Print(PrintDemandYieldTable))
            lines += Lines(page);
        for (int y = 1; y <= s.DesignLife; ++y) {
            const double flow = At(tool, "YearFlow", y);
            const double hours = pumping ? s.PumpingHours : 24;
            const double yield = hours * flow / 24 / ctx.results.DemandUnitFactor;
            const double shortage = At(tool, "YearShortage", y);
            QStringList row{QString::number(s.SupplyStartYear + y - 1), fixed(yield, 3),
                            fixed(s.FixedDemand - shortage, 3), fixed(shortage, 3),
                            fixed(s.FixedDemand, 3)};
            if (pumping) row << fixed(At(tool, "YearPumpingHours", y), 2);
            EXPECT_TRUE(lines.contains(row.join(' '))) << row.join(' ').toStdString();
        }
    }

    void ExpectIncomePages(const QJsonObject& tool)
    {
        const ProjectStore& s = ctx.store;
        const bool pumping = s.SystemType == 1;
        const int c = s.SupplyStartYear - s.BaseYear;
        const QString symbol = s.CurrencyCode == 0 ? "R" : "$";
        const auto money = [&](double v) {
            return symbol + QString::fromStdString(FormatThousands(v, 0));
        };
        QStringList lines;
        for (const RecordedPage& page : Print(PrintIncomeExpenditureTable))
            lines += Lines(page);
        for (int i = 1; i <= c + s.DesignLife; ++i) {
            const int y = i - c;
            const bool building = y < 1;
            QStringList row{
                QString::number(s.BaseYear + i - 1),
                building ? symbol + "0" : money(At(tool, "YearIncome", y)),
                money(At(tool, "YearExpenditure", i)),
                money(building ? At(tool, "YearCapital", i) : ctx.results.YearCapital[i]),
                building ? symbol + "0" : money(At(tool, "YearMaintenance", y)),
                building ? symbol + "0" : money(At(tool, "YearOperational", y))};
            if (pumping) row << (building ? symbol + "0" : money(At(tool, "YearEnergy", y)));
            EXPECT_TRUE(lines.contains(row.join(' '))) << row.join(' ').toStdString();
        }
    }

    TempFolder folder;
};

TEST_F(ToolAgreementTest, GravityProjectOverACrest)
{
    auto project = GravityCrestProject();
    const QJsonObject tool = AnalyseBoth(*project);
    ASSERT_EQ(tool.value("status").toString(), "ok");
    ExpectDemandPages(tool);
    ExpectIncomePages(tool);
}

TEST_F(ToolAgreementTest, PumpingProjectWithAPumpCurve)
{
    NewOfType(1);
    auto project = PumpingCurveProject();
    const QJsonObject tool = AnalyseBoth(*project);
    ASSERT_EQ(tool.value("status").toString(), "ok");
    ExpectDemandPages(tool);
    ExpectIncomePages(tool);
}

} // namespace
} // namespace vemora::test
