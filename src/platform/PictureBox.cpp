#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/KeyCodes.h"
#include "platform/Ui.h"

namespace vemora {

namespace {

int buttonCode(Qt::MouseButtons b)
{
    int code = 0;
    if (b & Qt::LeftButton) code |= mousebutton::Left;
    if (b & Qt::RightButton) code |= mousebutton::Right;
    if (b & Qt::MiddleButton) code |= mousebutton::Middle;
    return code;
}

int shiftCode(Qt::KeyboardModifiers m)
{
    int code = 0;
    if (m & Qt::ShiftModifier) code |= shiftstate::Shift;
    if (m & Qt::ControlModifier) code |= shiftstate::Ctrl;
    if (m & Qt::AltModifier) code |= shiftstate::Alt;
    return code;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setMouseTracking(true);
    setBorderStyle(1);
    surface_.setOnChange([this] { pictureChanged(); });
}

void PictureBox::setBorderStyle(int style)
{
    borderStyle_ = style == 0 ? 0 : 1;
    if (borderStyle_ == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    followSize();
}

void PictureBox::setCrossHair(bool on)
{
    crossHair_ = on;
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

QImage PictureBox::Image() const
{
    if (stale_) {
        shown_ = surface_.drawing().toImage();
        stale_ = false;
    }
    return shown_;
}

void PictureBox::copyToClipboard(Ui& ui) const
{
    ui.setMousePointer(MousePointer::Hourglass);
    ui.setClipboardImage(Image());
    ui.setMousePointer(MousePointer::Default);
}

void PictureBox::pictureChanged()
{
    if (stale_) return; // a repaint is already due
    stale_ = true;
    update();
}

void PictureBox::followSize()
{
    const QRect inner = contentsRect();
    surface_.setScaleSize(pixelsToTwips(inner.width()), pixelsToTwips(inner.height()));
}

void PictureBox::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    QPainter p(this);
    const QRect inner = contentsRect();
    p.fillRect(inner, vbColor(surface_.drawing().backColor()));
    p.drawImage(inner.topLeft(), Image());
}

void PictureBox::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    followSize();
}

QPointF PictureBox::twipsOf(const QMouseEvent* e) const
{
    return (e->position() - QPointF(contentsRect().topLeft())) * kTwipsPerPixel;
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF t = twipsOf(e);
    emit MouseMove(buttonCode(e->buttons()), shiftCode(e->modifiers()), t.x(), t.y());
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const QPointF t = twipsOf(e);
    emit MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), t.x(), t.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF t = twipsOf(e);
    emit MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), t.x(), t.y());
}

} // namespace vemora
