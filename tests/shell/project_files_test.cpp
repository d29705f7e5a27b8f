// Save with its checks, Save As, Open and Delete on the input window, with
// scripted file dialogs and messages.
#include <sys/resource.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <csignal>

#include "ProjectFilesFixture.h"
#include "app/WorkingViews.h"
#include "platform/DatePicker.h"
#include "platform/PictureButton.h"
#include "project/ProjectFile.h"
#include "project/TextCodec.h"
#include "support/FileAccess.h"

namespace vemora::test {
namespace {

// Writes beyond `bytes` fail (as on a full disk) while in scope.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        signal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, signal_);
    }

  private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

TEST_F(ProjectFilesTest, FirstEmptyBoxStopsTheSaveWithItsMessageAndFocus)
{
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "Enter the project name !");
    EXPECT_EQ(scripted.messages[0].title, "Error !");
    EXPECT_EQ(focused(), w->txtProject);
    EXPECT_EQ(SaveProject(ctx), SaveOutcome::StoppedByCheck);
    EXPECT_EQ(scripted.lastMessage(), "Enter the project name !");

    w->txtProject->setText(QStringLiteral("   "));
    w->txtDesigner->setText(QStringLiteral("x"));
    SaveProjectAs(ctx);
    EXPECT_EQ(scripted.lastMessage(), "Enter the project name !");
    w->txtProject->setText(QStringLiteral("n"));
    w->txtDesigner->clear();
    SaveProjectAs(ctx);
    EXPECT_EQ(scripted.lastMessage(), "Enter the designer !");
    EXPECT_EQ(focused(), w->txtDesigner);
    EXPECT_FALSE(QFile::exists(path("p.kpj")));
}

TEST_F(ProjectFilesTest, PumpCurvePointsAreCheckedPointByPoint)
{
    FillPumping();
    w->txtQ[2]->clear();
    w->txtH[3]->clear();
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    EXPECT_EQ(scripted.lastMessage(), "Enter the Flow rate !");
    EXPECT_EQ(focused(), w->txtQ[2]);
    // The option codes are stored before the first check.
    EXPECT_EQ(ctx.store.PumpCurveGiven, 1);
}

TEST_F(ProjectFilesTest, TextThatIsNotANumberStopsTheSaveNamingTheField)
{
    FillGravity();
    w->txtKsNew->setText(QStringLiteral("1.2.3"));
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    EXPECT_EQ(scripted.lastMessage(), "Enter a number for the absolute roughness of a new pipe !");
    EXPECT_EQ(focused(), w->txtKsNew);

    // A box without a check of its own (the pump curve of a pumping
    // project with a specified operating flow) is refused as well.
    FillPumping();
    w->optFlowrate->setChecked(true);
    w->txtPumpOperatingFlowrate->setText(QStringLiteral("50"));
    w->txtEfficiency[4]->setText(QStringLiteral("."));
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    EXPECT_EQ(scripted.lastMessage(),
              "Enter a number for the pump efficiency of pump-curve point 5 !");
    EXPECT_EQ(focused(), w->txtEfficiency[4]);
    EXPECT_FALSE(QFile::exists(path("p.kpj")));
    w->txtEfficiency[4]->clear(); // empty and unchecked: saved as 0
    EXPECT_TRUE(SaveAs("p.kpj"));
    EXPECT_EQ(ctx.store.PumpCurve[3][5], 0.0f);
}

TEST_F(ProjectFilesTest, GreaterThanZeroBoxesRefuseZero)
{
    FillGravity();
    w->txtGFlowrate->setText(QStringLiteral("0"));
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    EXPECT_EQ(scripted.lastMessage(), "Enter the fixed demand (must be greater than zero) !");
    FillPumping();
    w->optFlowrate->setChecked(true);
    w->txtPumpOperatingFlowrate->setText(QStringLiteral("10"));
    w->txtPumpEfficiency->setText(QStringLiteral("0.0"));
    EXPECT_TRUE(SaveAsStopsAtTheChecks());
    EXPECT_EQ(scripted.lastMessage(),
              "Enter the pump efficiency at the operating point(must be greater than zero) !");
    EXPECT_EQ(focused(), w->txtPumpEfficiency);
}

