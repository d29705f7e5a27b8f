#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/KeyCodes.h"
#include "platform/Ui.h"

namespace vemora {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setMouseTracking(true);
    setBorderStyle(1);
    surface_.setOnChange([this] { pictureChanged(); });
}

void PictureBox::setBorderStyle(int style)
{
    if (style == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    followSize();
}

void PictureBox::setCrossHair(bool on)
{
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

void PictureBox::copyToClipboard(Ui& ui, const QString& message, QWidget* parent) const
{
    copyToClipboard(ui);
    ui.msgBox(message, MsgButtons::OK, MsgIcon::Information, QStringLiteral("Vemora"), parent);
}

void PictureBox::pictureChanged()
{
    if (stale_) return; // a repaint is already due
    stale_ = true;
    update();
}

DrawingSurface& PictureBox::surface()
{
    followSize();
    return surface_;
}

void PictureBox::followSize()
{
    const QRect inner = contentsRect();
    const double width = pixelsToTwips(inner.width());
    const double height = pixelsToTwips(inner.height());
    if (width != surface_.ScaleWidth() || height != surface_.ScaleHeight())
        surface_.setScaleSize(width, height);
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
    emit MouseMove(mouseButtonsOf(e->buttons()), shiftOfModifiers(e->modifiers()), t.x(), t.y());
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const QPointF t = twipsOf(e);
    emit MouseDown(mouseButtonsOf(e->button()), shiftOfModifiers(e->modifiers()), t.x(), t.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF t = twipsOf(e);
    emit MouseUp(mouseButtonsOf(e->button()), shiftOfModifiers(e->modifiers()), t.x(), t.y());
}

} // namespace vemora
