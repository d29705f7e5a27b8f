// Every way text gets into a box: into a number box a paste or a drop goes
// whole or not at all and an input method's text through the key filter,
// into a text box of one line on one line, into the description only as far
// as the record keeps, its line breaks as the file holds them.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "InputWindowUserFixture.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "project/ProjectRecord.h"

namespace vemora::test {

namespace {

void SetClipboard(const QString& text, QClipboard::Mode mode = QClipboard::Clipboard)
{
    QApplication::clipboard()->setText(text, mode);
}

// The right button opens the box's own menu; its Paste item is clicked.
void PasteFromContextMenu(QWidget* box)
{
    ClickOn(box, Qt::RightButton);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no context menu";
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("&Paste"))) paste = action;
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    ClickOn(menu, Qt::LeftButton, menu->actionGeometry(paste).center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Text dragged from elsewhere and dropped at a point of `target`.
void DropText(QWidget* target, const QString& text, QPoint at)
{
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void Compose(QWidget* box, const QString& text)
{
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(box, &composed);
}

} // namespace

// Every paste route into a number box takes a number whole, without the
// outer blanks and line end a spreadsheet cell is copied with, or nothing:
// text the key filter would change is refused, the reason on the status
// line. An input method's text is typed, through the filter.
TEST_F(InputWindowUserTest, EveryPasteRouteIntoANumberBoxTakesAWholeNumberOrNothing)
{
    NewOfType(0);
    w->sstInput->setTab(3);
    QLineEdit* box = w->txtDiscountRate;
    box->clear();
    FocusByClick(box);
    const auto status = [this] { return main->panelText(MainWindow::HintPanel); };

    SetClipboard(QStringLiteral("12.5"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("12.5"));

    box->selectAll();
    SetClipboard(QStringLiteral("157.5abc-1,5"));
    PressKey(w, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), QStringLiteral("12.5"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("12.5"));
    EXPECT_EQ(status(), QStringLiteral("Nothing pasted: \"157.5abc-1,5\" holds characters other "
                                       "than digits and the full stop."));

    main->setPanelText(MainWindow::HintPanel, QString());
    SetClipboard(QStringLiteral("12\n34\n56\n"));
    PasteFromContextMenu(box);
    EXPECT_EQ(box->text(), QStringLiteral("12.5"));
    EXPECT_EQ(status(), QStringLiteral("Nothing pasted: \"12 34 56\" holds characters other "
                                       "than digits and the full stop."));

    box->selectAll();
    SetClipboard(QStringLiteral(" 7.25\r\n"));
    PasteFromContextMenu(box);
    EXPECT_EQ(box->text(), QStringLiteral("7.25"));

    box->setText(QStringLiteral("1"));
    const QPoint end = box->rect().center() + QPoint(box->width() / 2 - 3, 0);
    DropText(box, QStringLiteral("2 x-3"), end);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    DropText(box, QStringLiteral("23\n"), end);
    EXPECT_EQ(box->text(), QStringLiteral("123"));

    box->setText(QStringLiteral("8"));
    box->end(false);
    Compose(box, QStringLiteral("4\u00e9,2"));
    EXPECT_EQ(box->text(), QStringLiteral("842"));
}

// A refused paste is like a refused key: the box, its selection and the
// results stay as they were.
TEST_F(InputWindowUserTest, ARefusedPasteChangesNothing)
{
    NewOfType(0);
    w->sstInput->setTab(3);
    QLineEdit* box = w->txtDiscountRate;
    box->setText(QStringLiteral("9"));
    FocusByClick(box);
    box->selectAll();
    PretendResults();
    SetClipboard(QStringLiteral("abc -,"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    PasteFromContextMenu(box);
    EXPECT_EQ(box->selectedText(), QStringLiteral("9"));
    // A drag over the box moves its caret, as over any box.
    DropText(box, QStringLiteral("x"), box->rect().center());
    Compose(box, QStringLiteral("e"));
    EXPECT_EQ(box->text(), QStringLiteral("9"));
    EXPECT_TRUE(ctx.store.ResultsValid);
}

// The middle button pastes the selection of systems that have one (X11).
TEST_F(InputWindowUserTest, MiddleButtonPastesTheSelectionAsAWhole)
{
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has no selection to paste";
    NewOfType(0);
    w->sstInput->setTab(3);
    QLineEdit* box = w->txtWaterSales;
    box->clear();
    SetClipboard(QStringLiteral("3-4a.5"), QClipboard::Selection);
    ClickOn(box, Qt::MiddleButton);
    EXPECT_EQ(box->text(), QString());
    SetClipboard(QStringLiteral("34.5\n"), QClipboard::Selection);
    ClickOn(box, Qt::MiddleButton);
    EXPECT_EQ(box->text(), QStringLiteral("34.5"));
}

// A number box without the key filter (the gravity fixed demand) takes any
// paste, without its outer blanks and line ends.
TEST_F(InputWindowUserTest, APasteIntoAnUnfilteredNumberBoxLosesItsLineEnd)
{
    NewOfType(0);
    QLineEdit* box = w->txtGFlowrate;
    FocusByClick(box);
    box->selectAll();
    SetClipboard(QStringLiteral("  0.35 l/s\r\n"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("0.35 l/s"));
}

// The description takes as many characters as the record keeps, by any
// route, a typed line break as the two of CR LF; what fits of a longer paste
// or drop goes in.
TEST_F(InputWindowUserTest, DescriptionHoldsWhatTheRecordKeeps)
{
    constexpr int width = ProjectRecord::ProjectDescriptionWidth;
    NewOfType(0);
    QPlainTextEdit* box = w->txtDescription;
    const auto kept = [this] { return w->BoxText(InputBox::txtDescription); };
    FocusByClick(box);
    box->setPlainText(QString(width - 4, QLatin1Char('a')));
    box->moveCursor(QTextCursor::End);
    PressKey(w, Qt::Key_B);
    PressKey(w, Qt::Key_Return);
    PressKey(w, Qt::Key_C);
    PressKey(w, Qt::Key_Return);
    PressKey(w, Qt::Key_D);
    EXPECT_EQ(kept().size(), width);
    EXPECT_TRUE(kept().endsWith(QStringLiteral("ab\r\nc"))) << kept().right(6).toStdString();

    SetClipboard(QStringLiteral("xyz"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    PasteFromContextMenu(box);
    EXPECT_EQ(kept().size(), width);

    // Over a selection of two, two characters of the paste go in.
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(kept().startsWith(QStringLiteral("xya")));
    EXPECT_EQ(kept().size(), width);

    box->setPlainText(QString(width - 5, QLatin1Char('a')));
    box->moveCursor(QTextCursor::End);
    DropText(box->viewport(), QStringLiteral("1\n23456789"), box->viewport()->rect().bottomRight());
    EXPECT_TRUE(kept().endsWith(QStringLiteral("a1\r\n23"))) << kept().right(6).toStdString();
    Compose(box, QStringLiteral("zz"));
    EXPECT_EQ(kept().size(), width);

    // Text the box already holds (a loaded project) stays whole; shorter
    // texts take typing again.
    box->setPlainText(QStringLiteral("Dam"));
    box->moveCursor(QTextCursor::End);
    PressKey(w, Qt::Key_S);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Dams"));
}

// The text boxes take only what the project file's character set holds: a
// typed character it lacks is dropped with the reason on the status line; a
// paste or a drop that holds one is refused whole. Pump type and
// configuration take as much as the record keeps.
TEST_F(InputWindowUserTest, TextBoxesTakeOnlyWhatTheFileCanHold)
{
    NewOfType(1);
    const auto status = [this] { return main->panelText(MainWindow::HintPanel); };
    const auto type = [](QWidget* box, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    };
    QLineEdit* designer = w->txtDesigner;
    designer->clear();
    FocusByClick(designer);
    type(designer, QStringLiteral("Pipe \u65e5"));
    EXPECT_EQ(status(), QStringLiteral("\"\u65e5\" cannot be kept in the project file."));
    type(designer, QStringLiteral("\u672c \u20ac5 \u014dk"));
    EXPECT_EQ(designer->text(), QStringLiteral("Pipe  \u20ac5 k"));
    EXPECT_EQ(status(), QStringLiteral("\"\u014d\" cannot be kept in the project file."));

    designer->selectAll();
    SetClipboard(QStringLiteral("\u65e5\u672c pipe"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(designer->text(), QStringLiteral("Pipe  \u20ac5 k"));
    EXPECT_EQ(status(), QStringLiteral("Nothing pasted: \"\u65e5\u672c pipe\" holds characters the "
                                       "project file cannot hold."));
    main->setPanelText(MainWindow::HintPanel, QString());
    PasteFromContextMenu(designer);
    EXPECT_EQ(designer->text(), QStringLiteral("Pipe  \u20ac5 k"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Nothing pasted:")));
    SetClipboard(QStringLiteral("Gr\u00f6\u00dfe \u20ac"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(designer->text(), QStringLiteral("Gr\u00f6\u00dfe \u20ac"));

    QPlainTextEdit* description = w->txtDescription;
    description->setPlainText(QStringLiteral("Dam"));
    FocusByClick(description);
    description->moveCursor(QTextCursor::End);
    type(description, QStringLiteral("\u014d"));
    SetClipboard(QStringLiteral("x\u014d"));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    DropText(description->viewport(), QStringLiteral("\u65e5"),
             description->viewport()->rect().center());
    Compose(description, QStringLiteral("a\u014d"));
    EXPECT_EQ(description->toPlainText(), QStringLiteral("Dam"));

    QTest::mouseClick(w->optPumpDetails, Qt::LeftButton);
    QTest::mouseClick(w->sscPumpcurve, Qt::LeftButton);
    FocusByClick(w->txtPumptype);
    SetClipboard(QString(132, QLatin1Char('p')));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtPumptype->text().size(), ProjectRecord::PumpTypeWidth);
    FocusByClick(w->txtPumpDescription);
    SetClipboard(QString(1040, QLatin1Char('c')));
    PressKey(w, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtPumpDescription->text().size(), ProjectRecord::PumpDescriptionWidth);
}

class OneLineBoxTest : public InputWindowUserTest, public ::testing::WithParamInterface<const char*>
{
};

// What comes into a text box of one line by any route comes on one line,
// each tab and line break (CR LF, CR or LF) one blank; a text the box holds
// already (a loaded project's) keeps them.
TEST_P(OneLineBoxTest, EveryRouteTakesTheTextOnOneLine)
{
    NewOfType(1);
    QTest::mouseClick(w->optPumpDetails, Qt::LeftButton);
    QTest::mouseClick(w->sscPumpcurve, Qt::LeftButton);
    auto* box = w->findChild<QLineEdit*>(QString::fromLatin1(GetParam()));
    ASSERT_NE(box, nullptr);
    FocusByClick(box);
    const QString pasted = QStringLiteral("Type\tX\r\nY\rZ\n\n");
    const QString line = QStringLiteral("Type X Y Z  ");
    const std::vector<std::pair<const char*, std::function<void()>>> routes = {
        {"Ctrl+V", [&] { PressKey(w, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [&] { PressKey(w, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"its menu", [&] { PasteFromContextMenu(box); }},
        {"a drop", [&] { DropText(box, pasted, box->rect().center()); }},
        {"an input method", [&] { Compose(box, pasted); }},
    };
    SetClipboard(pasted);
    for (const auto& [route, paste] : routes) {
        SCOPED_TRACE(route);
        box->clear();
        paste();
        EXPECT_EQ(box->text(), line);
    }

    box->setText(pasted);
    box->end(false);
    PressKey(w, Qt::Key_A);
    EXPECT_EQ(box->text(), pasted + 'a');
}

INSTANTIATE_TEST_SUITE_P(Boxes, OneLineBoxTest,
                         ::testing::Values("txtProject", "txtDesigner", "txtPumptype",
                                           "txtPumpDescription"));

} // namespace vemora::test