TEST_F(ProjectFilesTest, SaveAsWritesTheRecordAndLoadsItBack)
{
    FillGravity();
    EXPECT_TRUE(SaveAs("p.kpj"));
    EXPECT_EQ(Bytes("p.kpj").size(), ProjectRecord::Size);
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
    EXPECT_EQ(w->lblFileName->text(), path("p.kpj"));
    EXPECT_EQ(main->windowTitle(), "  Vemora (Main line)");
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_EQ(ctx.store.FixedDemand, 100.0f);
    // An empty description is saved as blanks; the box then holds one blank.
    EXPECT_EQ(w->txtDescription->toPlainText(), "");
    ASSERT_EQ(scripted.fileRequests.size(), 1u);
    const FileDialogRequest& req = scripted.fileRequests[0].req;
    EXPECT_EQ(req.title, "SAVE THE VEMORA PROJECT");
    EXPECT_EQ(req.filterIndex, 2);
    EXPECT_TRUE(req.overwritePrompt);

    // A plain save writes the same file again with what was typed since.
    w->txtBRWL->setText(QStringLiteral("35"));
    EXPECT_EQ(SaveProject(ctx), SaveOutcome::Saved);
    ProjectRecord rec;
    int64_t number = 0;
    ASSERT_EQ(ReadProjectFile(path("p.kpj").toStdString(), rec, number), FileStatus::Ok);
    EXPECT_EQ(rec.EndReservoirLevel, 35.0f);
}

TEST_F(ProjectFilesTest, CancelledSaveAsWritesNothingAndClearsTheCaption)
{
    FillGravity();
    main->setProgressCaption(QStringLiteral("Saving project"));
    main->lblProgessBar->show();
    const std::string before = ctx.store.ProjectFilePath;
    EXPECT_EQ(SaveProjectAs(ctx), SaveOutcome::Cancelled); // no file queued
    EXPECT_EQ(scripted.fileRequests.size(), 1u);
    EXPECT_EQ(ctx.store.ProjectFilePath, before);
    EXPECT_TRUE(main->lblProgessBar->isHidden());
    EXPECT_EQ(main->lblProgessBar->text(), "");
    EXPECT_EQ(w->lblFileName->text(), NewProjectFileLabel);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProjectFilesTest, FailedWriteKeepsTheFileAndThePath)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    const QByteArray before = Bytes("p.kpj");

    // Save As into a folder that does not exist: nothing changes.
    scripted.files.push_back(path("missing/q.kpj"));
    EXPECT_EQ(SaveProjectAs(ctx), SaveOutcome::Failed);
    EXPECT_EQ(scripted.lastMessage(), "Can't Save the project !\nThe folder does not exist.");
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
    EXPECT_EQ(w->lblFileName->text(), path("p.kpj"));

    // A plain save that cannot write its file (a file-size limit stands
    // in for a full disk) says so and leaves the file whole.
    w->txtBRWL->setText(QStringLiteral("1"));
    const size_t said = scripted.messages.size();
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(SaveProject(ctx), SaveOutcome::Failed);
    }
    ASSERT_EQ(scripted.messages.size(), said + 1);
    EXPECT_EQ(scripted.lastMessage(),
              "Can't Save the project !\nThe file would be larger than the system allows.");
    EXPECT_EQ(Bytes("p.kpj"), before);
}

