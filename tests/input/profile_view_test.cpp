// The profile view on a real project: opening on the whole profile and the
// first year, the year bar, the gradeline switch, a failed or pump-missed
// solution, the section checks and OK.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "engine/EngineProjects.h"
#include "input/InputWindowFixture.h"
#include "input/frmView.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "support/PdfPages.h"

using namespace vemora;
using namespace vemora::test;

namespace {

class ProfileViewTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        main->show();
        ctx.store = *GravityProject(100, 0, {{100, 0}, {60, 1000}, {30, 2500}, {0, 4000}});
        ctx.store.ProjectOpen = true;
    }

    frmView* open()
    {
        HideWorkingWindow(ctx, w);
        main->mnuRoughness->setVisible(true);
        ctx.windows.profileView.Load()->ShowProfile();
        return static_cast<frmView*>(ctx.windows.profileView.Get());
    }

    static size_t gradelineSegments(const frmView* v)
    {
        size_t n = 0;
        for (const Primitive* l : v->picGraph->drawing().of(PrimitiveKind::Line))
            n += l->color == 0xFF0000 ? 1 : 0;
        return n;
    }
};

} // namespace

TEST_F(ProfileViewTest, OpensOnTheWholeProfileAndTheFirstYear)
{
    frmView* v = open();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), "  VIEW PROFILE");
    ASSERT_EQ(v->comBegin->count(), 4);
    EXPECT_EQ(v->comBegin->itemText(1), "1000.000");
    EXPECT_EQ(v->comBegin->currentIndex(), 0);
    EXPECT_EQ(v->comEnd->currentIndex(), 3);
    EXPECT_EQ(v->lblYear->text(), "2021");
    EXPECT_EQ(v->hscYears->Min(), 1);
    EXPECT_EQ(v->hscYears->Max(), 10);
    EXPECT_EQ(gradelineSegments(v), 3u);
    EXPECT_TRUE(v->lblFlowrate->text().startsWith("Flow rate: "));
    EXPECT_TRUE(v->lblFlowrate->text().endsWith(" l/s"));
    EXPECT_EQ(v->lblKs->text(), "Roughness: 0.10000 mm");
    EXPECT_TRUE(v->lblPumping->text().isEmpty());
    EXPECT_NE(v->picGraph->drawing().findText("Accumulated length (m)"), nullptr);
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(ProfileViewTest, YearBarChoosesAndViewDraws)
{
    ctx.store.RoughnessOld = 2; // the flow falls as the pipe ages
    frmView* v = open();
    const QString first = v->lblFlowrate->text();
    v->hscYears->setValue(5);
    EXPECT_EQ(v->lblYear->text(), "2025");
    EXPECT_EQ(ctx.view.SelectedYear, 5);
    EXPECT_EQ(v->lblFlowrate->text(), first);
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    EXPECT_NE(v->lblFlowrate->text(), first);
}

TEST_F(ProfileViewTest, GradelineSwitchRedrawsAtOnce)
{
    frmView* v = open();
    QTest::mouseClick(v->chkHydraulic, Qt::LeftButton);
    EXPECT_TRUE(ctx.view.HideGradeline);
    EXPECT_EQ(gradelineSegments(v), 0u);
    QTest::mouseClick(v->chkHydraulic, Qt::LeftButton);
    EXPECT_FALSE(ctx.view.HideGradeline);
    EXPECT_EQ(gradelineSegments(v), 3u);
}

// A failed solution shows the ground alone and the captions' bare prefixes.
TEST_F(ProfileViewTest, FailedSolutionLeavesNoEarlierValues)
{
    frmView* v = open();
    ctx.store.RoughnessNewUnit = 42; // a unit the lists do not have
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    EXPECT_EQ(scripted.lastMessage(),
              "Could not determine the hydraulic gradeline. Please check input data\n"
              "A unit of the project is not one of its list.");
    EXPECT_EQ(v->lblKs->text(), "Roughness:");
    EXPECT_EQ(v->lblFlowrate->text(), "Flow rate:");
    EXPECT_EQ(gradelineSegments(v), 0u);
    EXPECT_FALSE(v->picGraph->drawing().isEmpty());
    EXPECT_FALSE(ctx.store.GradelineFailed);
}

// A flow beyond the top of the search (a 2 m pipe under 3000 m of head) is no
// gradeline: the view says why and draws the ground alone.
TEST_F(ProfileViewTest, AFlowBeyondTheSearchSaysWhy)
{
    ctx.store = *GravityProject(3000, 0, {{100, 0}, {50, 500}, {0, 1000}}, 2000);
    ctx.store.ProjectOpen = true;
    frmView* v = open();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text,
              QString::fromUtf8("The flow would exceed 100 m³/s: check the reservoir levels, the "
                                "profile and the pipe sizes !"));
    EXPECT_EQ(v->lblFlowrate->text(), "Flow rate:");
    EXPECT_EQ(gradelineSegments(v), 0u);
}

