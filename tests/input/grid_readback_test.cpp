// The six grids filled from the store and read back: layout, the two reading
// rules, node types, refused cells and the round trip of every table.
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <random>

#include "InputWindowFixture.h"
#include "platform/FlexGrid.h"
#include "platform/NumberText.h"
#include "platform/TabControl.h"
#include "platform/TextBox.h"
#include "project/NodeTypes.h"

namespace vemora::test {
namespace {

class GridReadBackTest : public InputWindowTest
{
  protected:
    // A store value as the grid shows it and reads it back.
    static float Shown(float v)
    {
        float read = 0;
        WholeTextNumber(SingleText(v), read);
        return read;
    }

    // Every node array but the count is as it was.
    static void ExpectSameNodes(const ProjectStore& s, const ProjectStore& before)
    {
        EXPECT_EQ(s.NodeNumber, before.NodeNumber);
        EXPECT_EQ(s.NodeElevation, before.NodeElevation);
        EXPECT_EQ(s.NodeAccumulatedLength, before.NodeAccumulatedLength);
        EXPECT_EQ(s.PipeDiameter, before.PipeDiameter);
        EXPECT_EQ(s.WallThickness, before.WallThickness);
        EXPECT_EQ(s.PipeCostPerMetre, before.PipeCostPerMetre);
        EXPECT_EQ(s.SecondaryLoss, before.SecondaryLoss);
        EXPECT_EQ(s.NodeTypeCode, before.NodeTypeCode);
    }
};

TEST_F(GridReadBackTest, NewProjectShowsTwoProfileRowsOfZeros)
{
    FlexGrid* g = w->msgProfile;
    ASSERT_EQ(g->Rows(), 3);
    ASSERT_EQ(g->Cols(), 8);
    EXPECT_EQ(g->TextMatrix(0, 6), "Secondary loss ");
    for (int r = 1; r <= 2; ++r) {
        EXPECT_EQ(g->TextMatrix(r, 0), QString::number(r));
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(g->TextMatrix(r, c), "0") << r << "," << c;
        EXPECT_EQ(g->TextMatrix(r, 7).trimmed(), "Node");
        EXPECT_EQ(g->TextMatrix(r, 7).size(), 20);
    }
    EXPECT_EQ(ctx.store.NodeCount, 2);
}

TEST_F(GridReadBackTest, FiveHundredNodesFillAndReadBackUnchanged)
{
    ProjectStore& s = ctx.store;
    for (int i = 1; i <= MaxNodes; ++i) {
        const auto n = static_cast<size_t>(i);
        s.NodeElevation[n] = 1000.5f - static_cast<float>(i);
        s.NodeAccumulatedLength[n] = 25.0f * static_cast<float>(i);
        s.PipeDiameter[n] = 300;
        s.WallThickness[n] = 6.3f;
        s.PipeCostPerMetre[n] = 1250.75f;
        s.SecondaryLoss[n] = 0.2f;
        s.NodeTypeCode[n] = static_cast<int16_t>(i % NodeTypeCount);
    }
    const ProjectStore before = s;
    w->FillProfileGrid();
    EXPECT_EQ(w->msgProfile->Rows(), MaxNodes + 1);
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(s.NodeCount, MaxNodes);
    for (int i = 1; i <= MaxNodes; ++i) {
        const auto n = static_cast<size_t>(i);
        ASSERT_EQ(s.NodeElevation[n], before.NodeElevation[n]) << i;
        ASSERT_EQ(s.NodeAccumulatedLength[n], before.NodeAccumulatedLength[n]) << i;
        ASSERT_EQ(s.WallThickness[n], before.WallThickness[n]) << i;
        ASSERT_EQ(s.PipeCostPerMetre[n], before.PipeCostPerMetre[n]) << i;
        ASSERT_EQ(s.NodeTypeCode[n], before.NodeTypeCode[n]) << i;
        ASSERT_EQ(s.NodeNumber[n], i);
    }
}

TEST_F(GridReadBackTest, ProfileCountEndsOnlyAtTheEmptyMarker)
{
    ProjectStore& s = ctx.store;
    // Node 1 at 0/0 and a node of zeros in the middle are nodes in use.
    s.NodeElevation[1] = 0;
    s.NodeAccumulatedLength[1] = 0;
    s.NodeElevation[2] = 10;
    s.NodeAccumulatedLength[2] = 100;
    s.NodeElevation[3] = 0;
    s.NodeAccumulatedLength[3] = 0;
    s.NodeElevation[4] = 5;
    s.NodeAccumulatedLength[4] = 300;
    for (int i = 5; i <= MaxNodes; ++i) {
        s.NodeElevation[static_cast<size_t>(i)] = UnusedNode;
        s.NodeAccumulatedLength[static_cast<size_t>(i)] = UnusedNode;
    }
    w->FillProfileGrid();
    EXPECT_EQ(w->msgProfile->Rows(), 5);

    // A single node shows a second row past the end of the profile: no
    // elevation and accumulated length (never the file's 999999), its other
    // cells as stored. It reads back as the end again.
    s.NodeElevation[2] = UnusedNode;
    s.NodeAccumulatedLength[2] = UnusedNode;
    s.PipeDiameter[2] = 250;
    w->FillProfileGrid();
    ASSERT_EQ(w->msgProfile->Rows(), 3);
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 1), "");
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 2), "");
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 3), "250");
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 7).trimmed(), "Node");
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(s.NodeCount, 1);
    EXPECT_EQ(s.NodeElevation[2], UnusedNode);
    EXPECT_EQ(s.NodeAccumulatedLength[2], UnusedNode);
    EXPECT_EQ(s.PipeDiameter[2], 250.0f);
    EXPECT_TRUE(scripted.messages.empty());
}

