// Each box and unit list of the window against the store field that a load
// shows in it and a save fills from it, paired by hand here: a load of a
// distinct value in every field shows each in its own box, and a save of a
// distinct text typed into every box puts each into its own field.
#include <functional>

#include "OpenedProjectFixture.h"
#include "app/ProjectFiles.h"
#include "project/TextCodec.h"

namespace vemora::test {
namespace {

using S = ProjectStore;

// The system types whose load shows a box and whose save copies it.
enum class Shown { Both, Gravity, Pumping };

bool ShownIn(Shown shown, bool pumping)
{
    return shown == Shown::Both || (shown == Shown::Pumping) == pumping;
}

struct NumberBox
{
    const char* box;
    float S::*field;
    Shown shown = Shown::Both;
};

const NumberBox NumberBoxes[] = {
    {"txtGFlowrate", &S::FixedDemand, Shown::Gravity},
    {"txtTRWL", &S::StartReservoirLevel, Shown::Gravity},
    {"txtBRWL", &S::EndReservoirLevel, Shown::Gravity},
    {"txtPFlowrate", &S::FixedDemand, Shown::Pumping},
    {"txtPPRWL", &S::StartReservoirLevel, Shown::Pumping},
    {"txtPERWL", &S::EndReservoirLevel, Shown::Pumping},
    {"txtPumpOperatingFlowrate", &S::OperatingFlowRate, Shown::Pumping},
    {"txtPumpEfficiency", &S::OperatingEfficiency, Shown::Pumping},
    {"txtSPeak", &S::TariffSummerPeak, Shown::Pumping},
    {"txtSStandard", &S::TariffSummerStandard, Shown::Pumping},
    {"txtSOffpeak", &S::TariffSummerOffPeak, Shown::Pumping},
    {"txtWPeak", &S::TariffWinterPeak, Shown::Pumping},
    {"txtWStandard", &S::TariffWinterStandard, Shown::Pumping},
    {"txtWOffpeak", &S::TariffWinterOffPeak, Shown::Pumping},
    {"txtEnergyEscalation", &S::EnergyEscalationRate, Shown::Pumping},
    {"txtLiningThickness", &S::LiningThickness},
    {"txtKsNew", &S::RoughnessNew},
    {"txtKsOld", &S::RoughnessOld},
    {"txtKsOldYears", &S::DeteriorationYears},
    {"txtEscalation", &S::EscalationRate},
    {"txtDiscountRate", &S::DiscountRate},
    {"txtWaterSales", &S::WaterPrice},
    {"txtWaterIncrease", &S::WaterPriceIncrease},
    {"txtElectrical", &S::ElectricalWorksCost},
    {"txtMechanical", &S::MechanicalWorksCost},
    {"txtSupervision", &S::SupervisionFees},
};

const std::tuple<const char*, std::string S::*, Shown> TextBoxes[] = {
    {"txtProject", &S::ProjectName, Shown::Both},
    {"txtDesigner", &S::Designer, Shown::Both},
    {"txtDescription", &S::ProjectDescription, Shown::Both},
    {"txtPumptype", &S::PumpType, Shown::Pumping},
    {"txtPumpDescription", &S::PumpDescription, Shown::Pumping},
};

QString NameText(int n)
{
    return QStringLiteral("name-") + QChar(u'A' + n);
}

// A number box of a system type and its field in a store.
struct Box
{
    QString name;
    std::function<float&(S&)> field;
};

// The table's boxes of the system type, then for a pumping project the pump
// curve's: the six points of the rows of PumpCurve, which its load shows
// and its save copies.
std::vector<Box> NumberBoxesOf(bool pumping)
{
    std::vector<Box> boxes;
    for (const NumberBox& b : NumberBoxes)
        if (ShownIn(b.shown, pumping))
            boxes.push_back({QLatin1String(b.box), [f = b.field](S& s) -> float& { return s.*f; }});
    const std::pair<const char*, int> curve[] = {{"txtH", 1}, {"txtQ", 2}, {"txtEfficiency", 3}};
    for (const auto& [name, row] : curve)
        for (int k = 0; k < 6 && pumping; ++k)
            boxes.push_back({QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k),
                             [row = row, k](S& s) -> float& { return s.PumpCurve[row][k + 1]; }});
    return boxes;
}

// A unit field, the list of a gravity project and of a pumping one that
// show it and that a save reads it from (none: that type's save keeps it).
struct UnitField
{
    int16_t S::*field;
    const char* gravity;
    const char* pumping;
};

const UnitField UnitFields[] = {
    {&S::FixedDemandUnit, "comGFlowrateUnits", "comPFlowrateUnits"},
    {&S::YearDemandUnit, "comVaryingDemandUnits", "comPumpVaryingDemandUnits"},
    {&S::StartReservoirLevelUnit, "comTRWLUnits", "comPPRWLUnits"},
    {&S::EndReservoirLevelUnit, "comBRWLUnits", "comPERWLUnits"},
    {&S::OperatingFlowRateUnit, nullptr, "comPumpOperatingFlowrateUnits"},
    {&S::CurveHeadUnit, nullptr, "comHeadUnits"},
    {&S::CurveFlowUnit, nullptr, "comFlowUnits"},
    {&S::LiningThicknessUnit, "comLiningThicknessUnits", "comLiningThicknessUnits"},
    {&S::RoughnessNewUnit, "comKsNewUnits", "comKsNewUnits"},
    {&S::RoughnessOldUnit, "comKsOldUnits", "comKsOldUnits"},
    {&S::DiameterUnit, "comDiameterUnits", "comDiameterUnits"},
    {&S::ElevationUnit, "comElevationUnits", "comElevationUnits"},
    {&S::ChainageUnit, "comLengthUnits", "comLengthUnits"},
    {&S::WallThicknessUnit, "comWallThicknessUnits", "comWallThicknessUnits"},
    {&S::WaterPriceUnit, "comWaterSalesUnits", "comWaterSalesUnits"},
};

// Unit field i's code in load (or save) `bit`: every two fields differ in
// one of five, as 1 + i in bits; the two codes every list has.
int16_t UnitCode(int i, int bit)
{
    return static_cast<int16_t>(((i + 1) >> bit) & 1);
}

class StoreFieldsTest : public OpenedProjectTest
{
  protected:
    std::string BoxText(const QString& name) const { return TextOf(Named(name)).toStdString(); }
};

TEST_F(StoreFieldsTest, ALoadShowsEachFieldInItsOwnBox)
{
    for (bool pumping : {false, true}) {
        auto project = ValidProject(pumping, true);
        const std::vector<Box> boxes = NumberBoxesOf(pumping);
        for (size_t n = 0; n < boxes.size(); ++n)
            boxes[n].field(*project) = 101.5f + static_cast<float>(n);
        for (int n = 0; n < static_cast<int>(std::size(TextBoxes)); ++n)
            (*project).*std::get<1>(TextBoxes[n]) = NameText(n).toStdString();
        Open(*project);

        for (size_t n = 0; n < boxes.size(); ++n)
            EXPECT_EQ(BoxText(boxes[n].name), QStringLiteral("%1.5").arg(101 + n).toStdString());
        for (int n = 0; n < static_cast<int>(std::size(TextBoxes)); ++n)
            if (ShownIn(std::get<2>(TextBoxes[n]), pumping)) {
                EXPECT_EQ(BoxText(std::get<0>(TextBoxes[n])), NameText(n).toStdString());
            }
    }
}

// Each system type with each lining: an epoxy lining saves no thickness and
// a gravity project no energy escalation, nor the pump curve or texts it keeps.
TEST_F(StoreFieldsTest, ASaveFillsEachFieldFromItsOwnBox)
{
    for (bool pumping : {false, true})
        for (bool mortar : {true, false}) {
            SCOPED_TRACE(testing::Message() << "pumping " << pumping << " mortar " << mortar);
            auto project = ValidProject(pumping, mortar, pumping);
            Open(*project);
            const S loaded = ctx.store;
            const std::vector<Box> boxes = NumberBoxesOf(pumping);
            for (size_t n = 0; n < boxes.size(); ++n)
                TypeInto(Named(boxes[n].name), QStringLiteral("%1.25").arg(501 + n));
            for (int n = 0; n < static_cast<int>(std::size(TextBoxes)); ++n)
                TypeInto(Named(std::get<0>(TextBoxes[n])), NameText(n));
            ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved);

            for (size_t n = 0; n < boxes.size(); ++n) {
                const bool none = boxes[n].name == "txtLiningThickness" && !mortar;
                EXPECT_EQ(boxes[n].field(ctx.store), none ? 0 : 501.25f + static_cast<float>(n))
                    << boxes[n].name.toStdString();
            }
            if (!pumping) {
                EXPECT_EQ(ctx.store.EnergyEscalationRate, 0);
                EXPECT_EQ(ctx.store.PumpCurve, loaded.PumpCurve);
            }
            for (int n = 0; n < static_cast<int>(std::size(TextBoxes)); ++n) {
                const auto& [name, field, shown] = TextBoxes[n];
                EXPECT_EQ(TrimBlanks(ctx.store.*field), ShownIn(shown, pumping)
                                                            ? NameText(n).toStdString()
                                                            : TrimBlanks(loaded.*field))
                    << name;
            }
        }
}

