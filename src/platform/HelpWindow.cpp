#include "platform/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/AppPaths.h"

namespace vemora {

const std::vector<int>& helpTopicNumbers()
{
    static const std::vector<int> topics = {1000, 3000, 3030, 3050, 3060, 3065, 3070,
                                            3080, 3090, 3100, 4000, 4500, 5000, 5500,
                                            6010, 6020, 6030, 7000, 8500};
    return topics;
}

HelpWindow::HelpWindow(AppPaths paths, QWidget* parent)
    : QWidget(parent, Qt::Window), paths_(std::move(paths))
{
    setObjectName("HelpWindow");
    setWindowTitle("Vemora Help");
    resize(560, 480);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    auto* contents = new QPushButton("&Contents", this);
    auto* back = new QPushButton("&Back", this);
    auto* close = new QPushButton("C&lose", this);
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addStretch(1);
    bar->addWidget(close);
    layout->addLayout(bar);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    layout->addWidget(browser_, 1);

    connect(contents, &QPushButton::clicked, this, [this] { showTopic(ContentsTopic); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
}

void HelpWindow::showTopic(int topic)
{
    topic_ = topic;
    browser_->setSearchPaths({paths_.helpPath()});
    const QString file = paths_.helpTopicFile(topic);
    if (QFile::exists(file)) {
        browser_->setSource(QUrl::fromLocalFile(file));
    } else {
        browser_->setHtml(QString("<h2>Help topic %1</h2><p>The help page for this topic "
                                  "could not be found in %2.</p>")
                              .arg(topic)
                              .arg(paths_.helpPath().toHtmlEscaped()));
    }
}

} // namespace vemora