// The last rows with neither elevation nor accumulated length (a row Enter
// added and nobody filled) end the profile instead of becoming nodes at 0
// and 0; such a row higher up is a node at 0 and 0. A row of 999999 and
// 999999, in any form, is the file's end mark: it is refused, as the file
// would end the profile there and lose the rows after it.
TEST_F(GridReadBackTest, EmptyLastRowsEndTheProfileAndTheEndMarkIsRefused)
{
    main->show();
    QApplication::setActiveWindow(main.get());
    FlexGrid* g = w->msgProfile;
    ProjectStore& s = ctx.store;
    g->setRows(6); // rows 3 to 5 added and left empty but for their pipe
    for (int r = 1; r <= 5; ++r) {
        g->setTextMatrix(r, 0, QString::number(r));
        g->setTextMatrix(r, 1, r <= 2 ? QString::number(100 + r) : QString());
        g->setTextMatrix(r, 2, r <= 2 ? QString::number(10 * r) : QStringLiteral(" "));
        g->setTextMatrix(r, 3, QStringLiteral("300"));
    }
    g->setTextMatrix(4, 1, QStringLiteral("7"));
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(s.NodeCount, 4);
    EXPECT_EQ(s.NodeElevation[3], 0.0f);
    EXPECT_EQ(s.NodeAccumulatedLength[3], 0.0f);
    EXPECT_EQ(s.NodeElevation[4], 7.0f);
    EXPECT_EQ(s.NodeElevation[5], UnusedNode);
    EXPECT_EQ(s.NodeAccumulatedLength[5], UnusedNode);
    EXPECT_EQ(s.PipeDiameter[5], 300.0f);
    g->setTextMatrix(4, 1, QString());
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(s.NodeCount, 2);
    EXPECT_EQ(s.NodeElevation[3], UnusedNode);
    w->FillProfileGrid();
    EXPECT_EQ(g->Rows(), 3);

    const ProjectStore before = s;
    g->setRows(4);
    g->setTextMatrix(3, 1, "150");
    g->setTextMatrix(3, 2, "30");
    for (const auto& [elevation, length] :
         {std::pair{"999999", "999999"}, {" 999999.0", "9.99999E+05"}, {"999999.01", "999999"}}) {
        SCOPED_TRACE(elevation);
        g->setTextMatrix(2, 1, elevation);
        g->setTextMatrix(2, 2, length);
        scripted.messages.clear();
        EXPECT_FALSE(w->ReadGrid(InputGrid::Profile));
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_EQ(scripted.lastMessage(),
                  "The profile table holds 999999 as both the elevation and the accumulated "
                  "length in row 2, which a project file reads as the end of the profile: "
                  "change one of them !");
        EXPECT_EQ(scripted.messages[0].title, "Error !");
        EXPECT_EQ(g->Row(), 2);
        EXPECT_EQ(g->Col(), 1);
        EXPECT_EQ(QApplication::focusWidget(), g);
        EXPECT_EQ(s.NodeCount, before.NodeCount);
        EXPECT_EQ(s.NodeElevation, before.NodeElevation);
    }
    // 999999 in one of the two is an ordinary node.
    g->setTextMatrix(2, 2, "0");
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(s.NodeCount, 3);
    EXPECT_EQ(s.NodeElevation[2], UnusedNode);
    EXPECT_EQ(s.NodeElevation[3], 150.0f);
}

