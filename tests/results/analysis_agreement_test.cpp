// The results window after a real analysis shows what the command-line tool
// computes for the same saved project: a gravity project over a crest and a
// pumping project with a pump curve. Every value the tables and labels show
// is compared with the tool's number, formatted with the table's pattern.
#include <map>

#include "AnalysedProjects.h"
#include "ResultsWindowFixture.h"
#include "app/AnalyseProject.h"
#include "engine/NumberFormat.h"
#include "project/UnitTables.h"
#include "support/KpjToolJson.h"
#include "support/ToolAnalysis.h"

namespace vemora::test {
namespace {

class AnalysisAgreementTest : public ResultsWindowTest
{
  protected:
    // Saves the project, has the tool analyse the file, and analyses the same
    // file as the program loads it, through the analysis as the dialog runs it.
    ToolResults AnalyseBoth(ProjectStore& project)
    {
        const std::string json = SaveAndAnalyseWithTool(project, folder, ctx.store);
        EXPECT_NE(json.find("\"status\": \"ok\""), std::string::npos) << json;
        ctx.store.ProjectOpen = true;
        AnalysisObserver progress;
        EXPECT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed);
        w = static_cast<frmResults*>(ctx.windows.results.Get()); // the run loaded a new one
        return JsonReader(json).Read();
    }

