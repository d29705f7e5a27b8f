// The system-type dialog opened by New: Continue creates a blank project of
// the chosen type, Cancel changes nothing.
#include <QApplication>
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
    EXPECT_EQ(d.sscCancel->Caption(), "Ca&ncel");
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

// A key of the dialog, pressed with the focus on one of its controls, and
// whether it continues (with the option the focus stands on) or cancels.
struct DialogKey
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QWidget* (*focus)(frmLCCType&);
    bool continues;
};

void PrintTo(const DialogKey& k, std::ostream* os)
{
    *os << k.name;
}

class SystemTypeKeysTest : public SystemTypeTest, public ::testing::WithParamInterface<DialogKey>
{
};

// Return runs the focused button, and Continue from an option button; Esc
// cancels. The key closes the dialog. (The access keys need a real display.)
TEST_P(SystemTypeKeysTest, KeysRunTheirButtons)
{
    const DialogKey& k = GetParam();
    ctx.store.SystemType = 1;
    ctx.store.ProjectOpen = true;
    ctx.store.ProjectName = "Kept";
    ui.answers.push_back(MsgAnswer::No);
    bool closed = false;
    bool pumping = false;
    newWith([&](frmLCCType& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QWidget* focus = k.focus(d);
        focus->setFocus();
        if (auto* option = qobject_cast<QRadioButton*>(focus)) option->setChecked(true);
        pumping = d.optPumping->isChecked();
        QTest::keyClick(focus, k.key, k.modifiers);
        closed =
            !d.isVisible() && d.result() == (k.continues ? QDialog::Accepted : QDialog::Rejected);
        if (!closed) d.reject();
    });
    EXPECT_TRUE(closed);
    if (k.continues) {
        EXPECT_EQ(ctx.store.SystemType, pumping ? 1 : 0);
        EXPECT_NE(ctx.store.ProjectName, "Kept");
        EXPECT_FALSE(input()->isHidden());
    } else {
        EXPECT_EQ(ctx.store.ProjectName, "Kept");
        EXPECT_TRUE(input()->isHidden());
    }
}

QWidget* Gravity(frmLCCType& d)
{
    return d.optGravity;
}
QWidget* Pumping(frmLCCType& d)
{
    return d.optPumping;
}
QWidget* ContinueButton(frmLCCType& d)
{
    return d.sscContinue;
}
QWidget* CancelButton(frmLCCType& d)
{
    return d.sscCancel;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SystemTypeKeysTest,
    ::testing::Values(DialogKey{"ReturnOnGravity", Qt::Key_Return, {}, Gravity, true},
                      DialogKey{"ReturnOnPumping", Qt::Key_Return, {}, Pumping, true},
                      DialogKey{"ReturnOnContinue", Qt::Key_Return, {}, ContinueButton, true},
                      DialogKey{"ReturnOnCancel", Qt::Key_Return, {}, CancelButton, false},
                      DialogKey{"Escape", Qt::Key_Escape, {}, Pumping, false}),
    [](const ::testing::TestParamInfo<DialogKey>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vemora::test