// Every number column of the profile reads its whole text: an empty cell
// and a lone full stop read 0, a sign and the E form that the fill writes
// for large values read as numbers; column 7 reads by the node type names.
TEST_F(GridReadBackTest, ProfileCellsReadByTheWholeTextAndNodeTypeRules)
{
    FlexGrid* g = w->msgProfile;
    g->setTextMatrix(1, 0, "letters");
    g->setTextMatrix(1, 1, " -12.5 ");
    g->setTextMatrix(1, 2, "1.5E+08");
    g->setTextMatrix(1, 3, "");
    g->setTextMatrix(1, 4, ".");
    g->setTextMatrix(1, 7, "Pumpstation");
    g->setTextMatrix(2, 0, " 2");
    g->setTextMatrix(2, 7, "pumpstation");
    g->setCol(4);
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    const ProjectStore& s = ctx.store;
    EXPECT_EQ(s.NodeNumber[1], 1);
    EXPECT_EQ(s.NodeNumber[2], 2);
    EXPECT_EQ(s.NodeElevation[1], -12.5f);
    EXPECT_EQ(s.NodeAccumulatedLength[1], 1.5e8f);
    EXPECT_EQ(s.PipeDiameter[1], 0.0f);
    EXPECT_EQ(s.WallThickness[1], 0.0f);
    EXPECT_EQ(s.NodeTypeCode[1], 2);
    EXPECT_EQ(s.NodeTypeCode[2], 0);
    EXPECT_EQ(s.NodeElevation[3], UnusedNode);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
}

// Text that is not wholly a number, in any number column of the profile, is
// refused with the message the other tables give, naming row and column;
// none of it reaches the store as its leading number or as 0.
TEST_F(GridReadBackTest, EveryProfileNumberColumnRefusesTextThatIsNotWhollyANumber)
{
    main->show();
    QApplication::setActiveWindow(main.get());
    FlexGrid* g = w->msgProfile;
    const ProjectStore before = ctx.store;
    const char* columns[] = {"Elevation",      "Accumulated length", "Pipe diameter",
                             "Wall thickness", "Pipe cost/metre",    "Secondary loss"};
    for (int c = 1; c <= 6; ++c)
        for (const char* text : {"abc", "12xy", "12 m", "1,5"}) {
            SCOPED_TRACE(std::string(columns[c - 1]) + " " + text);
            g->setTextMatrix(2, c, text);
            scripted.messages.clear();
            EXPECT_FALSE(w->ReadGrid(InputGrid::Profile));
            ASSERT_EQ(scripted.messages.size(), 1u);
            EXPECT_EQ(scripted.lastMessage(),
                      QStringLiteral("The profile table holds \"%1\" in row 2, column \"%2\": "
                                     "enter a number !")
                          .arg(QString::fromUtf8(text), QString::fromUtf8(columns[c - 1])));
            EXPECT_EQ(g->Row(), 2);
            EXPECT_EQ(g->Col(), c);
            g->setTextMatrix(2, c, "0");
        }
    EXPECT_EQ(ctx.store.NodeCount, before.NodeCount);
    ExpectSameNodes(ctx.store, before);
}