    // Every table and label of the window against the tool's numbers.
    void ExpectAgreement(const ToolResults& tool)
    {
        ASSERT_TRUE(w) << "no results window after the run";
        const ProjectStore& s = ctx.store;
        const bool pumping = s.SystemType == 1;
        const int years = s.DesignLife;
        const int construction = s.SupplyStartYear - s.BaseYear;
        const QString symbol = s.CurrencyCode == 0 ? "R" : "$";
        const auto fixed = [](float v, int d) { return QString::fromStdString(FormatFixed(v, d)); };
        const auto money = [&](float v, int d) {
            return symbol + QString::fromStdString(FormatThousands(v, d));
        };

        // Demand and yield.
        w->ssoDemandCapacity->click();
        w->sscViewTable->click();
        const float factor = *FlowUnits.Factor(s.FixedDemandUnit);
        FlexGrid* g = w->msgSystem;
        ASSERT_EQ(g->Rows(), years + 2);
        for (int y = 1; y <= years; ++y) {
            const float flow = tool.at("YearFlow", y);
            const float yield = pumping ? static_cast<float>(s.PumpingHours) * flow / 24.0f / factor
                                        : flow / factor;
            const float shortage = tool.at("YearShortage", y);
            EXPECT_EQ(cell(g, y + 1, 1), fixed(yield, 3)) << "year " << y;
            EXPECT_EQ(cell(g, y + 1, 2), fixed(s.FixedDemand - shortage, 3)) << "year " << y;
            EXPECT_EQ(cell(g, y + 1, 3), fixed(shortage, 3)) << "year " << y;
            if (pumping) {
                EXPECT_EQ(cell(g, y + 1, 4), fixed(tool.at("YearPumpingHours", y), 2));
            }
        }

        // Income and expenditure.
        w->ssoIncomeExpenditure->click();
        w->sscViewTable->click();
        ASSERT_EQ(g->Rows(), construction + years + 1);
        for (int i = 1; i <= construction + years; ++i) {
            EXPECT_EQ(cell(g, i, 2), money(tool.at("YearExpenditure", i), 0)) << "row " << i;
            const int y = i - construction;
            if (y < 1) {
                EXPECT_EQ(cell(g, i, 3), money(tool.at("YearCapital", i), 0)) << "row " << i;
                continue;
            }
            EXPECT_EQ(cell(g, i, 1), money(tool.at("YearIncome", y), 0)) << "row " << i;
            EXPECT_EQ(cell(g, i, 4), money(tool.at("YearMaintenance", y), 0)) << "row " << i;
            EXPECT_EQ(cell(g, i, 5), money(tool.at("YearOperational", y), 0)) << "row " << i;
            if (pumping) {
                EXPECT_EQ(cell(g, i, 6), money(tool.at("YearEnergy", y), 0));
            }
        }

        // The node table of the first and the last year.
        for (int year : {1, years}) {
            w->hscYears->setValue(year);
            w->sscViewHydraulicTable->click();
            FlexGrid* h = w->msgHydraulic;
            ASSERT_EQ(h->Rows(), s.NodeCount + 1);
            const std::vector<float>& line = tool.gradeline.at(static_cast<size_t>(year - 1));
            for (int i = 1; i <= s.NodeCount; ++i) {
                const float level = line.at(static_cast<size_t>(pumping ? i : i - 1));
                EXPECT_EQ(cell(h, i, 3), QString::fromStdString(FormatNoLeadingZero(level, 3)))
                    << "year " << year << " node " << i;
                EXPECT_EQ(cell(h, i, 4), QString::fromStdString(
                                             FormatNoLeadingZero(level - s.NodeElevation[i], 3)));
            }
        }

        // The capital cost: its components and its total.
        FlexGrid* c = w->msgCost;
        EXPECT_EQ(cell(c, 1, 1),
                  money(tool.scalar("PipeLayingCost") + tool.scalar("PipeSupplyCost"), 0));
        EXPECT_EQ(cell(c, 8, 1), money(tool.scalar("EscalationCost"), 0));
        EXPECT_EQ(cell(c, 10, 1), money(tool.scalar("ConsultingFees"), 0));
        EXPECT_EQ(cell(c, 11, 1), money(tool.scalar("SupervisionCost"), 0));
        const float total = tool.scalar("TotalCapitalCost");
        const QString shown = cell(c, 14, 1).mid(1).remove(',');
        EXPECT_NEAR(shown.toDouble(), total, total * 1e-6 + 1);
        EXPECT_EQ(cell(c, 14, 1), money(total, 0)); // to the unit

        // The annual costs of every year.
        for (int y = 1; y <= years; ++y) {
            w->hsbAnnual->setValue(y);
            FlexGrid* a = w->msgAnnualCost;
            EXPECT_EQ(cell(a, 1, 2), money(tool.at("YearOperational", y), 2)) << "year " << y;
            EXPECT_EQ(cell(a, 2, 2), money(tool.at("YearPipelineMaintenance", y), 2));
            EXPECT_EQ(cell(a, 3, 2), money(tool.at("YearMechanicalMaintenance", y), 2));
            EXPECT_EQ(cell(a, 4, 2), money(tool.at("YearElectricalMaintenance", y), 2));
            if (pumping) {
                EXPECT_EQ(cell(a, 5, 2), money(tool.at("YearEnergy", y), 2));
            }
        }

        EXPECT_EQ(w->lblNPVE->text(), symbol + QString::fromStdString(FormatThousands(
                                                   tool.scalar("NpvExpenditure"), 0)));
        EXPECT_EQ(w->lblNPVI->text(),
                  symbol + QString::fromStdString(FormatThousands(tool.scalar("NpvIncome"), 0)));
        EXPECT_EQ(w->lblIRR->text(),
                  "IRR = " + QString::fromStdString(FormatThreeDecimals(tool.scalar("Irr"))) +
                      " %");
    }

    TempFolder folder;
};

TEST_F(AnalysisAgreementTest, GravityProjectOverACrest)
{
    const ToolResults tool = AnalyseBoth(*GravityCrestProject());
    EXPECT_TRUE(ctx.store.HighPointFlag);
    EXPECT_GT(tool.at("YearShortage", 1), 0);
    ExpectAgreement(tool);
}

TEST_F(AnalysisAgreementTest, PumpingProjectWithAPumpCurveInDollars)
{
    const ToolResults tool = AnalyseBoth(*PumpingCurveProject());
    EXPECT_GT(tool.at("YearEnergy", 1), 0);
    ExpectAgreement(tool);
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->sscDutypoint->isHidden());
}

} // namespace
} // namespace vemora::test
