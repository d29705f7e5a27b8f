// The main window's status bar of four panels: 1 the time, 2 the date,
// 3 a message panel taking the remaining width, 4 a fixed panel of 5203
// twips. Panels are numbered from 1. A window's hint in panel 3 lasts as
// long as that window shows: it goes when the window hides or goes.
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QSet>
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
    // Writes panel 3 for `writer` (a window); the text goes when that window
    // hides, closes or goes, unless another text has replaced it.
    void showHint(QWidget* writer, const QString& text);
    // Writes the time and date panels for a moment (the clock calls it each
    // second with the current time).
    void showClock(const QDateTime& now);
    QLabel* panel(int panel) const;

    static constexpr int FixedPanelTwips = 5203;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Empties panel 3 when it still holds the hint `writer` wrote.
    void WithdrawHintOf(const QObject* writer);

    QLabel* panels_[4] = {};
    const QObject* hintWriter_ = nullptr;
    QSet<const QObject*> watched_;
    QTimer* clock_ = nullptr;
};

} // namespace vemora