TEST_F(GridReadBackTest, NodeTypeCodesOutsideTheTableShowAsNode)
{
    ctx.store.NodeTypeCode[1] = 10;
    ctx.store.NodeTypeCode[2] = -32768;
    w->FillProfileGrid();
    EXPECT_EQ(w->msgProfile->TextMatrix(1, 7).trimmed(), "Node");
    EXPECT_EQ(w->msgProfile->TextMatrix(2, 7).trimmed(), "Node");
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(ctx.store.NodeTypeCode[1], 0);
    EXPECT_EQ(ctx.store.NodeTypeCode[2], 0);
}

TEST_F(GridReadBackTest, HeadingsCarryTheCurrencyAndUnitWords)
{
    ctx.store.UnitSystem = 1;
    ctx.store.CurrencyCode = 1;
    w->FillLayingGrid();
    w->FillStaffGrid();
    w->FillOtherOperationalGrid();
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), QStringLiteral("Cost ($/ft³)"));
    EXPECT_TRUE(w->msgLaying->TextMatrix(14, 0).endsWith("(ft)"));
    EXPECT_TRUE(w->msgLaying->TextMatrix(15, 0).endsWith("(ft)"));
    EXPECT_EQ(w->msgOperational->TextMatrix(0, 1), "Annual package ($)");
    EXPECT_EQ(w->msgOtherOperational->TextMatrix(0, 1), "Annual amount ($)");

    ctx.store.UnitSystem = 0;
    ctx.store.CurrencyCode = 0;
    w->FillLayingGrid();
    EXPECT_EQ(w->msgLaying->TextMatrix(0, 1), QStringLiteral("Cost (R/m³)"));
    EXPECT_TRUE(w->msgLaying->TextMatrix(14, 0).endsWith("(m)"));
}

TEST_F(GridReadBackTest, DemandRowsFollowTheDesignLifeAndLaterYearsReadZero)
{
    ctx.store.DesignLife = 30;
    ctx.store.YearDemand.fill(7.5f);
    w->FillDemandGrid();
    ASSERT_EQ(w->msgDemand->Rows(), 31);
    EXPECT_EQ(w->msgDemand->TextMatrix(30, 0), "30");
    EXPECT_EQ(w->msgDemand->TextMatrix(30, 1), "7.5");
    ASSERT_TRUE(w->ReadGrid(InputGrid::Demand));
    EXPECT_EQ(ctx.store.YearDemand[30], 7.5f);
    for (int y = 31; y <= MaxYears; ++y)
        EXPECT_EQ(ctx.store.YearDemand[static_cast<size_t>(y)], 0.0f) << y;
}

TEST_F(GridReadBackTest, EmptyCellsAndALoneFullStopStoreZero)
{
    ctx.store.LayingCost.fill(9);
    ctx.store.StaffCost[3][2] = 9;
    ctx.store.OtherExpenseAmount[5] = 9;
    ctx.store.YearDemand[4] = 9;
    w->msgLaying->setTextMatrix(2, 1, "");
    w->msgLaying->setTextMatrix(12, 1, ".");
    w->msgOperational->setTextMatrix(3, 2, " . ");
    w->msgOtherOperational->setTextMatrix(5, 1, "");
    w->msgDemand->setTextMatrix(4, 1, ".");
    EXPECT_TRUE(w->ReadGrid(InputGrid::Laying));
    EXPECT_TRUE(w->ReadGrid(InputGrid::Staff));
    EXPECT_TRUE(w->ReadGrid(InputGrid::OtherOperational));
    EXPECT_TRUE(w->ReadGrid(InputGrid::Demand));
    EXPECT_EQ(ctx.store.LayingCost[2], 0.0f);
    EXPECT_EQ(ctx.store.LayingCost[10], 0.0f);
    EXPECT_EQ(ctx.store.LayingCost[14], 0.0f);
    EXPECT_EQ(ctx.store.StaffCost[3][2], 0.0f);
    EXPECT_EQ(ctx.store.OtherExpenseAmount[5], 0.0f);
    EXPECT_EQ(ctx.store.YearDemand[4], 0.0f);
    EXPECT_TRUE(scripted.messages.empty());
}

