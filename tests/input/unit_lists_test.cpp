// The unit lists in the window: items, order and codes.
#include <QComboBox>

#include "InputWindowFixture.h"

namespace vemora::test {

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

const QStringList Flow = {"Mega liters/day",
                          "m³/h",
                          "m³/s",
                          "l/s",
                          "ft³/s",
                          "gal/s (USA)",
                          "gal/min (USA)",
                          "Million gal/hour (USA)",
                          "Million gal/day (USA)",
                          "gal/s (EUR)",
                          "gal/min (EUR)",
                          "Million gal/hour (EUR)",
                          "Million gal/day (EUR)"};
const QStringList OperatingFlow = {"m³/h",
                                   "m³/s",
                                   "l/s",
                                   "ft³/s",
                                   "gal/s (USA)",
                                   "gal/min (USA)",
                                   "Million gal/hour (USA)",
                                   "gal/s (EUR)",
                                   "gal/min (EUR)",
                                   "Million gal/hour (EUR)"};
const QStringList Length = {"m", "km", "ft", "miles"};
const QStringList PipeDimension = {"mm", "m", "in", "ft"};

} // namespace

TEST_F(InputWindowTest, EveryUnitListHoldsItsItemsInCodeOrder)
{
    for (QComboBox* list : {w->comPFlowrateUnits, w->comGFlowrateUnits, w->comVaryingDemandUnits,
                            w->comPumpVaryingDemandUnits})
        EXPECT_EQ(Items(list), Flow) << list->objectName().toStdString();
    EXPECT_EQ(Items(w->comPumpOperatingFlowrateUnits), OperatingFlow);
    for (QComboBox* list : {w->comTRWLUnits, w->comBRWLUnits, w->comPPRWLUnits, w->comPERWLUnits,
                            w->comElevationUnits, w->comLengthUnits})
        EXPECT_EQ(Items(list), Length) << list->objectName().toStdString();
    for (QComboBox* list : {w->comKsNewUnits, w->comKsOldUnits, w->comLiningThicknessUnits,
                            w->comDiameterUnits, w->comWallThicknessUnits})
        EXPECT_EQ(Items(list), PipeDimension) << list->objectName().toStdString();
    EXPECT_EQ(Items(w->comWaterSalesUnits), QStringList({"/m³", "/Ml", "/ft³", "/gal"}));
    EXPECT_EQ(Items(w->comHeadUnits), QStringList({"m", "ft"}));
    EXPECT_EQ(Items(w->comFlowUnits), QStringList({"m³/h", "m³/s", "ft³/h", "gal/s (USA)"}));
}

TEST_F(InputWindowTest, UnitListsCannotBeTypedInto)
{
    for (QComboBox* list : w->findChildren<QComboBox*>())
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
}

} // namespace vemora::test
