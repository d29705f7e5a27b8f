// The pump curve entry's View button and the pump-curve view it opens:
// the checks of the eighteen values, what is stored, the drawing, the
// read-out, the failing curve, copy, print, help and OK.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "input/InputWindowFixture.h"
#include "input/frmPumpView.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "support/FramePlacement.h"
#include "support/PdfPages.h"
#include "support/PumpLegendKeys.h"

using namespace vemora;
using namespace vemora::test;

namespace {

class PumpViewTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        NewOfType(PipelineSystem::Pumping);
        main->show();
        w->show();
    }

    // Types the six points (head, flow, efficiency).
    void typePoints(const std::vector<std::array<const char*, 3>>& points)
    {
        for (size_t k = 0; k < 6; ++k) {
            w->txtH[k]->setText(QString::fromLatin1(points[k][0]));
            w->txtQ[k]->setText(QString::fromLatin1(points[k][1]));
            w->txtEfficiency[k]->setText(QString::fromLatin1(points[k][2]));
        }
    }

    void typeExample()
    {
        typePoints({{"60", "0", "40"},
                    {"58", "100", "55"},
                    {"54", "200", "68"},
                    {"48", "300", "75"},
                    {"40", "400", "72"},
                    {"30", "500", "60"}});
    }

    frmPumpView* view() { return static_cast<frmPumpView*>(ctx.windows.pumpView.Get()); }

    void viewCurve() { QTest::mouseClick(w->sscViewCurve, Qt::LeftButton); }
};

} // namespace

TEST_F(PumpViewTest, StoresThePointsAndShowsTheView)
{
    main->frameWorkingWindows(); // the view in its frame, as in the main window
    typeExample();
    w->comHeadUnits->setCurrentIndex(1);
    w->comFlowUnits->setCurrentIndex(0);
    PretendResults();
    viewCurve();
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[1][1], 60);
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[2][6], 500);
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[3][4], 75);
    EXPECT_EQ(ctx.store.CurveHeadUnit, 1);
    EXPECT_EQ(ctx.store.CurveFlowUnit, 0);
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_FALSE(w->isVisible());
    ExpectFramedAtCorner(view());
    EXPECT_EQ(view()->windowTitle(), "  VIEW PUMP CURVE");
    EXPECT_EQ(view()->Label3->text(), "System efficiency :");
    EXPECT_NE(view()->picGraph->drawing().findText("Flow rate ( m³/h )"), nullptr);
    EXPECT_DOUBLE_EQ(view()->picGraphFrame.originY, 30);
}

TEST_F(PumpViewTest, IncompleteNegativeOrNonNumericPointsAreRefused)
{
    typeExample();
    w->txtEfficiency[3]->setText(QString());
    viewCurve();
    EXPECT_EQ(scripted.lastMessage(),
              "The pump curve data must be completed before it can be viewed.");
    EXPECT_EQ(scripted.messages.back().title, "Vemora : ERROR");
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[1][1], 0); // nothing stored

    w->txtEfficiency[3]->setText(QStringLiteral("-5"));
    viewCurve();
    EXPECT_EQ(scripted.lastMessage(),
              "The pump curve data must be completed before it can be viewed.");

    w->txtEfficiency[3]->setText(QStringLiteral("."));
    viewCurve();
    EXPECT_EQ(scripted.lastMessage(), "The pump efficiency of point 4 is not a number !");
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PumpViewTest, AllZeroIsRefusedButOnePositiveValuePasses)
{
    typePoints({{"0", "0", "0"},
                {"0", "0", "0"},
                {"0", "0", "0"},
                {"0", "0", "0"},
                {"0", "0", "0"},
                {"0", "0", "0"}});
    viewCurve();
    EXPECT_EQ(scripted.lastMessage(), "All the pump data cannot be zero !");
    EXPECT_EQ(scripted.messages.back().title, "Vemora : ERROR !");
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());

    // Stored, then the drawing finds nothing to scale: its message, and back to the input.
    for (size_t k = 0; k < 6; ++k)
        w->txtQ[k]->setText(QString::number(100 * k));
    w->txtH[2]->setText(QStringLiteral("12"));
    viewCurve();
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[1][3], 12);
    EXPECT_EQ(scripted.lastMessage(),
              "Could not show the pump curve.  Please check the pump data !");
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PumpViewTest, FlowsThatDoNotRiseAreRefusedWithTheReason)
{
    typePoints({{"60", "0", "40"},
                {"58", "100", "55"},
                {"54", "200", "68"},
                {"48", "300", "75"},
                {"40", "1200", "72"},
                {"30", "1100", "60"}});
    viewCurve();
    EXPECT_EQ(scripted.lastMessage(),
              "Could not show the pump curve.  Please check the pump data !\n"
              "The flow rates of the pump curve must rise from point 1 to point 6: point 6 "
              "(1100 m³/h) is not above point 5 (1200 m³/h).");
    EXPECT_EQ(scripted.messages.back().title, "Vemora");
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());   // nothing drawn
    EXPECT_FLOAT_EQ(ctx.store.PumpCurve[2][6], 0); // nothing stored
    EXPECT_TRUE(w->isVisible());

    w->txtQ[5]->setText(QStringLiteral("1300"));
    viewCurve();
    ASSERT_NE(view(), nullptr);
    EXPECT_FALSE(view()->picGraph->drawing().isEmpty());
}

