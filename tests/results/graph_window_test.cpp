// The results window's graphs as a user meets them with the mouse: the
// read-out over the profile at the edges of its frame, the right-click copy
// of each picture, the option buttons that swap graph and legend; and the
// graphs of real analyses staying inside their frames.
#include <QApplication>
#include <cmath>

#include "AnalysedProjects.h"
#include "ResultsWindowFixture.h"
#include "app/AnalyseProject.h"
#include "platform/Twips.h"
#include "support/GraphProjects.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

class GraphWindowTest : public ResultsWindowTest
{
  protected:
    // The results window shown and active in the main window, its profile
    // of three nodes and its demand graph drawn.
    void ShowDrawn()
    {
        ThreeNodes();
        Refresh();
        main->resize(900, 700);
        ctx.mainWindow().showWorkingWindow(w);
        ASSERT_TRUE(ShowActive(main.get()));
    }

    // The widget pixel of picHydraulic whose position is the inner pixel at
    // `twips` from the picture's inner top left corner, rounded up (`up`)
    // or down to whole pixels.
    int PixelX(double twips, bool up) const { return Pixel(twips, up, true); }
    int PixelY(double twips, bool up) const { return Pixel(twips, up, false); }

    // The read-out labels after the real pointer moved to (x, y) of picHydraulic.
    std::pair<QString, QString> ReadOutAt(int x, int y)
    {
        MoveMouseTo(w->picHydraulic, QPoint(x, y));
        return {w->lblX->text(), w->lblY->text()};
    }

  private:
    int Pixel(double twips, bool up, bool horizontal) const
    {
        const double inner = twips / kTwipsPerPixel;
        const int whole = static_cast<int>(up ? std::ceil(inner) : std::floor(inner));
        const QRect c = w->picHydraulic->contentsRect();
        return (horizontal ? c.left() : c.top()) + whole;
    }
};

const QString OutOfRange = QStringLiteral("Out of range");

TEST_F(GraphWindowTest, ReadOutFollowsThePointerToTheFrameEdgesAndNotOnePixelBeyond)
{
    ShowDrawn();
    const PlotFrame f = w->picHydraulicFrame;
    ASSERT_TRUE(f.valid());
    EXPECT_EQ(w->picHydraulic->cursor().shape(), Qt::CrossCursor);
    const int left = PixelX(f.left + 220, true), right = PixelX(f.right + 220, false);
    const int top = PixelY(f.top - 220, true), bottom = PixelY(f.bottom - 220, false);
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;

    // The section begins at 0 m; the gradeline of 0 m puts the origin at 0.
    EXPECT_EQ(ReadOutAt(left, bottom),
              std::pair(QStringLiteral("0.000 m"), QStringLiteral("0.000 m")));
    auto [x, y] = ReadOutAt(right, top);
    EXPECT_NE(x, OutOfRange);
    EXPECT_NE(y, OutOfRange);
    EXPECT_NEAR(x.section(' ', 0, 0).toDouble(), f.originX + (f.right - f.left) / f.scaleX,
                15 / f.scaleX);

    for (QPoint beyond : {QPoint(left - 1, midY), QPoint(right + 1, midY), QPoint(midX, top - 1),
                          QPoint(midX, bottom + 1)}) {
        EXPECT_EQ(ReadOutAt(beyond.x(), beyond.y()), std::pair(OutOfRange, OutOfRange))
            << beyond.x() << "," << beyond.y();
        EXPECT_NE(ReadOutAt(midX, midY).first, OutOfRange);
    }

    // In the project's units.
    ctx.store.ChainageUnit = 1;
    ctx.store.ElevationUnit = 2;
    std::tie(x, y) = ReadOutAt(midX + 1, midY);
    EXPECT_TRUE(x.endsWith(" km")) << x.toStdString();
    EXPECT_TRUE(y.endsWith(" ft")) << y.toStdString();
}

TEST_F(GraphWindowTest, TheProfileReadOutKeepsItsOwnFrameWhateverElseIsDrawn)
{
    ShowDrawn();
    const PlotFrame before = w->picHydraulicFrame;
    const QPoint at(PixelX(before.left + 220 + 1500, true),
                    PixelY(before.bottom - 220 - 900, true));
    const auto first = ReadOutAt(at.x(), at.y());
    ASSERT_NE(first.first, OutOfRange);

    PumpingStores();
    w->DrawPumpSystemCurves();
    ClickOn(w->ssoIncomeExpenditure);
    ClickOn(w->ssoDemandCapacity);
    EXPECT_EQ(w->picHydraulicFrame.scaleX, before.scaleX);
    EXPECT_EQ(w->picHydraulicFrame.originY, before.originY);
    EXPECT_EQ(ReadOutAt(at.x(), at.y()), first);
}

