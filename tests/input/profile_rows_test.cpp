// The profile grid's mouse actions and row editing: the node-type list over
// the description column, the row menu, Enter on the last row, adding,
// inserting and deleting rows, and the delete-row window.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTextDocument>

#include "CellEditingFixture.h"
#include "app/PendingEdits.h"
#include "input/frmDeleteRow.h"
#include "platform/PictureButton.h"
#include "project/NodeTypes.h"

namespace vemora::test {
namespace {

class ProfileRowsTest : public CellEditingTest
{
  protected:
    QString Cell(int row, int col) const { return w->msgProfile->TextMatrix(row, col); }
    // Elevation, length and node type of a row, as one text to compare.
    QString RowText(int row) const
    {
        return QStringLiteral("%1|%2|%3").arg(Cell(row, 1), Cell(row, 2), Cell(row, 7).trimmed());
    }
};

TEST_F(ProfileRowsTest, ChoosingANodeTypeWritesItsNameAndReadsBackItsCode)
{
    Profile(5);
    FlexGrid* g = w->msgProfile;
    Click(g, 4, 7);
    ASSERT_TRUE(w->comNode->isVisible());
    EXPECT_EQ(w->comNode->geometry().topLeft(), g->cellRect(4, 7).translated(g->pos()).topLeft());
    EXPECT_EQ(w->comNode->width(), g->cellRect(4, 7).width());
    ASSERT_EQ(w->comNode->count(), NodeTypeCount);
    EXPECT_EQ(w->comNode->itemText(5), QString::fromStdString(NodeTypeNames(5)));

    w->comNode->setCurrentIndex(5);
    emit w->comNode->activated(5);
    EXPECT_EQ(Cell(4, 7), QString::fromStdString(NodeTypeNames(5)));
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    EXPECT_EQ(ctx.store.NodeTypeCode[4], 5);
    w->FillProfileGrid();
    EXPECT_EQ(Cell(4, 7).trimmed(), "Air valve");

    // A click on an elevation hides the list, which then offers nothing.
    Click(g, 4, 7);
    Click(g, 2, 1);
    EXPECT_FALSE(w->comNode->isVisible());
    EXPECT_EQ(w->comNode->count(), 0);
    emit w->comNode->activated(0);
    EXPECT_EQ(Cell(2, 1), "102");
}

TEST_F(ProfileRowsTest, KeysOnTheDescriptionColumnOpenTheList)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    Select(g, 3, 7);
    PretendResults();
    Keys("x");
    EXPECT_TRUE(w->comNode->isVisible());
    EXPECT_EQ(Cell(3, 7).trimmed(), "Node");
    EXPECT_FALSE(ctx.store.ResultsValid);
    // Enter there does not move; released on the last row it adds a row.
    Key(Qt::Key_Return);
    EXPECT_EQ(g->Rows(), 5);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_FALSE(w->txtCell->isVisible());
}

TEST_F(ProfileRowsTest, EnterReleasedOnTheLastRowAddsARowOnlyAfterItsOwnPress)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    // In column 2 the press moves to column 3, the release adds row 4.
    Select(g, 3, 2);
    Keys("5");
    QTest::keyPress(w->txtCell, Qt::Key_Return);
    EXPECT_EQ(g->Col(), 3);
    ASSERT_EQ(QApplication::focusWidget(), g);
    QTest::keyRelease(g, Qt::Key_Return);
    ASSERT_EQ(g->Rows(), 5);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(g->Col(), 1);
    // The new row, empty yet, is no node at 0 and 0.
    EXPECT_EQ(ctx.store.NodeCount, 3);
    EXPECT_EQ(ctx.store.NodeAccumulatedLength[3], 5.0f);
    EXPECT_EQ(ctx.store.NodeAccumulatedLength[4], UnusedNode);

    // Enter pressed in another field and released over the grid adds nothing.
    QTest::keyPress(w->txtKsNew, Qt::Key_Return);
    g->setFocus();
    QTest::keyRelease(g, Qt::Key_Return);
    EXPECT_EQ(g->Rows(), 5);
}