TEST_F(ProjectFilesTest, FailedOpenChangesNothingAndCreatesNoFile)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    w->txtProject->setText(QStringLiteral("typed, not saved"));
    const QString caption = main->windowTitle();

    scripted.files.push_back(path("none.kpj"));
    main->lblProgessBar->setText(QStringLiteral("Opening project"));
    OpenProject(ctx);
    EXPECT_EQ(scripted.lastMessage(), " Can't open project !\nThe file does not exist.");
    EXPECT_FALSE(QFile::exists(path("none.kpj")));
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
    EXPECT_EQ(main->windowTitle(), caption);
    EXPECT_EQ(w->txtProject->text(), "typed, not saved");
    EXPECT_EQ(main->lblProgessBar->text(), "");

    // A file too short for a record is refused the same way.
    QFile shortFile(path("short.kpj"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("abc");
    shortFile.close();
    scripted.files.push_back(path("short.kpj"));
    OpenProject(ctx);
    EXPECT_EQ(scripted.lastMessage(), " Can't open project !\nThe file is too short for a "
                                      "project: 3 bytes where 16,650 are needed.");
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
    EXPECT_EQ(TrimBlanks(ctx.store.ProjectName), "Main line");

    // Cancelled: nothing happens, not even a message.
    const size_t said = scripted.messages.size();
    OpenProject(ctx);
    EXPECT_EQ(scripted.messages.size(), said);
    EXPECT_EQ(scripted.fileRequests.back().req.title, "OPEN AN EXISTING VEMORA PROJECT");
}

TEST_F(ProjectFilesTest, OpenShowsTheSavedProject)
{
    FillPumping();
    w->txtPumpDescription->setText(QStringLiteral("two stage"));
    ASSERT_TRUE(SaveAs("p.kpj"));
    NewOfType(0);
    EXPECT_EQ(w->txtProject->text(), "");
    scripted.files.push_back(path("p.kpj"));
    OpenProject(ctx);
    EXPECT_EQ(w->txtProject->text(), "Lift");
    EXPECT_EQ(main->windowTitle(), "  Vemora (Lift)");
    EXPECT_TRUE(w->optPumpDetails->isChecked());
    EXPECT_EQ(w->txtH[5]->text(), "50");
    EXPECT_EQ(w->txtQ[3]->text(), "0.3");
    EXPECT_TRUE(w->txtPumpDescription->text().startsWith("two stage"));
    EXPECT_EQ(main->lblSystem->text(), "Pumping system");
}

TEST_F(ProjectFilesTest, ProjectDateKeepsItsFourDigitYear)
{
    FillGravity();
    w->dtpDate->setValue(QDate(2031, 3, 9));
    ASSERT_TRUE(SaveAs("p.kpj"));
    EXPECT_EQ(ctx.store.ProjectDate.substr(0, 10), "09/03/2031");
    EXPECT_EQ(w->dtpDate->Value(), QDate(2031, 3, 9));
}

TEST_F(ProjectFilesTest, DeleteRefusesAProjectWithoutAFileOfItsOwn)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("old.kpj"));
    NewOfType(0); // no file of its own, though old.kpj was open
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "The project has not been saved and thus cannot be deleted");
    EXPECT_EQ(scripted.messages.back().icon, MsgIcon::None);
    EXPECT_TRUE(QFile::exists(path("old.kpj")));
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

TEST_F(ProjectFilesTest, DeleteAsksAndOnlyYesDeletes)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    HideWorkingWindow(ctx, w);
    scripted.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "Are you sure you want to delete the current project ?");
    EXPECT_TRUE(QFile::exists(path("p.kpj")));
    EXPECT_FALSE(w->isHidden());

    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(DeleteProject(ctx));
    EXPECT_FALSE(QFile::exists(path("p.kpj")));
    EXPECT_EQ(scripted.lastMessage(), "The current project was successfully deleted");
    EXPECT_FALSE(ctx.store.ProjectOpen);
    EXPECT_TRUE(w->isHidden());

    // No project open: Delete refuses, and the view bookkeeping does not
    // bring the deleted project's window back.
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "First open the project that you want to delete");
    ctx.viewCode = WorkingView::Input;
    RestoreCurrentView(ctx);
    EXPECT_TRUE(w->isHidden());
    ctx.viewCode = WorkingView::InputAfterResults;
    RestoreCurrentView(ctx);
    EXPECT_TRUE(w->isHidden());
}

// Only edits pending refuse: an edit typed back, or saved by View profile,
// leaves the project free to delete.
TEST_F(ProjectFilesTest, DeleteRefusesOnlyEditsPending)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    w->txtBRWL->setText(QStringLiteral("41"));
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "The project has not been saved and thus cannot be deleted");
    w->txtBRWL->setText(QStringLiteral("40"));
    scripted.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "Are you sure you want to delete the current project ?");

    w->txtBRWL->setText(QStringLiteral("41"));
    w->sscViewProfile->click(); // saves; no profile view is installed here
    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(DeleteProject(ctx));
    EXPECT_FALSE(QFile::exists(path("p.kpj")));
}

TEST_F(ProjectFilesTest, DeleteThatFailsSaysWhyAndKeepsTheProjectOpen)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    // A read-only folder keeps its files.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    {
        AsOtherUser other;
        scripted.answers.push_back(MsgAnswer::Yes);
        EXPECT_FALSE(DeleteProject(ctx));
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(scripted.lastMessage(),
              "Could not delete the project.\nYou may not write in this folder.");
    EXPECT_EQ(scripted.messages.back().title, "Error !");
    EXPECT_TRUE(QFile::exists(path("p.kpj")));
    EXPECT_TRUE(ctx.store.ProjectOpen);

    // A file that another program removed.
    QFile::remove(path("p.kpj"));
    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_FALSE(DeleteProject(ctx));
    EXPECT_EQ(scripted.lastMessage(), "Could not delete the project.\nThe file does not exist.");
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

