// The print selection window driven as a user drives it: which boxes can be
// ticked, the year choice of the hydraulic table, nothing ticked, a
// cancelled printer dialog, Cancel, Esc and the close box, help, and a
// printed run into a PDF.
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextDocument>

#include "ReportsFixture.h"
#include "app/WorkingViews.h"
#include "platform/PictureButton.h"
#include "reports/frmPrint.h"
#include "reports/frmSelectYear.h"
#include "support/PdfPages.h"
#include "support/WaitLimit.h"

namespace vemora::test {
namespace {

class PrintWindowTest : public ReportsTest
{
  protected:
    // Shows the window as the Print command does; `act` runs while it is
    // up, once its one-shot enabling has happened.
    int Show(const std::function<void(frmPrint*)>& act)
    {
        ui.dialogHandlers.push_back([act](QDialog* d) {
            auto* w = static_cast<frmPrint*>(d);
            w->show();
            QTRY_VERIFY_WITH_TIMEOUT(!w->tmrCheck->isActive(), WaitLimitMs());
            act(w);
        });
        return ctx.windows.print.Exec();
    }

    static QStringList EnabledBoxes(frmPrint* w)
    {
        QStringList names;
        for (const ReportItem& item : ReportItems())
            if (w->Box(item.box)->isEnabled()) names << item.name;
        return names;
    }

    bool InputShowing()
    {
        InputWindow* input = ctx.windows.input.Get();
        return input && main->isWorkingWindowShowing(input->widget());
    }
};

TEST_F(PrintWindowTest, BoxesFollowTheSystemTypeAndTheResults)
{
    auto gravity = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*gravity);
    QStringList enabled;
    Show([&](frmPrint* w) { enabled = EnabledBoxes(w); });
    EXPECT_EQ(enabled, QStringList({"chkGeneral", "chkProfile", "chkRates"}));

    auto pumping = RisingMain(3, 10);
    Open(*pumping);
    Show([&](frmPrint* w) { enabled = EnabledBoxes(w); });
    EXPECT_EQ(enabled, QStringList({"chkGeneral", "chkProfile", "chkEnergy", "chkRates"}));

    Analyse();
    Show([&](frmPrint* w) { enabled = EnabledBoxes(w); });
    EXPECT_EQ(enabled.size(), 12);
}

TEST_F(PrintWindowTest, NothingTickedSaysSoAndTheWindowStays)
{
    auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*project);
    bool visibleAfter = false, enabledAfter = false;
    Show([&](frmPrint* w) {
        w->sscPrint->click();
        visibleAfter = w->isVisible();
        enabledAfter = w->isEnabled();
        w->sscCancel->click();
    });
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Select what to print !");
    EXPECT_EQ(ui.messages[0].title, "Print Error !");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(visibleAfter);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(ui.printDialogs, 0);
}

TEST_F(PrintWindowTest, ACancelledPrinterDialogPrintsNothingAndSaysNothing)
{
    auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*project);
    ui.printAnswers.push_back(false);
    bool stillTicked = false;
    int result = Show([&](frmPrint* w) {
        w->chkGeneral->click();
        w->sscPrint1->click();
        stillTicked = w->chkGeneral->isChecked() && w->isEnabled();
        w->sscCancel->click();
    });
    EXPECT_EQ(ui.printDialogs, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(stillTicked);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(InputShowing());
}

