// The IRR graph: the present value of the income less that of the
// expenditure against the discount rate, over a range of the IRR scan, with
// the cursor read-out over it. The rate where the curve crosses zero is the
// internal rate of return; the graph marks nothing of its own for it.
#pragma once

#include <QImage>
#include <string>

#include "engine/ResultsStore.h"
#include "graphs/PlotFrame.h"
#include "platform/DrawingSurface.h"

namespace vemora {

inline constexpr const char* IrrRangeMessage =
    "The begin IRR value should be smaller than the end IRR value !";
inline constexpr const char* IrrRangeTitle = "Vemora ERROR !";
inline constexpr const char* IrrGraphFailedMessage =
    "Could not show the Internal Rate of Return graph.";
inline constexpr const char* IrrGraphFailedTitle = "Vemora";

enum class IrrGraphStatus {
    Drawn,
    BeginNotBeforeEnd, // nothing drawn or cleared; the frame is unchanged
    Failed,            // cleared, nothing else drawn: every difference of the range is 0
};

// The vertical title "NPV (Income - Expenditure)", reading upwards, 20 pixels wide.
const QImage& IrrTitlePicture();

// Draws scan steps `begin`..`end` (0.01 % each; held to 0..20000) on a
// white ground: x = IrrRate(i) (%), y = IrrPvDifference(i) (currency), one
// vertex per step.
// Frame: left 1500, top 570, right = width - 600, bottom = height - 470.
// Rate axis: raw step (E - B) / 10 from the 1-2-5 series (continued past
// 500000), origin a multiple of the step; difference axis: raw step
// (Dmax - Dmin) / 10 from the 1-2-5 series to 1,000,000 then 5e6, 1e7, 5e7,
// 1e8, 5e8, 1e9 and on; a positive lowest difference is itself the origin.
// Labels: differences "##0".."##0.000" by the step at x 500; rates
// "###0.0" cut to five characters, centred on the plain text of the value.
// Leaves the axes in `frame` for the read-out.
IrrGraphStatus DrawIRRGraph(DrawingSurface& surface, PlotFrame& frame, const ResultsStore& results,
                            int begin, int end);

// The rate label of a scroll value v: v / 100 in its shortest decimal text
// (0 -> "0", 1250 -> "12.5", 1 -> "0.01", 20000 -> "200").
std::string IrrRateText(int scanStep);

// The read-out under the mouse (twips): the rate "#0.000" followed by "%"
// and the difference as the currency symbol and "#0" ("$-125000"), or
// "Out of range" for both outside the plot area.
struct IrrReadOut
{
    std::string Rate;
    std::string Difference;
};
IrrReadOut ReadIrr(const PlotFrame& frame, int currencyCode, double x, double y);

} // namespace vemora
