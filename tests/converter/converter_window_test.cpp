// The unit converter as the user works it: the groups and their unit lists,
// the key filter of the value box, the result line, the error message, and
// leaving the window in every way it can be left.
#include <QApplication>
#include <QClipboard>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "ConverterFixture.h"
#include "engine/UnitConversion.h"
#include "support/WaitLimit.h"

namespace vemora::test {
namespace {

QStringList listTexts(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList unitTexts(UnitGroup group)
{
    QStringList texts;
    for (const ConversionUnit& u : GroupUnits(group))
        texts << QString::fromUtf8(u.text.data(), static_cast<qsizetype>(u.text.size()));
    return texts;
}

TEST_F(ConverterTest, OpensCentredOnAreaWithValueZeroAndConvertsIt)
{
    exec([](frmConverter& d) {
        EXPECT_EQ(d.windowTitle(), "  Unit converter");
        // 6015 x 2730 twips, wider where the unit texts need it.
        EXPECT_EQ(d.height(), 182);
        EXPECT_GE(d.width(), 401);
        EXPECT_EQ(d.pos(), QPoint((800 - d.width()) / 2, (600 - 182) / 2));
        ASSERT_EQ(d.lstUnit->count(), 6);
        const char* groups[] = {"Area", "Flow rate", "Length", "Pressure", "Time", "Volume"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(d.lstUnit->item(i)->text(), groups[i]);
        EXPECT_EQ(d.lstUnit->currentRow(), 0);
        for (QComboBox* list : d.comUnit) {
            EXPECT_EQ(listTexts(list), unitTexts(UnitGroup::Area));
            EXPECT_EQ(list->currentText(), "meter squared (m²)");
        }
        EXPECT_EQ(d.txtConvert->text(), "0");
        EXPECT_EQ(d.lblConvert->text(), "=");
        convert(d);
        EXPECT_EQ(d.lblConvert->text(), "= 0");
    });
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(ConverterTest, EveryGroupFillsBothListsWithItsOwnUnitsFromTheFirst)
{
    const int counts[] = {11, 13, 8, 18, 9, 11};
    exec([&](frmConverter& d) {
        for (int g : {3, 0, 5, 1, 4, 2}) {
            d.comUnit[0]->setCurrentIndex(2);
            d.comUnit[1]->setCurrentIndex(1);
            convert(d);
            ASSERT_NE(d.lblConvert->text(), "=");
            chooseGroup(d, g);
            for (QComboBox* list : d.comUnit) {
                EXPECT_EQ(list->count(), counts[g]);
                EXPECT_EQ(listTexts(list), unitTexts(static_cast<UnitGroup>(g)));
                EXPECT_EQ(list->currentIndex(), 0);
            }
            EXPECT_EQ(d.lblConvert->text(), "=") << g;
        }
        chooseGroup(d, 3);
        EXPECT_EQ(d.comUnit[0]->currentText(), "Pascals (Pa)");
        EXPECT_EQ(d.comUnit[1]->currentText(), "Pascals (Pa)");
    });
}

TEST_F(ConverterTest, EveryUnitTextShowsWholeInsideTheWindow)
{
    exec([&](frmConverter& d) {
        for (QComboBox* list : d.comUnit) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, list);
            EXPECT_LE(list->geometry().right(), d.width());
            EXPECT_LT(d.sscHelp->x(), d.width() - d.sscHelp->width() / 2);
            for (int g = 0; g < 6; ++g) {
                chooseGroup(d, g);
                for (int i = 0; i < list->count(); ++i)
                    EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)),
                              field.width())
                        << list->itemText(i).toStdString();
            }
        }
        // The widest result line of a conversion fits its label.
        d.lblConvert->setText("= 1.23456789012346E+15");
        EXPECT_LE(d.lblConvert->fontMetrics().horizontalAdvance(d.lblConvert->text()),
                  d.lblConvert->width());
        EXPECT_LE(d.lblConvert->geometry().right(), d.width());
    });
}

TEST_F(ConverterTest, ConvertsTheChosenUnitsAndAnyChangeResetsTheResult)
{
    exec([&](frmConverter& d) {
        chooseGroup(d, 2); // Length
        d.comUnit[0]->setCurrentText("foot (ft)");
        d.comUnit[1]->setCurrentText("inch (in)");
        typeValue(d, "1");
        convert(d);
        EXPECT_EQ(d.lblConvert->text(), "= 12");

        d.comUnit[1]->setCurrentText("millimetre (mm)");
        EXPECT_EQ(d.lblConvert->text(), "=");
        convert(d);
        EXPECT_EQ(d.lblConvert->text(), "= 304.8");
        d.comUnit[0]->setCurrentText("inch (in)");
        EXPECT_EQ(d.lblConvert->text(), "=");

        convert(d);
        QTest::keyClick(d.txtConvert, Qt::Key_Backspace);
        EXPECT_EQ(d.lblConvert->text(), "=");

        chooseGroup(d, 1); // Flow rate, through the keyboard's Alt+C too
        d.comUnit[0]->setCurrentText("cubic metres per hour (m³/h)");
        d.comUnit[1]->setCurrentText("cubic metres per second (m³/s)");
        typeValue(d, "3600");
        QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier);
        // An access key clicks its button after the button's short pressed look.
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.lblConvert->text() == "= 1"; }, WaitLimitMs()));
    });
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(ConverterTest, KeyFilterDropsAllButDigitsAndThePointYetResetsTheResult)
{
    exec([&](frmConverter& d) {
        typeValue(d, "-a 1.5");
        EXPECT_EQ(d.txtConvert->text(), "1.5");
        typeValue(d, "1,5e+3");
        EXPECT_EQ(d.txtConvert->text(), "153");

        convert(d);
        ASSERT_EQ(d.lblConvert->text(), "= 153");
        QTest::keyClick(d.txtConvert, Qt::Key_Minus);
        EXPECT_EQ(d.txtConvert->text(), "153");
        EXPECT_EQ(d.lblConvert->text(), "=");

        // Several points pass the filter; the conversion refuses them.
        typeValue(d, "1.2.3");
        EXPECT_EQ(d.txtConvert->text(), "1.2.3");
    });
}

