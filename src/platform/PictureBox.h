// A picture box: a widget that keeps the last drawing made on its surface as
// its picture and shows it. A graph procedure draws on surface() (Cls first,
// then lines, boxes, texts and pictures in twips); the picture stays as drawn
// across repaints, and Image() and the clipboard copy give exactly what is
// shown without drawing the graph again. A printed page replays drawing()
// into its own rectangle.
//
// The surface's ScaleWidth and ScaleHeight follow the widget's inner size
// (inside its border) in twips. Mouse events come as signals with the button
// (mousebutton::Left 1, Right 2, Middle 4; for moves the buttons held), the
// shift state (shiftstate bits) and the position in twips from the inner top
// left corner; windows connect them with function-pointer connect.
#pragma once

#include <QFrame>
#include <QImage>

#include "platform/DrawingSurface.h"

namespace vemora {

class Ui;

class PictureBox : public QFrame
{
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);

    // The surface, its size brought up to the widget's first (a hidden widget
    // gets no resize event, yet a drawing may come before it is shown).
    DrawingSurface& surface();
    const DrawingSurface& surface() const { return surface_; }
    const Drawing& drawing() const { return surface_.drawing(); }

    // The picture as shown, one pixel for 15 twips.
    QImage Image() const;

    // 0 no border, 1 a sunken 3-D border two pixels wide (the default).
    void setBorderStyle(int style);

    // Shows the cross-hair pointer while the mouse is over the picture
    // (graphs with a cursor read-out), or the default pointer.
    void setCrossHair(bool on);

    // Puts the picture on the clipboard as an image, with the hourglass up
    // meanwhile. The caller confirms to the user.
    void copyToClipboard(Ui& ui) const;
    // The same, then the confirmation every graph window gives: `message`
    // ("The graph was copied to the clipboard") in an information box.
    void copyToClipboard(Ui& ui, const QString& message, QWidget* parent) const;

  signals:
    void MouseMove(int button, int shift, double x, double y);
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void followSize();
    void pictureChanged();
    QPointF twipsOf(const QMouseEvent* e) const;

    DrawingSurface surface_;
    mutable QImage shown_; // the drawing rendered for the screen
    mutable bool stale_ = true;
};

} // namespace vemora
