// The results window as a user meets it: its size, pages and controls at
// load, the buttons that leave it, the help topics and the frames that its
// buttons show and hide.
#include <QApplication>

#include "ResultsWindowFixture.h"
#include "app/DiscardResults.h"
#include "platform/Twips.h"
#include "support/FramePlacement.h"
#include "support/StandInInput.h"

namespace vemora::test {
namespace {

// A view that only shows and hides, for the slots other windows fill.
class StandInWindow : public QWidget,
                      public IrrViewWindow,
                      public ProfileViewWindow,
                      public PumpViewWindow
{
  public:
    using QWidget::QWidget;
    QWidget* widget() override { return this; }
    void DrawProfilePlot() override {}
    void DrawPumpCurveGraph() override {}
};

template <typename Window> Window* InstallStandIn(WindowSlot<Window>& slot, QWidget* parent)
{
    slot.Install([parent]() -> Window* {
        auto* window = new StandInWindow(parent);
        window->hide();
        return window;
    });
    return slot.Load();
}

// The working windows sit in frames in a work area, as in the main window.
class FramedResultsWindowTest : public ResultsWindowTest
{
  protected:
    void SetUp() override
    {
        ResultsWindowTest::SetUp();
        main->frameWorkingWindows();
        ctx.windows.results.Unload();
        w = static_cast<frmResults*>(ctx.windows.results.Load());
        main->show();
    }
};

TEST_F(FramedResultsWindowTest, LoadsAtItsSizeWithItsPagesAndFramesAsDesigned)
{
    EXPECT_EQ(w->windowTitle(), "  RESULTS");
    EXPECT_EQ(w->size(), QSize(twipsToPixels(10605), twipsToPixels(7095)));
    EXPECT_TRUE(w->isHidden()); // loaded, not shown
    ctx.mainWindow().showWorkingWindow(w);
    ExpectFramedAtCorner(w);
    ctx.mainWindow().hideWorkingWindow(w);
    ASSERT_EQ(w->sstResults->count(), 3);
    EXPECT_EQ(w->sstResults->TabCaption(0), "Hydraulic analysis");
    EXPECT_EQ(w->sstResults->TabCaption(1), "System analysis");
    EXPECT_EQ(w->sstResults->TabCaption(2), "Cost analysis");
    EXPECT_EQ(w->sscInput->parentWidget(), w); // outside the tab control

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{w->fraTable, w->fraViewTable, w->fraDuty, w->fraComponents,
                                         w->fraIncomeLegend, w->Frame4})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* shown : std::initializer_list<QWidget*>{
             w->fraPlot, w->Frame1, w->fraNew, w->Frame2, w->fraDemandLegend, w->Frame3, w->Frame5})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    EXPECT_TRUE(w->ssoDemandCapacity->isChecked());
    EXPECT_TRUE(w->chkGradeline->isChecked());
    EXPECT_TRUE(w->chkComponents->isChecked());
    EXPECT_EQ(w->hscYears->Value(), 1);
    EXPECT_EQ(w->lblYear->text(), "2001");
    EXPECT_EQ(w->lblAnnual->text(), "Year : 1");
    EXPECT_EQ(w->lblX->text(), "Out of range");
    EXPECT_EQ(w->fraDemandLegend->title(), "Demand && Capacity Legend");
}

