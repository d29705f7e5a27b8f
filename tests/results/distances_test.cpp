// The section lists, the drawing switches and their check boxes, and the
// section a drawing or printed page needs.
#include "ResultsWindowFixture.h"
#include "platform/Twips.h"
#include "support/WaitLimit.h"

namespace vemora::test {
namespace {

class DistancesTest : public ResultsWindowTest
{
};

TEST_F(DistancesTest, ListsTheChainagesWithTheWholeProfileSelected)
{
    ctx.store.NodeCount = 2;
    ctx.store.NodeAccumulatedLength[1] = 0;
    ctx.store.NodeAccumulatedLength[2] = 1250.5f;
    w->FillDistanceCombos();
    ASSERT_EQ(w->comBegin->count(), 2);
    ASSERT_EQ(w->comEnd->count(), 2);
    EXPECT_EQ(w->comBegin->itemText(0), "0.000");
    EXPECT_EQ(w->comBegin->itemText(1), "1250.500");
    EXPECT_EQ(w->comEnd->itemText(1), "1250.500");
    EXPECT_EQ(w->comBegin->currentIndex(), 0);
    EXPECT_EQ(w->comEnd->currentIndex(), 1);

    // Filled again, the lists hold only the profile now analysed.
    ctx.store.NodeCount = 1;
    w->FillDistanceCombos();
    EXPECT_EQ(w->comBegin->count(), 1);
    EXPECT_EQ(w->comEnd->currentIndex(), 0);
    ctx.store.NodeCount = 0;
    w->FillDistanceCombos();
    EXPECT_EQ(w->comBegin->count(), 0);
    EXPECT_EQ(w->comEnd->currentIndex(), -1);
}

TEST_F(DistancesTest, TheCheckBoxesFollowTheDrawingSwitches)
{
    ThreeNodes();
    Refresh();
    w->chkGradeline->click(); // untick: the gradeline goes
    EXPECT_FALSE(w->chkGradeline->isChecked());
    EXPECT_TRUE(ctx.view.HideGradeline);
    w->chkComponents->click();
    EXPECT_TRUE(ctx.view.HideComponents);

    // A new analysis switches both back on, and the boxes say so without
    // their clicks running.
    Refresh();
    EXPECT_FALSE(ctx.view.HideGradeline);
    EXPECT_FALSE(ctx.view.HideComponents);
    EXPECT_TRUE(w->chkGradeline->isChecked());
    EXPECT_TRUE(w->chkComponents->isChecked());

    // A switch set elsewhere (the profile view shares the gradeline's): the
    // next click makes the drawing match the box again.
    ctx.view.HideGradeline = true;
    w->chkGradeline->click(); // unticked
    w->chkGradeline->click(); // ticked
    EXPECT_FALSE(ctx.view.HideGradeline);
}

TEST_F(DistancesTest, AProfileWithoutASectionAsksForOne)
{
    const auto lastMessage = [this] {
        return scripted.messages.empty() ? ScriptedUi::Message{} : scripted.messages.back();
    };
    // No nodes, one node, and a list without a selection.
    ctx.store.NodeCount = 0;
    w->FillDistanceCombos();
    w->sscView->click();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Select distance values from the list !");
    EXPECT_EQ(lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_EQ(lastMessage().title, "Vemora ERROR !");

    ctx.store.NodeCount = 1;
    w->FillDistanceCombos();
    w->sscChangeView->click();
    EXPECT_EQ(scripted.messages.size(), 2u);

    ThreeNodes();
    w->FillDistanceCombos();
    w->comBegin->setCurrentIndex(-1);
    w->chkGradeline->click();
    EXPECT_EQ(scripted.messages.size(), 3u);
    w->sscPrintView->click(); // the printed profile names its section too
    EXPECT_EQ(scripted.messages.size(), 4u);
    EXPECT_EQ(scripted.printDialogs, 0);

    w->comBegin->setCurrentIndex(0);
    const auto section = w->SelectedSection();
    ASSERT_TRUE(section);
    EXPECT_EQ(section->begin, 1);
    EXPECT_EQ(section->end, 3);
    EXPECT_EQ(scripted.messages.size(), 4u);
}

TEST_F(DistancesTest, TheProfileIsDrawnForTheChosenSectionAndYear)
{
    ThreeNodes();
    ctx.results.YearFlow[1] = 12.5f * ctx.results.DemandUnitFactor;
    Refresh();
    EXPECT_TRUE(w->picHydraulic->drawing().findText("Accumulated length( m )"));
    EXPECT_EQ(w->lblMaxFlow->text(), "Flow rate: 12.500 Mega liters/day");
    EXPECT_EQ(w->lblPumping->text(), "");
    // Drawn while the window is hidden, at the picture's own size.
    EXPECT_EQ(w->picHydraulicFrame.right,
              pixelsToTwips(w->picHydraulic->contentsRect().width()) - 600);
    EXPECT_TRUE(scripted.messages.empty());

    // The read-out over the plot in the project's units.
    main->show();
    ctx.mainWindow().showWorkingWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get(), WaitLimitMs()));
    QTest::mouseMove(w->picHydraulic, w->picHydraulic->rect().center());
    EXPECT_TRUE(w->lblX->text().endsWith(" m")) << w->lblX->text().toStdString();
    EXPECT_NE(w->lblX->text(), "Out of range");

    // A begin beyond the end is refused and the picture stays as drawn.
    w->comBegin->setCurrentIndex(2);
    w->comEnd->setCurrentIndex(0);
    w->sscView->click();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text,
              "The begin distance should be less than the end distance !");
    EXPECT_EQ(scripted.messages[0].title, "Vemora ERROR !");
    EXPECT_TRUE(w->picHydraulic->drawing().findText("Accumulated length( m )"));
}

TEST_F(DistancesTest, ARedrawRaisesTheHourglassAndDropsIt)
{
    ThreeNodes();
    Refresh();
    scripted.pointerChanges.clear();
    w->sscView->click();
    EXPECT_EQ(scripted.pointerChanges,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_EQ(w->hscYears->Max(), 30);
}

} // namespace
} // namespace vemora::test