TEST_F(PumpViewTest, ReadOutCopyPrintHelpAndOk)
{
    typeExample();
    w->comFlowUnits->setCurrentIndex(1);
    viewCurve();
    frmPumpView* v = view();
    ASSERT_NE(v, nullptr);
    const PlotFrame& f = v->picGraphFrame;
    // The read-out block is headed as the cursor's position, not the curve's values.
    const auto* heading = v->Frame1->findChild<QLabel*>(QStringLiteral("lblAtCursor"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "At the cursor:");
    EXPECT_LT(heading->geometry().bottom(), v->Label1->geometry().top());
    EXPECT_EQ(v->Label1->text(), "Pump head :");
    const double y = f.bottom - 220 - (45 - f.originY) * f.scaleY;
    emit v->picGraph->MouseMove(0, 0, f.left + 220 + 250 * f.scaleX, y);
    EXPECT_EQ(v->lblH->text(), "45.00 m");
    EXPECT_EQ(v->lblQ->text(), "250.00 m³/s");
    emit v->picGraph->MouseMove(0, 0, f.left, y);
    EXPECT_EQ(v->lblQ->text(), "Out of range");
    EXPECT_EQ(v->lblH->text(), "45.00 m");

    emit v->picGraph->MouseDown(mousebutton::Left, 0, 0, 0);
    EXPECT_TRUE(scripted.messages.empty());
    emit v->picGraph->MouseDown(mousebutton::Right, 0, 0, 0);
    EXPECT_EQ(scripted.lastMessage(), "The pump curve was copied to the clipboard");

    // The printed page's legend shows the keys of the two curves where the
    // legend stands: the pump curve blue, the efficiency curve green.
    QTemporaryDir dir;
    const QString pdf = dir.filePath("pump.pdf");
    scripted.printAnswers = {true};
    scripted.printCopies = {1};
    scripted.printFiles = {pdf};
    QTest::mouseClick(v->sscPrintView, Qt::LeftButton);
    const auto pages = readPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].text.contains("- Efficiency curve"));
    ExpectPumpLegendKeysOn(pdf, 0);

    QTest::mouseClick(v->sscHelp, Qt::LeftButton);
    EXPECT_EQ(scripted.helpTopics.back(), 3080);

    QTest::mouseClick(v->sscOK, Qt::LeftButton);
    EXPECT_FALSE(ctx.windows.pumpView.Loaded());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->txtH[0]->text(), "60");
}

namespace {

struct ReadOutCaption
{
    QLabel* frmPumpView::*label;
    const char* caption;
};

class PumpReadOutCaptionTest : public PumpViewTest,
                               public ::testing::WithParamInterface<ReadOutCaption>
{
};

} // namespace

// The read-out's captions, the efficiency one naming the system's efficiency
// at the cursor's height, each whole in its label.
TEST_P(PumpReadOutCaptionTest, CaptionsNameTheirValuesAndFit)
{
    typeExample();
    viewCurve();
    ASSERT_NE(view(), nullptr);
    const QLabel* label = view()->*(GetParam().label);
    EXPECT_EQ(label->text(), QString::fromUtf8(GetParam().caption));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
}

INSTANTIATE_TEST_SUITE_P(Captions, PumpReadOutCaptionTest,
                         ::testing::Values(ReadOutCaption{&frmPumpView::Label1, "Pump head :"},
                                           ReadOutCaption{&frmPumpView::Label2, "Pump flowrate :"},
                                           ReadOutCaption{&frmPumpView::Label3,
                                                          "System efficiency :"}));
