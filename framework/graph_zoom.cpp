#include "framework/graph_zoom.h"

#include <algorithm>

namespace veldra::framework {

namespace {

AxisSpan ShiftedInside(const AxisSpan& full, EntryNumber lo, EntryNumber hi) {
  if (lo < full.min) {
    hi += full.min - lo;
    lo = full.min;
  }
  if (hi > full.max) {
    lo = std::max(full.min, lo - (hi - full.max));
    hi = full.max;
  }
  return {lo, hi};
}

}  // namespace

AxisSpan ZoomInAxis(const AxisSpan& full, EntryNumber a, EntryNumber b) {
  EntryNumber lo = std::min(a, b);
  EntryNumber hi = std::max(a, b);
  const EntryNumber narrowest = full.Width() / kMaxZoomIn;
  if (hi - lo < narrowest) {
    const EntryNumber centre = (lo + hi) / 2;
    lo = centre - narrowest / 2;
    hi = centre + narrowest / 2;
  }
  return ShiftedInside(full, lo, hi);
}

AxisSpan ZoomOutAxis(const AxisSpan& full, const AxisSpan& shown, EntryNumber at) {
  const EntryNumber width = 2 * shown.Width();
  // Computing the full span back from its centre would leave rounding noise at its
  // ends; it is taken as it is.
  if (width >= full.Width()) return full;
  return ShiftedInside(full, at - width / 2, at + width / 2);
}

EntryNumber ValueAtX(const PixelRect& panel, const AxisSpan& span, EntryNumber px) {
  if (panel.Width() <= 0) return span.min;
  return span.min + (px - panel.left) * span.Width() / panel.Width();
}

EntryNumber ValueAtY(const PixelRect& panel, const AxisSpan& span, bool y_down, EntryNumber py) {
  if (panel.Height() <= 0) return span.min;
  const EntryNumber from_start = y_down ? py - panel.top : panel.bottom - py;
  return span.min + from_start * span.Width() / panel.Height();
}

EntryNumber PixelOfX(const PixelRect& panel, const AxisSpan& span, EntryNumber x) {
  return panel.left + (x - span.min) * panel.Width() / span.Width();
}

EntryNumber PixelOfY(const PixelRect& panel, const AxisSpan& span, bool y_down, EntryNumber y) {
  const EntryNumber along = (y - span.min) * panel.Height() / span.Width();
  return y_down ? panel.top + along : panel.bottom - along;
}

}  // namespace veldra::framework
