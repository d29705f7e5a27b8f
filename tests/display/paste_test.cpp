// A value copied in another program and pasted into a number box or a grid
// cell of the input window: xclip holds the desktop's clipboard as a
// spreadsheet does after Copy, with the line end a copied cell carries.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "display/DisplayFixture.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"

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

} // namespace
} // namespace vemora::test
