// The help viewer: a window beside the program showing one HTML page per
// help topic from the help folder, with back/contents navigation.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/AppPaths.h"

class QTextBrowser;

namespace vemora {

class HelpWindow : public QWidget
{
    Q_OBJECT
  public:
    // The pages come from the help folder of `paths`.
    HelpWindow(AppPaths paths, QWidget* parent);

    // Shows the page of a topic number; a missing page shows a short note
    // naming the topic instead.
    void showTopic(int topic);
    int currentTopic() const { return topic_; }
    QTextBrowser* browser() const { return browser_; }

    static constexpr int ContentsTopic = 1000;

  private:
    AppPaths paths_;
    QTextBrowser* browser_ = nullptr;
    int topic_ = 0;
};

// The help topic numbers the windows open, in ascending order.
const std::vector<int>& helpTopicNumbers();

} // namespace vemora
