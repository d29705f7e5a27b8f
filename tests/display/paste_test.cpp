// A value copied in another program and pasted into a number box or a grid
// cell of the input window: xclip holds the desktop's clipboard as a
// spreadsheet does after Copy, with the line end a copied cell carries; a
// key that a number refuses, told on the status line; and a text of two
// lines pasted into a text box of one line.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "converter/frmConverter.h"
#include "display/DisplayFixture.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "project/ProjectFile.h"

namespace vemora::test {
namespace {

class PasteTest : public DisplayTest
{
  protected:
    // The text is on the desktop's clipboard, then Ctrl+V goes to `field`.
    static void PasteFromTheDesktop(QWidget* field, const QString& text)
    {
        ASSERT_TRUE(HoldOnTheClipboard(text)) << "xclip is missing";
        ASSERT_TRUE(WaitFor([&] { return QGuiApplication::clipboard()->text() == text; }));
        ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    QString Status() const { return main_->panelText(MainWindow::HintPanel); }
};

// A column copied from a spreadsheet is refused whole, in a number box and
// in a grid cell, with the reason on the status line; one copied cell goes
// in without its line end.
TEST_F(PasteTest, ACopiedColumnIsRefusedAndACopiedCellGoesIn)
{
    StartUp();
    OpenThroughMenu(SavePumpingProject(QStringLiteral("Pasted")));
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    ASSERT_TRUE(input && WaitShown(input));

    QLineEdit* box = input->txtMechanical;
    ShowPageOf(input->sstInput, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    ASSERT_TRUE(WaitFor([&] { return box->hasFocus(); }));
    const QString mechanical = box->text();
    box->selectAll();
    PasteFromTheDesktop(box, QStringLiteral("12\n34\n56\n"));
    EXPECT_EQ(box->text(), mechanical);
    EXPECT_EQ(Status(), QStringLiteral("Nothing pasted: \"12 34 56\" holds characters other than "
                                       "digits and the full stop."));
    PasteFromTheDesktop(box, QStringLiteral("250000\n"));
    EXPECT_EQ(box->text(), QStringLiteral("250000"));

    // The annual package of the manager, in the staff table on that page.
    FlexGrid* grid = input->msgOperational;
    const QPoint cell = grid->cellRect(1, 1).center() - grid->viewport()->geometry().topLeft();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(WaitFor([&] { return input->txtCellOperational->hasFocus(); }));
    const QString package = grid->TextMatrix(1, 1);
    input->txtCellOperational->selectAll();
    PasteFromTheDesktop(input->txtCellOperational, QStringLiteral("85000\t40\r\n"));
    EXPECT_EQ(grid->TextMatrix(1, 1), package);
    EXPECT_EQ(Status(), QStringLiteral("Nothing pasted: \"85000 40\" holds characters other than "
                                       "digits and the full stop."));
    input->txtCellOperational->selectAll();
    PasteFromTheDesktop(input->txtCellOperational, QStringLiteral("85000\r\n"));
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("85000"));
    QTest::keyClick(input->txtCellOperational, Qt::Key_Return);
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("85000"));
}

// "1,5" typed as a user types it, in a number box and a number cell of the
// input window and in the converter's box: the comma is told on the status
// line and the 5 puts back what the line showed; the number is 15.
TEST_F(PasteTest, ARefusedKeyIsToldUntilTheNextKeyGoesIn)
{
    StartUp();
    OpenThroughMenu(SavePumpingProject(QStringLiteral("Typed")));
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    ASSERT_TRUE(input && WaitShown(input));
    const QString comma = QStringLiteral("\",\" cannot be typed in a number here.");
    // Types "1,5" where the focus stands; the status line after each key.
    const auto typeOneCommaFive = [&](QStringList& seen) {
        seen.clear();
        for (char c : {'1', ',', '5'}) {
            ASSERT_TRUE(WaitFor([] { return QGuiApplication::focusWindow() != nullptr; }));
            QTest::keyClick(QGuiApplication::focusWindow(), c);
            seen << Status();
        }
    };
    const auto expectTold = [&](const QStringList& seen, const QString& before) {
        EXPECT_EQ(seen, (QStringList{before, comma, before}));
    };

    QLineEdit* box = input->txtMechanical;
    ShowPageOf(input->sstInput, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    ASSERT_TRUE(WaitFor([&] { return box->hasFocus(); }));
    box->clear();
    QStringList seen;
    const QString boxHint = Status();
    typeOneCommaFive(seen);
    expectTold(seen, boxHint);
    EXPECT_EQ(box->text(), QStringLiteral("15"));

    FlexGrid* grid = input->msgOperational;
    const QPoint cell = grid->cellRect(1, 1).center() - grid->viewport()->geometry().topLeft();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    const QString cellHint = Status();
    typeOneCommaFive(seen);
    expectTold(seen, cellHint);
    EXPECT_EQ(grid->TextMatrix(1, 1), QStringLiteral("15"));

    QString converted;
    ModalScript script;
    script.then("the converter", Named("frmConverter"), [&](QWidget* w) {
        auto* converter = static_cast<frmConverter*>(w);
        Click(converter->txtConvert);
        ASSERT_TRUE(WaitFor([&] { return converter->txtConvert->hasFocus(); }));
        converter->txtConvert->selectAll();
        const QString before = Status();
        typeOneCommaFive(seen);
        expectTold(seen, before);
        converted = converter->txtConvert->text();
        Click(converter->sscExit);
    });
    Run(script, [&] { ChooseMenu(main_->mnuHelp, main_->mnuConvert); });
    EXPECT_EQ(converted, QStringLiteral("15"));
}

// Cells copied with a tab and a line end go into the pump type on one line,
// each a blank, and the save writes them so.
TEST_F(PasteTest, APasteIntoThePumpTypeTakesItOnOneLine)
{
    OpenPumpingProject(QStringLiteral("Pump type pasted"));
    frmLCC* input = Input();
    ShowPageOf(input->sstInput, input->sscPumpcurve);
    Click(input->sscPumpcurve);
    QLineEdit* box = input->txtPumptype;
    ASSERT_TRUE(WaitShown(box));
    Click(box);
    ASSERT_TRUE(WaitFor([&] { return box->hasFocus(); }));
    box->selectAll();
    PasteFromTheDesktop(box, QStringLiteral("Type\tX\r\nY"));
    EXPECT_EQ(box->text(), QStringLiteral("Type X Y"));

    ChooseMenu(main_->mnuFile, main_->mnuSave);
    ProjectRecord saved;
    int64_t record = 0;
    ASSERT_EQ(ReadProjectFile(ctx.store.ProjectFilePath, saved, record), FileStatus::Ok);
    EXPECT_EQ(saved.PumpType, "Type X Y" + std::string(ProjectRecord::PumpTypeWidth - 8, ' '));
}

} // namespace
} // namespace vemora::test