TEST_F(ResultsWindowTest, ControlsCarryTheirCaptionsAndToolTips)
{
    struct Expect
    {
        PictureButton* button;
        const char* caption;
        const char* tip;
    };
    const Expect buttons[] = {
        {w->sscInput, "&Input screen", "Click to return to the input screens"},
        {w->sscChangeView, "", "Click to view the profile for the selected year"},
        {w->sscView, "&View", "View the selected profile section"},
        {w->sscPrintView, "&Print View", "Print the currently viewed profile section"},
        {w->sscComponents, "&Components", "View the components legend"},
        {w->sscHide, "&Hide components legend", "Hide components legend"},
        {w->sscViewHydraulicTable, "View &table", "View table of profile details"},
        {w->sscHideHydraulicTable, "&Hide table", "Click to hide the analysis table"},
        {w->sscDutypoint, "&Duty point", "View the duty point"},
        {w->sscHideDuty, "&Hide duty point", "Click to hide the analysis table"},
        {w->sscPrintDutyYear, "&Print View", "Print the currently viewed profile section"},
        {w->sscViewTable, "&View table format", "View results in table format"},
        {w->sscHideTable, "&Hide table", "Click to hide the analysis table"},
        {w->sscPrintSystem, "&Print View", "Print the currently viewed graph"},
        {w->sscIRR, "&View IRR", "Click to view the IRR graph"},
        {w->sscHelp1, "Help", ""},
        {w->sscHelp2, "Help", ""},
        {w->sscHelp3, "Help", ""},
    };
    for (const Expect& e : buttons) {
        EXPECT_EQ(e.button->Caption(), e.caption) << e.button->objectName().toStdString();
        EXPECT_EQ(e.button->toolTip(), e.tip) << e.button->objectName().toStdString();
    }
    EXPECT_FALSE(w->sscChangeView->Picture().isNull());
    EXPECT_EQ(w->chkComponents->text(), " View components");
    EXPECT_EQ(w->chkComponents->toolTip(), "Select to view the pipeline components");
    EXPECT_EQ(w->chkGradeline->text(), " View hydraulic gradeline");
    EXPECT_EQ(w->chkGradeline->toolTip(), "Select to view the hydraulic gradeline");
    EXPECT_EQ(w->ssoDemandCapacity->text(), "Demand && Capacity");
    EXPECT_EQ(w->ssoDemandCapacity->toolTip(), "Select to view the Demand && Capacity graph");
    EXPECT_EQ(w->ssoIncomeExpenditure->text(), "Income && Expenditure");
    EXPECT_EQ(w->ssoIncomeExpenditure->toolTip(), "Select to view the Income && Expenditure graph");
    EXPECT_EQ(w->comBegin->toolTip(), "Select the begin of the section to be viewed");
    EXPECT_EQ(w->comEnd->toolTip(), "Select the end of the section to be viewed");
    EXPECT_EQ(w->Label10->text(), "Total capital cost");
    EXPECT_EQ(w->Label11->text(), "Annual costs");
    EXPECT_EQ(w->Label17->text(), "Select life cycle year");
}

TEST_F(ResultsWindowTest, HelpButtonsOpenTheirPagesTopics)
{
    QTest::mouseClick(w->sscHelp1, Qt::LeftButton);
    QTest::mouseClick(w->sscHelp2, Qt::LeftButton);
    QTest::mouseClick(w->sscHelp3, Qt::LeftButton);
    EXPECT_EQ(scripted.helpTopics, (std::vector<int>{6010, 6020, 6030}));
}

TEST_F(ResultsWindowTest, InputScreenWithoutAProjectRefusesAndStays)
{
    ctx.store.ProjectOpen = false;
    ctx.mainWindow().showWorkingWindow(w);
    w->sscInput->click();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "No project has been opened.");
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(scripted.messages[0].title, "Vemora Error");
    EXPECT_FALSE(w->isHidden());
}

