// A scroll bar with Min, Max, Value, SmallChange and LargeChange that raises
// Change when its value settles (a click, a key, the end of a drag, or code
// setting Value) and Scroll while the thumb is dragged. The flat style draws
// without the 3-D look. An arrow key moves the value the way it points, as a
// click on the arrow button at that end does; the wheel turns as the
// platform's bars do.
#pragma once

#include <QScrollBar>

namespace vemora {

class ScrollBar : public QScrollBar
{
    Q_OBJECT
  public:
    ScrollBar(Qt::Orientation o, QWidget* parent, bool flat = false);

    int Min() const { return minimum(); }
    void setMin(int v) { setMinimum(v); }
    int Max() const { return maximum(); }
    void setMax(int v) { setMaximum(v); }
    int Value() const { return value(); }
    void setValue(int v) { QScrollBar::setValue(v); }
    void setSmallChange(int v) { setSingleStep(v); }
    void setLargeChange(int v) { setPageStep(v); }
    bool flat() const { return flat_; }

  signals:
    void Change();
    void Scroll();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool flat_ = false;
    int pressValue_ = 0;
};

} // namespace vemora
