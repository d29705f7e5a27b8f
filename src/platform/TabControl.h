// A tab control whose tabs can be switched off one by one; Tab is the index
// of the page showing. Click reports the tab that was showing before.
#pragma once

#include <QTabWidget>

namespace vemora {

class TabControl : public QTabWidget
{
    Q_OBJECT
  public:
    explicit TabControl(QWidget* parent);

    int Tab() const { return currentIndex(); }
    void setTab(int i) { setCurrentIndex(i); }
    bool TabEnabled(int i) const { return isTabEnabled(i); }
    void setTabEnabled(int i, bool on);
    QString TabCaption(int i) const { return tabText(i); }

  signals:
    void Click(int previousTab);

  private:
    int previous_ = -1;
};

} // namespace vemora
