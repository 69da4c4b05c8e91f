// The ticks of a graph axis: how many major divisions fit, the round major step,
// and the minor and major ticks inside the shown range.
#ifndef VELDRA_FRAMEWORK_AXIS_TICKS_H
#define VELDRA_FRAMEWORK_AXIS_TICKS_H

#include <string>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

// Major divisions that fit along an axis of `pixels` with text `text_height` pixels
// high: pixels / (6 text_height) in whole numbers; 0 when none fit (then the axis
// gets no ticks).
int MajorDivisions(int pixels, int text_height);

// The major step for a range shown in `divisions` divisions. With the raw step
// r = range / divisions, p = 10^floor(log10 r) and k = trunc(r / p): p for k = 1,
// 2p for k = 2 to 4, 5p for k = 5 to 8, 10p for k = 9 or 10. 0 when the range is not
// positive or there are no divisions.
EntryNumber MajorStep(EntryNumber range, int divisions);

struct AxisTick {
  EntryNumber value = 0;
  bool major = false;  // a multiple of the major step: grid line and label
};

// The ticks from `min` to `max`: every multiple of a fifth of the major step, every
// fifth of them (the multiples of the major step) major. Values are computed from
// their whole multiple, so 0 is exactly 0. Empty for a step that is not positive or
// a range that would need more than kMaxTicks ticks.
inline constexpr int kMaxTicks = 10000;
std::vector<AxisTick> AxisTicks(EntryNumber min, EntryNumber max, EntryNumber major_step);

// The label of a major tick: general format with 4 significant digits.
std::string TickLabel(EntryNumber value);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_AXIS_TICKS_H
