// The field behaviours a window hands its controls: hints on focus, the
// numeric key filter and the wheel guard, on bare controls.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "platform/EntryGuard.h"
#include "platform/FieldBehaviours.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/RefusalReasons.h"
#include "platform/TextBox.h"

namespace vemora {
namespace {

class FieldBehavioursTest : public ::testing::Test
{
  protected:
    QWidget window;
    QStringList hints;
    FieldBehaviours* fields =
        new FieldBehaviours(&window, [this](const QString& hint) { hints << hint; });
};

TEST_F(FieldBehavioursTest, OnlyFocusHintsReachTheSink)
{
    auto* focused = new QLineEdit(&window);
    auto* plain = new QLineEdit(&window);
    fields->AddFocusHint(focused, "Enter the pump head");
    fields->AddHint(plain, "Enter the pump installation efficiency");
    EXPECT_EQ(focused->toolTip(), "Enter the pump head");
    EXPECT_EQ(plain->toolTip(), "Enter the pump installation efficiency");
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(plain, &in);
    QApplication::sendEvent(focused, &in);
    EXPECT_EQ(hints, QStringList{"Enter the pump head"});
}

// The window coming up again writes the hint of the field that holds its
// focus.
TEST_F(FieldBehavioursTest, AWindowShowingWritesTheHintOfItsFocusField)
{
    auto* focused = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    fields->AddFocusHint(focused, "Enter the project name");
    fields->AddFocusHint(other, "Enter the designer");
    window.show();
    focused->setFocus();
    window.hide();
    hints.clear();
    window.show();
    EXPECT_EQ(hints, QStringList{"Enter the project name"});
}

TEST_F(FieldBehavioursTest, NumericFilterKeepsDigitsAndTheFullStopAndAPasteGoesWholeOrNot)
{
    auto* field = new QLineEdit(&window);
    fields->AddKeyFilter(field);
    QTest::keyClicks(field, "-1,2 a.5e");
    EXPECT_EQ(field->text(), "12.5");
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u00e9"));
    QApplication::sendEvent(field, &composed);
    EXPECT_EQ(field->text(), "12.5");
    hints.clear(); // what the refused keys told (RefusedKeyTest)
    // A paste goes in whole, without its outer blanks and line ends, or not
    // at all: the hint sink hears why.
    QApplication::clipboard()->setText("9a-9");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "12.5");
    EXPECT_EQ(hints, QStringList{"Nothing pasted: \"9a-9\" holds characters other than digits "
                                 "and the full stop."});
    QApplication::clipboard()->setText(" 99\r\n");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "12.599");
    EXPECT_EQ(hints.last(), ""); // the paste that went in ends the refusal
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12.59");
    QApplication::clipboard()->setText("x y");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier); // refused: nothing changes
    EXPECT_EQ(field->text(), "12.59");
    EXPECT_EQ(field->selectedText(), "12.59");
    EXPECT_EQ(hints.size(), 3);

    EXPECT_TRUE(NumericTextAccepted("0.25\t"));
    EXPECT_FALSE(NumericTextAccepted("1e5"));
    EXPECT_EQ(NumericCharacters("157.5abc-1,5\r\n"), "157.515");
    EXPECT_EQ(PastedNumberText(" \r\n 12.5 \n", true), QString("12.5"));
    EXPECT_EQ(PastedNumberText("12\n34", true), std::nullopt);
    EXPECT_EQ(PastedNumberText("12\t", true), std::nullopt);
    EXPECT_EQ(PastedNumberText("-3 m\n", false), QString("-3 m"));
    EXPECT_EQ(NumberPasteRefusedReason(QString(40, QLatin1Char('x'))),
              "Nothing pasted: \"" + QString(30, QLatin1Char('x')) +
                  "...\" holds characters other than digits and the full stop.");
}

