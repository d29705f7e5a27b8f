// Every help topic number the program's sources open has its page, so no
// Help button or menu item ever lands on the "no page" note.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

#include "platform/HelpWindow.h"

namespace {

// Topic numbers written in the sources: help calls with a number, and the
// named help topic constants the calls use.
std::set<int> TopicsInSources()
{
    const QRegularExpression call(R"((?:showHelp|ShowHelpTopic)\(\s*(\d{4})\s*\))");
    const QRegularExpression constant(R"(\b\w*Help\w*\s*=\s*(\d{4})\s*;)");
    std::set<int> topics;
    QDirIterator files(QString(VEMORA_SOURCE_DIR) + "/src", {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& pattern : {call, constant})
            for (auto m = pattern.globalMatch(text); m.hasNext();)
                topics.insert(m.next().captured(1).toInt());
    }
    return topics;
}

} // namespace

TEST(HelpTopics, EveryTopicTheSourcesOpenHasAPage)
{
    const std::set<int> used = TopicsInSources();
    // The scan does see the calls (input window, converter, menus, wizard).
    for (int known : {1000, 3030, 3050, 3100, 7000, 8500})
        EXPECT_TRUE(used.count(known)) << "scan missed " << known;
    const std::vector<int>& listed = vemora::helpTopicNumbers();
    const QString helpDir = QString(VEMORA_SOURCE_DIR) + "/resources/help/";
    for (int topic : used) {
        EXPECT_TRUE(QFile::exists(helpDir + QString("%1.html").arg(topic))) << "topic " << topic;
        EXPECT_NE(std::find(listed.begin(), listed.end(), topic), listed.end())
            << "topic " << topic << " is not in the topic table";
    }
}

// A page a new user can act on: more than a sentence, and a way back.
TEST(HelpTopics, EveryPageExplainsAndLeadsBackToTheContents)
{
    const QString helpDir = QString(VEMORA_SOURCE_DIR) + "/resources/help/";
    for (int topic : vemora::helpTopicNumbers()) {
        QFile file(helpDir + QString("%1.html").arg(topic));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << topic;
        const QString page = QString::fromUtf8(file.readAll());
        QString text = page;
        text.remove(QRegularExpression("<[^>]*>"));
        EXPECT_GT(text.simplified().size(), 700) << "topic " << topic << " says too little";
        if (topic != 1000) {
            EXPECT_TRUE(page.contains("href=\"1000.html\"")) << topic;
        }
        // Every link leads to a page that exists.
        for (auto m = QRegularExpression(R"(href="(\d{4})\.html")").globalMatch(page);
             m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(QFile::exists(helpDir + target + ".html"))
                << topic << " -> " << target.toStdString();
        }
    }
}
