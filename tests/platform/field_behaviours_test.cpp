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

#include "platform/FieldBehaviours.h"
#include "platform/NumberPaste.h"

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
    EXPECT_EQ(PasteRefusedReason(QString(40, QLatin1Char('x'))),
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

} // namespace
} // namespace vemora