TEST_F(PrintWindowTest, EscAndTheCloseBoxActLikeCancel)
{
    auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*project);
    HideWorkingWindow(ctx, ctx.windows.input.Get());
    Show([](frmPrint* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_TRUE(InputShowing());
    EXPECT_TRUE(main->isEnabled());

    Show([this](frmPrint* w) {
        EXPECT_FALSE(InputShowing()); // opening hid the working window
        w->close();
    });
    EXPECT_TRUE(InputShowing());
}

TEST_F(PrintWindowTest, TheHydraulicBoxAsksForTheYear)
{
    auto project = RisingMain(3, 20);
    project->BaseYear = 2000;
    project->SupplyStartYear = 2001;
    Open(*project);
    Analyse();
    QStringList years;
    ui.dialogHandlers.push_back([&](QDialog* d) {
        auto* w = static_cast<frmPrint*>(d);
        QTRY_VERIFY_WITH_TIMEOUT(!w->tmrCheck->isActive(), WaitLimitMs());
        ui.dialogHandlers.push_back([&](QDialog* y) {
            auto* select = static_cast<frmSelectYear*>(y);
            for (int i = 0; i < select->comYear->count(); ++i)
                years << select->comYear->itemText(i);
            select->comYear->setCurrentIndex(9);
            select->sscOK->click();
        });
        w->chkTextHydraulic->click();
        EXPECT_EQ(w->HydraulicYear(), 10);
        w->chkTextHydraulic->click(); // unticked: back to year 1, no question
        EXPECT_EQ(w->HydraulicYear(), 1);
        ui.dialogHandlers.push_back([](QDialog* y) { y->reject(); });
        w->chkTextHydraulic->click(); // ticked, the year window closed otherwise
        EXPECT_EQ(w->HydraulicYear(), 1);
        w->sscHelp->click();
        w->sscSetup->click();
        w->sscCancel->click();
    });
    ctx.windows.print.Exec();
    ASSERT_EQ(years.size(), 20);
    EXPECT_EQ(years.front(), "Year 2001");
    EXPECT_EQ(years[9], "Year 2010");
    EXPECT_EQ(ui.helpTopics, std::vector<int>{4500});
    EXPECT_EQ(ui.printerSetups, 1);
}

TEST_F(PrintWindowTest, APrintedRunGoesToTheChosenPrinterAndClosesTheWindow)
{
    auto project = RisingMain(30, 10);
    Open(*project);
    Analyse();
    const QString pdf = QString::fromStdString(folder.File("run.pdf"));
    ui.printAnswers.push_back(true);
    ui.printCopies.push_back(2);
    ui.printFiles.push_back(pdf);
    int result = Show([](frmPrint* w) {
        w->chkGeneral->click();
        w->chkCost->click();
        w->chkIncome->click();
        w->sscPrint->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(InputShowing());
    const auto pages = readPdfPages(pdf);
    ASSERT_EQ(pages.size(), 6u); // two copies of three pages
    for (int copy = 0; copy < 2; ++copy) {
        EXPECT_TRUE(pages[copy * 3].text.contains("GENERAL PROJECT DATA: PUMPING SYSTEM"));
        EXPECT_TRUE(pages[copy * 3].text.contains("Page 1"));
        EXPECT_TRUE(pages[copy * 3 + 1].text.contains("COST ANALYSIS"));
        EXPECT_TRUE(pages[copy * 3 + 2].landscape);
        EXPECT_TRUE(pages[copy * 3 + 2].text.contains("Page 3"));
    }
}

TEST_F(PrintWindowTest, AFailedRunNamesItsStepAndClosesTheWindow)
{
    auto project = RisingMain(3, 10);
    Open(*project);
    Analyse();
    ui.printAnswers.push_back(true);
    ui.printFiles.push_back("/nonexistent-folder/run.pdf");
    int result = Show([](frmPrint* w) {
        w->chkGeneral->click();
        w->sscPrint->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(),
              "Could not open the file \"/nonexistent-folder/run.pdf\".\nThe folder does not "
              "exist.");
    EXPECT_EQ(ui.messages[0].title, "Vemora");
    EXPECT_TRUE(InputShowing());
}

// The window's help page names every box the window has, and whatever it
// lists that the window cannot print (the pump curve, the duty points) it
// sends to the button that prints it.
TEST_F(PrintWindowTest, HelpPageNamesTheBoxesAndWhereThePumpPagesPrint)
{
    QFile file(QStringLiteral(VEMORA_SOURCE_DIR "/resources/help/4500.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    auto plain = [](const QString& fragment) {
        QTextDocument document;
        document.setHtml(fragment);
        return document.toPlainText().simplified();
    };
    const QString page = plain(html);

    auto project = GravityProject(100, 0, {{100, 0}, {0, 1000}});
    Open(*project);
    QStringList captions;
    Show([&](frmPrint* w) {
        for (const ReportItem& item : ReportItems())
            captions << w->Box(item.box)
                            ->text()
                            .replace(QStringLiteral("&&"), QStringLiteral("&"))
                            .trimmed();
        w->sscCancel->click();
    });
    ASSERT_EQ(captions.size(), 12);
    for (const QString& caption : captions)
        EXPECT_TRUE(page.contains(caption)) << caption.toStdString();

    const QRegularExpression listItem(QStringLiteral("<li>(.*?)</li>"),
                                      QRegularExpression::DotMatchesEverythingOption);
    int pumpItems = 0;
    for (auto m = listItem.globalMatch(html); m.hasNext();) {
        const QString item = plain(m.next().captured(1));
        const bool pumpCurve = item.contains(QLatin1String("pump curve"), Qt::CaseInsensitive);
        const bool dutyPoints = item.contains(QLatin1String("duty point"), Qt::CaseInsensitive);
        if (pumpCurve || dutyPoints) {
            ++pumpItems;
            EXPECT_TRUE(item.contains(QLatin1String("Print Curves")) ||
                        item.contains(QLatin1String("Print View")))
                << item.toStdString();
        }
        if (pumpCurve && !dutyPoints) {
            EXPECT_TRUE(item.contains(QLatin1String("Print Curves"))) << item.toStdString();
        }
    }
    EXPECT_GE(pumpItems, 2);
}

} // namespace
} // namespace vemora::test
