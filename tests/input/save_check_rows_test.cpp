// The save's checks row by row: in an otherwise valid project of each
// system type, pump option and lining that the row is checked in, an empty
// box (or one that holds no number, or zero where more is asked) stops the
// save with the row's message, on the box's page with the focus in it.
#include <QApplication>

#include "OpenedProjectFixture.h"
#include "app/ProjectFiles.h"
#include "platform/TabControl.h"

namespace vemora::test {
namespace {

// The projects a row is checked in.
enum Projects : unsigned {
    Gravity = 1,
    OnFlow = 2,  // pumping on an operating flow rate
    OnCurve = 4, // pumping on a pump curve
    Pumping = OnFlow | OnCurve,
    Every = Gravity | Pumping,
};

struct CheckRow
{
    const char* box;
    const char* empty;  // the message for an empty box (and zero where `positive`)
    const char* number; // the box in "Enter a number for the ... !"; none for a text box
    int tab;
    unsigned projects = Every;
    bool mortarOnly = false;
    bool positive = false;
};

const CheckRow Rows[] = {
    {"txtProject", "Enter the project name !", nullptr, 0},
    {"txtDesigner", "Enter the designer !", nullptr, 0},
    {"txtGFlowrate", "Enter the fixed demand (must be greater than zero) !", "fixed demand", 0,
     Gravity, false, true},
    {"txtTRWL", "Enter the top reservoir water level !", "top reservoir water level", 0, Gravity},
    {"txtBRWL", "Enter the bottom reservoir water level !", "bottom reservoir water level", 0,
     Gravity},
    {"txtPFlowrate", "Enter the fixed demand (must be greater than zero) !", "fixed demand", 0,
     Pumping, false, true},
    {"txtPPRWL", "Enter the pumpstation reservoir water level !",
     "pumpstation reservoir water level", 0, Pumping},
    {"txtPERWL", "Enter the end reservoir water level !", "end reservoir water level", 0, Pumping},
    {"txtPumpOperatingFlowrate", "Enter the operating Flow rate (must be greater than zero) !",
     "operating flow rate", 0, OnFlow, false, true},
    {"txtPumpEfficiency",
     "Enter the pump efficiency at the operating point(must be greater than zero) !",
     "pump efficiency at the operating point", 0, OnFlow, false, true},
    {"txtH(0)", "Enter the pump head !", "pump head of pump-curve point 1", 0, OnCurve},
    {"txtH(5)", "Enter the pump head !", "pump head of pump-curve point 6", 0, OnCurve},
    {"txtQ(0)", "Enter the Flow rate !", "flow rate of pump-curve point 1", 0, OnCurve},
    {"txtQ(5)", "Enter the Flow rate !", "flow rate of pump-curve point 6", 0, OnCurve},
    {"txtEfficiency(0)", "Enter the pump efficiency !", "pump efficiency of pump-curve point 1", 0,
     OnCurve},
    {"txtEfficiency(5)", "Enter the pump efficiency !", "pump efficiency of pump-curve point 6", 0,
     OnCurve},
    {"txtKsNew", "Enter absolute roughness value of a new pipe !",
     "absolute roughness of a new pipe", 1},
    {"txtKsOld", "Enter absolute roughness value of an old pipe !",
     "absolute roughness of an old pipe", 1},
    {"txtKsOldYears", "Enter the number of years it will take the pipeline to deteriorate !",
     "number of years to deteriorate", 1},
    {"txtLiningThickness", "Enter cement mortar lining thickness !",
     "cement mortar lining thickness", 1, Every, true},
    {"txtSPeak", "Enter the peak summer demand rate !", "peak summer demand rate", 2, Pumping},
    {"txtSStandard", "Enter the standard summer demand rate !", "standard summer demand rate", 2,
     Pumping},
    {"txtSOffpeak", "Enter the off-peak summer demand rate !", "off-peak summer demand rate", 2,
     Pumping},
    {"txtWPeak", "Enter the peak winter demand rate !", "peak winter demand rate", 2, Pumping},
    {"txtWStandard", "Enter the standard winter demand rate !", "standard winter demand rate", 2,
     Pumping},
    {"txtWOffpeak", "Enter the off-peak winter demand rate !", "off-peak winter demand rate", 2,
     Pumping},
    {"txtEscalation", "Enter the estimated escalation rate !", "escalation rate", 3},
    {"txtDiscountRate", "Enter the estimated discount rate !", "discount rate", 3},
    {"txtWaterSales", "Enter the current cost of water !", "current cost of water", 3},
    {"txtWaterIncrease", "Enter the annual increase in water tarriffs !",
     "annual increase in water tariffs", 3},
    {"txtElectrical", "Enter the estimated electrical works cost !", "electrical works cost", 3},
    {"txtMechanical", "Enter the estimated mechanical works cost !", "mechanical works cost", 3},
    {"txtSupervision", "Enter the estimated supervision cost !", "supervision cost", 3},
    {"txtEnergyEscalation", "Enter the estimated energy escalation rate !",
     "energy escalation rate", 3, Pumping},
};

// What the box is given: nothing, a text that is no number, or zero.
enum class Entry { Empty, NotANumber, Zero };

struct Case
{
    const CheckRow* row;
    Projects project;
    bool mortar;
    Entry entry;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (const CheckRow& row : Rows)
        for (Projects project : {Gravity, OnFlow, OnCurve})
            for (bool mortar : {true, false}) {
                if (!(row.projects & project) || (row.mortarOnly && !mortar)) continue;
                cases.push_back({&row, project, mortar, Entry::Empty});
                if (row.number) cases.push_back({&row, project, mortar, Entry::NotANumber});
                if (row.positive) cases.push_back({&row, project, mortar, Entry::Zero});
            }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    const Case& c = info.param;
    std::string name = c.row->box;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    name += c.project == Gravity ? "_Gravity" : c.project == OnFlow ? "_OnFlow" : "_OnCurve";
    name += c.mortar ? "_Mortar" : "_Epoxy";
    const char* entries[] = {"_Empty", "_NotANumber", "_Zero"};
    return name + entries[static_cast<int>(c.entry)];
}

class SaveCheckRowsTest : public OpenedProjectTest, public testing::WithParamInterface<Case>
{
};

TEST_P(SaveCheckRowsTest, StopTheSaveAtTheirBox)
{
    const Case& c = GetParam();
    auto project = ValidProject(c.project != Gravity, c.mortar, c.project == OnCurve);
    Open(*project);
    const char* entries[] = {"", "1.2.3", "0"};
    TypeInto(Named(QLatin1String(c.row->box)), QLatin1String(entries[static_cast<int>(c.entry)]));

    ASSERT_EQ(SaveProject(ctx), SaveOutcome::StoppedByCheck);
    ASSERT_FALSE(scripted.messages.empty());
    const std::string number =
        std::string("Enter a number for the ") + (c.row->number ? c.row->number : "") + " !";
    EXPECT_EQ(scripted.messages[0].text.toStdString(),
              c.entry == Entry::NotANumber ? number : c.row->empty);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.row->box);
    EXPECT_EQ(w->sstInput->Tab(), c.row->tab);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, SaveCheckRowsTest, testing::ValuesIn(Cases()), CaseName);

} // namespace
} // namespace vemora::test