TEST_F(FieldBehavioursTest, WheelChangesAGuardedListOnlyWithTheFocus)
{
    auto* list = new QComboBox(&window);
    list->addItems({"m", "km", "ft"});
    fields->GuardWheels(&window);
    QComboBox unguarded; // the wheel would change a list without the guard
    unguarded.addItems({"m", "km", "ft"});
    const auto turn = [](QComboBox* target) {
        const QPointF at(5, 5);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    };
    turn(&unguarded);
    ASSERT_EQ(unguarded.currentIndex(), 1);
    turn(list);
    EXPECT_EQ(list->currentIndex(), 0);
}

// ---- a refused key says so -------------------------------------------------

// Where the keys of a number go: a number box of a window's fields, a grid's
// number cell typed on as it stands, or that cell's editor opened by F2.
enum class NumberField {
    Box,
    Cell,
    CellEditor,
};

class RefusedKeyTest : public ::testing::TestWithParam<NumberField>
{
  protected:
    void SetUp() override
    {
        other = new QLineEdit(&window);
        other->move(0, 200);
        const auto show = [this](const QString& text) { panel = text; };
        const auto read = [this] { return panel; };
        if (GetParam() == NumberField::Box) {
            box = new QLineEdit(&window);
            (new FieldBehaviours(&window, show, read))->AddKeyFilter(box);
        } else {
            grid = new FlexGrid(&window);
            grid->setRows(3);
            grid->setCols(3);
            grid->resize(300, 150);
            CellEditRules rules;
            rules.f2Columns = {1};
            rules.filterColumns = {1};
            cells = new GridCellEditor(grid, new TextBox(&window), rules, [] {});
            cells->setStatusLine(show, read);
        }
        window.resize(400, 300);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        FocusField();
        panel = QStringLiteral("Enter the discount rate");
    }

    void FocusField()
    {
        if (box) {
            box->setFocus();
            return;
        }
        cells->FocusCell(1, 1);
        if (GetParam() == NumberField::CellEditor) QTest::keyClick(grid, Qt::Key_F2);
    }

    // A character typed where the focus stands, as a user types it.
    static void Type(char c)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, c);
    }

    QString Number() const { return box ? box->text() : grid->TextMatrix(1, 1); }

    QWidget window;
    QLineEdit* other = nullptr;
    QLineEdit* box = nullptr;
    FlexGrid* grid = nullptr;
    GridCellEditor* cells = nullptr;
    QString panel;
};

// "1,5" becomes 15 with the comma told; the next key taken, a paste that
// goes in and the focus moving on each put back what the line showed; a
// text written over the reason meanwhile stays.
TEST_P(RefusedKeyTest, ARefusedKeyIsToldUntilTheNextKeyPasteOrFocusMove)
{
    const QString before = QStringLiteral("Enter the discount rate");
    const std::pair<char, QString> typed[] = {
        {',', QStringLiteral("\",\" cannot be typed in a number here.")},
        {'1', before},
        {',', QStringLiteral("\",\" cannot be typed in a number here.")},
        {'-', QStringLiteral("\"-\" cannot be typed in a number here.")},
        {'5', before},
    };
    for (const auto& [c, status] : typed) {
        Type(c);
        EXPECT_EQ(panel, status) << "after " << c;
    }
    EXPECT_EQ(Number(), QStringLiteral("15"));

    Type('e');
    EXPECT_EQ(panel, QStringLiteral("\"e\" cannot be typed in a number here."));
    QApplication::clipboard()->setText(QStringLiteral("0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel, before);
    EXPECT_EQ(Number(), QStringLiteral("150"));

    Type('x');
    panel = QStringLiteral("Saving");
    Type('2');
    EXPECT_EQ(panel, QStringLiteral("Saving"));

    panel = before;
    Type('x');
    EXPECT_EQ(panel, QStringLiteral("\"x\" cannot be typed in a number here."));
    other->setFocus();
    EXPECT_EQ(panel, before);
}

INSTANTIATE_TEST_SUITE_P(NumberFields, RefusedKeyTest,
                         ::testing::Values(NumberField::Box, NumberField::Cell,
                                           NumberField::CellEditor));

} // namespace
} // namespace vemora
