// The table of the input window's boxes: the load shows each box from its
// store field and the save copies it back, for the system type it belongs to.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "app/InputFields.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"
#include "support/StandInInput.h"

namespace vemora {
namespace {

// A stand-in input window that holds the text of every box.
class BoxTexts : public test::StandInInput
{
  public:
    QString BoxText(InputBox box, int index) const override
    {
        const auto at = texts.find({box, index});
        return at == texts.end() ? QString() : at->second;
    }
    void SetBoxText(InputBox box, int index, const QString& text) override
    {
        texts[{box, index}] = text;
    }

    std::map<std::pair<InputBox, int>, QString> texts;
};

// A store whose every number field of the table holds a value of its own.
ProjectStore NumberedStore(int16_t systemType)
{
    ProjectStore s;
    s.SystemType = systemType;
    s.FixedDemand = 2.5f;
    s.StartReservoirLevel = 101.25f;
    s.EndReservoirLevel = 88.5f;
    s.OperatingFlowRate = 0.75f;
    s.OperatingEfficiency = 81;
    for (size_t row = 1; row <= 3; ++row)
        for (size_t k = 1; k <= 6; ++k)
            s.PumpCurve[row][k] = static_cast<float>(row * 100 + k);
    s.LiningThickness = 12;
    s.RoughnessNew = 0.25f;
    s.RoughnessOld = 1.5f;
    s.DeteriorationYears = 20;
    s.TariffSummerPeak = 3.5f;
    s.TariffSummerStandard = 2.25f;
    s.TariffSummerOffPeak = 1.125f;
    s.TariffWinterPeak = 4.5f;
    s.TariffWinterStandard = 3.25f;
    s.TariffWinterOffPeak = 2.125f;
    s.EscalationRate = 6;
    s.DiscountRate = 8;
    s.EnergyEscalationRate = 7;
    s.WaterPrice = 5.5f;
    s.WaterPriceIncrease = 3;
    s.ElectricalWorksCost = 120000;
    s.MechanicalWorksCost = 340000;
    s.SupervisionFees = 56000;
    s.ProjectName = "  Dam  ";
    s.Designer = "Lee";
    s.ProjectDescription = "Main line";
    s.PumpType = "KSB";
    s.PumpDescription = "Two in line";
    return s;
}

// The save reads the pump-curve boxes point by point, after the single boxes.
TEST(InputFieldsTest, EveryBoxComesInTheSavesOrder)
{
    const std::vector<FieldBox>& boxes = EveryBox();
    ASSERT_EQ(boxes.size(), 49u);
    EXPECT_EQ(boxes.front().field->box, InputBox::txtProject);
    EXPECT_EQ(boxes[29].field->box, InputBox::txtPumptype);
    EXPECT_EQ(boxes[30].field->box, InputBox::txtPumpDescription);
    EXPECT_EQ(boxes[31].field->box, InputBox::txtH);
    EXPECT_EQ(boxes[32].field->box, InputBox::txtQ);
    EXPECT_EQ(boxes[33].field->box, InputBox::txtEfficiency);
    EXPECT_EQ(boxes[33].index, 0);
    EXPECT_EQ(boxes[34].field->box, InputBox::txtH);
    EXPECT_EQ(boxes[34].index, 1);
    EXPECT_EQ(boxes.back().field->box, InputBox::txtEfficiency);
    EXPECT_EQ(boxes.back().index, 5);
}

TEST(InputFieldsTest, AGravityLoadShowsTheGravityBoxesAndThePumpCurve)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Gravity));
    EXPECT_EQ(window.BoxText(InputBox::txtGFlowrate, 0), "2.5");
    EXPECT_EQ(window.BoxText(InputBox::txtTRWL, 0), "101.25");
    EXPECT_EQ(window.BoxText(InputBox::txtBRWL, 0), "88.5");
    EXPECT_EQ(window.BoxText(InputBox::txtProject, 0), "Dam");
    EXPECT_EQ(window.BoxText(InputBox::txtH, 2), "103");
    EXPECT_EQ(window.BoxText(InputBox::txtEfficiency, 5), "306");
    EXPECT_EQ(window.BoxText(InputBox::txtLiningThickness, 0), "12");
    EXPECT_EQ(window.BoxText(InputBox::txtSupervision, 0), "56000");
    for (InputBox pumping :
         {InputBox::txtPFlowrate, InputBox::txtPPRWL, InputBox::txtPERWL, InputBox::txtSPeak,
          InputBox::txtEnergyEscalation, InputBox::txtPumptype, InputBox::txtPumpDescription})
        EXPECT_FALSE(window.texts.contains({pumping, 0})) << FieldOf(pumping).name;
    EXPECT_EQ(window.texts.size(), 49u - 14u);
}

