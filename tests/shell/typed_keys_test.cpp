// What a typed key does in each box that takes a number, as its window sets
// it up: the box holds "5", the status line a hint, and the user types a
// comma and then the key. The number boxes, the grids' number cells and
// their editors refuse what is not a digit or the full stop, the reason on
// the status line until a key taken; the fixed demand and the profile's
// pipe cells take any key; an accumulated length takes its first key as
// typed and its editor then filters.
#include <QApplication>
#include <QTest>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

#include "app/AppContext.h"
#include "app/ProjectLoading.h"
#include "app/WorkingViews.h"
#include "calibration/InstallCalibration.h"
#include "calibration/frmRoughness.h"
#include "converter/InstallConverter.h"
#include "converter/frmConverter.h"
#include "engine/EngineProjects.h"
#include "input/InstallInputWindow.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/TabControl.h"
#include "platform/TextBox.h"
#include "project/SystemType.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"
#include "support/StandInInput.h"

namespace vemora::test {
namespace {

enum Owner { NumberBox, FixedDemand, Converter, NumberCell, NumberEditor, PipeCell, LengthCell };

struct Key
{
    Qt::Key code;
    QString text;
    // After ",": the box's text per owner, and the status line per owner:
    // b the hint again, c the comma's reason, k the key's reason.
    std::array<const char*, 7> boxText;
    const char* status;
};

const Key Keys[] = {
    {Qt::Key_1, "1", {"51", "5,1", "51", "1", "51", ",1", ",1"}, "bbbbbbb"},
    {Qt::Key_Period, ".", {"5.", "5,.", "5.", ".", "5.", ",.", ",."}, "bbbbbbb"},
    {Qt::Key_Minus, "-", {"5", "5,-", "5", "5", "5", ",-", ","}, "kbkkkbk"},
    {Qt::Key_E, "e", {"5", "5,e", "5", "5", "5", ",e", ","}, "kbkkkbk"},
    {Qt::Key_E, "E", {"5", "5,E", "5", "5", "5", ",E", ","}, "kbkkkbk"},
    {Qt::Key_X, "x", {"5", "5,x", "5", "5", "5", ",x", ","}, "kbkkkbk"},
    {Qt::Key_Comma, ",", {"5", "5,,", "5", "5", "5", ",,", ","}, "kbkkkbk"},
    {Qt::Key_Space, " ", {"5", "5, ", "5", "5", "5", ", ", ","}, "kbkkkbk"},
    {Qt::Key_Escape, "\x1b", {"5", "5,", "5", "5", "5", "5", "5"}, "bbbbbbb"},
    {Qt::Key_Backspace, "\b", {"", "5", "", "", "", "", ""}, "bbbbbbb"},
    // Past Latin-1 a TextBox's owner hears no key press: only the window's
    // number box refuses it.
    {static_cast<Qt::Key>(0x20AC), "€", {"5", "5,€", "5€", "5", "5€", ",€", ",€"}, "kbcccbb"},
};

class TypedKeyTest : public ::testing::TestWithParam<std::tuple<Owner, int>>
{
  protected:
    void SetUp() override
    {
        ctx.screen.setSizeOverride(QSize(800, 600));
        main->show();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // The comma and then the key, typed where the focus stands (the second
    // into an editor the comma opened); the status line shows the hint before.
    void TypeCommaAndKey(const Key& key)
    {
        main->setPanelText(MainWindow::HintPanel, Hint);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Comma, ",",
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key.code, key.text,
                            Qt::NoModifier);
    }

    // Opens the owner's window with "5" in its box, the focus there; returns
    // how to read the box's text.
    std::function<QString()> Open(Owner owner)
    {
        if (owner == LengthCell) {
            ctx.store = *GravityProject(120, 80, {{100, 0}, {95, 500}, {90, 1000}});
            InstallCalibration(ctx);
            auto* w = static_cast<frmRoughness*>(ctx.windows.roughness.Load());
            ShowWorkingWindow(ctx, w);
            return OnCell(w->msgRoughness, frmRoughness::LengthRow, 2);
        }
        InstallInputWindow(ctx);
        ctx.store.SystemType = PipelineSystem::Gravity;
        ctx.viewCode = WorkingView::Input;
        NewProject(ctx);
        RestoreCurrentView(ctx);
        auto* w = static_cast<frmLCC*>(ctx.windows.input.Get());
        if (owner == NumberBox || owner == FixedDemand) {
            QLineEdit* box = owner == NumberBox ? w->txtTRWL : w->txtGFlowrate;
            box->setText("5");
            box->setFocus();
            return [box] { return box->text(); };
        }
        w->sstInput->setTab(1);
        auto read = OnCell(w->msgProfile, 2, owner == PipeCell ? 3 : 1);
        if (owner == NumberEditor) QTest::keyClick(w->msgProfile, Qt::Key_F2);
        return read;
    }

    static std::function<QString()> OnCell(FlexGrid* grid, int row, int col)
    {
        grid->setTextMatrix(row, col, "5");
        grid->setRow(row);
        grid->setCol(col);
        grid->setFocus();
        return [=] { return grid->TextMatrix(row, col); };
    }

    QString Status(char told, const Key& key) const
    {
        if (told == 'b') return Hint;
        return QStringLiteral("\"%1\" cannot be typed in a number here.")
            .arg(told == 'c' ? QStringLiteral(",") : key.text);
    }

    const QString Hint = QStringLiteral("Enter the value");
    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
};

TEST_P(TypedKeyTest, EachBoxKeepsItsKeysAndTellsWhatItRefuses)
{
    const auto [owner, k] = GetParam();
    const Key& key = Keys[k];
    QString text;
    QString status;
    if (owner == Converter) {
        InstallStandInInput(ctx);
        InstallConverter(ctx);
        ctx.windows.input.Load();
        scripted.dialogHandlers.push_back([&](QDialog* d) {
            auto* box = static_cast<frmConverter*>(d)->txtConvert;
            d->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(d));
            box->setText("5");
            box->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([box] { return QApplication::focusWidget() == box; }));
            TypeCommaAndKey(key);
            text = box->text();
            status = main->panelText(MainWindow::HintPanel);
        });
        ctx.windows.converter.Exec();
    } else {
        const auto read = Open(owner);
        TypeCommaAndKey(key);
        text = read();
        status = main->panelText(MainWindow::HintPanel);
    }
    EXPECT_EQ(text, QString::fromUtf8(key.boxText[owner]));
    EXPECT_EQ(status, Status(key.status[owner], key));
}

INSTANTIATE_TEST_SUITE_P(
    OwnersAndKeys, TypedKeyTest,
    ::testing::Combine(::testing::Values(NumberBox, FixedDemand, Converter, NumberCell,
                                         NumberEditor, PipeCell, LengthCell),
                       ::testing::Range(0, static_cast<int>(std::size(Keys)))));

} // namespace
} // namespace vemora::test
