// The text box's key events: the numeric filter dropping keys, the order
// of KeyDown, KeyPress and the text change, and cancelled keys.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "platform/TextBox.h"

using namespace vemora;

TEST(TextBox, NumericFilterDropsRefusedCharacters)
{
    QWidget owner;
    TextBox txt(&owner);
    QObject::connect(&txt, &TextBox::KeyPress, &owner, [](int& ascii) {
        if (!isNumericKey(ascii, false)) ascii = 0;
    });
    QTest::keyClicks(&txt, "4a5.-,x1");
    EXPECT_EQ(txt.Text(), "45.1");
    QTest::keyClick(&txt, Qt::Key_Backspace);
    EXPECT_EQ(txt.Text(), "45.");
    EXPECT_TRUE(isNumericKey(keycode::Escape, true));
    EXPECT_FALSE(isNumericKey(keycode::Escape, false));
    EXPECT_FALSE(isNumericKey('-', true));
}

TEST(TextBox, KeyPressSeesTheTextBeforeTheCharacterArrives)
{
    QWidget owner;
    TextBox txt(&owner);
    txt.setText("4");
    QStringList seen;
    std::vector<int> order;
    QObject::connect(&txt, &TextBox::KeyDown, &owner,
                     [&](int& code, int) { order.push_back(code); });
    QObject::connect(&txt, &TextBox::KeyPress, &owner, [&](int& ascii) {
        order.push_back(-ascii);
        seen << txt.Text() + QString("|%1").arg(txt.SelStart());
    });
    QTest::keyClick(&txt, Qt::Key_7);
    QTest::keyClick(&txt, Qt::Key_Backspace);
    EXPECT_EQ(seen, QStringList({"4|1", "47|2"}));
    EXPECT_EQ(order, (std::vector<int>{55, -55, 8, -8}));
    EXPECT_EQ(txt.Text(), "4");
}

TEST(TextBox, CancelledAndReplacedKeys)
{
    QWidget owner;
    TextBox txt(&owner);
    txt.setText("123");
    txt.setSelStart(3);
    QObject::connect(&txt, &TextBox::KeyDown, &owner, [](int& code, int) {
        if (code == keycode::Left) code = 0;
    });
    QObject::connect(&txt, &TextBox::KeyPress, &owner, [](int& ascii) {
        if (ascii == 'a') ascii = 'A';
    });
    QTest::keyClick(&txt, Qt::Key_Left);
    EXPECT_EQ(txt.SelStart(), 3); // the arrow was cancelled
    QTest::keyClick(&txt, Qt::Key_Home);
    EXPECT_EQ(txt.SelStart(), 0);
    QTest::keyClick(&txt, Qt::Key_A);
    EXPECT_EQ(txt.Text(), "A123");

    int changes = 0;
    QObject::connect(&txt, &TextBox::Change, &owner, [&] { ++changes; });
    txt.setText("9");
    EXPECT_EQ(changes, 1);
}