TEST_F(GraphWindowTest, ARightClickCopiesThePictureAsShown)
{
    ShowDrawn();
    ClickOn(w->picHydraulic, Qt::LeftButton);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(scripted.clipboardImage().isNull());

    scripted.pointerChanges.clear();
    ClickOn(w->picHydraulic, Qt::RightButton);
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, "The graph was copied to the clipboard");
    EXPECT_EQ(scripted.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(scripted.messages[0].title, "Vemora");
    EXPECT_EQ(scripted.pointerChanges,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    const QImage shown = w->picHydraulic->grab(w->picHydraulic->contentsRect())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage copied = scripted.clipboardImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, shown);
    EXPECT_EQ(copied, w->picHydraulic->Image().convertToFormat(QImage::Format_RGB32));

    // The system picture: the graph now shown there, not the profile.
    w->sstResults->setTab(1);
    ClickOn(w->ssoIncomeExpenditure);
    ClickOn(w->picSystem, Qt::RightButton);
    ASSERT_EQ(scripted.messages.size(), 2u);
    EXPECT_EQ(scripted.messages[1].text, "The graph was copied to the clipboard");
    const QImage system = scripted.clipboardImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(system, w->picSystem->grab(w->picSystem->contentsRect())
                          .toImage()
                          .convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(system, copied);
}

TEST_F(GraphWindowTest, OptionButtonsSwapTheGraphAndItsLegend)
{
    PumpingStores();
    ctx.results.YearEnergy[1] = 1000;
    ShowDrawn();
    w->sstResults->setTab(1);
    const auto titled = [this](const char* text) {
        return w->picSystem->drawing().findText(QString::fromUtf8(text)) != nullptr;
    };
    const auto magentaBars = [this] {
        return Of(w->picSystem->drawing(), PrimitiveKind::FilledBox, 0xF00AFF).size();
    };
    EXPECT_TRUE(w->ssoDemandCapacity->isChecked());
    EXPECT_EQ(magentaBars(), 0u);

    ClickOn(w->ssoIncomeExpenditure);
    EXPECT_TRUE(w->ssoIncomeExpenditure->isChecked());
    EXPECT_GT(magentaBars(), 0u);
    EXPECT_TRUE(titled("Year"));
    EXPECT_TRUE(w->fraDemandLegend->isHidden());
    EXPECT_FALSE(w->fraIncomeLegend->isHidden());

    // A click on the selected option draws again, as any click does.
    ClickOn(w->ssoDemandCapacity);
    EXPECT_EQ(magentaBars(), 0u);
    EXPECT_FALSE(w->fraDemandLegend->isHidden());
    EXPECT_TRUE(w->fraIncomeLegend->isHidden());
    w->picSystem->surface().Cls();
    ClickOn(w->ssoDemandCapacity);
    EXPECT_FALSE(w->picSystem->drawing().isEmpty());
}

TEST_F(GraphWindowTest, NothingOfAnEarlierProjectStaysWhereTheNewOneHasNoValue)
{
    ShowDrawn();
    EXPECT_EQ(w->lblMaxFlow->text(), "Flow rate: 12.500 Mega liters/day");
    PumpingStores();
    ctx.store.CurveFlowUnit = 0;
    ctx.results.Gradeline(1, 1) = 150;
    Refresh();
    EXPECT_FALSE(w->lblPumping->text().isEmpty());

    // A unit code from a damaged file: no flow caption; back to gravity: no head.
    ctx.store.SystemType = 0;
    ctx.store.FixedDemandUnit = 77;
    Refresh();
    EXPECT_EQ(w->lblMaxFlow->text(), "");
    EXPECT_EQ(w->lblPumping->text(), "");
    EXPECT_FALSE(w->picHydraulic->drawing().isEmpty());

    // A project without a section to draw: no picture, captions or read-out
    // of the one before.
    ctx.store.FixedDemandUnit = 0;
    Refresh();
    ASSERT_FALSE(w->lblMaxFlow->text().isEmpty());
    MoveMouseTo(w->picHydraulic);
    ASSERT_NE(w->lblX->text(), OutOfRange);
    ctx.store.NodeCount = 1;
    Refresh();
    EXPECT_TRUE(w->picHydraulic->drawing().isEmpty());
    EXPECT_EQ(w->lblMaxFlow->text(), "");
    EXPECT_EQ(w->lblX->text(), OutOfRange);
    MoveMouseTo(w->picHydraulic, QPoint(30, 30));
    MoveMouseTo(w->picHydraulic);
    EXPECT_EQ(w->lblX->text(), OutOfRange);
    EXPECT_EQ(w->lblY->text(), OutOfRange);
}

// ---- Real analyses ----------------------------------------------------------

// Texts printed on one line (same top), left to right, overlap nowhere.
void ExpectApartAlongTheLine(const Drawing& d, double top, const char* what)
{
    std::vector<const Primitive*> line;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->y1 == top) line.push_back(t);
    std::sort(line.begin(), line.end(), [](auto* a, auto* b) { return a->x1 < b->x1; });
    for (size_t i = 1; i < line.size(); ++i)
        EXPECT_LE(line[i - 1]->x2, line[i]->x1) << what << ": " << line[i - 1]->text.toStdString()
                                                << " and " << line[i]->text.toStdString();
}

