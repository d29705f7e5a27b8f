// The program's look over the platform's own style, for every window:
// - a frame's caption sits on its border line, so the twips layouts, which
//   count a frame's rows from its top edge, get the room they were made for;
// - a scroll bar that picks a value (ScrollBar) has a small square thumb
//   whatever its range, so the thumb travels over the whole track and stands
//   apart from it. Scroll bars of scrolled areas keep their proportional thumb.
#pragma once

#include <QProxyStyle>

namespace vemora {

class AppStyle : public QProxyStyle
{
    Q_OBJECT
  public:
    AppStyle(); // over the platform's default style

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

  private:
    QRect frameRect(const QStyleOptionComplex* option, SubControl part) const;
    QRect valueBarRect(const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const;
    void drawFrame(const QStyleOptionComplex* option, QPainter* painter) const;
};

// Makes AppStyle the application's style (the application owns it).
void InstallAppStyle();

} // namespace vemora
