// Whether edits are pending: the record a save would write now against the
// one built at the last load, built without a message, a focus move or a
// write to the store.
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "InputWindowFixture.h"
#include "app/PendingEdits.h"
#include "engine/EngineProjects.h"
#include "platform/FlexGrid.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "project/ProjectFile.h"

namespace vemora::test {
namespace {

// A pumping project with a pump curve and every cost, saved to a file and
// opened, so its values have come through the record and the window's texts.
class PendingEditsTest : public InputWindowTest
{
  protected:
    void OpenSavedPumpingProject()
    {
        ASSERT_TRUE(dir.isValid());
        auto project = PumpingProject(20, 70, {{20, 0}, {35.7f, 812.5f}, {60, 1733.3f}});
        SetPumpCurve(*project, TypicalPumpCurve);
        AddCosts(*project);
        project->TariffSummerPeak = 0.1f; // no short text gives this float back exactly
        project->ProjectName = "Pending";
        project->Designer = "Tester";
        const std::string path = (dir.path() + QStringLiteral("/pending.kpj")).toStdString();
        int64_t number = 1;
        ASSERT_EQ(WriteProjectFile(path, SavedRecord(*project), number), FileStatus::Ok);
        ctx.store.ProjectFilePath = path;
        ASSERT_TRUE(LoadProject(ctx));
    }

    // Pending, and nothing of the store, the messages or the focus changed.
    bool PendingQuietly()
    {
        const ProjectRecord before = SavedRecord(ctx.store);
        QWidget* focus = QApplication::focusWidget();
        const bool pending = EditsPending(ctx);
        EXPECT_EQ(SavedRecord(ctx.store), before);
        EXPECT_TRUE(scripted.messages.empty());
        EXPECT_EQ(QApplication::focusWidget(), focus);
        return pending;
    }

    QTemporaryDir dir;
};

TEST_F(PendingEditsTest, OnlyAChangeOfWhatASaveWritesIsPending)
{
    OpenSavedPumpingProject();
    EXPECT_FALSE(PendingQuietly());

    // Making a cell current changes nothing that a save writes.
    w->sstInput->setTab(1);
    w->msgProfile->setRow(2);
    w->msgProfile->setCol(3);
    EXPECT_FALSE(PendingQuietly());

    w->txtProject->setText(QStringLiteral("Pending 2"));
    EXPECT_TRUE(PendingQuietly());
    w->txtProject->setText(QStringLiteral("Pending"));
    EXPECT_FALSE(PendingQuietly());

    const int unit = w->comElevationUnits->currentIndex();
    w->comElevationUnits->setCurrentIndex(unit + 1);
    EXPECT_TRUE(PendingQuietly());
    w->comElevationUnits->setCurrentIndex(unit);

    const QString cell = w->msgProfile->TextMatrix(2, 1);
    w->msgProfile->setTextMatrix(2, 1, QStringLiteral("36"));
    EXPECT_TRUE(PendingQuietly());
    w->msgProfile->setTextMatrix(2, 1, cell);

    QTest::mouseClick(w->lblWinterHour[3], Qt::LeftButton);
    EXPECT_TRUE(PendingQuietly());
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(w->lblWinterHour[3], Qt::LeftButton);
    EXPECT_FALSE(PendingQuietly());

    // A scroll bar writes the store at once: the file still holds the old life.
    w->hscLife->setValue(w->hscLife->Value() + 1);
    EXPECT_TRUE(PendingQuietly());
}

// A box or cell that a save would stop at is an edit, though its value in
// the record (0) may equal the saved one.
TEST_F(PendingEditsTest, WhatTheSaveChecksWouldRefuseIsPending)
{
    OpenSavedPumpingProject();
    const std::vector<std::pair<QLineEdit*, QString>> refused = {
        {w->txtDesigner, QString()},
        {w->txtSupervision, QString()},
        {w->txtDiscountRate, QStringLiteral("1.2.3")},
        {w->txtH[2], QString()},
        {w->txtLiningThickness, QStringLiteral(".")}};
    for (const auto& [box, text] : refused) {
        const QString saved = box->text();
        box->setText(text);
        EXPECT_TRUE(PendingQuietly()) << box->objectName().toStdString();
        box->setText(saved);
        EXPECT_FALSE(PendingQuietly()) << box->objectName().toStdString();
    }
    const QString staff = w->msgOperational->TextMatrix(3, 1);
    w->msgOperational->setTextMatrix(3, 1, QStringLiteral("12xy"));
    EXPECT_TRUE(PendingQuietly());
    w->msgOperational->setTextMatrix(3, 1, staff);
    EXPECT_FALSE(PendingQuietly());
}

// The blank project of New has empty required boxes: that is its saved
// state, not an edit. A deleted project has nothing pending.
TEST_F(PendingEditsTest, ABlankProjectAndADeletedOneHaveNothingPending)
{
    EXPECT_FALSE(PendingQuietly());
    w->txtProject->setText(QStringLiteral("First"));
    EXPECT_TRUE(PendingQuietly());
    ctx.store.ProjectOpen = false;
    EXPECT_FALSE(PendingQuietly());
}

} // namespace
} // namespace vemora::test
