// Tariff hour labels and the currency labels.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "InputWindowFixture.h"
#include "platform/Twips.h"

namespace vemora::test {

TEST_F(InputWindowTest, HourLabelCyclesRedGreenYellowAndChangesNoFlag)
{
    NewOfType(1);
    QLabel* hour = w->lblSummerHour[7];
    ASSERT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    PretendResults();
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Red);
    EXPECT_EQ(main->panelText(3), QStringLiteral("Click to change applicable rate"));
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Green);
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    EXPECT_EQ(ctx.store.ResultsValid, 1);
    EXPECT_EQ(ctx.store.ProjectSaved, 1);
    EXPECT_EQ(ctx.store.SummerHourPeriod[8], 0);
    // Only the clicked label changed.
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[8]), vbcolor::Yellow);
    QTest::mouseClick(w->lblWinterHour[23], Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[23]), vbcolor::Red);
}

TEST_F(InputWindowTest, HourLabelOfAnotherColourStays)
{
    NewOfType(1);
    frmLCC::SetHourColour(w->lblWinterHour[3], vbcolor::Blue);
    w->lblWinterHour_Click(3);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[3]), vbcolor::Blue);
}

TEST_F(InputWindowTest, LoadShowsTheStoredHourPattern)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "01/02/2020");
    ctx.store.ProjectRec.SummerHourPeriod[1] = 2;
    ctx.store.ProjectRec.SummerHourPeriod[2] = 1;
    ctx.store.ProjectRec.WinterHourPeriod[24] = 2;
    ctx.store.ProjectRec.WinterHourPeriod[5] = 9; // unknown: the colour stays
    ctx.store.NewProjectFlag = 1;
    LoadProject(ctx);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[0]), vbcolor::Red);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[1]), vbcolor::Green);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[2]), vbcolor::Yellow);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[23]), vbcolor::Red);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[4]), vbcolor::Yellow);
}

TEST_F(InputWindowTest, CurrencyTimerRelabelsAllTenOnce)
{
    NewOfType(1);
    ctx.store.CurrencyCode = 1;
    w->tmrCurrency->start();
    EXPECT_TRUE(w->tmrCurrency->isActive());
    w->tmrCurrency_Timer();
    for (QLabel* label : w->lblUnit)
        EXPECT_EQ(label->text(), QStringLiteral("$"));
    for (QLabel* label : w->lblCurrency)
        EXPECT_EQ(label->text(), QStringLiteral("$"));
    EXPECT_FALSE(w->tmrCurrency->isActive());

    ctx.store.CurrencyCode = 0;
    w->tmrCurrency_Timer();
    EXPECT_EQ(w->lblUnit[5]->text(), QStringLiteral("R"));
    EXPECT_EQ(w->lblCurrency[3]->text(), QStringLiteral("R"));
}

} // namespace vemora::test