TEST_F(ConverterTest, EnterNeitherConvertsNorClosesTheWindow)
{
    exec([&](frmConverter& d) {
        typeValue(d, "25");
        QTest::keyClick(d.txtConvert, Qt::Key_Return);
        QTest::keyClick(d.txtConvert, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(d.lblConvert->text(), "=");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.txtConvert->text(), "25");
    });
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(input->isHidden());
}

TEST_F(ConverterTest, ValuesThatAreNotNumbersAreReportedAndKeepTheResultLine)
{
    exec([&](frmConverter& d) {
        typeValue(d, "7");
        convert(d);
        ASSERT_EQ(d.lblConvert->text(), "= 7");
        for (const char* text : {"", ".", "1.2.3", "1e3", "inf", "nan", "-5", " 1 2"}) {
            d.txtConvert->setText(QString::fromLatin1(text)); // as code sets it: no reset
            convert(d);
            EXPECT_EQ(d.lblConvert->text(), "= 7") << text;
        }
        ASSERT_EQ(scripted.messages.size(), 8u);
        const auto& m = scripted.messages.back();
        EXPECT_EQ(m.text,
                  "There was an error converting the value.  Please ensure it is a valid number");
        EXPECT_EQ(m.title, "Vemora");
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.buttons, MsgButtons::OK);
        EXPECT_TRUE(d.isVisible());

        // A paste the key filter would change is refused whole, the reason
        // on the main window's status line, and the result stays; a number
        // with a line end goes in and resets the result.
        typeValue(d, "7");
        convert(d);
        const QString shown = d.lblConvert->text();
        QApplication::clipboard()->setText(QStringLiteral("1e3"));
        d.txtConvert->selectAll();
        QTest::keyClick(d.txtConvert, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d.txtConvert->text(), "7");
        EXPECT_EQ(d.lblConvert->text(), shown);
        EXPECT_EQ(main->panelText(MainWindow::HintPanel),
                  "Nothing pasted: \"1e3\" holds characters other than digits and the full "
                  "stop.");
        QApplication::clipboard()->setText(QStringLiteral("1000\r\n"));
        d.txtConvert->selectAll();
        QTest::keyClick(d.txtConvert, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(d.txtConvert->text(), "1000");
        EXPECT_EQ(d.lblConvert->text(), "=");
        EXPECT_EQ(scripted.messages.size(), 8u);
    });
}

TEST_F(ConverterTest, ExitEscAndTheCloseBoxAllBringTheWorkingWindowBack)
{
    const std::function<void(frmConverter&)> leave[] = {
        [](frmConverter& d) { QTest::mouseClick(d.sscExit, Qt::LeftButton); },
        [](frmConverter& d) {
            QTest::keyClick(&d, Qt::Key_X, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, WaitLimitMs()));
        },
        [](frmConverter& d) {
            d.txtConvert->setFocus();
            QTest::keyClick(d.txtConvert, Qt::Key_Escape);
        },
        [](frmConverter& d) { d.close(); },
    };
    for (const auto& way : leave) {
        input->hide();
        bool closed = false;
        exec([&](frmConverter& d) {
            typeValue(d, "12");
            chooseGroup(d, 4);
            way(d);
            closed = !d.isVisible();
        });
        EXPECT_TRUE(closed);
        EXPECT_FALSE(input->isHidden());
    }
    // Each opening starts afresh.
    exec([](frmConverter& d) {
        EXPECT_EQ(d.txtConvert->text(), "0");
        EXPECT_EQ(d.lstUnit->currentRow(), 0);
    });
}

TEST_F(ConverterTest, HelpOpensItsTopicAndNoHintReachesTheStatusBar)
{
    exec([&](frmConverter& d) {
        QTest::mouseMove(d.sscExit);
        QTest::mouseMove(&d, QPoint(5, 5));
        QTest::mouseClick(d.sscHelp, Qt::LeftButton);
        EXPECT_EQ(d.sscHelp->toolTip(), "Help");
        EXPECT_FALSE(d.sscHelp->Picture().isNull());
    });
    EXPECT_EQ(scripted.helpTopics, std::vector<int>{8500});
    EXPECT_EQ(main->panelText(3), "");
}

} // namespace
} // namespace vemora::test
