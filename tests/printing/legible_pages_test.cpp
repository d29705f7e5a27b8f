// Graph pages that can be read: printing every item of projects of many
// sizes and kinds into a PDF leaves no two words of a graph page on top of
// each other, and no year labels run together into one word.
#include <QFile>
#include <QRegularExpression>

#include "ReportsFixture.h"
#include "results/AnalysedProjects.h"
#include "support/GrabDir.h"
#include "support/PdfPages.h"

namespace vemora::test {
namespace {

// A gravity main of `nodes` nodes, 100 m apart, for `years` years.
std::unique_ptr<ProjectStore> GravityOfNodes(int nodes, int years)
{
    std::vector<Node> profile;
    for (int i = 0; i < nodes; ++i)
        profile.push_back({200.0f - 150.0f * static_cast<float>(i) / (nodes - 1), 100.0f * i});
    auto s = GravityProject(220, 40, profile);
    AddCosts(*s);
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

std::unique_ptr<ProjectStore> CrestOfYears(int years)
{
    auto s = GravityCrestProject();
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

std::unique_ptr<ProjectStore> PumpingOfYears(int years)
{
    auto s = PumpingCurveProject();
    s->DesignLife = static_cast<int16_t>(years);
    return s;
}

struct LegibilityCase
{
    const char* name;
    std::unique_ptr<ProjectStore> (*make)();
    double largestIncome = 0; // the water price is set so that the income peaks here
    int pathLength = 0;       // the project file's path is this long
};

const LegibilityCase kCases[] = {
    {"gravity-500-nodes", [] { return GravityOfNodes(500, 50); }},
    {"century", CenturyGravityProject},
    {"crest-24-years", [] { return CrestOfYears(24); }},
    {"pumping-30-years", [] { return PumpingOfYears(30); }},
    {"crest-39-years", [] { return CrestOfYears(39); }},
    {"pumping-income", [] { return PumpingOfYears(20); }, 3.6e8},
    {"us-units", UsPumpingProject},
    {"long-path", [] { return CrestOfYears(30); }, 0, 200},
};

// Two or more calendar years run together ("20032004").
const QRegularExpression kYearsRunTogether(QStringLiteral("^((19|20|21)\\d\\d){2,}$"));

// Whether two word boxes share more than a sliver (points): the boxes of
// neighbouring lines of text may touch at their edges.
bool overlap(const QRectF& a, const QRectF& b)
{
    const QRectF both = a.intersected(b);
    return both.width() > 0.1 && both.height() > 0.1;
}

class LegiblePagesTest : public ReportsTest
{
  protected:
    // Saves, opens and analyses the case's project; with every item the
    // project allows ticked, prints it into a PDF and returns its path.
    QString PrintEveryItem(const LegibilityCase& c)
    {
        std::unique_ptr<ProjectStore> project = c.make();
        std::string name = std::string(c.name) + ".kpj";
        if (c.pathLength > 0)
            name = std::string(c.pathLength - folder.Path().string().size() - 5, 'p') + ".kpj";
        Open(*project, name);
        Analyse();
        if (c.largestIncome > 0) {
            const auto first = ctx.results.YearIncome.begin() + 1;
            const float peak = *std::max_element(first, first + project->DesignLife);
            project->WaterPrice *= static_cast<float>(c.largestIncome / peak);
            Open(*project, name);
            Analyse();
        }
        if (c.pathLength > 0) {
            EXPECT_EQ(path.size(), static_cast<size_t>(c.pathLength));
        }

        PrintSelection ticked{};
        for (const ReportItem& item : ReportItems())
            ticked[static_cast<size_t>(item.step)] = ReportAvailable(ctx, item.box);
        const QString pdf = QString::fromStdString(folder.File(std::string(c.name) + ".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(printer, pdf);
        PrinterPageDevice pdfDevice(printer);
        ctx.PrintYear = 1;
        const std::optional<QString> failure = RunPrint(ctx, pdfDevice, 1, ticked);
        EXPECT_FALSE(failure) << failure.value_or(QString()).toStdString();
        if (qEnvironmentVariableIsSet("VEMORA_GRAB_DIR")) {
            const QString dir = GrabDir(QString());
            for (const QString& file : {QString::fromStdString(path), pdf}) {
                const QString to = dir + "/" + QString(c.name) + "." + QFileInfo(file).suffix();
                QFile::remove(to);
                QFile::copy(file, to);
            }
        }
        return pdf;
    }
};

TEST_F(LegiblePagesTest, NoTwoWordsOfAGraphPageOverlap)
{
    for (const LegibilityCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const QString pdf = PrintEveryItem(c);
        const auto words = readPdfWords(pdf);
        const auto pages = readPdfPages(pdf);
        ASSERT_EQ(words.size(), pages.size());
        int graphPages = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            if (!pages[p].landscape && !pages[p].text.contains("PROFILE PLOT:")) continue;
            ++graphPages;
            const std::vector<PdfWord>& on = words[p];
            for (size_t i = 0; i < on.size(); ++i) {
                EXPECT_FALSE(kYearsRunTogether.match(on[i].text).hasMatch())
                    << "page " << p + 1 << ": " << on[i].text.toStdString();
                for (size_t j = i + 1; j < on.size(); ++j)
                    EXPECT_FALSE(overlap(on[i].box, on[j].box))
                        << "page " << p + 1 << ": \"" << on[i].text.toStdString() << "\" and \""
                        << on[j].text.toStdString() << "\"";
            }
        }
        EXPECT_EQ(graphPages, 4); // profile, demand, income and IRR graphs
    }
}

} // namespace
} // namespace vemora::test
