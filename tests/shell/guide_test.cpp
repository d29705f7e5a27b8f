// The guide window: the guide loaded from the Guide folder, the Retry and
// Cancel message when it is missing or unreadable, and Retry once the file
// has been put in place.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/AppContext.h"
#include "platform/PictureButton.h"
#include "shell/InstallShellDialogs.h"
#include "shell/frmPDFView.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {
namespace {

// Scripted services that can act when a message is shown, as a user who
// copies the guide into place before pressing Retry.
class GuideUi : public CheckedUi
{
  public:
    std::function<void()> onMessage;
    MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                     QWidget* parent) override
    {
        if (onMessage) onMessage();
        return ScriptedUi::msgBox(text, buttons, icon, title, parent);
    }
};

class GuideTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ctx.screen.setSizeOverride(QSize(800, 600));
        InstallShellDialogs(ctx);
    }

    QString guidePath() const { return ctx.paths.guideFile(); }

    void writeGuide()
    {
        QDir().mkpath(dir.path() + "/Guide");
        QPdfWriter writer(guidePath());
        QPainter painter(&writer);
        painter.drawText(QPointF(500, 500), QStringLiteral("Step one"));
    }

    // Opens the guide through its slot; `work` sees it while it shows.
    void exec(std::function<void(frmPDFView&)> work)
    {
        ui.dialogHandlers.push_back([work](QDialog* d) { work(*static_cast<frmPDFView*>(d)); });
        ctx.windows.guide.Exec();
    }

    QString missingMessage() const
    {
        return "Could not find the required file, (" + guidePath() +
               ") under the indicated directory.  Please ensure that the file is under the "
               "directory.";
    }

    QTemporaryDir dir;
    GuideUi ui;
    CheckedContext ctx{ui, AppPaths(dir.path())};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
};

TEST_F(GuideTest, ShowsTheGuideNamedInTheCaptionWithOkAtTheTopRight)
{
    writeGuide();
    exec([&](frmPDFView& d) {
        EXPECT_EQ(d.windowTitle(), guidePath());
        EXPECT_EQ(d.document->status(), QPdfDocument::Status::Ready);
        EXPECT_EQ(d.document->pageCount(), 1);
        EXPECT_EQ(d.pdfReport->document(), d.document);
        EXPECT_TRUE(d.isMaximized());
        EXPECT_EQ(d.sscOK->geometry().right(), d.width() - 1 - 7); // 100 twips from the edge
        EXPECT_EQ(d.pdfReport->width(), d.width());
        EXPECT_EQ(d.pdfReport->geometry().bottom(), d.height() - 1);
        EXPECT_GT(d.pdfReport->y(), d.sscOK->geometry().bottom());
        QTest::mouseClick(d.sscOK, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GuideTest, MissingGuideAsksRetryOrCancelAndCancelOpensAnEmptyViewer)
{
    ui.answers = {MsgAnswer::Retry, MsgAnswer::Cancel};
    exec([&](frmPDFView& d) {
        EXPECT_EQ(d.windowTitle(), "  STEP-BY-STEP LCCA GUIDE");
        EXPECT_EQ(d.pdfReport->document(), nullptr);
    });
    ASSERT_EQ(ui.messages.size(), 2u); // once more for the Retry
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.text, missingMessage());
        EXPECT_EQ(m.buttons, MsgButtons::RetryCancel);
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.title, "Error");
    }
}

TEST_F(GuideTest, RetryLoadsTheGuideOnceItHasBeenPutInPlace)
{
    ui.onMessage = [this] { writeGuide(); };
    ui.answers = {MsgAnswer::Retry};
    exec([&](frmPDFView& d) {
        EXPECT_EQ(d.windowTitle(), guidePath());
        EXPECT_EQ(d.document->status(), QPdfDocument::Status::Ready);
        EXPECT_EQ(d.pdfReport->document(), d.document);
    });
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(GuideTest, AGuideThatIsNoPdfIsReportedAndNotShown)
{
    QDir().mkpath(dir.path() + "/Guide");
    QFile damaged(guidePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("%PDF-1.4 cut off here");
    damaged.close();
    ui.answers = {MsgAnswer::Cancel};
    exec([&](frmPDFView& d) { EXPECT_EQ(d.pdfReport->document(), nullptr); });
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith("Could not read the required file, (" + guidePath()))
        << ui.messages[0].text.toStdString();
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::RetryCancel);
}

} // namespace
} // namespace vemora::test
