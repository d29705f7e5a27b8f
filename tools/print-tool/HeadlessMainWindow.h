// The main window of a run without the shell: an invisible widget whose
// working windows are its children and whose panels keep their texts.
#pragma once

#include <QWidget>
#include <array>

#include "app/MainWindow.h"

namespace vemora {

struct AppContext;

class HeadlessMainWindow : public QWidget, public MainWindow
{
  public:
    // Becomes the context's main window while it exists.
    explicit HeadlessMainWindow(AppContext& ctx);
    ~HeadlessMainWindow() override;

    QWidget* widget() override { return this; }
    void setPanelText(int panel, const QString& text) override;
    QString panelText(int panel) const override;
    void setProgressCaption(const QString&) override {}
    void setProgressCaptionVisible(bool) override {}
    void setProgressValue(int) override {}
    void setProgressVisible(bool) override {}
    void setSystemTypeCaption(const QString&) override {}
    void setCaption(const QString& text) override { setWindowTitle(text); }
    void stopWelcome() override {}
    void popupFileMenu(const QPoint&) override {}
    void popupGridRowsMenu(const QPoint&) override {}
    void setHourglass(bool) override {}
    void setRoughnessMenuVisible(bool) override {}
    QPixmap logo() const override { return QPixmap(); }
    void addWorkingWindow(QWidget* window) override { window->setParent(this); }
    void showWorkingWindow(QWidget* window) override { window->show(); }
    void hideWorkingWindow(QWidget* window) override { window->hide(); }
    bool isWorkingWindowShowing(const QWidget* window) const override
    {
        return window && !window->isHidden();
    }

  private:
    AppContext& ctx_;
    std::array<QString, 4> panels_;
};

} // namespace vemora
