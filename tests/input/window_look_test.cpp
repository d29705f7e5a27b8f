// How the window looks where a layout can go wrong: captions on their frame
// borders with the rows below them, cut-off grid labels, a disabled table
// that looks enabled, and a table filled while scrolled.
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "InputWindowFixture.h"
#include "platform/FlexGrid.h"
#include "platform/TabControl.h"

namespace vemora::test {

namespace {

bool Dark(QRgb pixel)
{
    return qGray(pixel) < 110;
}

// The first pixel row, from the top, where the frame's right border line
// runs (darker than the frame's inside).
int BorderTop(QGroupBox* frame)
{
    const QImage image = frame->grab().toImage();
    const int x = image.width() - 4;
    const QColor inside = frame->palette().color(QPalette::Window);
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) + 40 < qGray(inside.rgb())) return y;
    return -1;
}

// The runs of pixel rows with text ink in a rectangle of an image.
int InkBands(const QImage& image, const QRect& area)
{
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = Dark(image.pixel(x, y));
        if (ink && !inBand) ++bands;
        inBand = ink;
    }
    return bands;
}

// True when no text ink touches the left or right edge of the area (a cut
// centred text reaches both).
bool InkClearOfSides(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (Dark(image.pixel(area.left(), y)) || Dark(image.pixel(area.right(), y))) return false;
    return true;
}

// Controls of one row of a frame (a label and its box) may stand side by
// side; controls of two rows must keep apart.
bool RowsTouch(const QRect& a, const QRect& b)
{
    const bool sameRow =
        std::abs(a.center().y() - b.center().y()) * 2 < std::min(a.height(), b.height());
    return !sameRow && a.adjusted(0, 0, 0, 1).intersects(b.adjusted(0, 0, 0, 1));
}

std::vector<QGroupBox*> CaptionedFrames(QWidget* window)
{
    std::vector<QGroupBox*> frames;
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        if (!frame->title().isEmpty()) frames.push_back(frame);
    return frames;
}

} // namespace

// The border line runs through the caption's line; the frame's first row
// sits below the caption and no control of a frame touches another or the
// frame's bottom edge.
TEST_F(InputWindowTest, FrameCaptionsSitOnTheBorderAndLeaveTheRowsTheirRoom)
{
    for (int type : {0, 1}) {
        NewOfType(type);
        w->optPumpDetails->setChecked(true); // the pump-curve frame too
        for (QGroupBox* frame : CaptionedFrames(w)) {
            const std::string name = frame->objectName().toStdString();
            const int line = frame->fontMetrics().height();
            const int border = BorderTop(frame);
            EXPECT_GE(border, 0) << name;
            EXPECT_LT(border, line) << name << ": the border runs below the caption";

            std::vector<QRect> controls;
            for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!child->isHidden()) controls.push_back(child->geometry());
            for (size_t i = 0; i < controls.size(); ++i) {
                EXPECT_GE(controls[i].top(), line) << name << ": a row under the caption";
                EXPECT_LT(controls[i].bottom(), frame->height() - 2)
                    << name << ": on the bottom edge";
                for (size_t j = i + 1; j < controls.size(); ++j)
                    EXPECT_FALSE(RowsTouch(controls[i], controls[j]))
                        << name << ": rows of controls " << i << " and " << j << " touch";
            }
        }
    }
}

// The laying grid's two tall rows wrap their long labels onto two lines
// instead of cutting them off.
TEST_F(InputWindowTest, TallLayingRowsWrapTheirLabels)
{
    NewOfType(0);
    w->sstInput->setTab(1);
    w->sscLaying_Click();
    FlexGrid* grid = w->msgLaying;
    const QImage image = grid->viewport()->grab().toImage();
    for (auto [r, c] : {std::pair{10, 1}, std::pair{15, 0}}) {
        const QRect cell = grid->cellRect(r, c).adjusted(1, 1, -3, -3);
        EXPECT_EQ(InkBands(image, cell), 2) << "row " << r;
        EXPECT_TRUE(InkClearOfSides(image, cell)) << "row " << r;
    }
    // Both in the grid's coordinates.
    EXPECT_TRUE(grid->viewport()->geometry().contains(grid->cellRect(15, 1)))
        << "the last row whole";
    // A short row keeps its label on one line.
    EXPECT_EQ(InkBands(image, grid->cellRect(1, 0).adjusted(1, 1, -3, -3)), 1);
}

// With the fixed demand chosen the demand table is disabled and looks it:
// greyed cells and text, as against the enabled table.
TEST_F(InputWindowTest, DisabledDemandTableLooksDisabled)
{
    NewOfType(0);
    w->msgDemand->setTextMatrix(1, 1, QStringLiteral("888888"));
    w->optGCalculatedFlowrate->setChecked(true);
    const QImage enabled = w->msgDemand->viewport()->grab().toImage();
    w->optGSpecifiedFlowrate->setChecked(true);
    ASSERT_FALSE(w->msgDemand->isEnabled());
    const QImage disabled = w->msgDemand->viewport()->grab().toImage();

    const QRect cell = w->msgDemand->cellRect(1, 1).adjusted(2, 2, -4, -4);
    EXPECT_NE(QColor(enabled.pixel(cell.topLeft())), QColor(disabled.pixel(cell.topLeft())));
    int darkestEnabled = 255, darkestDisabled = 255;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            darkestEnabled = std::min(darkestEnabled, qGray(enabled.pixel(x, y)));
            darkestDisabled = std::min(darkestDisabled, qGray(disabled.pixel(x, y)));
        }
    EXPECT_GT(darkestDisabled, darkestEnabled + 40) << "the disabled text is greyed";
}

// A new project's demand table shows its first years, however the table of
// the project before had been scrolled.
TEST_F(InputWindowTest, FilledDemandTableShowsItsFirstRows)
{
    NewOfType(0);
    w->optGCalculatedFlowrate->setChecked(true);
    w->msgDemand->setTopRow(25);
    ASSERT_EQ(w->msgDemand->TopRow(), 25);
    NewOfType(0);
    EXPECT_EQ(w->msgDemand->TopRow(), 1);
    EXPECT_FALSE(w->msgDemand->cellRect(1, 1).isEmpty());

    NewOfType(1);
    w->msgPumpDemand->setTopRow(20);
    NewOfType(1);
    EXPECT_EQ(w->msgPumpDemand->TopRow(), 1);
}

} // namespace vemora::test
