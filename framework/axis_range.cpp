#include "framework/axis_range.h"

#include <algorithm>
#include <cmath>

namespace veldra::framework {

namespace {

// Half-width by which an axis whose values are all equal is widened.
constexpr EntryNumber kFlatWidening = 0.01L;
// A quotient this close to a whole number (relative to its size) is that number:
// extended arithmetic leaves 4.99 / 0.001 a hair off 4990.
constexpr EntryNumber kWholeTolerance = 1e-12L;

// value / 10^exponent, with the power of ten exact where it can be (positive powers).
EntryNumber InSteps(EntryNumber value, int exponent) {
  return exponent >= 0 ? value / std::pow(10.0L, exponent) : value * std::pow(10.0L, -exponent);
}

EntryNumber FromSteps(EntryNumber steps, int exponent) {
  return exponent >= 0 ? steps * std::pow(10.0L, exponent) : steps / std::pow(10.0L, -exponent);
}

EntryNumber Snapped(EntryNumber q) {
  const EntryNumber whole = std::round(q);
  return std::fabs(q - whole) <= kWholeTolerance * std::max<EntryNumber>(1, std::fabs(q)) ? whole : q;
}

}  // namespace

AxisRange AutomaticRange(EntryNumber smallest, EntryNumber largest) {
  if (largest == smallest) {
    largest += kFlatWidening;
    smallest -= kFlatWidening;
  }
  const EntryNumber span = largest - smallest;
  if (!(span > 0) || !std::isfinite(span)) return {smallest, largest, 0};
  const EntryNumber magnitude = std::log10(span);
  int exponent = static_cast<int>(std::floor(magnitude));
  if (magnitude - std::floor(magnitude) < std::log10(3.0L)) --exponent;
  AxisRange range;
  range.step = FromSteps(1, exponent);
  range.min = FromSteps(std::floor(Snapped(InSteps(smallest, exponent))), exponent);
  range.max = FromSteps(std::ceil(Snapped(InSteps(largest, exponent))), exponent);
  // Spans near the ends of the number range have no round step to speak of.
  if (!std::isfinite(range.min) || !std::isfinite(range.max) || !(range.step > 0)) return {smallest, largest, 0};
  return range;
}

std::optional<PanelRange> AutomaticPanelRange(const TGraphPlot& graph, CurveList list) {
  bool any = false;
  TFloatPoint low, high;
  for (int c = 0; c < graph.CurveCount(list); ++c) {
    for (const TFloatPoint& p : graph.CurveAt(list, c).Points) {
      if (!any) {
        low = high = p;
        any = true;
        continue;
      }
      low.x = std::min(low.x, p.x);
      low.y = std::min(low.y, p.y);
      high.x = std::max(high.x, p.x);
      high.y = std::max(high.y, p.y);
    }
  }
  if (!any) return std::nullopt;
  return PanelRange{AutomaticRange(low.x, high.x), AutomaticRange(low.y, high.y)};
}

}  // namespace veldra::framework