TEST_F(ProfileRowsTest, AppendTakesThePipeOfTheLastRow)
{
    Profile(3);
    FlexGrid* g = w->msgProfile;
    g->setTextMatrix(3, 3, "450");
    ASSERT_TRUE(w->AppendProfileRow());
    ASSERT_EQ(g->Rows(), 5);
    EXPECT_EQ(Cell(4, 0).trimmed(), "4");
    EXPECT_EQ(Cell(4, 1), "");
    EXPECT_EQ(Cell(4, 2), "");
    EXPECT_EQ(Cell(4, 3), "450");
    EXPECT_EQ(Cell(4, 6), "0.5");
    EXPECT_EQ(Cell(4, 7), QString::fromStdString(NodeTypeNames(0)));
    EXPECT_EQ(g->RowHeight(4), g->RowHeight(3));
    // Until its elevation or length is typed, the row ends the profile.
    EXPECT_EQ(ctx.store.NodeCount, 3);
    EXPECT_EQ(ctx.store.NodeElevation[4], UnusedNode);
    EXPECT_EQ(ctx.store.PipeDiameter[4], 450.0f);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
}

TEST_F(ProfileRowsTest, InsertAtRowThreeOfFive)
{
    Profile(5);
    FlexGrid* g = w->msgProfile;
    g->setTextMatrix(2, 3, "250");
    const QString third = RowText(3), fifth = RowText(5);
    Select(g, 3, 2);
    w->sscAdd->click();
    ASSERT_EQ(g->Rows(), 7);
    EXPECT_EQ(RowText(4), third);
    EXPECT_EQ(RowText(6), fifth);
    EXPECT_EQ(Cell(3, 1), "");
    EXPECT_EQ(Cell(3, 2), "");
    EXPECT_EQ(Cell(3, 3), "250");
    EXPECT_EQ(Cell(3, 6), "0");
    EXPECT_EQ(Cell(3, 7), QString::fromStdString(NodeTypeNames(0)));
    ASSERT_EQ(ctx.store.NodeCount, 6);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(ctx.store.NodeNumber[static_cast<size_t>(i)], i);

    // At the top the new row takes the pipe of the row below and starts
    // the pipeline: a reservoir, or for a pumping system the pump station.
    Select(g, 1, 1);
    ASSERT_TRUE(w->InsertProfileRowBefore());
    EXPECT_EQ(Cell(1, 3), "300");
    EXPECT_EQ(Cell(1, 7).trimmed(), "Reservoir");
    ctx.store.SystemType = PipelineSystem::Pumping;
    Select(g, 1, 1);
    ASSERT_TRUE(w->InsertProfileRowBefore());
    EXPECT_EQ(Cell(1, 7).trimmed(), "Pumpstation");
}

// Each row command: the row it adds, in a project of the given system type.
struct AddedRowCase
{
    const char* command;
    int16_t system;
    int row;          // the row it makes
    const char* type; // the node type it gives the row
};

class AddedRowTest : public ProfileRowsTest, public ::testing::WithParamInterface<AddedRowCase>
{
  protected:
    void RunCommand(const AddedRowCase& c)
    {
        FlexGrid* g = w->msgProfile;
        const std::string command = c.command;
        if (command == "enter") {
            Select(g, 3, 1);
            QTest::keyPress(g, Qt::Key_Return);
            QTest::keyRelease(g, Qt::Key_Return);
        } else if (command == "append") {
            ASSERT_TRUE(w->AppendProfileRow());
        } else {
            Select(g, c.row, 1);
            w->sscAdd->click();
        }
        ASSERT_EQ(g->Rows(), 5);
    }
};

