// Zooming a graph panel: the values a panel shows, in and out within its full range.
#ifndef VELDRA_FRAMEWORK_GRAPH_ZOOM_H
#define VELDRA_FRAMEWORK_GRAPH_ZOOM_H

#include "framework/entry_number.h"
#include "framework/graph_layout.h"

namespace veldra::framework {

// The values one axis shows, min < max.
struct AxisSpan {
  EntryNumber min = 0;
  EntryNumber max = 1;
  EntryNumber Width() const { return max - min; }
  bool operator==(const AxisSpan&) const = default;
};

struct ViewSpan {
  AxisSpan x;
  AxisSpan y;
  bool operator==(const ViewSpan&) const = default;
};

// No axis zooms in further than this fraction of its full range.
inline constexpr int kMaxZoomIn = 20;

// The span shown after selecting a..b (either order) on an axis with the full span
// `full`: the selection, widened round its centre to 1/kMaxZoomIn of the full span
// when it is narrower, then shifted to lie inside the full span.
AxisSpan ZoomInAxis(const AxisSpan& full, EntryNumber a, EntryNumber b);

// The span after zooming out at `at`: twice the shown width, at most the full
// width, centred at `at` and shifted to lie inside the full span. A panel showing
// its full span keeps it exactly.
AxisSpan ZoomOutAxis(const AxisSpan& full, const AxisSpan& shown, EntryNumber at);

// The axis value under a pixel of a panel showing `span`, and back. Pixel x grows to
// the right; pixel y grows downwards, and the y values grow downwards too when
// `y_down` (depth plots), upwards otherwise.
EntryNumber ValueAtX(const PixelRect& panel, const AxisSpan& span, EntryNumber px);
EntryNumber ValueAtY(const PixelRect& panel, const AxisSpan& span, bool y_down, EntryNumber py);
EntryNumber PixelOfX(const PixelRect& panel, const AxisSpan& span, EntryNumber x);
EntryNumber PixelOfY(const PixelRect& panel, const AxisSpan& span, bool y_down, EntryNumber y);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRAPH_ZOOM_H
