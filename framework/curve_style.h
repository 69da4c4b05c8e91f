// How the curves of a result graph are told apart: their colours and markers, as
// plain data for the window that draws them.
#ifndef VELDRA_FRAMEWORK_CURVE_STYLE_H
#define VELDRA_FRAMEWORK_CURVE_STYLE_H

#include <cstdint>
#include <vector>

#include "framework/graph_plot.h"

namespace veldra::framework {

struct CurveColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const CurveColor&) const = default;
};

inline constexpr int kPaletteSize = 17;

// The colour of the k-th active curve (counting from 0): the palette repeats every
// kPaletteSize curves. A negative k counts as 0.
CurveColor ActiveCurveColor(int k);

// The marker shape of curve number n (counting from 1 in its list): shapes repeat
// every ten curves, so curve 11 has the shape of curve 1 and curve 20 that of 10.
// 1 is a triangle, 2 a square, 3 to 10 the regular polygon of that many corners.
int MarkerShape(int curve_number);

// True when point `index` (from 0) of a curve carries a marker with a marker every
// `every` points: the first point and every multiple of `every`; none for 0.
bool HasMarker(int index, int every);

// The corners of a marker outline round a point (cx, cy) in pixel coordinates (y
// downwards), with "radius" rx across and ry down: shape 1 a triangle with one
// corner straight below the point; 2 a square with horizontal and vertical sides;
// 3 to 10 a regular polygon with one corner straight above. The outline closes from
// the last corner back to the first.
std::vector<TFloatPoint> MarkerOutline(int shape, EntryNumber cx, EntryNumber cy, EntryNumber rx, EntryNumber ry);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_CURVE_STYLE_H