TEST(InputFieldsTest, APumpingLoadShowsThePumpingBoxes)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Pumping));
    EXPECT_EQ(window.BoxText(InputBox::txtPFlowrate, 0), "2.5");
    EXPECT_EQ(window.BoxText(InputBox::txtPPRWL, 0), "101.25");
    EXPECT_EQ(window.BoxText(InputBox::txtPERWL, 0), "88.5");
    EXPECT_EQ(window.BoxText(InputBox::txtPumpOperatingFlowrate, 0), "0.75");
    EXPECT_EQ(window.BoxText(InputBox::txtWOffpeak, 0), "2.125");
    EXPECT_EQ(window.BoxText(InputBox::txtEnergyEscalation, 0), "7");
    EXPECT_EQ(window.BoxText(InputBox::txtPumptype, 0), "KSB");
    for (InputBox gravity : {InputBox::txtGFlowrate, InputBox::txtTRWL, InputBox::txtBRWL})
        EXPECT_FALSE(window.texts.contains({gravity, 0})) << FieldOf(gravity).name;
    EXPECT_EQ(window.texts.size(), 49u - 3u);
}

// What a load shows, a save copies back into the same fields.
TEST(InputFieldsTest, ASaveOfWhatTheLoadShowedGivesTheStoreBack)
{
    for (int16_t system : {PipelineSystem::Gravity, PipelineSystem::Pumping}) {
        BoxTexts window;
        ShowBoxes(window, NumberedStore(system));
        ProjectStore s;
        s.SystemType = system;
        CopyBoxesToStore(window, s, true);
        EXPECT_EQ(s.FixedDemand, 2.5f) << system;
        EXPECT_EQ(s.StartReservoirLevel, 101.25f) << system;
        EXPECT_EQ(s.EndReservoirLevel, 88.5f) << system;
        EXPECT_EQ(s.LiningThickness, 12.0f) << system;
        EXPECT_EQ(s.RoughnessNew, 0.25f) << system;
        EXPECT_EQ(s.RoughnessOld, 1.5f) << system;
        EXPECT_EQ(s.DeteriorationYears, 20.0f) << system;
        EXPECT_EQ(s.EscalationRate, 6.0f) << system;
        EXPECT_EQ(s.DiscountRate, 8.0f) << system;
        EXPECT_EQ(s.WaterPrice, 5.5f) << system;
        EXPECT_EQ(s.WaterPriceIncrease, 3.0f) << system;
        EXPECT_EQ(s.ElectricalWorksCost, 120000.0f) << system;
        EXPECT_EQ(s.MechanicalWorksCost, 340000.0f) << system;
        EXPECT_EQ(s.SupervisionFees, 56000.0f) << system;
        EXPECT_EQ(s.ProjectName, "Dam") << system;
        EXPECT_EQ(s.Designer, "Lee") << system;
        EXPECT_EQ(s.ProjectDescription, "Main line") << system;
    }
}

TEST(InputFieldsTest, APumpingSaveOfWhatTheLoadShowedGivesThePumpFieldsBack)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Pumping));
    ProjectStore s;
    s.SystemType = PipelineSystem::Pumping;
    CopyBoxesToStore(window, s, true);
    EXPECT_EQ(s.OperatingFlowRate, 0.75f);
    EXPECT_EQ(s.OperatingEfficiency, 81.0f);
    for (size_t row = 1; row <= 3; ++row)
        for (size_t k = 1; k <= 6; ++k)
            EXPECT_EQ(s.PumpCurve[row][k], static_cast<float>(row * 100 + k)) << row << k;
    EXPECT_EQ(s.TariffSummerPeak, 3.5f);
    EXPECT_EQ(s.TariffSummerStandard, 2.25f);
    EXPECT_EQ(s.TariffSummerOffPeak, 1.125f);
    EXPECT_EQ(s.TariffWinterPeak, 4.5f);
    EXPECT_EQ(s.TariffWinterStandard, 3.25f);
    EXPECT_EQ(s.TariffWinterOffPeak, 2.125f);
    EXPECT_EQ(s.EnergyEscalationRate, 7.0f);
    EXPECT_EQ(s.PumpType, "KSB");
    EXPECT_EQ(s.PumpDescription, "Two in line");
}

