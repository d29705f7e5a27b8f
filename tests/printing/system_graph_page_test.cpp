// The system analysis graph page: the results window's graph drawn again
// on a landscape page under its title, the legend of the graph chosen, and
// the window's own print button. Printing leaves the window as it was.
#include <QGroupBox>
#include <QPainter>
#include <QPicture>
#include <QRadioButton>
#include <QRegularExpression>
#include <set>

#include "ReportsFixture.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "results/frmResults.h"
#include "support/PdfPages.h"

namespace vemora::test {
namespace {

class SystemGraphPageTest : public ReportsTest
{
  protected:
    void OpenAnalysed(std::unique_ptr<ProjectStore> project)
    {
        AddCosts(*project);
        Open(*project);
        Analyse();
        w = static_cast<frmResults*>(ctx.windows.results.Get());
        ASSERT_NE(w, nullptr);
    }
    frmResults* w = nullptr;

    // The window's picture painted into a page box as the page paints its graph.
    static QByteArray PaintedAsOnThePage(const Drawing& drawing, const QRectF& box)
    {
        QPicture picture;
        QPainter painter(&picture);
        const double dots = RecordingPageDevice::kDotsPerMm;
        drawing.replay(painter, QRectF(box.topLeft() * dots, box.size() * dots),
                       ReplayStyle::Print);
        painter.end();
        return QByteArray(picture.data(), picture.size());
    }

