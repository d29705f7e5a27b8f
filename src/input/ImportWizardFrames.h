// The 19 pictures of the import wizard's animations: a spreadsheet whose
// profile columns are selected row by row, copied onto the clipboard and
// poured into the program's profile, one picture a frame.
#pragma once

#include <QPixmap>

namespace vemora {

constexpr int ImportWizardFrameCount = 19;

// Frame k, 1 to 19 (any other k gives frame 1), 120 x 120 pixels.
QPixmap ImportWizardFrame(int k);

} // namespace vemora
