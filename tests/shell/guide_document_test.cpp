// The step-by-step guide the build lays out from its source: every picture
// it names is there, and the PDF beside the program reads back as a guide of
// a few A4 pages that walks from a new project to printed results.
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "support/PdfPages.h"

namespace {

const QString GuideSource = QStringLiteral(VEMORA_SOURCE_DIR "/resources/guide/");
const QString BuiltGuide =
    QStringLiteral(VEMORA_BINARY_DIR "/src/gui/Guide/Step-by-step LCCA guide.pdf");

QString ReadSource()
{
    QFile file(GuideSource + "guide.html");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(GuideDocument, EveryPictureTheSourceNamesIsInTheRepository)
{
    const QString html = ReadSource();
    ASSERT_FALSE(html.isEmpty());
    int pictures = 0;
    for (auto m = QRegularExpression(R"re(<img src="([^"]+)")re").globalMatch(html); m.hasNext();) {
        const QString name = m.next().captured(1);
        EXPECT_TRUE(QFile::exists(GuideSource + name)) << name.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 4);
}

TEST(GuideDocument, TheBuiltGuideWalksFromANewProjectToPrintedResults)
{
    const auto pages = vemora::test::readPdfPages(BuiltGuide);
    ASSERT_GE(pages.size(), 4u) << BuiltGuide.toStdString();
    EXPECT_LE(pages.size(), 12u);
    QString all;
    for (const auto& page : pages) {
        EXPECT_FALSE(page.landscape);
        EXPECT_NEAR(page.size.width(), 595, 2); // A4
        EXPECT_NEAR(page.size.height(), 842, 2);
        all += page.text + '\n';
    }
    all = all.simplified();
    EXPECT_TRUE(all.contains("Step-by-step LCCA guide"));
    for (const char* step : {"Start a new project", "Import Profile", "Save and analyse",
                             "Read the results", "Print the results"})
        EXPECT_TRUE(all.contains(QLatin1String(step))) << step;
}

// What the guide tells a new user to do is what the program does: the unit
// system converts nothing, and the pump pages print from their own windows.
TEST(GuideDocument, TheBuiltGuideSaysWhatThePreferencesAndPrintingDo)
{
    QString all;
    for (const auto& page : vemora::test::readPdfPages(BuiltGuide))
        all += page.text + '\n';
    all = all.simplified();
    ASSERT_FALSE(all.isEmpty());
    EXPECT_FALSE(all.contains("before you type any values", Qt::CaseInsensitive));
    EXPECT_TRUE(all.contains("The unit system converts nothing"));
    EXPECT_TRUE(all.contains("unit you choose in its own list"));
    EXPECT_TRUE(all.contains("Print Curves"));
}
