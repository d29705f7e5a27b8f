// The input window's View profile: saved first (a never-saved project through
// Save As, after saying why), then shown in the profile view with the
// calibration menu item; a save that did not write shows nothing.
#include <QAction>
#include <QComboBox>
#include <QTest>

#include "ProjectFilesFixture.h"
#include "input/frmView.h"
#include "platform/PictureButton.h"

namespace vemora::test {
namespace {

TEST_F(ProjectFilesTest, ViewProfileOfANeverSavedProjectAsksForAFileFirst)
{
    FillGravity();
    main->mnuRoughness->setVisible(false);
    ctx.store.ResultsValid = true;
    QTest::mouseClick(w->sscViewProfile, Qt::LeftButton); // Save As cancelled
    ASSERT_FALSE(scripted.messages.empty());
    EXPECT_EQ(scripted.messages[0].text,
              "The project must first be saved before the profile can be viewed");
    EXPECT_EQ(scripted.messages[0].title, "Vemora");
    EXPECT_EQ(scripted.fileRequests.size(), 1u);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(ctx.windows.profileView.Get(), nullptr);
    EXPECT_FALSE(main->mnuRoughness->isVisible());
    EXPECT_FALSE(ctx.store.ResultsValid);
}

TEST_F(ProjectFilesTest, ViewProfileSavesThenShowsTheWholeProfile)
{
    FillGravity();
    main->mnuRoughness->setVisible(false);
    scripted.files.push_back(path("view.kpj"));
    QTest::mouseClick(w->sscViewProfile, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(path("view.kpj")));
    auto* view = static_cast<frmView*>(ctx.windows.profileView.Get());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main->mnuRoughness->isVisible());
    EXPECT_EQ(view->comBegin->currentIndex(), 0);
    EXPECT_EQ(view->comEnd->currentIndex(), view->comEnd->count() - 1);
    EXPECT_FALSE(ctx.store.ResultsValid);

    // Once it has a file, the command saves over it without asking.
    view->hide();
    ShowWorkingWindow(ctx, ctx.windows.input.Get());
    const size_t asked = scripted.fileRequests.size();
    QTest::mouseClick(w->sscViewProfile, Qt::LeftButton);
    EXPECT_EQ(scripted.fileRequests.size(), asked);
    EXPECT_TRUE(view->isVisible());
}

} // namespace
} // namespace vemora::test