// Opens `file` and gives the message the open showed (none: "").
QString OpenMessage(ScriptedUi& scripted, AppContext& ctx, const QString& file)
{
    const size_t said = scripted.messages.size();
    scripted.files.push_back(file);
    OpenProject(ctx);
    return scripted.messages.size() == said ? QString() : scripted.lastMessage();
}

TEST_F(ProjectFilesTest, AFileThatWillNotOpenIsRefusedWithItsReason)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    const QByteArray good = Bytes("p.kpj");
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    };

    const auto changed = [&](auto change) {
        ProjectRecord rec = DecodeRecord(good.constData());
        change(rec);
        return QByteArray::fromStdString(EncodeRecord(rec));
    };
    const QByteArray life = changed([](ProjectRecord& r) { r.DesignLife = 500; });
    EXPECT_EQ(OpenMessage(scripted, ctx, write("life.kpj", life)),
              " Can't open project !\nThe file is damaged: DesignLife is 500, outside 2 to 100.");
    const QByteArray damaged = changed([](ProjectRecord& r) { r.ElevationUnit = 7; });
    EXPECT_EQ(OpenMessage(scripted, ctx, write("damaged.kpj", damaged)),
              " Can't open project !\nThe file is damaged: ElevationUnit is 7, outside 0 to 3.");

    QByteArray text;
    while (text.size() < good.size())
        text += "Chainage, elevation, diameter\r\n";
    EXPECT_TRUE(OpenMessage(scripted, ctx, write("notes.kpj", text))
                    .startsWith(" Can't open project !\nThe file is damaged: SystemType is "));

    EXPECT_EQ(OpenMessage(scripted, ctx, path("gone.kpj")),
              " Can't open project !\nThe file does not exist.");

    // Read permission: the file is the saving user's, kept from others.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                          QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    const QString secret = write("secret.kpj", good);
    QFile::setPermissions(secret, QFileDevice::WriteOwner);
    {
        AsOtherUser other;
        EXPECT_EQ(OpenMessage(scripted, ctx, secret),
                  " Can't open project !\nYou may not read this file.");
    }
    // None of them replaced the project.
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
    EXPECT_EQ(w->txtProject->text(), "Main line");
}

TEST_F(ProjectFilesTest, ASaveThatCannotWriteSaysWhy)
{
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    const QByteArray before = Bytes("p.kpj");
    QFile::setPermissions(path("p.kpj"), QFile::permissions(path("p.kpj")) |
                                             QFileDevice::WriteGroup | QFileDevice::WriteOther);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    {
        AsOtherUser other;
        SaveProject(ctx);
        EXPECT_EQ(scripted.lastMessage(),
                  "Can't Save the project !\nYou may not write in this folder.");
        EXPECT_FALSE(SaveAs("q.kpj"));
        EXPECT_EQ(scripted.lastMessage(),
                  "Can't Save the project !\nYou may not write in this folder.");
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(Bytes("p.kpj"), before);
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());
}

TEST_F(ProjectFilesTest, ASaveOntoAFullDiskSaysSo)
{
    FillGravity();
    SmallDisk disk(dir.path().toStdString(), 20480);
    if (!disk.Mounted()) GTEST_SKIP() << "this user may not mount a small disk";
    ASSERT_TRUE(SaveAs("p.kpj")); // 16,650 of the 20,480 bytes
    const QByteArray before = Bytes("p.kpj");
    w->txtBRWL->setText(QStringLiteral("2"));
    SaveProject(ctx);
    EXPECT_EQ(scripted.lastMessage(), "Can't Save the project !\nThe disk is full.");
    EXPECT_EQ(Bytes("p.kpj"), before);
}

TEST_F(ProjectFilesTest, ASaveThroughALinkPlantedInASharedFolderIsRefused)
{
    if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    const QByteArray before = Bytes("p.kpj");
    QTemporaryDir shared;
    QFile::setPermissions(shared.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                             QFileDevice::WriteOther | QFileDevice::ExeOther);
    ASSERT_EQ(::chmod(shared.path().toLocal8Bit().constData(), 01777), 0);
    const QString planted = shared.filePath(QStringLiteral("plan.kpj"));
    ASSERT_TRUE(QFile::link(path("p.kpj"), planted));
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), OtherUser, gid_t(-1)), 0);

    w->txtBRWL->setText(QStringLiteral("3"));
    scripted.files.push_back(planted);
    SaveProjectAs(ctx);
    EXPECT_EQ(scripted.lastMessage(), "Can't Save the project !\nThe name is a link that another "
                                      "user made in a shared folder; it is not followed.");
    EXPECT_EQ(Bytes("p.kpj"), before);
    EXPECT_EQ(ctx.store.ProjectFilePath, path("p.kpj").toStdString());

    // A link of the user's own in the same folder is followed.
    const QString own = shared.filePath(QStringLiteral("own.kpj"));
    ASSERT_TRUE(QFile::link(path("p.kpj"), own));
    scripted.files.push_back(own);
    SaveProjectAs(ctx);
    EXPECT_EQ(ctx.store.EndReservoirLevel, 3.0f);
    EXPECT_NE(Bytes("p.kpj"), before);
}

