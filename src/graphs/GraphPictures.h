// The small pictures the graphs paste: the component symbols at the nodes
// of a profile and the vertical axis titles, drawn by the program itself.
// Each is made once and kept; a null image stands for "no picture".
#pragma once

#include <QImage>

namespace vemora {

// The symbol of a node type at its own size in pixels: reservoir (1) a blue
// square with a black outline, 16 x 15; pump station (2) a yellow disc
// marked P on a pipe, 18 x 12; isolating valve (3) a blue bow-tie, 12 x 13;
// non-return valve (4) a blue triangle against a bar, 9 x 18; air valve (5)
// an upright stem with two blue blocks, 16 x 17. Other types have none.
const QImage& ComponentSymbol(int nodeType);

// "Elevation ( m )", "( km )", "( ft )" or "( miles )" by the elevation
// unit code 0..3, 18 pixels wide, reading upwards; none for other codes.
const QImage& ElevationTitlePicture(int elevationUnit);

// "Head (m)" or "Head (ft)" in bold by the pump-head unit code 0..1.
const QImage& HeadTitlePicture(int headUnit);

// "Yield & Demand", 17 pixels wide, the demand graph's vertical title.
const QImage& YieldDemandTitlePicture();

} // namespace vemora