// Each table, with one cell that is not a number: the read-back stops with a
// message naming the table, row and column, the cell has the focus, and not
// one value of that table reached the store.
TEST_F(GridReadBackTest, ACellThatIsNotANumberStopsItsTableWhole)
{
    main->show();
    QApplication::setActiveWindow(main.get());
    ProjectStore& s = ctx.store;

    struct Case
    {
        FlexGrid* grid;
        int row, col, page;
        InputGrid read;
        const char* words; // what the message must say
    };
    const Case cases[] = {
        {w->msgProfile, 2, 1, 1, InputGrid::Profile,
         "profile table holds \"1.2.3\" in row 2, column \"Elevation\""},
        {w->msgLaying, 12, 1, 1, InputGrid::Laying,
         "laying table holds \"1.2.3\" in row \"Bedding import\", column \"Percentage expected\""},
        {w->msgOperational, 4, 2, 3, InputGrid::Staff,
         "staff table holds \"1.2.3\" in row \"Technician\", column \"Percentage of time (%)\""},
        {w->msgOtherOperational, 2, 1, 3, InputGrid::OtherOperational,
         "other expenses table holds \"1.2.3\" in row \"Fuel\""},
        {w->msgDemand, 5, 1, 0, InputGrid::Demand,
         "demand table holds \"1.2.3\" in row 5, column \"Demand\""},
    };
    // The gravity demand table serves a varying demand. A value is typed
    // into every table before its bad cell.
    w->optGCalculatedFlowrate->setChecked(true);
    for (const Case& c : cases) {
        c.grid->setTextMatrix(1, 1, "42");
        c.grid->setTextMatrix(c.row, c.col, "1.2.3");
    }
    w->msgLaying->setTextMatrix(1, 1, "42");
    const ProjectStore before = s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        w->sstInput->setTab(2);
        scripted.messages.clear();
        EXPECT_FALSE(w->ReadGrid(c.read));
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_TRUE(scripted.lastMessage().contains(QString::fromUtf8(c.words)))
            << scripted.lastMessage().toStdString();
        EXPECT_EQ(scripted.messages[0].title, "Error !");
        EXPECT_EQ(c.grid->Row(), c.row);
        EXPECT_EQ(c.grid->Col(), c.col);
        EXPECT_EQ(w->sstInput->Tab(), c.page);
        EXPECT_EQ(QApplication::focusWidget(), c.grid);
    }
    EXPECT_FALSE(w->fraLaying->isHidden()); // the laying panel opened on its cell
    EXPECT_EQ(s.NodeCount, before.NodeCount);
    EXPECT_EQ(s.NodeElevation, before.NodeElevation);
    EXPECT_EQ(s.NodeTypeCode, before.NodeTypeCode);
    EXPECT_EQ(s.LayingCost, before.LayingCost);
    EXPECT_EQ(s.StaffCost, before.StaffCost);
    EXPECT_EQ(s.OtherExpenseAmount, before.OtherExpenseAmount);
    EXPECT_EQ(s.YearDemand, before.YearDemand);

    // The laying panel's Save & Exit stays open on the cell.
    w->sscHideLaying_Click();
    EXPECT_FALSE(w->fraLaying->isHidden());
}

// A cell refused while its editor is still open (the save started from the
// toolbar): the editor closes on the cell, which is current, highlighted and
// has the focus.
TEST_F(GridReadBackTest, ARefusedCellStillBeingTypedIsShownWithTheFocus)
{
    main->show();
    QApplication::setActiveWindow(main.get());
    w->sstInput->setTab(1);
    FlexGrid* g = w->msgProfile;
    g->setFocus();
    g->setRow(2);
    for (const char* key : {"1", ".", "2", ".", "3"})
        QTest::keyClicks(QApplication::focusWidget(), key);
    ASSERT_TRUE(w->txtCell->isVisible());
    w->txtKsNew->setFocus();
    EXPECT_FALSE(w->ReadGrid(InputGrid::Profile));
    EXPECT_FALSE(w->txtCell->isVisible());
    EXPECT_EQ(g->TextMatrix(2, 1), "1.2.3");
    EXPECT_EQ(QApplication::focusWidget(), g);
    EXPECT_EQ(g->cellBackColorAt(2, 1), QColor(192, 255, 255));
}