// A pump curve below the lift misses in year 1: one message per View, no gradeline.
TEST_F(ProfileViewTest, MissedPumpCurveIsAFailedGradeline)
{
    ctx.store = *PumpingProject(0, 50, {{0, 0}, {30, 600}, {45, 1000}});
    SetPumpCurve(ctx.store, {{20, 0.05f, 60},
                             {18, 0.1f, 70},
                             {15, 0.15f, 78},
                             {12, 0.2f, 80},
                             {8, 0.25f, 75},
                             {4, 0.3f, 65}});
    frmView* v = open();
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text,
              "The pump curve does not intersect the system curve for year 1");
    EXPECT_EQ(v->lblFlowrate->text(), "Flow rate:");
    EXPECT_EQ(v->lblPumping->text(), "Pumping head:");
    EXPECT_EQ(gradelineSegments(v), 0u);
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    EXPECT_EQ(scripted.messages.size(), 2u);
}

TEST_F(ProfileViewTest, SectionChecks)
{
    frmView* v = open();
    const size_t drawn = v->picGraph->drawing().primitives().size();
    v->comBegin->setCurrentIndex(2);
    v->comEnd->setCurrentIndex(1);
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    EXPECT_EQ(scripted.lastMessage(), "The begin distance should be less than the end distance !");
    EXPECT_EQ(v->picGraph->drawing().primitives().size(), drawn);
    v->comBegin->setCurrentIndex(-1);
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    EXPECT_EQ(scripted.lastMessage(), "Select distance values from the list !");
    EXPECT_EQ(v->comBegin->currentIndex(), 0);
    EXPECT_EQ(v->comEnd->currentIndex(), 3);
}

TEST_F(ProfileViewTest, YearBarNeverPassesTheStoredYears)
{
    ctx.store.DesignLife = 300;
    frmView* v = open();
    EXPECT_EQ(v->hscYears->Max(), MaxYears);
    v->hscYears->setValue(1000);
    EXPECT_EQ(ctx.view.SelectedYear, MaxYears);
}

TEST_F(ProfileViewTest, OkHidesTheCalibrationItemAndShowsTheInput)
{
    frmView* v = open();
    QTest::mouseClick(v->sscHelp, Qt::LeftButton);
    EXPECT_EQ(scripted.helpTopics.back(), 3060);
    QTest::mouseClick(v->sscOK, Qt::LeftButton);
    EXPECT_FALSE(ctx.windows.profileView.Loaded());
    EXPECT_FALSE(main->mnuRoughness->isVisible());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ProfileViewTest, PrintPutsTheViewOnALandscapePageOncePerCopy)
{
    frmView* v = open();
    QTemporaryDir dir;
    scripted.printAnswers = {true};
    scripted.printCopies = {2};
    scripted.printFiles = {dir.filePath("view.pdf")};
    QTest::mouseClick(v->sscPrintView, Qt::LeftButton);
    EXPECT_TRUE(scripted.messages.empty());
    const auto pages = readPdfPages(dir.filePath("view.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].landscape);
    EXPECT_TRUE(pages[0].text.contains("1000.000") || pages[0].text.contains("0.000"));
    EXPECT_TRUE(pages[1].text.contains("Page 1"));
}

namespace {

// Where the mouse has been over the plot before the read-outs are read.
enum class MousePath {
    NotYet,
    InThenOut,
    OutOnly,
};

class ProfileReadOutTest : public ProfileViewTest, public ::testing::WithParamInterface<MousePath>
{
};

} // namespace

// The read-outs show "Out of range" until the mouse is over the plot, as
// they do once it has left it.
TEST_P(ProfileReadOutTest, ReadOutsAreOutOfRangeOffThePlot)
{
    frmView* v = open();
    const PlotFrame& frame = v->picGraphFrame;
    const double inX = (frame.left + frame.right) / 2.0 + PlotFrame::kInset;
    const double inY = (frame.top + frame.bottom) / 2.0 - PlotFrame::kInset;
    if (GetParam() == MousePath::InThenOut) {
        v->picGraph_MouseMove(0, 0, inX, inY);
        EXPECT_TRUE(v->lblX->text().endsWith(" m")) << v->lblX->text().toStdString();
        EXPECT_TRUE(v->lblY->text().endsWith(" m")) << v->lblY->text().toStdString();
    }
    if (GetParam() != MousePath::NotYet) v->picGraph_MouseMove(0, 0, frame.left - 100, inY);
    EXPECT_EQ(v->lblX->text(), "Out of range");
    EXPECT_EQ(v->lblY->text(), "Out of range");
}

INSTANTIATE_TEST_SUITE_P(Paths, ProfileReadOutTest,
                         ::testing::Values(MousePath::NotYet, MousePath::InThenOut,
                                           MousePath::OutOnly));