TEST_F(FramedResultsWindowTest, InputScreenShowsTheInputAndKeepsTheResultsForLater)
{
    InstallStandInInput(ctx);
    QWidget* input = ctx.windows.input.Load()->widget();
    QWidget* profile = InstallStandIn(ctx.windows.profileView, main.get())->widget();
    InstallStandIn(ctx.windows.pumpView, main.get()); // loaded, not showing
    input->resize(400, 300);
    profile->show();
    ctx.store.ResultsValid = true;
    ctx.mainWindow().showWorkingWindow(w);
    w->sscInput->click();
    EXPECT_FALSE(input->isHidden());
    ExpectFramedAtCorner(input);
    EXPECT_FALSE(ctx.windows.profileView.Loaded()); // was showing: unloaded
    EXPECT_TRUE(ctx.windows.pumpView.Loaded());     // was not: left alone
    EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(ctx.windows.results.Loaded());
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(ResultsWindowTest, IrrButtonOpensTheIrrWindowBesideTheResults)
{
    InstallStandInInput(ctx);
    QWidget* input = ctx.windows.input.Load()->widget();
    input->show();
    ctx.windows.irrView.Install([this]() -> IrrViewWindow* {
        auto* window = new StandInWindow(main.get());
        window->hide();
        return window;
    });
    ctx.mainWindow().showWorkingWindow(w);
    w->sscIRR->click();
    ASSERT_TRUE(ctx.windows.irrView.Loaded());
    EXPECT_FALSE(ctx.windows.irrView.Get()->widget()->isHidden());
    EXPECT_TRUE(input->isHidden());
    EXPECT_FALSE(w->isHidden());

    // Without an open project the input window is left as it is.
    ctx.windows.irrView.Unload();
    ctx.store.ProjectOpen = false;
    input->show();
    w->sscIRR->click();
    EXPECT_TRUE(ctx.windows.irrView.Loaded());
    EXPECT_FALSE(input->isHidden());
}

TEST_F(ResultsWindowTest, InvalidatingTheResultsClosesTheWindow)
{
    ctx.store.ResultsValid = true;
    ctx.mainWindow().showWorkingWindow(w);
    DiscardResults(ctx);
    EXPECT_FALSE(ctx.windows.results.Loaded());
    // A fresh window comes back in its load state.
    auto* again = static_cast<frmResults*>(ctx.windows.results.Load());
    EXPECT_TRUE(again->fraTable->isHidden());
    EXPECT_EQ(again->lblAnnual->text(), "Year : 1");
}

TEST_F(ResultsWindowTest, FramesShowAndHideFromTheirButtons)
{
    Refresh();
    w->sscComponents->click();
    EXPECT_FALSE(w->fraComponents->isHidden());
    w->sscHide->click();
    EXPECT_TRUE(w->fraComponents->isHidden());
    w->sscViewHydraulicTable->click();
    EXPECT_FALSE(w->fraTable->isHidden());
    w->sscHideHydraulicTable->click();
    EXPECT_TRUE(w->fraTable->isHidden());
    w->sscViewTable->click();
    EXPECT_FALSE(w->fraViewTable->isHidden());
    w->sscHideTable->click();
    EXPECT_TRUE(w->fraViewTable->isHidden());

    // The options swap the legends; the table follows only on View table.
    w->ssoIncomeExpenditure->click();
    EXPECT_TRUE(w->fraDemandLegend->isHidden());
    EXPECT_FALSE(w->fraIncomeLegend->isHidden());
    EXPECT_EQ(w->msgSystem->TextMatrix(0, 1), "Yield");
    w->sscViewTable->click();
    EXPECT_EQ(w->msgSystem->TextMatrix(0, 1), "Income");
    w->ssoIncomeExpenditure->click(); // a click on the selected option acts too
    w->ssoDemandCapacity->click();
    EXPECT_FALSE(w->fraDemandLegend->isHidden());
    EXPECT_TRUE(w->fraIncomeLegend->isHidden());
    EXPECT_EQ(w->msgSystem->TextMatrix(0, 1), "Income");
}

TEST_F(ResultsWindowTest, DutyPointButtonOnlyForAPumpingSystemWithAPumpCurve)
{
    Refresh();
    EXPECT_TRUE(w->sscDutypoint->isHidden());
    PumpingStores();
    Refresh();
    EXPECT_FALSE(w->sscDutypoint->isHidden());
    w->sscDutypoint->click();
    EXPECT_FALSE(w->fraDuty->isHidden());
    w->sscHideDuty->click();
    EXPECT_TRUE(w->fraDuty->isHidden());
    ctx.store.PumpCurveGiven = 0;
    Refresh();
    EXPECT_TRUE(w->sscDutypoint->isHidden());
}

TEST_F(ResultsWindowTest, TheSystemGraphsDrawWithTheirLegends)
{
    PumpingStores();
    ctx.store.CurrencyCode = 1;
    Refresh();
    EXPECT_FALSE(w->picSystem->drawing().isEmpty());
    EXPECT_EQ(w->lblYield->text(), "Yield (Mega liters/day)");
    w->ssoIncomeExpenditure->click();
    EXPECT_EQ(w->lblIncome->text(), "Income ($/year)");
    EXPECT_FALSE(w->lblEnergy->isHidden());
    EXPECT_FALSE(w->Shape[5]->isHidden());

    ctx.store.SystemType = 0;
    w->ssoIncomeExpenditure->click();
    EXPECT_TRUE(w->lblEnergy->isHidden());
    EXPECT_TRUE(w->Shape[5]->isHidden());
    // The two remaining cost entries stand where the graph puts them, below the caption line.
    EXPECT_GT(w->Shape[3]->y(), w->lblIncome->y() - 10);
}

TEST_F(ResultsWindowTest, ARightClickCopiesTheGraphAndALeftClickDoesNot)
{
    QTest::mouseClick(w->picSystem, Qt::LeftButton);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(scripted.clipboardImage().isNull());
    QTest::mouseClick(w->picHydraulic, Qt::RightButton);
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "The graph was copied to the clipboard");
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(scripted.messages[0].title, "Vemora");
    EXPECT_EQ(scripted.clipboardImage().size(), w->picHydraulic->Image().size());
}

} // namespace
} // namespace vemora::test
