#include "platform/StatusPanels.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "platform/Twips.h"

namespace vemora {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("Panel%1").arg(i + 1));
        panels_[i]->setStyleSheet("QLabel { border: 1px solid palette(mid); padding: 0px 3px; }");
    }
    panels_[0]->setAlignment(Qt::AlignCenter);
    panels_[1]->setAlignment(Qt::AlignCenter);
    panels_[0]->setMinimumWidth(twipsToPixels(1100));
    panels_[1]->setMinimumWidth(twipsToPixels(1400));
    // Long messages are cut rather than widening the window.
    panels_[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels_[2]->setMinimumWidth(20);
    panels_[3]->setFixedWidth(twipsToPixels(FixedPanelTwips));
    addPermanentWidget(panels_[0], 0);
    addPermanentWidget(panels_[1], 0);
    addPermanentWidget(panels_[2], 1);
    addPermanentWidget(panels_[3], 0);

    showClock(QDateTime::currentDateTime());
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] { showClock(QDateTime::currentDateTime()); });
    clock_->start();
}

QLabel* StatusPanels::panel(int panel) const
{
    return (panel >= 1 && panel <= 4) ? panels_[panel - 1] : nullptr;
}

QString StatusPanels::panelText(int panel) const
{
    const QLabel* l = this->panel(panel);
    return l ? l->text() : QString();
}

void StatusPanels::setPanelText(int panel, const QString& text)
{
    if (panel == 3) hintWriter_ = nullptr;
    if (QLabel* l = this->panel(panel)) l->setText(text);
}

void StatusPanels::showHint(QWidget* writer, const QString& text)
{
    setPanelText(3, text);
    hintWriter_ = writer;
    if (!writer || watched_.contains(writer)) return;
    watched_.insert(writer);
    writer->installEventFilter(this);
    connect(writer, &QObject::destroyed, this, [this](QObject* gone) {
        WithdrawHintOf(gone);
        watched_.remove(gone);
    });
}

void StatusPanels::WithdrawHintOf(const QObject* writer)
{
    if (!writer || hintWriter_ != writer) return;
    hintWriter_ = nullptr;
    panels_[2]->clear();
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close) WithdrawHintOf(watched);
    return QStatusBar::eventFilter(watched, event);
}

void StatusPanels::showClock(const QDateTime& now)
{
    const QLocale loc = QLocale::system();
    panels_[0]->setText(now.time().toString("HH:mm"));
    panels_[1]->setText(loc.toString(now.date(), QLocale::ShortFormat));
}

} // namespace vemora
