// The preferences dialog over the input window: what it shows of the store,
// what OK writes back (only what the user changed), that Cancel writes
// nothing, and that units and currency only relabel the input window.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

#include "input/InputWindowFixture.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "shell/InstallShellDialogs.h"
#include "shell/frmPref.h"

namespace vemora::test {
namespace {

class PreferencesTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        InstallShellDialogs(ctx);
    }
    int exec(std::function<void(frmPref&)> work)
    {
        scripted.dialogHandlers.push_back([work](QDialog* d) { work(*static_cast<frmPref*>(d)); });
        return ctx.windows.preferences.Exec();
    }
    static void ok(frmPref& d) { QTest::mouseClick(d.sscOK, Qt::LeftButton); }
};

TEST_F(PreferencesTest, ShowsTheStoreAndOkStoresThePercentagesAsShown)
{
    ctx.store.PrelimGeneralPercent = 12.346f;
    ctx.store.ContingencyPercent = 10.5f;
    ctx.store.UnitSystem = 1;
    ctx.store.CurrencyCode = 0;
    exec([](frmPref& d) {
        EXPECT_EQ(d.windowTitle(), "  USER PREFERENCES");
        EXPECT_EQ(d.Label4->text(), "Preliminary & General");
        EXPECT_EQ(d.hsbPG->Value(), 1235);
        EXPECT_EQ(d.lblPG->text(), "12.35%");
        EXPECT_EQ(d.hsbContingencies->Value(), 1050);
        EXPECT_EQ(d.lblContingencies->text(), "10.50%");
        EXPECT_TRUE(d.optUS->isChecked());
        EXPECT_TRUE(d.optRand->isChecked());
        ok(d);
    });
    EXPECT_FLOAT_EQ(ctx.store.PrelimGeneralPercent, 12.35f);
    EXPECT_FLOAT_EQ(ctx.store.ContingencyPercent, 10.5f);
    EXPECT_EQ(ctx.store.UnitSystem, 1);
    EXPECT_EQ(ctx.store.CurrencyCode, 0);
}

TEST_F(PreferencesTest, MovingABarRelabelsItAndOkStoresTheNewValue)
{
    ctx.store.PrelimGeneralPercent = 10;
    ctx.store.ContingencyPercent = 0;
    exec([](frmPref& d) {
        // A click on the bar's right arrow.
        QTest::mouseClick(d.hsbPG, Qt::LeftButton, {},
                          QPoint(d.hsbPG->width() - 3, d.hsbPG->height() / 2));
        EXPECT_EQ(d.lblPG->text(), "10.01%");
        d.hsbContingencies->setValue(5000);
        EXPECT_EQ(d.lblContingencies->text(), "50.00%");
        ok(d);
    });
    EXPECT_FLOAT_EQ(ctx.store.PrelimGeneralPercent, 10.01f);
    EXPECT_FLOAT_EQ(ctx.store.ContingencyPercent, 50.0f);
}

TEST_F(PreferencesTest, PercentagesTheBarsCannotShowAreKeptUntilTheirBarMoves)
{
    ctx.store.PrelimGeneralPercent = 75;
    ctx.store.ContingencyPercent = -3;
    exec([](frmPref& d) {
        EXPECT_EQ(d.hsbPG->Value(), 5000);
        EXPECT_EQ(d.lblPG->text(), "75.00%");
        EXPECT_EQ(d.hsbContingencies->Value(), 0);
        EXPECT_EQ(d.lblContingencies->text(), "-3.00%");
        ok(d);
    });
    EXPECT_EQ(ctx.store.PrelimGeneralPercent, 75);
    EXPECT_EQ(ctx.store.ContingencyPercent, -3);

    exec([](frmPref& d) {
        d.hsbPG->setValue(4000);
        EXPECT_EQ(d.lblPG->text(), "40.00%");
        ok(d);
    });
    EXPECT_FLOAT_EQ(ctx.store.PrelimGeneralPercent, 40);
    EXPECT_EQ(ctx.store.ContingencyPercent, -3);

    // A value that is not a number, or one too large for the bar's
    // arithmetic, opens without harm.
    ctx.store.PrelimGeneralPercent = std::numeric_limits<float>::quiet_NaN();
    ctx.store.ContingencyPercent = 3e38f;
    exec([](frmPref& d) {
        EXPECT_EQ(d.hsbPG->Value(), 0);
        EXPECT_EQ(d.lblPG->text(), "0.00%");
        EXPECT_EQ(d.hsbContingencies->Value(), 5000);
        ok(d);
    });
    EXPECT_EQ(ctx.store.PrelimGeneralPercent, 0);
    EXPECT_EQ(ctx.store.ContingencyPercent, 3e38f);
}