// Load j shows field i's code bit j of 1 + i; the save then reads the
// other code back from every list.
TEST_F(StoreFieldsTest, EachUnitListShowsAndSavesItsOwnField)
{
    for (bool pumping : {false, true})
        for (int bit = 0; bit < 5; ++bit) {
            SCOPED_TRACE(testing::Message() << "pumping " << pumping << " load " << bit);
            auto project = ValidProject(pumping, true);
            for (int i = 0; i < static_cast<int>(std::size(UnitFields)); ++i)
                (*project).*UnitFields[i].field = UnitCode(i, bit);
            Open(*project);
            const S loaded = ctx.store;
            for (int i = 0; i < static_cast<int>(std::size(UnitFields)); ++i)
                if (const char* list = pumping ? UnitFields[i].pumping : UnitFields[i].gravity) {
                    EXPECT_EQ(List(list)->currentIndex(), UnitCode(i, bit)) << list;
                    List(list)->setCurrentIndex(1 - UnitCode(i, bit));
                }
            ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved);
            for (int i = 0; i < static_cast<int>(std::size(UnitFields)); ++i) {
                const UnitField& u = UnitFields[i];
                const char* list = pumping ? u.pumping : u.gravity;
                EXPECT_EQ(ctx.store.*u.field, list ? 1 - UnitCode(i, bit) : loaded.*u.field)
                    << (list ? list : "kept");
            }
        }
}

} // namespace
} // namespace vemora::test
