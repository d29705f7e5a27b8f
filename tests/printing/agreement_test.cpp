// The printed cost and hydraulic pages of two saved projects against the
// command-line tool's analysis of the same files: every amount, flow and
// head equals the tool's number in the page's pattern. The print tool makes
// the same pages from the file alone.
#include <QFileInfo>
#include <cstdlib>
#include <map>
#include <sys/wait.h>

#include "ReportsFixture.h"
#include "engine/NumberFormat.h"
#include "platform/NumberText.h"
#include "project/UnitTables.h"
#include "results/AnalysedProjects.h"
#include "support/KpjToolJson.h"
#include "support/PdfPages.h"
#include "support/ToolAnalysis.h"

namespace vemora::test {
namespace {

class AgreementTest : public ReportsTest
{
  protected:
    ToolResults OpenAndAnalyseBoth(std::unique_ptr<ProjectStore> project)
    {
        Open(*project);
        json = ToolAnalysisJson(path, folder);
        Analyse();
        return JsonReader(json).Read();
    }

    static QString LineOf(const RecordedPage& page, const QString& label)
    {
        for (const QString& line : page.textLines())
            if (line.startsWith(label)) return line;
        return QString();
    }

    void ExpectCostPage(const ToolResults& tool)
    {
        const ProjectStore& s = ctx.store;
        const QString symbol = s.CurrencyCode == 0 ? "R" : "$";
        auto money = [&](double v) {
            return symbol + QString::fromStdString(FormatThousands(v, 0));
        };
        ASSERT_FALSE(Record({ReportBox::Cost}));
        const RecordedPage& page = pages().back();
        EXPECT_EQ(LineOf(page, "Pipeline cost"),
                  "Pipeline cost " +
                      money(tool.scalar("PipeLayingCost") + tool.scalar("PipeSupplyCost")));
        EXPECT_EQ(LineOf(page, "Escalation"), "Escalation " + money(tool.scalar("EscalationCost")));
        EXPECT_EQ(LineOf(page, "Consulting fees"),
                  "Consulting fees (fee scale 2002) " + money(tool.scalar("ConsultingFees")));
        EXPECT_EQ(LineOf(page, "Administration"),
                  "Administration and management " + money(tool.scalar("SupervisionCost")));
        const QString total = LineOf(page, "Total capital cost").section(' ', 3).mid(1).remove(',');
        EXPECT_NEAR(total.toDouble(), tool.scalar("TotalCapitalCost"),
                    tool.scalar("TotalCapitalCost") * 1e-6 + 1);
        EXPECT_EQ(LineOf(page, "Total capital cost"),
                  "Total capital cost " + money(tool.scalar("TotalCapitalCost")));
        EXPECT_EQ(LineOf(page, "Expenditure:"),
                  "Expenditure: " + money(tool.scalar("NpvExpenditure")));
        EXPECT_EQ(LineOf(page, "Income:"), "Income: " + money(tool.scalar("NpvIncome")));
        const float irr = tool.scalar("Irr");
        EXPECT_EQ(LineOf(page, "IRR:"),
                  std::isnan(irr)
                      ? QString("IRR: n/a")
                      : "IRR: " + QString::fromStdString(FormatThreeDecimals(irr)) + " %");
        EXPECT_TRUE(LineOf(page, "Operational cost")
                        .startsWith("Operational cost " + money(tool.at("YearOperational", 1))));
        EXPECT_TRUE(LineOf(page, "Energy cost")
                        .startsWith("Energy cost " + money(tool.at("YearEnergy", 1))));
        EXPECT_TRUE(LineOf(page, "Maintenance cost - Pipeline")
                        .startsWith("Maintenance cost - Pipeline " +
                                    money(tool.at("YearPipelineMaintenance", 1))));
    }

    void ExpectHydraulicPages(const ToolResults& tool, int year, double flowFactor)
    {
        const ProjectStore& s = ctx.store;
        const bool pumping = s.SystemType != 0;
        const double levelFactor = *LengthUnits.Factor(s.ElevationUnit);
        auto three = [](double v) { return QString::fromStdString(FormatThreeDecimals(v)); };
        device = RecordingPageDevice();
        printYear = year;
        ASSERT_FALSE(Record({ReportBox::TextHydraulic}));
        const RecordedPage& first = pages().front();
        EXPECT_NE(first.findTextStartingWith(
                      "Flow rate: " + three(tool.at("YearFlow", year) / flowFactor) + " "),
                  nullptr);
        const std::vector<float>& line = tool.gradeline.at(static_cast<size_t>(year - 1));
        if (pumping) {
            const double head = (line.at(1) - s.StartReservoirLevel *
                                                  *LengthUnits.Factor(s.StartReservoirLevelUnit)) /
                                levelFactor;
            EXPECT_NE(first.findTextStartingWith("Pumping head: " + three(head) + " "), nullptr);
        }
        std::vector<QString> levels, pressures;
        for (const RecordedPage& page : pages())
            for (const PageText& t : page.texts) {
                if (t.tab == 36 && t.font.name == "Courier New" && t.text != "Hydraulic" &&
                    t.text != "gradeline" && !t.text.startsWith('('))
                    levels.push_back(t.text);
                if (t.tab == 49 && t.font.name == "Courier New" && t.text != "Pressure" &&
                    t.text != "head" && !t.text.startsWith('('))
                    pressures.push_back(t.text);
            }
        ASSERT_EQ(levels.size(), static_cast<size_t>(s.NodeCount));
        for (int i = 1; i <= s.NodeCount; ++i) {
            const float level = line.at(static_cast<size_t>(pumping ? i : i - 1));
            EXPECT_EQ(levels[static_cast<size_t>(i - 1)], three(level / levelFactor))
                << "node " << i;
            EXPECT_EQ(pressures[static_cast<size_t>(i - 1)],
                      three(level / levelFactor - s.NodeElevation[i]))
                << "node " << i;
        }
    }

