// The unit lists in the window: each holds its unit table's texts in code
// order, and none can be typed into.
#include <QComboBox>
#include <algorithm>
#include <iterator>
#include <utility>

#include "InputWindowFixture.h"
#include "project/UnitTables.h"

namespace vemora::test {

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList Texts(const UnitList& units)
{
    QStringList texts;
    for (const Unit& unit : units)
        texts << QString::fromUtf8(unit.Text);
    return texts;
}

} // namespace

// A list filled from another table of the same length (a length list with
// pipe dimensions) or a list missing from the window's fill fails here; so
// does a unit list that this test does not name.
TEST_F(InputWindowTest, EveryUnitListHoldsItsTableInCodeOrder)
{
    const std::pair<QComboBox*, const UnitList*> lists[] = {
        {w->comPFlowrateUnits, &FlowUnits},
        {w->comGFlowrateUnits, &FlowUnits},
        {w->comVaryingDemandUnits, &FlowUnits},
        {w->comPumpVaryingDemandUnits, &FlowUnits},
        {w->comPumpOperatingFlowrateUnits, &OperatingFlowUnits},
        {w->comTRWLUnits, &LengthUnits},
        {w->comBRWLUnits, &LengthUnits},
        {w->comPPRWLUnits, &LengthUnits},
        {w->comPERWLUnits, &LengthUnits},
        {w->comElevationUnits, &LengthUnits},
        {w->comLengthUnits, &LengthUnits},
        {w->comKsNewUnits, &PipeDimensionUnits},
        {w->comKsOldUnits, &PipeDimensionUnits},
        {w->comLiningThicknessUnits, &PipeDimensionUnits},
        {w->comDiameterUnits, &PipeDimensionUnits},
        {w->comWallThicknessUnits, &PipeDimensionUnits},
        {w->comWaterSalesUnits, &WaterSalesVolumeUnits},
        {w->comHeadUnits, &PumpHeadUnits},
        {w->comFlowUnits, &PumpCurveFlowUnits},
    };
    for (const auto& [list, units] : lists)
        EXPECT_EQ(Items(list), Texts(*units)) << list->objectName().toStdString();
    // The pump curve's flow units are not the demand's, nor the length's the pipe's.
    EXPECT_EQ(w->comFlowUnits->itemText(2), QStringLiteral("ft³/h"));
    EXPECT_EQ(w->comKsNewUnits->itemText(0), QStringLiteral("mm"));

    int unitLists = 0;
    for (const QComboBox* list : w->findChildren<QComboBox*>()) {
        if (!list->objectName().endsWith(QLatin1String("Units"))) continue;
        ++unitLists;
        EXPECT_TRUE(std::any_of(std::begin(lists), std::end(lists),
                                [list](const auto& named) { return named.first == list; }))
            << list->objectName().toStdString() << " is not named here";
    }
    EXPECT_EQ(unitLists, static_cast<int>(std::size(lists)));
}

TEST_F(InputWindowTest, UnitListsCannotBeTypedInto)
{
    const QList<QComboBox*> lists = w->findChildren<QComboBox*>();
    for (QComboBox* list : lists)
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
    EXPECT_EQ(lists.size(), 20); // the nineteen unit lists and the node-type list
}

} // namespace vemora::test