// The vertical axis labels, printed from `labelX`, end before the axis:
// one label for each of the axis's ticks, two at least.
void ExpectLeftOfTheAxis(const Drawing& d, double labelX, const PlotFrame& f, const char* what)
{
    int labels = 0;
    for (const Primitive* t : d.of(PrimitiveKind::Text))
        if (t->x1 == labelX) {
            ++labels;
            EXPECT_LT(t->x2, f.left) << what << " " << t->text.toStdString();
        }
    int ticks = 0;
    for (const Primitive* l : d.of(PrimitiveKind::Line))
        ticks += l->x1 == f.left && l->x2 == f.left + 40 && l->y1 == l->y2 ? 1 : 0;
    EXPECT_GE(ticks, 2) << what;
    EXPECT_EQ(labels, ticks) << what;
}

// Lines and bars of the data lie in the plot area of `f`, ticks and axes on its edges.
void ExpectInsideTheFrame(const Drawing& d, const PlotFrame& f, const char* what)
{
    for (const Primitive& p : d.primitives()) {
        if (p.kind != PrimitiveKind::Line && p.kind != PrimitiveKind::FilledBox) continue;
        for (double x : {p.x1, p.x2}) {
            EXPECT_GE(x, f.left) << what;
            EXPECT_LE(x, f.right + 220) << what;
        }
        for (double y : {p.y1, p.y2}) {
            EXPECT_GE(y, f.top - 220) << what;
            EXPECT_LE(y, f.bottom) << what;
        }
    }
    // A text's line box reaches below its letters; its last pixel may be cut.
    for (const Primitive* t : d.of(PrimitiveKind::Text)) {
        EXPECT_GE(t->x1, 0) << what << " " << t->text.toStdString();
        EXPECT_LE(t->x2, d.width()) << what << " " << t->text.toStdString();
        EXPECT_LE(t->y2, d.height() + kTwipsPerPixel) << what << " " << t->text.toStdString();
    }
}

TEST_F(GraphWindowTest, GraphsOfAnalysedProjectsStayInsideTheirFramesWithLabelsApart)
{
    struct Case
    {
        const char* name;
        std::unique_ptr<ProjectStore> project;
    };
    Case cases[] = {{"gravity over a crest", GravityCrestProject()},
                    {"pumping in US units", UsPumpingProject()},
                    {"gravity of 100 years", CenturyGravityProject()}};
    for (Case& c : cases) {
        ctx.store = *c.project;
        ctx.store.ProjectOpen = true;
        AnalysisObserver progress;
        ASSERT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed) << c.name;
        w = static_cast<frmResults*>(ctx.windows.results.Get()); // the run loaded a new one
        ASSERT_TRUE(w) << c.name;
        const Drawing& profile = w->picHydraulic->drawing();
        const PlotFrame& f = w->picHydraulicFrame;
        ASSERT_FALSE(profile.isEmpty()) << c.name;
        EXPECT_FALSE(Of(profile, PrimitiveKind::Line, 0xFF0000).empty()) << c.name;
        ExpectInsideTheFrame(profile, f, c.name);
        ExpectApartAlongTheLine(profile, f.bottom + 50, c.name);
        ExpectLeftOfTheAxis(profile, 300, f, c.name);
        EXPECT_FALSE(w->lblMaxFlow->text().isEmpty()) << c.name;
        if (IsPumping(ctx.store)) {
            // Duty point: the duty point lies within the middle 80 % of the head axis.
            w->sscDutypoint->click();
            const PlotFrame& duty = w->picDutyFrame;
            const double head = ctx.results.YearPumpHead[1] / ctx.results.PumpHeadUnitFactor;
            const double share =
                (duty.bottom - PlotFrame::kInset - duty.y(head)) / (duty.bottom - duty.top);
            EXPECT_GT(share, 0.1) << c.name;
            EXPECT_LT(share, 0.9) << c.name;
        }

        const PlotFrame columns = plotFrameFor(w->picSystem->surface().ScaleWidth(),
                                               w->picSystem->surface().ScaleHeight());
        ExpectInsideTheFrame(w->picSystem->drawing(), columns, c.name);
        ExpectApartAlongTheLine(w->picSystem->drawing(), columns.bottom + 50, c.name);
        ExpectLeftOfTheAxis(w->picSystem->drawing(), 300, columns, c.name);
        w->ssoIncomeExpenditure->click();
        PlotFrame income = columns;
        income.left = 1000;
        ExpectInsideTheFrame(w->picSystem->drawing(), income, c.name);
        ExpectLeftOfTheAxis(w->picSystem->drawing(), 100, income, c.name);
        ExpectApartAlongTheLine(w->picSystem->drawing(), columns.bottom + 50, c.name);
        w->ssoDemandCapacity->click();
    }
    EXPECT_TRUE(w->lblPumping->text().isEmpty()); // the last is a gravity project
}

} // namespace
} // namespace vemora::test
