// The IRR window opened from the results window: its range labels and
// scroll bars, the refused range, the read-out, copy, help and the way back.
#include <QLabel>

#include "app/DiscardResults.h"
#include "app/WorkingViews.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "results/ResultsWindowFixture.h"
#include "results/frmIRRView.h"

using namespace vemora;
using namespace vemora::test;

namespace {

class IrrViewTest : public ResultsWindowTest
{
  protected:
    void SetUp() override
    {
        ResultsWindowTest::SetUp();
        for (int i = 0; i <= MaxIrrSteps; ++i) {
            ctx.results.IrrRate[static_cast<size_t>(i)] = static_cast<float>(i / 100.0);
            ctx.results.IrrPvDifference[static_cast<size_t>(i)] = 1e6 - 100.0 * i;
        }
        ctx.store.ResultsValid = true;
        ctx.store.CurrencyCode = 1;
        main->show();
        w->show();
    }

    // The window as the results window's View IRR button opens it.
    frmIRRView* open()
    {
        QTest::mouseClick(w->sscIRR, Qt::LeftButton);
        return static_cast<frmIRRView*>(ctx.windows.irrView.Get());
    }

    std::vector<QString> rateLabels(frmIRRView* v)
    {
        std::vector<QString> out;
        const double bottom = v->picIRRFrame.bottom;
        for (const Primitive* t : v->picIRR->drawing().of(PrimitiveKind::Text))
            if (t->y1 == bottom + 50) out.push_back(t->text);
        return out;
    }
};

} // namespace

TEST_F(IrrViewTest, OpensOnTheFullRangeAndHidesTheResults)
{
    frmIRRView* v = open();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(v->windowTitle(), "  INTERNAL RATE OF RETURN (IRR)");
    EXPECT_EQ(v->lblBeginIRR->text(), "Begin IRR = 0%");
    EXPECT_EQ(v->lblEndIRR->text(), "End IRR = 200%");
    const std::vector<QString> labels = rateLabels(v);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front(), "0.0");
    EXPECT_EQ(labels.back(), "200.0");
}

TEST_F(IrrViewTest, ScrollBarsRelabelAtOnceAndViewRedraws)
{
    frmIRRView* v = open();
    const std::vector<QString> before = rateLabels(v);
    v->hsbBegin->setValue(500);
    v->hsbEnd->setValue(1500);
    EXPECT_EQ(v->lblBeginIRR->text(), "Begin IRR = 5%");
    EXPECT_EQ(v->lblEndIRR->text(), "End IRR = 15%");
    EXPECT_EQ(rateLabels(v), before); // the picture waits for View
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    const std::vector<QString> after = rateLabels(v);
    ASSERT_EQ(after.size(), 12u); // 11 divisions from 5 to 16
    EXPECT_EQ(after.front(), "5.0");
    v->hsbBegin->setValue(1250);
    EXPECT_EQ(v->lblBeginIRR->text(), "Begin IRR = 12.5%");
}

TEST_F(IrrViewTest, BeginNotBelowEndIsRefused)
{
    frmIRRView* v = open();
    const size_t drawn = v->picIRR->drawing().primitives().size();
    v->hsbBegin->setValue(1000);
    v->hsbEnd->setValue(1000);
    QTest::mouseClick(v->sscView, Qt::LeftButton);
    ASSERT_FALSE(scripted.messages.empty());
    EXPECT_EQ(scripted.messages.back().text,
              "The begin IRR value should be smaller than the end IRR value !");
    EXPECT_EQ(scripted.messages.back().title, "Vemora ERROR !");
    EXPECT_EQ(v->hsbBegin->Value(), 0);
    EXPECT_EQ(v->hsbEnd->Value(), 20000);
    EXPECT_EQ(v->lblBeginIRR->text(), "Begin IRR = 0%");
    EXPECT_EQ(v->lblEndIRR->text(), "End IRR = 200%");
    EXPECT_EQ(v->picIRR->drawing().primitives().size(), drawn);
}

TEST_F(IrrViewTest, EmptyScanSaysSo)
{
    std::fill(ctx.results.IrrPvDifference.begin(), ctx.results.IrrPvDifference.end(), 0.0);
    open();
    EXPECT_EQ(scripted.lastMessage(), "Could not show the Internal Rate of Return graph.");
}

