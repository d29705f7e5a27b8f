// The print buttons' copy loop on a recording printer: every copy numbered
// from page 1 in the orientation asked, a failure reported plainly and a
// cancel kept silent.
#include <QWidget>
#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "app/PageRun.h"
#include "app/PrintCopies.h"
#include "app/PrintFailure.h"
#include "platform/RecordingPageDevice.h"
#include "platform/ReportPrinter.h"
#include "support/CheckedUi.h"

namespace vemora {
namespace {

class PrintCopiesTest : public ::testing::Test
{
  protected:
    // A page as a report prints it: the header counts the page.
    PrintJob Job(PageOrientation orientation)
    {
        return {QStringLiteral("the hydraulic profile"), orientation,
                [](PageRun& run, ReportPrinter& p) {
                    ++run.pageNumber;
                    p.Print({{0, QStringLiteral("Page %1").arg(run.pageNumber)}});
                    p.EndPage();
                }};
    }

    test::CheckedUi ui;
    test::CheckedContext ctx{ui};
    RecordingPageDevice device;
};

TEST_F(PrintCopiesTest, EveryCopyStartsAtPageOneInTheOrientationAsked)
{
    EXPECT_EQ(PrintCopiesOn(ctx, device, 3, Job(PageOrientation::Landscape)),
              PrintOutcome::Printed);
    ASSERT_EQ(device.pages().size(), 3u);
    for (const RecordedPage& page : device.pages()) {
        EXPECT_NE(page.findText(QStringLiteral("Page 1")), nullptr);
        EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    }
    EXPECT_EQ(device.documentsOpened(), 1);
    EXPECT_EQ(device.documentsClosed(), 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrintCopiesTest, AFailedPageEndsTheCopiesAndSaysWhatFailed)
{
    device.failAtPage(2);
    EXPECT_EQ(PrintCopiesOn(ctx, device, 3, Job(PageOrientation::Portrait)), PrintOutcome::Failed);
    EXPECT_EQ(device.pages().size(), 1u); // the first copy stays printed
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Print Error !");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].text,
              "Could not print the hydraulic profile. Could not start page 2.");
}

TEST_F(PrintCopiesTest, APageThatStopsEndsTheCopiesWithItsReason)
{
    int calls = 0;
    const PrintJob job{QStringLiteral("the hydraulic profile"), PageOrientation::Portrait,
                       [&](PageRun&, ReportPrinter& p) {
                           p.Print({{0, QStringLiteral("first")}});
                           p.EndPage();
                           if (++calls == 2)
                               throw PrintFailure("no section of the profile is chosen");
                       }};
    EXPECT_EQ(PrintCopiesOn(ctx, device, 3, job), PrintOutcome::Failed);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(device.pages().size(), 2u); // finished pages stay printed
    EXPECT_EQ(device.documentsClosed(), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Print Error !");
    EXPECT_EQ(ui.messages[0].text,
              "Could not print the hydraulic profile. No section of the profile is chosen.");
}

TEST_F(PrintCopiesTest, APrinterThatFailsAtTheEndIsReportedToo)
{
    device.failAtEnd();
    EXPECT_EQ(PrintCopiesOn(ctx, device, 1, Job(PageOrientation::Portrait)), PrintOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.endsWith("The printer reported an error at the end."));
}

TEST_F(PrintCopiesTest, ACancelledDialogPrintsNothingAndSaysNothing)
{
    EXPECT_EQ(PrintCopies(ctx, Job(PageOrientation::Portrait)), PrintOutcome::Cancelled);
    EXPECT_EQ(ui.printDialogs, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrintCopiesTest, AJobWithoutItsPageOpensNoPrinter)
{
    EXPECT_EQ(
        PrintCopiesOn(ctx, device, 2,
                      {QStringLiteral("the duty point pages"), PageOrientation::Portrait, {}}),
        PrintOutcome::NotAvailable);
    EXPECT_EQ(device.documentsOpened(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Vemora");
}

} // namespace
} // namespace vemora
