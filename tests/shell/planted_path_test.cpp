// Open, Save, Save As and Delete through a link that another user planted in
// a shared folder, at a folder of the path or at the file's name: each is
// refused with its reason, and the project file keeps every byte.
#include "ProjectFilesFixture.h"
#include "support/PlantedLink.h"

namespace vemora::test {
namespace {

class PlantedPathTest : public ProjectFilesTest
{
  protected:
    void SetUp() override
    {
        ProjectFilesTest::SetUp();
        if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
        ASSERT_TRUE(PlantBoth(dir.path().toStdString(), "victim.kpj", paths));
        FillGravity();
        ASSERT_TRUE(SaveAs("victim.kpj"));
        ASSERT_TRUE(SaveAs("other.kpj"));
        victim = Bytes("victim.kpj");
    }

    // Each planted path with the reason its refusal gives.
    std::vector<std::pair<QString, QString>> Planted() const
    {
        return {{QString::fromStdString(paths.throughFolder), FolderLinkReason()},
                {QString::fromStdString(paths.atName), NameLinkReason()}};
    }

    // The project open by `path` as if the link had been planted after it
    // was opened.
    void OpenedBy(const QString& path)
    {
        ASSERT_TRUE(SaveAs("other.kpj"));
        ctx.store.ProjectFilePath = path.toStdString();
    }

    PlantedPaths paths;
    QByteArray victim;
};

TEST_F(PlantedPathTest, OpenIsRefused)
{
    for (const auto& [planted, reason] : Planted()) {
        SCOPED_TRACE(planted.toStdString());
        scripted.files.push_back(planted);
        OpenProject(ctx);
        EXPECT_EQ(scripted.lastMessage(), " Can't open project !\n" + reason);
        EXPECT_EQ(ctx.store.ProjectFilePath, path("other.kpj").toStdString());
    }
}

TEST_F(PlantedPathTest, SaveAsIsRefused)
{
    w->txtBRWL->setText(QStringLiteral("3"));
    for (const auto& [planted, reason] : Planted()) {
        SCOPED_TRACE(planted.toStdString());
        scripted.files.push_back(planted);
        EXPECT_EQ(SaveProjectAs(ctx), SaveOutcome::Failed);
        EXPECT_EQ(scripted.lastMessage(), "Can't Save the project !\n" + reason);
        EXPECT_EQ(Bytes("victim.kpj"), victim);
        EXPECT_EQ(ctx.store.ProjectFilePath, path("other.kpj").toStdString());
    }
}

TEST_F(PlantedPathTest, SaveIsRefused)
{
    for (const auto& [planted, reason] : Planted()) {
        SCOPED_TRACE(planted.toStdString());
        OpenedBy(planted);
        w->txtBRWL->setText(QStringLiteral("3"));
        EXPECT_EQ(SaveProject(ctx), SaveOutcome::Failed);
        EXPECT_EQ(scripted.lastMessage(), "Can't Save the project !\n" + reason);
        EXPECT_EQ(Bytes("victim.kpj"), victim);
        w->txtBRWL->setText(QStringLiteral("40"));
    }
}

TEST_F(PlantedPathTest, DeleteIsRefused)
{
    for (const auto& [planted, reason] : Planted()) {
        SCOPED_TRACE(planted.toStdString());
        OpenedBy(planted);
        scripted.answers.push_back(MsgAnswer::Yes);
        EXPECT_FALSE(DeleteProject(ctx));
        EXPECT_EQ(scripted.lastMessage(), "Could not delete the project.\n" + reason);
        EXPECT_EQ(Bytes("victim.kpj"), victim);
        EXPECT_TRUE(ctx.store.ProjectOpen);
    }
    // Neither link was removed either.
    EXPECT_TRUE(QFileInfo(QString::fromStdString(paths.atName)).isSymLink());
}

} // namespace
} // namespace vemora::test
