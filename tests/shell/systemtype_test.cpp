// The system-type dialog opened by New: Continue creates a blank project of
// the chosen type, Cancel changes nothing.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "ShellFixture.h"
#include "platform/PictureButton.h"
#include "shell/frmLCCType.h"

namespace vemora::test {
namespace {

class SystemTypeTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        makeMain();
        input()->hide(); // as New leaves it
        ctx.store.ProjectOpen = false;
    }
    // Runs New with a handler that works the dialog.
    void newWith(std::function<void(frmLCCType&)> work)
    {
        ui.dialogHandlers.push_back([work](QDialog* d) { work(*static_cast<frmLCCType*>(d)); });
        main_->mnuNew->trigger();
    }
};

TEST_F(SystemTypeTest, Texts)
{
    frmLCCType d(ctx, main_);
    EXPECT_EQ(d.windowTitle(), "  SYSTEM TYPE");
    EXPECT_EQ(d.Label1->text(), "Select the system type");
    EXPECT_EQ(d.Frame1->title(), "Select the pipeline system");
    EXPECT_EQ(d.optGravity->text(), "Gravity System");
    EXPECT_EQ(d.optPumping->text(), "Pumping System");
    EXPECT_EQ(d.optGravity->toolTip(), "Gravity system");
    EXPECT_EQ(d.optPumping->toolTip(), "Pumping system");
    EXPECT_EQ(d.sscContinue->Caption(), "&Continue");
    EXPECT_EQ(d.sscCancel->Caption(), "&Cancel");
    EXPECT_EQ(d.sscHelp->toolTip(), "Help");
    EXPECT_TRUE(d.optGravity->isChecked());
}

TEST_F(SystemTypeTest, ContinueUntouchedCreatesAGravityProject)
{
    ctx.store.SystemType = 1;
    newWith([](frmLCCType& d) { QTest::mouseClick(d.sscContinue, Qt::LeftButton); });
    EXPECT_EQ(ctx.store.SystemType, 0);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_FALSE(input()->isHidden());
}

TEST_F(SystemTypeTest, ContinueWithPumpingCreatesAPumpingProject)
{
    bool closedBeforeTheProject = false;
    newWith([&](frmLCCType& d) {
        d.optPumping->setChecked(true);
        QTest::mouseClick(d.sscContinue, Qt::LeftButton);
        closedBeforeTheProject = !d.isVisible() && d.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(closedBeforeTheProject);
    EXPECT_EQ(ctx.store.SystemType, 1);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_FALSE(input()->isHidden());
}

TEST_F(SystemTypeTest, CancelKeepsTheProjectAndShowsNoWorkingWindow)
{
    ctx.store.SystemType = 1;
    ctx.store.ProjectOpen = true;
    ctx.store.ProjectName = "Kept";
    ui.answers.push_back(MsgAnswer::No);
    newWith([](frmLCCType& d) {
        d.optGravity->setChecked(true);
        QTest::mouseClick(d.sscCancel, Qt::LeftButton);
    });
    EXPECT_EQ(ctx.store.SystemType, 1);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_EQ(ctx.store.ProjectName, "Kept");
    EXPECT_TRUE(input()->isHidden());
}

TEST_F(SystemTypeTest, EachOpeningStartsFromGravity)
{
    newWith([](frmLCCType& d) {
        d.optPumping->setChecked(true);
        QTest::mouseClick(d.sscCancel, Qt::LeftButton);
    });
    bool gravityAtOpen = false;
    newWith([&](frmLCCType& d) {
        gravityAtOpen = d.optGravity->isChecked();
        QTest::mouseClick(d.sscCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(gravityAtOpen);
}

TEST_F(SystemTypeTest, HelpOpensItsTopic)
{
    newWith([](frmLCCType& d) {
        QTest::mouseClick(d.sscHelp, Qt::LeftButton);
        QTest::mouseClick(d.sscCancel, Qt::LeftButton);
    });
    EXPECT_EQ(ui.helpTopics, std::vector<int>{3000});
}

} // namespace
} // namespace vemora::test