    std::string json;
};

TEST_F(AgreementTest, AGravityProjectOverACrest)
{
    const ToolResults tool = OpenAndAnalyseBoth(GravityCrestProject());
    ExpectCostPage(tool);
    const double factor = *FlowUnits.Factor(ctx.store.FixedDemandUnit);
    ExpectHydraulicPages(tool, 1, factor);
    ExpectHydraulicPages(tool, ctx.store.DesignLife, factor);
}

TEST_F(AgreementTest, APumpingProjectWithAPumpCurveInDollars)
{
    const ToolResults tool = OpenAndAnalyseBoth(PumpingCurveProject());
    ExpectCostPage(tool);
    const double factor = *PumpCurveFlowUnits.Factor(ctx.store.CurveFlowUnit);
    ExpectHydraulicPages(tool, 1, factor);
    ExpectHydraulicPages(tool, ctx.store.DesignLife, factor);
}

// The analysis takes the supervision fees from their box: an eight-digit fee
// opened with no edit costs what the tool computes from the file.
TEST_F(AgreementTest, EightDigitSupervisionFeesAsTheWindowShowsThem)
{
    auto project = GravityCrestProject();
    project->SupervisionFees = 12345678.0f;
    Open(*project);
    json = ToolAnalysisJson(path, folder);
    AnalysisObserver progress;
    ASSERT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed);
    ctx.store.ResultsValid = true;
    const ToolResults tool = JsonReader(json).Read();
    EXPECT_EQ(ctx.results.TotalCapitalCost, tool.scalar("TotalCapitalCost"));
    ExpectCostPage(tool);
}

TEST_F(AgreementTest, ThePrintToolPrintsEveryPageTheProjectAllows)
{
    auto project = PumpingCurveProject();
    Open(*project);
    const std::string pdf = folder.File("tool.pdf");
    const std::string command = std::string("'") + VEMORA_BINARY_DIR +
                                "/tools/print-tool/print-tool' '" + path + "' '" + pdf +
                                "' --year 2 --copies 2 General TextHydraulic Cost Demand";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto pages = readPdfPages(QString::fromStdString(pdf));
    ASSERT_EQ(pages.size(), 8u);
    EXPECT_TRUE(pages[0].text.contains("GENERAL PROJECT DATA: PUMPING SYSTEM"));
    EXPECT_TRUE(pages[1].text.contains("HYDRAULIC ANALYSIS"));
    EXPECT_TRUE(pages[1].text.contains(QString("Year: %1").arg(ctx.store.SupplyStartYear + 1)));
    EXPECT_TRUE(pages[2].text.contains("COST ANALYSIS"));
    EXPECT_TRUE(pages[3].landscape);
    EXPECT_TRUE(pages[7].text.contains("Page 4"));

    // Unknown items and files are refused.
    const std::string bad = std::string("'") + VEMORA_BINARY_DIR +
                            "/tools/print-tool/print-tool' '" + path + "' '" + pdf +
                            "' Nonsense 2>/dev/null";
    const int refused = std::system(bad.c_str());
    EXPECT_EQ(WEXITSTATUS(refused), 2);
    const std::string missing = std::string("'") + VEMORA_BINARY_DIR +
                                "/tools/print-tool/print-tool' /nonexistent.kpj '" + pdf +
                                "' 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(missing.c_str())), 1);
}

// A year outside the design life has no hydraulic table: refused, nothing printed.
TEST_F(AgreementTest, ThePrintToolRefusesAYearOutsideTheDesignLife)
{
    auto project = PumpingCurveProject();
    Open(*project);
    const int life = ctx.store.DesignLife;
    for (int year : {0, -1, life + 1, 101}) {
        SCOPED_TRACE(year);
        const std::string pdf = folder.File("year.pdf");
        const std::string err = folder.File("year.err");
        const std::string command =
            std::string("'") + VEMORA_BINARY_DIR + "/tools/print-tool/print-tool' '" + path +
            "' '" + pdf + "' --year " + std::to_string(year) + " TextHydraulic 2>'" + err + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2);
        EXPECT_NE(ReadBytes(err).find("outside the design life (years 1 to " +
                                      std::to_string(life) + ")"),
                  std::string::npos)
            << ReadBytes(err);
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));
    }
}

} // namespace
} // namespace vemora::test
