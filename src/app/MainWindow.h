// What the windows use of the main window. The shell's main window
// implements it; a window test gives a small stand-in instead. Windows never
// reach the main window's own widgets.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QString>

class QWidget;

namespace vemora {

class MainWindow
{
  public:
    virtual ~MainWindow() = default;

    // The main window as a widget: the parent of dialogs and messages.
    virtual QWidget* widget() = 0;

    // Status panels 1 to 4; the hint panel takes every hint and message.
    static constexpr int HintPanel = 3;
    virtual void setPanelText(int panel, const QString& text) = 0;
    virtual QString panelText(int panel) const = 0;
    // Writes the hint panel for `writer`, a working window or a dialog; the
    // main window takes the text away when that window hides or closes.
    virtual void showHint(QWidget* writer, const QString& text)
    {
        (void)writer;
        setPanelText(HintPanel, text);
    }

    // The progress caption ("Opening project") and bar of the toolbar strip.
    virtual void setProgressCaption(const QString& text) = 0;
    virtual void setProgressCaptionVisible(bool visible) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressVisible(bool visible) = 0;

    // The system-type label of the toolbar strip ("Gravity system").
    virtual void setSystemTypeCaption(const QString& text) = 0;
    // The title bar ("  Vemora (project name)").
    virtual void setCaption(const QString& text) = 0;
    // Ends the title-bar welcome animation for good.
    virtual void stopWelcome() = 0;

    // Pops up the File menu at a screen position.
    virtual void popupFileMenu(const QPoint& globalPos) = 0;
    // Pops up the profile grid's row menu at a screen position; its items
    // run the input window's row operations.
    virtual void popupGridRowsMenu(const QPoint& globalPos) = 0;
    // The hourglass pointer over the program, or the default pointer.
    virtual void setHourglass(bool on) = 0;
    // The menu bar's Roughness calibration item.
    virtual void setRoughnessMenuVisible(bool visible) = 0;
    // The PIPE picture that printed page headers paste.
    virtual QPixmap logo() const = 0;

    // Working windows in the client area: a window is added once, when it is
    // made, and is then shown and hidden there.
    virtual void addWorkingWindow(QWidget* window) = 0;
    virtual void showWorkingWindow(QWidget* window) = 0;
    virtual void hideWorkingWindow(QWidget* window) = 0;
    virtual bool isWorkingWindowShowing(const QWidget* window) const = 0;
};

} // namespace vemora
