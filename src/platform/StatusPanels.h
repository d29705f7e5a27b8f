// The main window's status bar of four panels: 1 the time, 2 the date,
// 3 a message panel taking the remaining width, 4 a fixed panel of 5203
// twips. Panels are numbered from 1.
#pragma once

#include <QDateTime>
#include <QStatusBar>

class QLabel;
class QTimer;

namespace vemora {

class StatusPanels : public QStatusBar
{
    Q_OBJECT
  public:
    explicit StatusPanels(QWidget* parent);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    // Writes the time and date panels for a moment (the clock calls it each
    // second with the current time).
    void showClock(const QDateTime& now);
    QLabel* panel(int panel) const;

    static constexpr int FixedPanelTwips = 5203;

  private:
    QLabel* panels_[4] = {};
    QTimer* clock_ = nullptr;
};

} // namespace vemora
