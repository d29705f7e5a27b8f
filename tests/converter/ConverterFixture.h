// The unit converter over a stand-in main window and a stand-in input window,
// with scripted dialogs, on a pretended 800 x 600 screen.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "converter/InstallConverter.h"
#include "converter/frmConverter.h"
#include "platform/PictureButton.h"
#include "platform/TextBox.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"
#include "support/StandInInput.h"
#include "support/WaitLimit.h"

namespace vemora::test {

class ConverterTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ctx.screen.setSizeOverride(QSize(800, 600));
        InstallStandInInput(ctx);
        InstallConverter(ctx);
        // As Help > Unit converter leaves things: the input window hidden by
        // the command, the view code of the start-up.
        input = ctx.windows.input.Load()->widget();
        ctx.viewCode = WorkingView::Input;
        ctx.store.ProjectOpen = true; // the input window shows an open project
    }

    // Opens the converter through its slot and works it while it shows.
    int exec(std::function<void(frmConverter&)> work)
    {
        scripted.dialogHandlers.push_back([work](QDialog* d) {
            // Access keys answer only in the active window.
            d->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(d, WaitLimitMs()));
            work(*static_cast<frmConverter*>(d));
        });
        return ctx.windows.converter.Exec();
    }

    static void chooseGroup(frmConverter& d, int row)
    {
        QListWidgetItem* item = d.lstUnit->item(row);
        QTest::mouseClick(d.lstUnit->viewport(), Qt::LeftButton, {},
                          d.lstUnit->visualItemRect(item).center());
    }

    static void typeValue(frmConverter& d, const QString& keys)
    {
        d.txtConvert->setFocus();
        d.txtConvert->selectAll();
        QTest::keyClick(d.txtConvert, Qt::Key_Backspace);
        QTest::keyClicks(d.txtConvert, keys);
    }

    static void convert(frmConverter& d) { QTest::mouseClick(d.sscConvert, Qt::LeftButton); }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    QWidget* input = nullptr;
};

} // namespace vemora::test