// Open refuses the planted link as Save does, with Save's reason, and the
// project open stays as it was.
TEST_F(ProjectFilesTest, AnOpenThroughALinkPlantedInASharedFolderIsRefused)
{
    if (const std::string why = CannotActAsOtherUser(); !why.empty()) GTEST_SKIP() << why;
    FillGravity();
    ASSERT_TRUE(SaveAs("p.kpj"));
    ASSERT_TRUE(SaveAs("other.kpj"));
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(shared.path().toLocal8Bit().constData(), 01777), 0);
    const QString planted = shared.filePath(QStringLiteral("plan.kpj"));
    ASSERT_TRUE(QFile::link(path("p.kpj"), planted));
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), OtherUser, gid_t(-1)), 0);

    scripted.files.push_back(planted);
    OpenProject(ctx);
    EXPECT_EQ(scripted.lastMessage(), " Can't open project !\nThe name is a link that another "
                                      "user made in a shared folder; it is not followed.");
    EXPECT_EQ(ctx.store.ProjectFilePath, path("other.kpj").toStdString());
}

// Another program replaced the project file after it was opened: a save asks
// before it writes over it. Cancel writes nothing, Yes writes, No saves under
// another name through Save As; a file gone meanwhile is written unasked.
TEST_F(ProjectFilesTest, ASaveOverAFileAnotherProgramChangedAsksFirst)
{
    const QString question = QStringLiteral("The project file has been changed by another "
                                            "program since it was opened.\nDo you want to "
                                            "overwrite it ?");
    FillGravity();
    ASSERT_TRUE(SaveAs("other.kpj"));
    w->txtBRWL->setText(QStringLiteral("7"));
    ASSERT_TRUE(SaveAs("p.kpj"));
    const QByteArray theirs = Bytes("other.kpj");
    const auto replaceByTheirs = [&] {
        QFile::copy(path("other.kpj"), path("new.kpj"));
        ASSERT_EQ(::rename(path("new.kpj").toLocal8Bit().constData(),
                           path("p.kpj").toLocal8Bit().constData()),
                  0);
    };
    const auto save = [&] { return SaveProject(ctx) == SaveOutcome::Saved; };

    // An unchanged file is saved unasked, again and again.
    size_t said = scripted.messages.size();
    ASSERT_TRUE(save());
    ASSERT_TRUE(save());
    EXPECT_EQ(scripted.messages.size(), said);

    replaceByTheirs();
    scripted.answers.push_back(MsgAnswer::Cancel);
    EXPECT_FALSE(save());
    EXPECT_EQ(scripted.lastMessage(), question);
    EXPECT_EQ(scripted.messages.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(Bytes("p.kpj"), theirs);

    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(save());
    EXPECT_EQ(scripted.lastMessage(), question);
    EXPECT_NE(Bytes("p.kpj"), theirs);
    said = scripted.messages.size();
    EXPECT_TRUE(save()); // the program's own save is noted
    EXPECT_EQ(scripted.messages.size(), said);

    replaceByTheirs();
    scripted.answers.push_back(MsgAnswer::No);
    scripted.files.push_back(std::nullopt); // Save As cancelled: the command stops
    EXPECT_FALSE(save());
    EXPECT_EQ(Bytes("p.kpj"), theirs);
    scripted.answers.push_back(MsgAnswer::No);
    scripted.files.push_back(path("mine.kpj"));
    EXPECT_TRUE(save());
    EXPECT_EQ(Bytes("p.kpj"), theirs);
    EXPECT_EQ(ctx.store.ProjectFilePath, path("mine.kpj").toStdString());
    EXPECT_EQ(ctx.store.EndReservoirLevel, 7.0f);

    said = scripted.messages.size();
    ASSERT_TRUE(QFile::remove(path("mine.kpj")));
    EXPECT_TRUE(save());
    EXPECT_EQ(scripted.messages.size(), said);
    EXPECT_TRUE(QFile::exists(path("mine.kpj")));
}

} // namespace
} // namespace vemora::test