// A row that Insert, Append or Enter on the last row adds shows its node
// type as the grid's fill writes it, padded to 20 characters, and a save of
// it writes the same bytes as before: the node type's code.
TEST_P(AddedRowTest, ShowsItsNodeTypeAsTheFillWritesIt)
{
    const AddedRowCase& c = GetParam();
    ctx.store.SystemType = c.system;
    Profile(3);
    RunCommand(c);
    const int r = c.row;
    const QString shown = Cell(r, 7);
    EXPECT_EQ(shown.trimmed(), c.type);
    EXPECT_EQ(shown.size(), NodeTypeNameWidth) << shown.toStdString();

    // With an elevation and a length the row is a node: the fill writes it again.
    w->msgProfile->setTextMatrix(r, 1, "120");
    w->msgProfile->setTextMatrix(r, 2, r == 4 ? "50" : QString::number(10 * r - 5));
    ASSERT_TRUE(w->ReadGrid(InputGrid::Profile));
    const SaveImage pending = BuildSaveImage(ctx);
    EXPECT_EQ(ctx.store.NodeTypeCode[static_cast<size_t>(r)], NodeTypeCodeOf(c.type));
    w->FillProfileGrid();
    EXPECT_EQ(Cell(r, 7), shown);
    // The bare name saves the same record.
    w->msgProfile->setTextMatrix(r, 7, c.type);
    EXPECT_EQ(BuildSaveImage(ctx), pending);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AddedRowTest,
    ::testing::Values(AddedRowCase{"append", PipelineSystem::Gravity, 4, "Node"},
                      AddedRowCase{"enter", PipelineSystem::Pumping, 4, "Node"},
                      AddedRowCase{"insert", PipelineSystem::Gravity, 2, "Node"},
                      AddedRowCase{"insert", PipelineSystem::Gravity, 1, "Reservoir"},
                      AddedRowCase{"insert", PipelineSystem::Pumping, 1, "Pumpstation"}));

TEST_F(ProfileRowsTest, AProfileNeverGrowsPastFiveHundredRows)
{
    Profile(MaxNodes);
    FlexGrid* g = w->msgProfile;
    const QString last = RowText(MaxNodes);
    EXPECT_FALSE(w->AppendProfileRow());
    Select(g, 7, 1);
    EXPECT_FALSE(w->InsertProfileRowBefore());
    ASSERT_EQ(scripted.messages.size(), 2u);
    EXPECT_TRUE(scripted.lastMessage().contains("500"));
    EXPECT_EQ(g->Rows(), MaxNodes + 1);
    EXPECT_EQ(RowText(MaxNodes), last);
    EXPECT_EQ(Cell(7, 1), "107");
    // Enter on the last row asks the same and adds nothing.
    Select(g, MaxNodes, 7);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(g->Rows(), MaxNodes + 1);
}

TEST_F(ProfileRowsTest, DeletingARowAsksWhenItHoldsData)
{
    Profile(4);
    FlexGrid* g = w->msgProfile;
    const QString third = RowText(3), fourth = RowText(4);
    Select(g, 2, 1);
    scripted.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(w->DeleteCurrentProfileRow());
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.lastMessage(),
              "There is data in row 2 ! Do you want to delete the row anyway?");
    EXPECT_EQ(scripted.messages[0].title, "Vemora : Delete row!");
    EXPECT_EQ(scripted.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(g->Rows(), 5);

    // Deleting row 2 of four: every column of it goes, the rows below move up.
    g->setTextMatrix(3, 7, QString::fromStdString(NodeTypeNames(6)));
    const QString third90 = RowText(3);
    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(w->DeleteCurrentProfileRow());
    ASSERT_EQ(g->Rows(), 4);
    EXPECT_EQ(RowText(2), third90);
    EXPECT_NE(RowText(2), third);
    EXPECT_EQ(RowText(3), fourth);
    EXPECT_EQ(Cell(3, 0), "3");
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(ctx.store.NodeCount, 4); // the store waits for the save

    // A blank row goes without a question; the current last row moves up.
    for (int c = 1; c <= 7; ++c)
        g->setTextMatrix(3, c, "");
    Select(g, 3, 1);
    scripted.messages.clear();
    EXPECT_TRUE(w->DeleteCurrentProfileRow());
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_EQ(g->Rows(), 3);
    EXPECT_EQ(g->Row(), 2);

    // One data row always stays.
    scripted.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(w->DeleteLastProfileRow());
    EXPECT_EQ(g->Rows(), 2);
    EXPECT_FALSE(w->DeleteCurrentProfileRow());
    EXPECT_FALSE(w->DeleteLastProfileRow());
    EXPECT_EQ(g->Rows(), 2);
}