TEST_F(GridReadBackTest, PumpingDemandIsReadFromItsOwnTable)
{
    NewOfType(PipelineSystem::Pumping);
    w->msgPumpDemand->setTextMatrix(2, 1, "12.25");
    w->msgDemand->setTextMatrix(2, 1, "1.2.3");
    ASSERT_TRUE(w->ReadGrid(InputGrid::PumpDemand));
    EXPECT_EQ(ctx.store.YearDemand[2], 12.25f);
    w->msgPumpDemand->setTextMatrix(2, 1, "12,25");
    EXPECT_FALSE(w->ReadGrid(InputGrid::PumpDemand));
    EXPECT_EQ(ctx.store.YearDemand[2], 12.25f);
}

// Random tables of 2 to 500 nodes, any design life, every value as the
// program shows it: a fill and a read-back change nothing in the store.
TEST_F(GridReadBackTest, FillAndReadBackOfEveryGridChangeNoValue)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-4, 9);
    auto value = [&](bool negativeToo) {
        float v = mantissa(random) * std::pow(10.0f, static_cast<float>(exponent(random)));
        if (!negativeToo) v = std::fabs(v);
        return Shown(v);
    };
    ProjectStore& s = ctx.store;
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE(trial);
        const int nodes = trial == 0   ? 2
                          : trial == 1 ? MaxNodes
                                       : std::uniform_int_distribution<int>(2, MaxNodes)(random);
        for (int i = 1; i <= MaxNodes; ++i) {
            const auto n = static_cast<size_t>(i);
            const bool used = i <= nodes;
            s.NodeNumber[n] = static_cast<int16_t>(i);
            s.NodeElevation[n] = used ? value(true) : UnusedNode;
            s.NodeAccumulatedLength[n] = used ? value(false) : UnusedNode;
            s.PipeDiameter[n] = used ? value(false) : 0;
            s.WallThickness[n] = used ? value(false) : 0;
            s.PipeCostPerMetre[n] = used ? value(false) : 0;
            s.SecondaryLoss[n] = used ? value(false) : 0;
            s.NodeTypeCode[n] = static_cast<int16_t>(used ? random() % NodeTypeCount : 0);
        }
        s.DesignLife =
            static_cast<int16_t>(std::uniform_int_distribution<int>(2, MaxYears)(random));
        s.YearDemand.fill(0);
        for (int y = 1; y <= s.DesignLife; ++y)
            s.YearDemand[static_cast<size_t>(y)] = value(false);
        s.LayingCost.fill(0);
        for (int item = 1; item <= 13; ++item)
            s.LayingCost[static_cast<size_t>(item)] = value(false);
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 2; ++c)
                s.StaffCost[static_cast<size_t>(r)][static_cast<size_t>(c)] = value(false);
        for (int r = 1; r <= 5; ++r)
            s.OtherExpenseAmount[static_cast<size_t>(r)] = value(false);

        const ProjectStore before = s;
        w->FillProfileGrid();
        w->FillDemandGrid();
        w->FillPumpDemandGrid();
        w->FillLayingGrid();
        w->FillStaffGrid();
        w->FillOtherOperationalGrid();
        ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
        ASSERT_TRUE(w->ReadGrid(InputGrid::Laying));
        ASSERT_TRUE(w->ReadGrid(InputGrid::Staff));
        ASSERT_TRUE(w->ReadGrid(InputGrid::OtherOperational));
        ASSERT_TRUE(w->ReadGrid(InputGrid::Demand));
        EXPECT_EQ(s.YearDemand, before.YearDemand);
        ASSERT_TRUE(w->ReadGrid(InputGrid::PumpDemand));
        EXPECT_EQ(s.NodeCount, nodes);
        ExpectSameNodes(s, before);
        EXPECT_EQ(s.YearDemand, before.YearDemand);
        EXPECT_EQ(s.LayingCost, before.LayingCost);
        EXPECT_EQ(s.StaffCost, before.StaffCost);
        EXPECT_EQ(s.OtherExpenseAmount, before.OtherExpenseAmount);
    }
    EXPECT_TRUE(scripted.messages.empty());
}

} // namespace
} // namespace vemora::test