TEST(InputFieldsTest, AGravitySaveKeepsThePumpFieldsAndStoresNoEnergyEscalation)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Pumping));
    ProjectStore s = NumberedStore(PipelineSystem::Gravity);
    s.PumpCurve[1][1] = 9;
    s.TariffSummerPeak = 9;
    window.SetBoxText(InputBox::txtGFlowrate, 0, QStringLiteral("4"));
    window.SetBoxText(InputBox::txtPFlowrate, 0, QStringLiteral("6"));
    CopyBoxesToStore(window, s, true);
    EXPECT_EQ(s.FixedDemand, 4.0f);
    EXPECT_EQ(s.PumpCurve[1][1], 9.0f);
    EXPECT_EQ(s.TariffSummerPeak, 9.0f);
    EXPECT_EQ(s.EnergyEscalationRate, 0.0f);
    EXPECT_EQ(s.PumpType, "KSB");
}

TEST(InputFieldsTest, APumpingSaveCopiesThePumpCurveAndTariffs)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Pumping));
    window.SetBoxText(InputBox::txtQ, 3, QStringLiteral("17.5"));
    window.SetBoxText(InputBox::txtSStandard, 0, QStringLiteral("1.75"));
    window.SetBoxText(InputBox::txtPFlowrate, 0, QStringLiteral("6"));
    window.SetBoxText(InputBox::txtGFlowrate, 0, QStringLiteral("4"));
    ProjectStore s;
    s.SystemType = PipelineSystem::Pumping;
    CopyBoxesToStore(window, s, true);
    EXPECT_EQ(s.FixedDemand, 6.0f);
    EXPECT_EQ(s.PumpCurve[2][4], 17.5f);
    EXPECT_EQ(s.PumpCurve[3][6], 306.0f);
    EXPECT_EQ(s.TariffSummerStandard, 1.75f);
    EXPECT_EQ(s.EnergyEscalationRate, 7.0f);
}

// An epoxy lining stores no thickness; an empty number box or one that is
// not a number stores 0.
TEST(InputFieldsTest, EpoxyAndUnreadableBoxesStoreZero)
{
    BoxTexts window;
    ShowBoxes(window, NumberedStore(PipelineSystem::Gravity));
    window.SetBoxText(InputBox::txtKsNew, 0, QString());
    window.SetBoxText(InputBox::txtKsOld, 0, QStringLiteral("1.2.3"));
    ProjectStore s = NumberedStore(PipelineSystem::Gravity);
    CopyBoxesToStore(window, s, false);
    EXPECT_EQ(s.LiningThickness, 0.0f);
    EXPECT_EQ(s.RoughnessNew, 0.0f);
    EXPECT_EQ(s.RoughnessOld, 0.0f);
    CopyBoxesToStore(window, s, true);
    EXPECT_EQ(s.LiningThickness, 12.0f);
}

// The project's texts are stored without the blanks around them (line
// breaks stay); the pump's as typed.
TEST(InputFieldsTest, TextsAreTrimmedOrKeptByTheirKind)
{
    BoxTexts window;
    window.SetBoxText(InputBox::txtProject, 0, QStringLiteral("  Dam 2 "));
    window.SetBoxText(InputBox::txtDescription, 0, QStringLiteral(" \r\nLine\n  "));
    window.SetBoxText(InputBox::txtPumptype, 0, QStringLiteral(" KSB "));
    window.SetBoxText(InputBox::txtPumpDescription, 0, QStringLiteral("Two \n"));
    ProjectStore s;
    s.SystemType = PipelineSystem::Pumping;
    CopyBoxesToStore(window, s, true);
    EXPECT_EQ(s.ProjectName, "Dam 2");
    EXPECT_EQ(s.ProjectDescription, "\r\nLine\n");
    EXPECT_EQ(s.PumpType, " KSB ");
    EXPECT_EQ(s.PumpDescription, "Two \n");
}

TEST(InputFieldsTest, APumpCurvePointIsNamedWithItsNumber)
{
    EXPECT_EQ(NumberName(FieldOf(InputBox::txtQ), 2), "flow rate of pump-curve point 3");
    EXPECT_EQ(NumberName(FieldOf(InputBox::txtKsOld), 0), "absolute roughness of an old pipe");
    EXPECT_EQ(ControlName(FieldOf(InputBox::txtQ), 2), "txtQ(2)");
    EXPECT_EQ(ControlName(FieldOf(InputBox::txtKsOld), 0), "txtKsOld");
}

} // namespace
} // namespace vemora