TEST_F(ProfileRowsTest, DeleteRowWindowShowsTheRowAndAsksAgain)
{
    Profile(4);
    FlexGrid* g = w->msgProfile;
    g->setTextMatrix(3, 7, QString::fromStdString(NodeTypeNames(3)));
    Select(g, 3, 2);
    QStringList shown;
    QString caption;
    scripted.dialogHandlers.push_back([&](QDialog* d) {
        auto* dialog = static_cast<frmDeleteRow*>(d);
        caption = dialog->windowTitle();
        for (QLabel* label : dialog->lblDelete)
            shown << label->text();
        dialog->sscYes->click();
    });
    scripted.answers.push_back(MsgAnswer::Yes);
    w->sscDelete->click();
    EXPECT_EQ(caption, "  DELETE ROW");
    EXPECT_EQ(shown, QStringList({"3", "103", "30", "300", "6", "900", "Isolating valve"}));
    EXPECT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(g->Rows(), 4);

    // No closes the window and changes nothing; Help opens topic 3060.
    scripted.dialogHandlers.push_back([](QDialog* d) {
        auto* dialog = static_cast<frmDeleteRow*>(d);
        dialog->sscHelp->click();
        dialog->sscNo->click();
    });
    w->sscDelete->click();
    EXPECT_EQ(g->Rows(), 4);
    EXPECT_EQ(scripted.helpTopics.back(), 3060);
}

// A right click on the node-number column selects its row before the menu
// opens, and the menu's items run on that row; elsewhere no menu opens.
TEST_F(ProfileRowsTest, RightClickOnTheNodeNumbersOpensTheRowMenu)
{
    Profile(5);
    FlexGrid* g = w->msgProfile;
    const QString fourth = RowText(4);
    Keys("6"); // an open editor closes on the click
    Click(g, 3, 4, Qt::RightButton);
    EXPECT_TRUE(scripted.menusShown.empty());
    EXPECT_FALSE(w->txtCell->isVisible());

    scripted.menuChoices.push_back("Insert a row before the current row");
    Click(g, 4, 0, Qt::RightButton);
    ASSERT_EQ(scripted.menusShown.size(), 1u);
    EXPECT_EQ(
        scripted.menusShown[0],
        QStringList({"Add a row at the end of the profile", "Insert a row before the current row",
                     "Delete the last row of the profile", "Delete the current row"}));
    EXPECT_EQ(g->Rows(), 7);
    EXPECT_EQ(RowText(5), fourth);
    EXPECT_EQ(Cell(4, 1), "");
    EXPECT_EQ(Cell(1, 1), "6");

    scripted.menuChoices.push_back("Delete the current row");
    Click(g, 4, 0, Qt::RightButton);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->Rows(), 6);
    EXPECT_EQ(RowText(4), fourth);
}

// The profile page of the help names the row menu's items as the menu shows
// them, and says that the Add row button inserts before the current row.
TEST_F(ProfileRowsTest, HelpPageDescribesTheRowCommandsAsTheyAct)
{
    QFile file(QStringLiteral(VEMORA_SOURCE_DIR "/resources/help/3060.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QString page = document.toPlainText().simplified();

    Profile(3);
    Click(w->msgProfile, 2, 0, Qt::RightButton);
    ASSERT_EQ(scripted.menusShown.size(), 1u);
    for (const QString& item : scripted.menusShown[0])
        EXPECT_TRUE(page.contains(QLatin1Char('"') + item + QLatin1Char('"')))
            << item.toStdString();

    const QString button = w->sscAdd->Caption().remove(QLatin1Char('&'));
    const qsizetype at = page.indexOf(button + QLatin1Char(' '));
    ASSERT_GE(at, 0) << button.toStdString();
    const QString sentence = page.mid(at, page.indexOf(QLatin1Char('.'), at) - at);
    EXPECT_TRUE(sentence.contains(QLatin1String("before the current row")))
        << sentence.toStdString();
    EXPECT_FALSE(sentence.contains(QLatin1String("end"))) << sentence.toStdString();
}

TEST_F(ProfileRowsTest, DoubleClicksDiscardResultsExceptOnTheDemandTables)
{
    PretendResults();
    w->sstInput->setTab(0);
    QTest::mouseDClick(w->msgDemand->viewport(), Qt::LeftButton, {},
                       CellCentre(w->msgDemand, 1, 1));
    EXPECT_TRUE(ctx.store.ResultsValid);
    w->sstInput->setTab(1);
    w->sscLaying_Click();
    Select(w->msgLaying, 2, 1);
    PretendResults();
    QTest::mouseDClick(w->msgLaying->viewport(), Qt::LeftButton, {},
                       CellCentre(w->msgLaying, 2, 1));
    EXPECT_FALSE(ctx.store.ResultsValid);
}

} // namespace
} // namespace vemora::test
