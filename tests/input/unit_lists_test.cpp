// The unit lists in the window: items, order and codes; node-type names;
// number texts.
#include <QComboBox>

#include "InputWindowFixture.h"
#include "input/NumberText.h"
#include "project/NodeTypes.h"

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

TEST_F(InputWindowTest, FourthItemsGiveCodeThreeOfTheirOwnList)
{
    EXPECT_EQ(w->comFlowUnits->itemText(3), QStringLiteral("gal/s (USA)"));
    EXPECT_EQ(w->comPumpOperatingFlowrateUnits->itemText(3), QStringLiteral("ft³/s"));
    EXPECT_EQ(w->comPFlowrateUnits->itemText(3), QStringLiteral("l/s"));
}

TEST(NodeTypeNames, PaddedToTwentyCharactersAndMappedBack)
{
    EXPECT_EQ(NodeTypeNames(8), std::string("22.5° bend") + std::string(10, ' '));
    EXPECT_EQ(NodeTypeNames(0), std::string("Node") + std::string(16, ' '));
    EXPECT_EQ(NodeTypeNames(9), std::string("T-junction") + std::string(10, ' '));
    EXPECT_EQ(NodeTypeNames(-1), "");
    EXPECT_EQ(NodeTypeNames(10), "");
    EXPECT_EQ(NodeTypeCodeOf("Pumpstation"), 2);
    EXPECT_EQ(NodeTypeCodeOf(NodeTypeNames(6)), 6);
    EXPECT_EQ(NodeTypeCodeOf("pumpstation"), 0);
    EXPECT_EQ(NodeTypeCodeOf(""), 0);
    EXPECT_EQ(NodeTypeCodeOf("Valve"), 0);
}

TEST(NumberText, SingleValuesAsTheWindowShowsThem)
{
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(0.1f), "0.1");
    EXPECT_EQ(SingleText(999999.0f), "999999");
    EXPECT_EQ(SingleText(7.5f), "7.5");
    EXPECT_EQ(SingleText(-12.25f), "-12.25");
    EXPECT_EQ(SingleText(123456789.0f), "1.234568E+08");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
}

TEST(NumberText, WholeTextRefusesWhatIsNotANumber)
{
    float v = 42;
    EXPECT_FALSE(WholeTextNumber("", v));
    EXPECT_FALSE(WholeTextNumber(".", v));
    EXPECT_FALSE(WholeTextNumber("1.2.3", v));
    EXPECT_FALSE(WholeTextNumber("12 m", v));
    EXPECT_FALSE(WholeTextNumber("inf", v));
    EXPECT_FALSE(WholeTextNumber("1e999", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(WholeTextNumber(" 12.5 ", v));
    EXPECT_FLOAT_EQ(v, 12.5f);
}

} // namespace vemora::test