// The rectangle a widget takes in the window, in the window's pixels.
QRect InWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// The read-out is headed as the cursor's position, not the IRR's: the
// heading stands above the row of captions and values, inside the window,
// clear of every other control; the row keeps above the drawn graph.
TEST_F(IrrViewTest, TheReadOutIsHeadedFromAbove)
{
    frmIRRView* v = open();
    const auto* heading = v->findChild<QLabel*>(QStringLiteral("lblAtCursor"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "At the cursor:");
    const QRect head = InWindow(heading, v);
    EXPECT_TRUE(v->rect().contains(head));
    const int textWidth = heading->fontMetrics().horizontalAdvance(heading->text());
    EXPECT_LE(textWidth, head.width());
    for (const QLabel* item : {v->Label1, v->lblX, v->Label2, v->lblY}) {
        const QRect at = InWindow(item, v);
        EXPECT_LE(head.bottom(), at.top()) << item->objectName().toStdString();
        EXPECT_LE((at.bottom() + 1 - v->picIRR->y()) * kTwipsPerPixel,
                  v->picIRRFrame.top - PlotFrame::kInset)
            << item->objectName().toStdString() << " covers the graph";
    }
    EXPECT_GE(head.left(), InWindow(v->Label1, v).left());
    EXPECT_LE(head.left() + textWidth, InWindow(v->lblY, v).right());
    for (const QWidget* other : v->findChildren<QWidget*>()) {
        if (other == heading || !other->isVisibleTo(v)) continue;
        EXPECT_FALSE(head.intersects(InWindow(other, v))) << other->objectName().toStdString();
    }
}

TEST_F(IrrViewTest, ReadOutCopyAndHelp)
{
    frmIRRView* v = open();
    const PlotFrame& f = v->picIRRFrame;
    const double x = f.left + 220 + (12.3454 - f.originX) * f.scaleX;
    const double y = f.bottom - 220 - (-125000 - f.originY) * f.scaleY;
    EXPECT_EQ(v->Label1->text(), "IRR :");
    emit v->picIRR->MouseMove(0, 0, x, y);
    EXPECT_EQ(v->lblX->text(), "12.345%");
    EXPECT_EQ(v->lblY->text(), "$-125000");
    emit v->picIRR->MouseMove(0, 0, f.left + 219, y);
    EXPECT_EQ(v->lblX->text(), "Out of range");
    emit v->picIRR->MouseDown(mousebutton::Left, 0, x, y);
    EXPECT_TRUE(scripted.messages.empty());
    emit v->picIRR->MouseDown(mousebutton::Right, 0, x, y);
    EXPECT_EQ(scripted.lastMessage(),
              "The Internal Rate of Return graph was copied to the clipboard");
    EXPECT_FALSE(scripted.clipboardImage().isNull());
    QTest::mouseClick(v->sscHelp, Qt::LeftButton);
    EXPECT_EQ(scripted.helpTopics.back(), 6030);
}

// OK goes back to the results window it hid, as its tool tip says.
TEST_F(IrrViewTest, OkReturnsToTheResults)
{
    frmIRRView* v = open();
    QTest::mouseClick(v->sscOK, Qt::LeftButton);
    EXPECT_FALSE(ctx.windows.irrView.Loaded());
    EXPECT_TRUE(w->isVisible());
}

// Results discarded meanwhile: OK restores the view the bookkeeping recorded.
TEST_F(IrrViewTest, OkWithoutValidResultsRestoresTheRecordedView)
{
    frmIRRView* v = open();
    ctx.store.ResultsValid = false;
    QTest::mouseClick(v->sscOK, Qt::LeftButton);
    EXPECT_FALSE(ctx.windows.irrView.Loaded());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ctx.viewCode, WorkingView::InputAfterResults);
}

TEST_F(IrrViewTest, InvalidatingTheResultsClosesTheWindow)
{
    open();
    ASSERT_TRUE(ctx.windows.irrView.Loaded());
    DiscardResults(ctx);
    EXPECT_FALSE(ctx.windows.irrView.Loaded());
    EXPECT_FALSE(ctx.windows.results.Loaded());
}

TEST_F(IrrViewTest, PrintWithoutPageSaysNotAvailable)
{
    frmIRRView* v = open();
    scripted.printAnswers.push_back(true);
    QTest::mouseClick(v->sscPrintView, Qt::LeftButton);
    EXPECT_FALSE(scripted.messages.empty());
}
