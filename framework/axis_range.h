// The automatic range of a graph panel: the extent of its points widened to round
// numbers.
#ifndef VELDRA_FRAMEWORK_AXIS_RANGE_H
#define VELDRA_FRAMEWORK_AXIS_RANGE_H

#include <optional>

#include "framework/entry_number.h"
#include "framework/graph_plot.h"

namespace veldra::framework {

struct AxisRange {
  EntryNumber min = 0;
  EntryNumber max = 0;
  EntryNumber step = 0;  // the rounding step; both ends are multiples of it
};

// The range of one axis whose values run from `smallest` to `largest`
// (smallest <= largest, both finite). Equal ends are widened by 0.01 each way. The
// step is 10^floor(log10(max - min)), divided by 10 when the fractional part of that
// logarithm is below log10(3); the minimum is rounded down and the maximum up to a
// multiple of the step. -0.37 and 12.3 give -1 to 13 with step 1. Ends without a
// finite positive span between them come back as they are, with step 0.
//
// Ends that are multiples of the step up to rounding noise stay where they are:
// 0.3 to 0.9 gives 0.3 to 0.9, not 0.2 to 0.9.
AxisRange AutomaticRange(EntryNumber smallest, EntryNumber largest);

struct PanelRange {
  AxisRange x;
  AxisRange y;
};

// The automatic ranges of a panel from every point of every curve of its list,
// active or not; nothing when the list has no point.
std::optional<PanelRange> AutomaticPanelRange(const TGraphPlot& graph, CurveList list);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_AXIS_RANGE_H
