// The import wizard driven as a user drives it: its buttons clicked, the
// clipboard scripted, the profile grid and the store looked at afterwards.
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>
#include <random>

#include "ImportWizardFixture.h"
#include "input/frmImport.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

TEST_F(ImportWizardTest, PasteNextFinishReplacesTheProfileAndDiscardsTheResults)
{
    ctx.store.ResultsValid = true;
    scripted.setClipboardText(ThreeRows);
    const int result = Run([](frmImport& d) {
        EXPECT_EQ(d.windowTitle(), "  IMPORT PROFILE DATA WIZARD");
        EXPECT_EQ(d.CurrentStep(), 1);
        EXPECT_FALSE(d.sscPrevious->isEnabled());
        ClickOn(d.sscNext);
        EXPECT_EQ(d.CurrentStep(), 2);
        EXPECT_TRUE(d.sscPrevious->isEnabled());
        EXPECT_TRUE(d.lblPaste->isHidden());
        ClickOn(d.sscPaste);
        EXPECT_FALSE(d.lblPaste->isHidden());
        ClickOn(d.sscNext);
        ASSERT_EQ(d.CurrentStep(), 3);
        EXPECT_EQ(d.sscNext->text(), "&Finish");
        EXPECT_EQ(d.width(), twipsToPixels(frmImport::WideWidth));
        EXPECT_EQ(d.msgFImport->width(), twipsToPixels(frmImport::WideGrid));
        FlexGrid* g = d.msgFImport;
        EXPECT_EQ(g->Rows(), 4);
        EXPECT_EQ(g->TextMatrix(0, 2), "Accumulated length");
        EXPECT_TRUE(g->cellFontBoldAt(0, 7));
        EXPECT_EQ(g->TextMatrix(2, 1), "1180.5");
        EXPECT_EQ(g->TextMatrix(2, 6), "");
        EXPECT_EQ(g->TextMatrix(3, 7), "Node");
        EXPECT_EQ(g->TextMatrix(3, 0), "");
        ClickOn(d.sscNext);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const ProjectStore& s = ctx.store;
    EXPECT_EQ(s.NodeCount, 3);
    EXPECT_EQ(s.NodeElevation[2], 1180.5f);
    EXPECT_EQ(s.NodeAccumulatedLength[3], 600.0f);
    EXPECT_EQ(s.SecondaryLoss[2], 0.0f);
    EXPECT_EQ(s.SecondaryLoss[3], 1.2f);
    EXPECT_EQ(s.NodeElevation[4], UnusedNode);
    EXPECT_FALSE(s.ResultsValid);
    // The input window shows again, its profile grid refilled.
    EXPECT_TRUE(IsWorkingWindowShowing(ctx, w));
    EXPECT_EQ(w->msgProfile->Rows(), 4);
    EXPECT_EQ(w->msgProfile->TextMatrix(3, 1), "1150");
    EXPECT_EQ(w->msgProfile->TextMatrix(1, 5), "850");
}

TEST_F(ImportWizardTest, RefusalsStayOnStepTwoAndLeaveTheProfile)
{
    Run([this](frmImport& d) {
        ClickOn(d.sscNext);
        // Next before any paste.
        ClickOn(d.sscNext);
        EXPECT_EQ(d.CurrentStep(), 2);
        EXPECT_EQ(scripted.lastMessage(), QString::fromUtf8(NoPastedDataMessage.data()));
        EXPECT_EQ(scripted.messages.back().title, "Error !");
        // An empty clipboard.
        ClickOn(d.sscPaste);
        EXPECT_EQ(scripted.lastMessage(), "There was nothing on the clipboard to paste");
        EXPECT_EQ(scripted.messages.back().title, "Vemora: Error");
        EXPECT_EQ(scripted.messages.back().icon, MsgIcon::Question);
        EXPECT_TRUE(d.lblPaste->isHidden());
        // Each refusal of Next comes at the paste already, naming its row,
        // with no success line; Next then still refuses.
        const auto refusedAtPaste = [&](const char* text, const QString& message) {
            SCOPED_TRACE(text);
            scripted.setClipboardText(text);
            ClickOn(d.sscPaste);
            EXPECT_EQ(scripted.lastMessage(), message);
            EXPECT_EQ(scripted.messages.back().title, "Error !");
            EXPECT_EQ(scripted.messages.back().icon, MsgIcon::Exclamation);
            EXPECT_TRUE(d.lblPaste->isHidden());
            ClickOn(d.sscNext);
            EXPECT_EQ(d.CurrentStep(), 2);
            EXPECT_EQ(scripted.lastMessage(), QString::fromUtf8(NoPastedDataMessage.data()));
        };
        // A copied heading row names its cell.
        refusedAtPaste("Elevation\tChainage\n1200\t0\n",
                       "Row 1, column 1 (Elevation) holds \"Elevation\", which is not a number.  "
                       "Correct the data in the spreadsheet, copy it and paste again.");
        // Seven columns: the user must select again.
        refusedAtPaste("1\t2\n1\t2\t3\t4\t5\t6\t7\n",
                       "Row 2 of the selection " + QString::fromUtf8(TooManyColumnsMessage.data()));
        // The file's end-of-profile mark.
        refusedAtPaste("310\t0\n999999\t999999\n",
                       "Row 2 holds 999999 as both its elevation and its accumulated length, "
                       "which a project file reads as the end of the profile.  Correct the data "
                       "in the spreadsheet, copy it and paste again.");
        // No complete row.
        refusedAtPaste("1200\t0", QString::fromUtf8(NothingCouldBePastedMessage.data()));
        ClickOn(d.sscCancel);
    });
    EXPECT_TRUE(ProfileUnchanged());
    EXPECT_TRUE(IsWorkingWindowShowing(ctx, w));
}

// A pasted row of 999999 and 999999, the file's end-of-profile mark, would
// end the profile there at the next Open: the paste refuses it by its row,
// with no success line, and the wizard waits on step 2 for another paste.
TEST_F(ImportWizardTest, ARowHoldingTheEndOfProfileMarkIsRefusedAtPaste)
{
    scripted.setClipboardText("310\t0\n999999\t999999\n280\t1000\n");
    Run([this](frmImport& d) {
        ClickOn(d.sscNext);
        ClickOn(d.sscPaste);
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_TRUE(scripted.lastMessage().startsWith(
            "Row 2 holds 999999 as both its elevation and its accumulated length"))
            << scripted.lastMessage().toStdString();
        EXPECT_EQ(scripted.messages.back().title, "Error !");
        EXPECT_TRUE(d.lblPaste->isHidden());
        ClickOn(d.sscNext);
        EXPECT_EQ(d.CurrentStep(), 2);
        ClickOn(d.sscCancel);
    });
    EXPECT_TRUE(ProfileUnchanged());
    EXPECT_EQ(w->msgProfile->Rows(), 3);
}

TEST_F(ImportWizardTest, PreviousAndNextWalkBackAndParseTheSamePasteAgain)
{
    scripted.setClipboardText(ThreeRows);
    const int result = Run([this](frmImport& d) {
        ClickOn(d.sscPrevious); // no effect on step 1
        EXPECT_EQ(d.CurrentStep(), 1);
        ClickOn(d.sscNext);
        ClickOn(d.sscPrevious);
        EXPECT_EQ(d.CurrentStep(), 1);
        EXPECT_FALSE(d.sscPrevious->isEnabled());
        EXPECT_TRUE(d.tmrWizard->isActive());
        ClickOn(d.sscNext);
        EXPECT_FALSE(d.tmrWizard->isActive());
        ClickOn(d.sscPaste);
        ClickOn(d.sscNext);
        ASSERT_EQ(d.CurrentStep(), 3);
        ClickOn(d.sscPrevious);
        EXPECT_EQ(d.CurrentStep(), 2);
        EXPECT_EQ(d.sscNext->text(), "&Next");
        EXPECT_EQ(d.width(), twipsToPixels(frmImport::NarrowWidth));
        scripted.setClipboardText(QString()); // no new paste is needed
        ClickOn(d.sscNext);
        EXPECT_EQ(d.CurrentStep(), 3);
        EXPECT_EQ(d.msgFImport->Rows(), 4);
        ClickOn(d.sscHelp);
        ClickOn(d.sscCancel); // on step 3: nothing imported
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(scripted.helpTopics, std::vector<int>{3030});
    EXPECT_TRUE(ProfileUnchanged());
    // The next opening starts again at step 1, with no paste.
    Run([](frmImport& d) {
        EXPECT_EQ(d.CurrentStep(), 1);
        EXPECT_TRUE(d.lblPaste->isHidden());
        EXPECT_EQ(d.ImportWizardStep(), 1);
    });
}

TEST_F(ImportWizardTest, AHundredRowsPreviewInAHundredAndOneGridRows)
{
    QString text;
    for (int r = 0; r < 100; ++r)
        text += QString("%1\t%2\r\n").arg(1000 - r).arg(r * 10);
    scripted.setClipboardText(text);
    Run([](frmImport& d) {
        ClickOn(d.sscNext);
        ClickOn(d.sscPaste);
        ClickOn(d.sscNext);
        EXPECT_EQ(d.msgFImport->Rows(), 101);
        ClickOn(d.sscNext);
    });
    EXPECT_EQ(ctx.store.NodeCount, 100);
    EXPECT_EQ(ctx.store.NodeElevation[100], 901.0f);
    EXPECT_EQ(w->msgProfile->Rows(), 101);
}

TEST_F(ImportWizardTest, AnimationsCycleTheNineteenFramesAndPasteRunsThemOnce)
{
    Run([](frmImport& d) {
        const QImage first = d.imgWiz[0].toImage();
        EXPECT_NE(first, d.imgWiz[18].toImage()); // the frames differ
        for (int i = 0; i < 19; ++i)
            d.tmrWizard_Timer();
        EXPECT_EQ(d.ImportWizardStep(), 1); // back to the start after 19
        d.tmrWizard_Timer();
        EXPECT_EQ(d.ImportWizardStep(), 2);

        ClickOn(d.sscNext);
        ClickOn(d.sscPaste);
        EXPECT_TRUE(d.tmrPaste->isActive());
        for (int i = 0; i < 10; ++i)
            d.tmrPaste_Timer();
        ClickOn(d.sscPaste); // a second press lets it run on
        EXPECT_EQ(d.PasteFrame(), 11);
        for (int i = 0; i < 9; ++i)
            d.tmrPaste_Timer();
        EXPECT_FALSE(d.tmrPaste->isActive());
        EXPECT_EQ(d.PasteFrame(), 1);
        EXPECT_EQ(d.imgWizard2[0]->pixmap().toImage(), d.imgWiz[18].toImage());
    });
}

TEST_F(ImportWizardTest, EveryButtonCarriesAHint)
{
    Run([](frmImport& d) {
        const auto buttons = d.findChildren<PictureButton*>();
        EXPECT_GE(buttons.size(), 4);
        for (const PictureButton* button : buttons)
            EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    });
}

// Random pasted text through the whole wizard: the profile changes only by a
// Finish on an accepted table, and then to exactly that table.
TEST_F(ImportWizardTest, RandomPastesNeverHalfReplaceTheProfile)
{
    std::mt19937 random(7);
    const std::string alphabet = "0123456789.-\t\t\r\n\n ab";
    Run([&](frmImport& d) {
        ClickOn(d.sscNext);
        for (int i = 0; i < 300; ++i) {
            std::string text(random() % 60, ' ');
            for (char& c : text)
                c = alphabet[random() % alphabet.size()];
            scripted.setClipboardText(QString::fromStdString(text));
            d.sscPaste_Click();
            d.sscNext_Click();
            if (d.CurrentStep() == 3) d.sscPrevious_Click();
            ASSERT_TRUE(ProfileUnchanged()) << text;
        }
        d.sscCancel_Click();
    });
}

} // namespace
} // namespace vemora::test
