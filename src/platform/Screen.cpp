#include "platform/Screen.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/Twips.h"

namespace vemora {

QSize Screen::size() const
{
    if (override_) return *override_;
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->geometry().size();
    return {800, 600};
}

int Screen::widthTwips() const
{
    return pixelsToTwips(size().width());
}

int Screen::heightTwips() const
{
    return pixelsToTwips(size().height());
}

namespace {

// The window frame's width on each side: the difference between the frame's
// and the client area's geometry (all zero until a frame is known).
QMargins FrameMargins(const QWidget* w)
{
    const QRect f = w->frameGeometry();
    const QRect g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// Keeps a window placed over the screen: the window manager frames a window
// only after it is shown, so the placement is made again whenever the frame's
// size changes. Moves and resizes with an unchanged frame are left alone.
class ScreenPlacement : public QObject
{
  public:
    explicit ScreenPlacement(QWidget* w) : QObject(w), window_(w) { w->installEventFilter(this); }

    void place(QSize screen)
    {
        screen_ = screen;
        const QSize s = screen;
        const QMargins m = FrameMargins(window_);
        margins_ = m;
        // The client area is the screen less the frame, and the frame's
        // top-left corner (a window's position) goes to 0, 0.
        window_->resize(std::max(1, s.width() - m.left() - m.right()),
                        std::max(1, s.height() - m.top() - m.bottom()));
        window_->move(0, 0);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == window_) {
            switch (e->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize:
                if (FrameMargins(window_) != margins_) place(screen_);
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, e);
    }

  private:
    QWidget* window_;
    QMargins margins_;
    QSize screen_;
};

} // namespace

void placeOverScreen(QWidget* w, QSize screen)
{
    if (!w) return;
    // One placement a window: a later call places it again.
    ScreenPlacement* placement = nullptr;
    for (QObject* child : w->children())
        if (!placement) placement = dynamic_cast<ScreenPlacement*>(child);
    if (!placement) placement = new ScreenPlacement(w);
    placement->place(screen);
}

void placeAtWorkAreaCorner(QWidget* window)
{
    if (!window) return;
    // Moving the window inside its frame would lay it over the frame's title
    // bar and leave an empty strip at the bottom: the frame moves instead.
    QWidget* frame =
        qobject_cast<QMdiSubWindow*>(window->parentWidget()) ? window->parentWidget() : window;
    if (frame->parentWidget() && frame->pos() != QPoint(0, 0)) frame->move(0, 0);
}

} // namespace vemora
