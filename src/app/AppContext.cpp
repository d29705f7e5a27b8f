#include "app/AppContext.h"

namespace vemora {

namespace {

class NoMainWindow final : public MainWindow
{
  public:
    QWidget* widget() override { return nullptr; }
    void setPanelText(int, const QString&) override {}
    QString panelText(int) const override { return QString(); }
    void setProgressCaption(const QString&) override {}
    void setProgressCaptionVisible(bool) override {}
    void setProgressValue(int) override {}
    void setProgressVisible(bool) override {}
    void setSystemTypeCaption(const QString&) override {}
    void setCaption(const QString&) override {}
    void stopWelcome() override {}
    void popupFileMenu(const QPoint&) override {}
    void popupGridRowsMenu(const QPoint&) override {}
    void setHourglass(bool) override {}
    void setRoughnessMenuVisible(bool) override {}
    QPixmap logo() const override { return QPixmap(); }
    void addWorkingWindow(QWidget*) override {}
    void showWorkingWindow(QWidget*) override {}
    void hideWorkingWindow(QWidget*) override {}
    bool isWorkingWindowShowing(const QWidget*) const override { return false; }
};

} // namespace

MainWindow& AppContext::mainWindow() const
{
    static NoMainWindow none; // holds nothing: shared safely by every context
    return main ? *main : none;
}

} // namespace vemora
