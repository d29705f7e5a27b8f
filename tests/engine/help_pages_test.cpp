// The help pages against the engine: the methodology page lets an engineer
// check the laying cost by hand (its trench width table and worked example
// give what the engine computes), the pages that name the deterioration
// period give the periods the engine takes, and the analysis page quotes
// every message and reason the analysis gives, and no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "EngineProjects.h"
#include "engine/AnalysisTexts.h"
#include "engine/CapitalCost.h"
#include "engine/ConvertInputToSI.h"
#include "engine/Roughness.h"

namespace vemora {
namespace {

std::string HelpPage(int topic)
{
    std::ifstream file(VEMORA_SOURCE_DIR "/resources/help/" + std::to_string(topic) + ".html");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string MethodologyPage()
{
    return HelpPage(7000);
}

// "27,225.00" -> 27225.0
double Amount(std::string text)
{
    std::erase(text, ',');
    return std::stod(text);
}

struct WidthBand
{
    double upTo; // m; the last band has no limit
    double addition;
};

// The rows "up to 0.7 m | D + 0.6 m", "above 0.7 m, up to 1.0 m | D + 0.8 m",
// ..., "above 2.0 m | D + 1.2 m" of the page's trench width table.
std::vector<WidthBand> PageWidthBands(const std::string& page)
{
    const std::regex row(R"(<tr><td>(?:above [0-9.]+ m, )?(up to ([0-9.]+) m|above [0-9.]+ m)</td>)"
                         R"(<td>D \+ ([0-9.]+) m</td></tr>)");
    std::vector<WidthBand> bands;
    for (auto m = std::sregex_iterator(page.begin(), page.end(), row); m != std::sregex_iterator();
         ++m) {
        const bool open = (*m)[2].length() == 0;
        bands.push_back({open ? 1e9 : std::stod((*m)[2]), std::stod((*m)[3])});
    }
    return bands;
}

TEST(MethodologyPage, TrenchWidthTableIsTheOneTheLayingCostUses)
{
    const std::vector<WidthBand> bands = PageWidthBands(MethodologyPage());
    ASSERT_EQ(bands.size(), 4u);
    for (float D : {0.1f, 0.5f, 0.7f, 0.71f, 0.9f, 1.0f, 1.01f, 1.5f, 2.0f, 2.01f, 3.0f}) {
        double addition = 0;
        for (const WidthBand& band : bands)
            if (D <= static_cast<float>(band.upTo)) {
                addition = band.addition;
                break;
            }
        EXPECT_NEAR(TrenchWidth(D), D + addition, 1e-6) << "D = " << D;
    }
}

// The example's inputs, as the page states them.
std::unique_ptr<ProjectStore> ExampleProject()
{
    auto s = test::GravityProject(100, 90, {{100, 0}, {95, 100}}, 512);
    s->WallThickness[1] = s->WallThickness[2] = 6; // mm
    // Laying, Excavation, Rock excavation, Bedding import, Bedding trench,
    // Blanket import, Blanket trench, Backfilling; Rock %, Bedding import %,
    // Blanket import %; Required cover, Excavation lower than pipe invert.
    s->LayingCost = {0, 50, 100, 300, 80, 20, 70, 10, 30, 25, 50, 40, 1.0f, 0.15f, 0};
    return s;
}

TEST(MethodologyPage, WorkedExampleGivesTheEnginesLayingItems)
{
    const std::string page = MethodologyPage();
    const size_t start = page.find("<h2>Worked example");
    ASSERT_NE(start, std::string::npos) << "the page has no worked example";
    const std::string example = page.substr(start, page.find("<h2>", start + 4) - start);

    auto s = ExampleProject();
    auto r = std::make_unique<ResultsStore>();
    ASSERT_TRUE(ConvertInputToSI(*s, *r));
    CopyLayingRates(*s, *r);
    ASSERT_TRUE(CalcCapitalCost(*s, *r, 0));

    const struct
    {
        const char* item;
        float engine;
    } items[] = {{"Excavation", r->SectionExcavationCost[1]},
                 {"Bedding", r->SectionBeddingCost[1]},
                 {"Blanket", r->SectionBlanketCost[1]},
                 {"Backfilling", r->SectionBackfillCost[1]},
                 {"Laying", r->SectionLayingCost[1]},
                 {"Laying cost of the section", r->PipeLayingCost}};
    for (const auto& [item, engine] : items) {
        const std::regex row(std::string("<tr><td>") + item +
                             R"(</td><td>[^\n]*?<td[^>]*>([0-9,]+\.[0-9]{2})</td></tr>)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(example, m, row)) << item;
        EXPECT_NEAR(Amount(m[1]), engine, 0.01) << item;
    }
}

// One year is the shortest period the hydraulics take (the old roughness
// from the first year); the pages must not ask for more.
TEST(HelpPages, DeteriorationPeriodOfOneYearIsAllowed)
{
    auto s = test::GravityProject(100, 50, {{100, 0}, {50, 1000}});
    s->DeteriorationYears = 1;
    auto r = std::make_unique<ResultsStore>();
    ConvertInputToSI(*s, *r);
    ASSERT_TRUE(AgeRoughness(*s, *r));

    for (int topic : {3060, 5000, 7000}) {
        const std::string page = HelpPage(topic);
        ASSERT_FALSE(page.empty()) << topic;
        EXPECT_NE(page.find("1 year"), std::string::npos) << topic;
        for (const char* wrong : {"at least 2", "less than 2 years"})
            EXPECT_EQ(page.find(wrong), std::string::npos) << topic << ": " << wrong;
    }
}

// The quoted texts of the page's Messages section, as the help window shows
// them: tags dropped, entities read, blanks run together.
std::vector<std::string> QuotedMessages(const std::string& page)
{
    const size_t start = page.find(">Messages</h2>");
    if (start == std::string::npos) return {};
    std::string text = std::regex_replace(page.substr(start, page.find("class=\"nav\"") - start),
                                          std::regex("<[^>]*>"), "");
    for (const auto& [entity, character] :
         {std::pair{"&quot;", "\""}, {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), character);
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    std::vector<std::string> quotes;
    const std::regex quoted("\"([^\"]*)\"");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), quoted);
         m != std::sregex_iterator(); ++m)
        quotes.push_back((*m)[1]);
    return quotes;
}

// A row's text as a pattern: its fixed words as they stand, any figure in
// place of each "{}".
std::regex RowPattern(const AnalysisTextRow& row)
{
    std::string text = std::regex_replace(row.Text, std::regex("\\s+"), " ");
    text = std::regex_replace(text, std::regex(R"([.^$|()\[\]*+?\\])"), "\\$&");
    return std::regex(std::regex_replace(text, std::regex(R"(\{\})"), ".+"));
}

TEST(AnalysisPage, QuotesEveryTextOfTheAnalysisAndNoOther)
{
    const std::vector<std::string> quotes = QuotedMessages(HelpPage(5000));
    for (const AnalysisTextRow& row : AnalysisTextTable()) {
        const std::regex pattern = RowPattern(row);
        const auto quotedHere = [&](const std::string& quote) {
            return row.Part ? std::regex_search(quote, pattern) : std::regex_match(quote, pattern);
        };
        EXPECT_TRUE(std::ranges::any_of(quotes, quotedHere)) << "not on the page: " << row.Text;
    }
    for (const std::string& quote : quotes)
        EXPECT_TRUE(std::ranges::any_of(AnalysisTextTable(),
                                        [&](const AnalysisTextRow& row) {
                                            return !row.Part &&
                                                   std::regex_match(quote, RowPattern(row));
                                        }))
            << "never given by the analysis: " << quote;
}

} // namespace
} // namespace vemora
