// Help pages for every topic the windows open, the help window, the
// application paths and the screen size used at start-up.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "platform/AppPaths.h"
#include "platform/HelpWindow.h"
#include "platform/Screen.h"

using namespace vemora;

namespace {
QString sourceHelpDir()
{
    return QDir(QString(VEMORA_TEST_DATA_DIR) + "/../../resources/help").absolutePath();
}

QString readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(HelpPages, EveryTopicHasAPageWithATitleAndTheContentsLinksThemAll)
{
    const QString contents = readAll(sourceHelpDir() + "/1000.html");
    ASSERT_FALSE(contents.isEmpty()) << sourceHelpDir().toStdString();
    for (int topic : helpTopicNumbers()) {
        const QString page = readAll(sourceHelpDir() + QString("/%1.html").arg(topic));
        ASSERT_FALSE(page.isEmpty()) << "topic " << topic;
        EXPECT_TRUE(page.contains("<h1>")) << "topic " << topic;
        if (topic != 1000) {
            EXPECT_TRUE(contents.contains(QString("href=\"%1.html\"").arg(topic)))
                << "topic " << topic;
        }
    }
    // The table of topics the windows use.
    EXPECT_EQ(helpTopicNumbers().size(), 19u);
    EXPECT_EQ(helpTopicNumbers().front(), 1000);
    EXPECT_EQ(helpTopicNumbers().back(), 8500);
}

TEST(HelpWindow, ShowsTheTopicPageOrANoteWhenMissing)
{
    // The pages live in "Help" beside the program; point a copy there.
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkpath("Help");
    for (int topic : {1000, 3050})
        QFile::copy(sourceHelpDir() + QString("/%1.html").arg(topic),
                    tmp.path() + QString("/Help/%1.html").arg(topic));
    const AppPaths app(tmp.path());

    QWidget owner;
    HelpWindow help(app, &owner);
    help.showTopic(3050);
    EXPECT_EQ(help.currentTopic(), 3050);
    EXPECT_TRUE(help.browser()->toPlainText().contains("General Data"));
    EXPECT_TRUE(help.isWindow());
    help.showTopic(4242);
    EXPECT_TRUE(help.browser()->toPlainText().contains("4242"));
}

TEST(AppPaths, FoldersHangOffTheApplicationDirectory)
{
    const AppPaths app("/opt/vemora/");
    EXPECT_EQ(app.appPath(), "/opt/vemora");
    EXPECT_EQ(app.projectsPath(), "/opt/vemora/Projects/");
    EXPECT_EQ(app.guideFile(), "/opt/vemora/Guide/Step-by-step LCCA guide.pdf");
    EXPECT_EQ(app.helpTopicFile(3000), "/opt/vemora/Help/3000.html");
    const AppPaths beside;
    EXPECT_EQ(beside.appPath(), QDir(QCoreApplication::applicationDirPath()).absolutePath());
}

TEST(Screen, SizeCanBePretendedAndPlacesWindowsOverIt)
{
    Screen screen;
    screen.setSizeOverride(QSize(1024, 768));
    EXPECT_EQ(screen.size(), QSize(1024, 768));
    EXPECT_EQ(screen.widthTwips(), 15360);
    EXPECT_EQ(screen.heightTwips(), 11520);
    QWidget w;
    placeOverScreen(&w, screen.size());
    EXPECT_EQ(w.size(), QSize(1024, 768)); // no frame yet
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    screen.setSizeOverride(QSize(800, 600));
    EXPECT_EQ(screen.widthTwips(), 12000);
    screen.setSizeOverride(std::nullopt);
    EXPECT_FALSE(screen.size().isEmpty());
}

TEST(Screen, TheWholeFramedWindowCoversTheScreen)
{
    QWidget w;
    placeOverScreen(&w, QSize(1024, 768));
    w.show(); // the frame appears only now
    QCoreApplication::processEvents();
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(w.frameGeometry(), screen);
    ASSERT_NE(w.geometry(), screen) << "no frame to test with";
    EXPECT_TRUE(screen.contains(w.geometry()));

    // Placing a framed window again keeps the frame inside the screen.
    placeOverScreen(&w, QSize(800, 600));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), QRect(0, 0, 800, 600));

    // A later move by the user is not undone.
    w.move(30, 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(30, 40));
}
