// A small stand-in for the main window, so that a window can be tested
// without the shell. It keeps what the windows set in plain widgets that a
// test can look at: the panel texts, the progress caption and bar, the
// system-type label, the File popup (with its New item), the profile grid's
// row menu and the roughness item. Working windows become its children, or,
// once a test asks for frames, sit in frames in a work area as the real main
// window has them.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QWidget>
#include <array>

#include "app/AppContext.h"

namespace vemora::test {

class FakeMainWindow : public QWidget, public MainWindow
{
  public:
    // Becomes the context's main window while it exists.
    explicit FakeMainWindow(AppContext& ctx);
    ~FakeMainWindow() override;

    QWidget* widget() override { return this; }
    void setPanelText(int panel, const QString& text) override;
    QString panelText(int panel) const override;
    void setProgressCaption(const QString& text) override { lblProgessBar->setText(text); }
    void setProgressCaptionVisible(bool visible) override { lblProgessBar->setVisible(visible); }
    void setProgressValue(int value) override { proProgressBar->setValue(value); }
    void setProgressVisible(bool visible) override { proProgressBar->setVisible(visible); }
    void setSystemTypeCaption(const QString& text) override { lblSystem->setText(text); }
    void setCaption(const QString& text) override { setWindowTitle(text); }
    void stopWelcome() override { welcomeStopped = true; }
    void popupFileMenu(const QPoint& globalPos) override;
    void popupGridRowsMenu(const QPoint& globalPos) override;
    void setHourglass(bool on) override;
    void setRoughnessMenuVisible(bool visible) override { mnuRoughness->setVisible(visible); }
    QPixmap logo() const override { return QPixmap(); }
    void addWorkingWindow(QWidget* window) override;
    void showWorkingWindow(QWidget* window) override;
    void hideWorkingWindow(QWidget* window) override;
    bool isWorkingWindowShowing(const QWidget* window) const override;

    // Working windows added from now on get the real main window's frame in
    // a work area that covers this window.
    void frameWorkingWindows();

    QLabel* lblSystem = nullptr;
    QLabel* lblProgessBar = nullptr;
    QProgressBar* proProgressBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuRoughness = nullptr;
    // The profile grid's row menu, its items running the input window's row
    // operations as the real main window's do.
    QMenu* mnuFGridRows = nullptr;
    bool welcomeStopped = false;

  private:
    AppContext& ctx_;
    std::array<QString, 4> panels_;
    QMdiArea* area_ = nullptr;
};

} // namespace vemora::test
