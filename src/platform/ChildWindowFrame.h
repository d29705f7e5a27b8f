// The frame of a working window inside the main window's client area. It
// follows its window: showing or hiding the window shows or hides the frame,
// the frame keeps the window's own size, and it stays at the top-left corner
// of the client area. The window's first size is the least its frame can be
// made; a frame made larger (or maximised) holds the window at its top-left
// corner. The close box closes the window, which by default only
// hides it; deleting the window deletes the frame.
#pragma once

#include <QMdiSubWindow>

namespace vemora {

class ChildWindowFrame : public QMdiSubWindow
{
    Q_OBJECT
  public:
    // Wraps the window and adds the frame to the area.
    ChildWindowFrame(QWidget* window, QMdiArea* area);

    // Whether the window stands in the area, minimised to its frame's title
    // bar or not.
    static bool IsShowing(const QWidget* window);
    // Hides the window with its frame, minimised or not; it comes back
    // normal.
    static void HideWindow(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void fitToWindow();
};

} // namespace vemora
