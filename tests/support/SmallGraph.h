// A small graph for tests of picture boxes: white background, a dashed grid
// line, an axis, a label and a filled bar.
#pragma once

#include "platform/DrawingSurface.h"

namespace vemora::test {

inline void DrawSmallGraph(DrawingSurface& s)
{
    s.setBackColor(vbcolor::White);
    s.Cls();
    s.setDrawStyle(DrawStyle::Dash);
    s.setForeColor(0x808080);
    s.Line(800, 1500, s.ScaleWidth() - 380, 1500);
    s.setDrawStyle(DrawStyle::Solid);
    s.setForeColor(vbcolor::Black);
    s.Line(800, 350, 800, s.ScaleHeight() - 470);
    s.LineTo(s.ScaleWidth() - 380, s.ScaleHeight() - 470);
    s.setCurrentX(300);
    s.setCurrentY(1415);
    s.Print("1550");
    s.FilledBox(2000, 1600, 2600, s.ScaleHeight() - 690, 0xFF0000);
}

} // namespace vemora::test
