// The text box's key events: the numeric filter dropping keys, the order
// of KeyDown, KeyPress and the text change, and cancelled keys; the line
// breaks a box of several lines keeps through edits.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "platform/TextArea.h"
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

namespace {

struct KeptBreaksCase
{
    const char* what;
    QString loaded;
    std::function<void(TextArea&)> edit;
    QString kept;
    int maxLength = 0;
    friend void PrintTo(const KeptBreaksCase& c, std::ostream* os) { *os << c.what; }
};

void CaretAt(TextArea& box, int position)
{
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(position);
    box.setTextCursor(cursor);
}

class KeptBreaksTest : public ::testing::TestWithParam<KeptBreaksCase>
{
};

} // namespace

// The breaks of a loaded text stay as they came through edits around them;
// typed and pasted ones are CR LF and count two towards the limit.
TEST_P(KeptBreaksTest, LoadedBreaksStayAndNewOnesAreCrLf)
{
    const KeptBreaksCase& c = GetParam();
    QWidget owner;
    TextArea box(&owner);
    box.setMaxLength(c.maxLength);
    box.setKeptText(c.loaded);
    box.moveCursor(QTextCursor::End);
    c.edit(box);
    EXPECT_EQ(box.keptText(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, KeptBreaksTest,
    ::testing::Values(KeptBreaksCase{"typed at the end", "One\nTwo\rThree",
                                     [](TextArea& b) { QTest::keyClick(&b, Qt::Key_Return); },
                                     "One\nTwo\rThree\r\n"},
                      KeptBreaksCase{"a break deleted", "One\nTwo\rThree",
                                     [](TextArea& b) {
                                         CaretAt(b, 3);
                                         QTest::keyClick(&b, Qt::Key_Delete);
                                     },
                                     "OneTwo\rThree"},
                      KeptBreaksCase{"typed between breaks", "One\nTwo\rThree",
                                     [](TextArea& b) {
                                         CaretAt(b, 5);
                                         QTest::keyClick(&b, Qt::Key_Return);
                                     },
                                     "One\nT\r\nwo\rThree"},
                      KeptBreaksCase{"typed over a break", "One\nTwo\rThree",
                                     [](TextArea& b) {
                                         QTextCursor cursor = b.textCursor();
                                         cursor.setPosition(7);
                                         cursor.setPosition(8, QTextCursor::KeepAnchor);
                                         b.setTextCursor(cursor);
                                         QTest::keyClick(&b, Qt::Key_Return);
                                     },
                                     "One\nTwo\r\nThree"},
                      KeptBreaksCase{"typed before a break", "One\nTwo\rThree",
                                     [](TextArea& b) {
                                         CaretAt(b, 7);
                                         QTest::keyClick(&b, Qt::Key_Return);
                                     },
                                     "One\nTwo\r\n\rThree"},
                      KeptBreaksCase{"pasted", "x\ny",
                                     [](TextArea& b) {
                                         QApplication::clipboard()->setText("a\nb\rc\r\nd");
                                         b.paste();
                                     },
                                     "x\nya\r\nb\r\nc\r\nd"},
                      KeptBreaksCase{"no room for CR LF", "ab\ncd",
                                     [](TextArea& b) {
                                         QTest::keyClick(&b, Qt::Key_Return);
                                         QTest::keyClicks(&b, "ef");
                                     },
                                     "ab\ncde", 6}),
    [](const ::testing::TestParamInfo<KeptBreaksCase>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            if (*c != ' ') name += *c;
        return name;
    });