TEST_F(PreferencesTest, CancelEscAndTheCloseBoxStoreNothing)
{
    ctx.store.PrelimGeneralPercent = 12.346f;
    ctx.store.ContingencyPercent = 10;
    const std::function<void(frmPref&)> leave[] = {
        [](frmPref& d) { QTest::mouseClick(d.sscCancel, Qt::LeftButton); },
        [](frmPref& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](frmPref& d) { d.close(); },
    };
    for (const auto& way : leave) {
        w->show();
        const int result = exec([&](frmPref& d) {
            d.hsbPG->setValue(3000);
            d.hsbContingencies->setValue(100);
            d.optDollars->setChecked(true);
            d.optUS->setChecked(true);
            way(d);
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_FALSE(w->isHidden()) << "the input window comes back";
    }
    EXPECT_EQ(ctx.store.PrelimGeneralPercent, 12.346f);
    EXPECT_EQ(ctx.store.ContingencyPercent, 10);
    EXPECT_EQ(ctx.store.UnitSystem, 0);
    EXPECT_EQ(ctx.store.CurrencyCode, 0);
    EXPECT_EQ(w->lblCurrency[0]->text(), "R");
}

TEST_F(PreferencesTest, UnitsAndCurrencyOnlyRelabelTheInputWindow)
{
    w->txtMechanical->setText("1250000");
    w->msgOperational->setTextMatrix(1, 1, "480000");
    const int flowUnit = w->comGFlowrateUnits->currentIndex();
    PretendResults();
    bool hidden = false;
    exec([&](frmPref& d) {
        hidden = w->isHidden();
        d.optDollars->setChecked(true);
        d.optUS->setChecked(true);
        ok(d);
    });
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(ctx.store.UnitSystem, 1);
    EXPECT_EQ(ctx.store.CurrencyCode, 1);
    for (QLabel* label : w->lblCurrency)
        EXPECT_EQ(label->text(), "$");
    for (QLabel* label : w->lblUnit)
        EXPECT_EQ(label->text(), "$");
    EXPECT_EQ(w->msgOperational->TextMatrix(0, 1), "Annual package ($)");
    EXPECT_EQ(w->msgOtherOperational->TextMatrix(0, 1), "Annual amount ($)");
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), "Cost ($/ft³)");
    EXPECT_EQ(w->msgLaying->TextMatrix(14, 0), "Required cover (ft)");
    EXPECT_EQ(w->msgLaying->TextMatrix(15, 0), "Excavation lower than pipe invert (ft)");
    // Nothing typed or chosen is converted or lost, and the results stand.
    EXPECT_EQ(w->txtMechanical->text(), "1250000");
    EXPECT_EQ(w->msgOperational->TextMatrix(1, 1), "480000");
    EXPECT_EQ(w->comGFlowrateUnits->currentIndex(), flowUnit);
    EXPECT_TRUE(ctx.store.ResultsValid);

    exec([](frmPref& d) {
        d.optRand->setChecked(true);
        d.optMetric->setChecked(true);
        ok(d);
    });
    EXPECT_EQ(w->lblCurrency[3]->text(), "R");
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), "Cost (R/m³)");
    EXPECT_EQ(w->msgLaying->TextMatrix(14, 0), "Required cover (m)");
}

TEST_F(PreferencesTest, OddCodesFromAFileAreKeptUnlessTheOtherOptionIsChosen)
{
    ctx.store.UnitSystem = 7;
    ctx.store.CurrencyCode = -2;
    exec([](frmPref& d) {
        EXPECT_TRUE(d.optUS->isChecked());
        EXPECT_TRUE(d.optDollars->isChecked());
        ok(d);
    });
    EXPECT_EQ(ctx.store.UnitSystem, 7);
    EXPECT_EQ(ctx.store.CurrencyCode, -2);
    exec([](frmPref& d) {
        d.optRand->setChecked(true);
        ok(d);
    });
    EXPECT_EQ(ctx.store.UnitSystem, 7);
    EXPECT_EQ(ctx.store.CurrencyCode, 0);
}

TEST_F(PreferencesTest, HintsGoToTheStatusBarAndHelpOpensItsTopic)
{
    exec([&](frmPref& d) {
        QTest::mouseMove(&d, QPoint(3, 3));
        EXPECT_EQ(main->panelText(3), "Set the Preferences for the project");
        d.optUS->setFocus();
        EXPECT_EQ(main->panelText(3), "Click to select US units");
        QTest::mouseMove(d.sscOK);
        EXPECT_EQ(main->panelText(3), "Accept the settings and return to the program");
        EXPECT_EQ(d.lblPG->toolTip(), "Scroll to the percentage Prliminary && General");
        QTest::mouseClick(d.sscHelp, Qt::LeftButton);
        EXPECT_EQ(main->panelText(3), "");
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(scripted.helpTopics, std::vector<int>{4000});
}

} // namespace
} // namespace vemora::test
