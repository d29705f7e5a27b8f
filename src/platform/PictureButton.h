// A raised 3-D command button showing a picture, a caption or both, that
// looks hovered while the mouse is over it and reports the mouse moving over
// it and the focus coming to it (for hints).
// Clicks come through QAbstractButton::clicked; a '&' in the caption makes
// the Alt shortcut.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace vemora {

class PictureButton : public QAbstractButton
{
    Q_OBJECT
  public:
    explicit PictureButton(QWidget* parent);

    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& p);
    QString Caption() const { return text(); }
    void setCaption(const QString& s);
    bool hovered() const { return hovered_; }

    QSize sizeHint() const override;

  signals:
    // x and y in twips from the button's corner.
    void MouseMove(int button, int shift, int x, int y);
    void GotFocus();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    QPixmap picture_;
    bool hovered_ = false;
};

} // namespace vemora