    static QByteArray Painted(const PagePainting& painting)
    {
        return QByteArray(painting.picture.data(), painting.picture.size());
    }
};

TEST_F(SystemGraphPageTest, TheDemandPageHoldsTheGraphInItsBoxAndTheDemandLegend)
{
    OpenAnalysed(GravityProject(100, 0, {{100, 0}, {0, 1000}}));
    ASSERT_FALSE(Record({ReportBox::Demand}));
    ASSERT_EQ(pages().size(), 1u);
    const RecordedPage& page = pages()[0];
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    EXPECT_NE(page.findText("System Analysis: Demand & Capacity"), nullptr);
    ASSERT_EQ(page.paintings.size(), 1u);
    EXPECT_EQ(page.paintings[0].rect, QRectF(10, 57, 220, 98));
    const PageText* demand = page.findTextStartingWith("Demand (Supplied + shortage) (");
    ASSERT_NE(demand, nullptr);
    EXPECT_EQ(demand->tab, 25);
    EXPECT_DOUBLE_EQ(demand->pos.y(), 155);
    EXPECT_NE(page.findTextStartingWith("Yield ("), nullptr);
    ASSERT_EQ(page.pictures.size(), 2u); // the two swatches (no logo in the stand-in)
    EXPECT_EQ(page.pictures[0].rect.topLeft(), QPointF(30, 155));
    EXPECT_EQ(page.pictures[0].image.pixelColor(5, 3), QColor(Qt::red));
    EXPECT_EQ(page.pictures[0].image.pixelColor(5, 10), QColor(Qt::blue));
    EXPECT_TRUE(w->ssoDemandCapacity->isChecked());
}

TEST_F(SystemGraphPageTest, TheIncomeLegendHasEnergyOnlyForPumping)
{
    OpenAnalysed(GravityProject(100, 0, {{100, 0}, {0, 1000}}));
    ASSERT_FALSE(Record({ReportBox::Income}));
    const RecordedPage& gravity = pages().back();
    EXPECT_NE(gravity.findText("System Analysis: Income & Expenditure"), nullptr);
    EXPECT_NE(gravity.findText("Income (R/year)"), nullptr);
    EXPECT_NE(gravity.findText("Maintenance costs (R/year)"), nullptr);
    EXPECT_EQ(gravity.findTextStartingWith("Energy costs"), nullptr);
    EXPECT_EQ(gravity.pictures.size(), 4u);
    EXPECT_TRUE(w->ssoDemandCapacity->isChecked()); // the page never chooses the window's graph

    device = RecordingPageDevice();
    OpenAnalysed(RisingMain(5, 10));
    ASSERT_FALSE(Record({ReportBox::Income}));
    const RecordedPage& pumping = pages().back();
    EXPECT_NE(pumping.findText("Energy costs (R/year)"), nullptr);
    EXPECT_EQ(pumping.pictures.size(), 5u);
}

// Every key of either legend, in the window and on the printed page, has
// the colour of its series' bars in the graph the window draws.
TEST_F(SystemGraphPageTest, EachLegendKeyHasTheColourOfItsBars)
{
    OpenAnalysed(RisingMain(5, 10)); // pumping, one construction year
    ctx.results.YearShortage[1] = 1; // a red part on the first demand bar
    using Colours = std::set<QRgb>;
    const auto bars = [this](QRadioButton* graph) {
        graph->click();
        Colours colours;
        for (const Primitive* bar : w->picSystem->drawing().of(PrimitiveKind::FilledBox))
            colours.insert(vbColor(bar->color).rgb());
        colours.erase(QColor(Qt::white).rgb());
        return colours;
    };
    const auto at = [](const QImage& key, int x, int y) { return key.pixelColor(x, y).rgb(); };
    const auto printedKeys = [&](ReportBox box) {
        device = RecordingPageDevice();
        EXPECT_FALSE(Record({box}));
        Colours colours;
        for (const PagePicture& key : pages().back().pictures) {
            colours.insert(at(key.image, 5, 3));
            colours.insert(at(key.image, 5, 12));
        }
        return colours;
    };

    const Colours demand = bars(w->ssoDemandCapacity);
    EXPECT_EQ(demand.size(), 3u); // yield, supplied and shortage
    const QImage supplied = w->Image6->pixmap().toImage();
    EXPECT_EQ(demand, Colours({at(supplied, 5, 3), at(supplied, 5, 14),
                               at(w->Image7->pixmap().toImage(), 5, 9)}));
    EXPECT_EQ(demand, printedKeys(ReportBox::Demand));

    // Every colour of the income graph's bars (energy included) has its key.
    const Colours income = bars(w->ssoIncomeExpenditure);
    EXPECT_GE(income.size(), 4u);
    Colours shapes;
    for (int k = 1; k <= 5; ++k)
        shapes.insert(w->Shape[k]->palette().color(QPalette::Window).rgb());
    const Colours printed = printedKeys(ReportBox::Income);
    for (QRgb bar : income) {
        EXPECT_EQ(shapes.count(bar), 1u) << std::hex << bar;
        EXPECT_EQ(printed.count(bar), 1u) << std::hex << bar;
    }
}

TEST_F(SystemGraphPageTest, TheWindowsPrintButtonPrintsTheGraphOnViewInLandscape)
{
    OpenAnalysed(RisingMain(5, 10));
    w->ssoIncomeExpenditure->click();
    const QString pdf = QString::fromStdString(folder.File("system.pdf"));
    ui.printAnswers.push_back(true);
    ui.printCopies.push_back(2);
    ui.printFiles.push_back(pdf);
    w->sscPrintSystem->click();
    EXPECT_TRUE(ui.messages.empty());
    const auto pages = readPdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    for (const PdfPage& page : pages) {
        EXPECT_TRUE(page.landscape);
        EXPECT_TRUE(page.text.contains("System Analysis: Income & Expenditure"));
        EXPECT_TRUE(page.text.contains("Page 1"));
        EXPECT_TRUE(page.text.contains("LEGEND:"));
    }
}

TEST_F(SystemGraphPageTest, PrintingEitherPageLeavesTheWindowsGraphAndLegendAsTheyWere)
{
    OpenAnalysed(RisingMain(5, 10));
    for (QRadioButton* onView : {w->ssoIncomeExpenditure, w->ssoDemandCapacity}) {
        onView->click();
        const QImage picture = w->picSystem->Image();
        const bool demandLegendHidden = w->fraDemandLegend->isHidden();
        device = RecordingPageDevice();
        ASSERT_FALSE(Record({ReportBox::Demand, ReportBox::Income}));
        ASSERT_EQ(pages().size(), 2u);
        EXPECT_TRUE(onView->isChecked());
        EXPECT_EQ(w->ssoDemandCapacity->isChecked(), !w->ssoIncomeExpenditure->isChecked());
        EXPECT_TRUE(w->picSystem->Image() == picture);
        EXPECT_EQ(w->fraDemandLegend->isHidden(), demandLegendHidden);
        EXPECT_EQ(w->fraIncomeLegend->isHidden(), !demandLegendHidden);
    }
}

TEST_F(SystemGraphPageTest, ThePageHoldsThePictureTheWindowShowsForEitherSystem)
{
    struct Case
    {
        const char* name;
        std::unique_ptr<ProjectStore> project;
    };
    Case cases[] = {{"gravity", GravityProject(100, 0, {{100, 0}, {0, 1000}})},
                    {"pumping", RisingMain(5, 10)}};
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenAnalysed(std::move(c.project));
        // The income graph after the demand graph on the same picture, and back.
        for (QRadioButton* onView :
             {w->ssoIncomeExpenditure, w->ssoDemandCapacity, w->ssoIncomeExpenditure}) {
            onView->click();
            device = RecordingPageDevice();
            const ReportBox box =
                onView == w->ssoDemandCapacity ? ReportBox::Demand : ReportBox::Income;
            ASSERT_FALSE(Record({box}));
            ASSERT_EQ(pages().size(), 1u);
            ASSERT_EQ(pages()[0].paintings.size(), 1u);
            const PagePainting& graph = pages()[0].paintings[0];
            EXPECT_EQ(Painted(graph), PaintedAsOnThePage(w->picSystem->drawing(), graph.rect));
        }
    }
}

// The calendar years under the horizontal axis: texts of four digits on the
// lowest line that holds such texts, left to right.
template <typename Item, typename Top, typename Text>
std::vector<const Item*> LowestYears(const std::vector<const Item*>& items, Top top, Text text)
{
    static const QRegularExpression year(QStringLiteral("^(19|20|21)\\d\\d$"));
    double lowest = -1e9;
    for (const Item* i : items)
        if (year.match(text(*i)).hasMatch()) lowest = std::max(lowest, top(*i));
    std::vector<const Item*> years;
    for (const Item* i : items)
        if (year.match(text(*i)).hasMatch() && std::abs(top(*i) - lowest) < 0.5) years.push_back(i);
    return years;
}

class IncomeYearLabelsTest : public SystemGraphPageTest, public ::testing::WithParamInterface<int>
{
};

// The income and expenditure graph labels every k-th year from its first
// column, evenly, as the demand graph does; no two labels touch, and the
// printed page shows the years the window shows.
TEST_P(IncomeYearLabelsTest, EveryKthYearFromTheFirstColumnOnScreenAndPaper)
{
    const int years = GetParam();
    OpenAnalysed(RisingMain(5, years));
    w->ssoIncomeExpenditure->click();
    const int firstYear = ctx.store.BaseYear;
    const int columns = ctx.store.SupplyStartYear - firstYear + years;
    ASSERT_GE(ctx.store.SupplyStartYear, firstYear);

    std::vector<const Primitive*> texts = w->picSystem->drawing().of(PrimitiveKind::Text);
    const auto onScreen = LowestYears<Primitive>(
        texts, [](const Primitive& t) { return t.y1; }, [](const Primitive& t) { return t.text; });
    ASSERT_GE(onScreen.size(), 1u);
    std::vector<int> shown;
    for (const Primitive* t : onScreen)
        shown.push_back(t->text.toInt());
    EXPECT_EQ(shown.front(), firstYear);
    const int k = shown.size() > 1 ? shown[1] - shown[0] : columns;
    ASSERT_EQ(shown.size(), static_cast<size_t>((columns - 1) / k + 1)) << k;
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], firstYear + static_cast<int>(i) * k) << "every " << k;

    const auto words = readPdfWords(PrintPdf({ReportBox::Income}));
    ASSERT_EQ(words.size(), 1u);
    std::vector<const PdfWord*> all;
    for (const PdfWord& word : words[0])
        all.push_back(&word);
    std::vector<const PdfWord*> onPaper = LowestYears<PdfWord>(
        all, [](const PdfWord& w) { return w.box.top(); }, [](const PdfWord& w) { return w.text; });
    std::sort(onPaper.begin(), onPaper.end(),
              [](const PdfWord* a, const PdfWord* b) { return a->box.left() < b->box.left(); });
    std::vector<int> printed;
    for (const PdfWord* word : onPaper)
        printed.push_back(word->text.toInt());
    EXPECT_EQ(printed, shown);
    for (size_t i = 1; i < onPaper.size(); ++i)
        EXPECT_GT(onPaper[i]->box.left(), onPaper[i - 1]->box.right()) << printed[i];
}

INSTANTIATE_TEST_SUITE_P(DesignLives, IncomeYearLabelsTest, ::testing::Values(10, 30, 45, 70, 99));

} // namespace
} // namespace vemora::test
