// Each row of the boxes' table carries the window's name of its own box,
// written out here by hand beside the enum.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/InputFields.h"

namespace vemora {
namespace {

TEST(InputBoxNames, EachRowNamesItsOwnBox)
{
    using enum InputBox;
    const std::pair<InputBox, std::string> names[] = {
        {txtProject, "txtProject"},
        {txtDesigner, "txtDesigner"},
        {txtDescription, "txtDescription"},
        {txtGFlowrate, "txtGFlowrate"},
        {txtTRWL, "txtTRWL"},
        {txtBRWL, "txtBRWL"},
        {txtPFlowrate, "txtPFlowrate"},
        {txtPPRWL, "txtPPRWL"},
        {txtPERWL, "txtPERWL"},
        {txtPumpOperatingFlowrate, "txtPumpOperatingFlowrate"},
        {txtPumpEfficiency, "txtPumpEfficiency"},
        {txtH, "txtH"},
        {txtQ, "txtQ"},
        {txtEfficiency, "txtEfficiency"},
        {txtLiningThickness, "txtLiningThickness"},
        {txtKsNew, "txtKsNew"},
        {txtKsOld, "txtKsOld"},
        {txtKsOldYears, "txtKsOldYears"},
        {txtSPeak, "txtSPeak"},
        {txtSStandard, "txtSStandard"},
        {txtSOffpeak, "txtSOffpeak"},
        {txtWPeak, "txtWPeak"},
        {txtWStandard, "txtWStandard"},
        {txtWOffpeak, "txtWOffpeak"},
        {txtEscalation, "txtEscalation"},
        {txtDiscountRate, "txtDiscountRate"},
        {txtEnergyEscalation, "txtEnergyEscalation"},
        {txtWaterSales, "txtWaterSales"},
        {txtWaterIncrease, "txtWaterIncrease"},
        {txtElectrical, "txtElectrical"},
        {txtMechanical, "txtMechanical"},
        {txtSupervision, "txtSupervision"},
        {txtPumptype, "txtPumptype"},
        {txtPumpDescription, "txtPumpDescription"}};
    ASSERT_EQ(InputFields().size(), std::size(names));
    for (const InputField& row : InputFields()) {
        const auto named = std::find_if(std::begin(names), std::end(names),
                                        [&](const auto& n) { return n.first == row.box; });
        ASSERT_NE(named, std::end(names)) << row.name;
        EXPECT_EQ(row.name, named->second);
    }
}

} // namespace
} // namespace vemora
