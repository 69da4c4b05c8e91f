#include "framework/curve_style.h"

#include <array>
#include <cmath>
#include <numbers>

namespace veldra::framework {

namespace {

constexpr std::array<CurveColor, kPaletteSize> kPalette = {{
    {0, 0, 0},        // black
    {0, 0, 255},      // blue
    {255, 0, 0},      // red
    {0, 128, 0},      // green
    {128, 0, 128},    // purple
    {128, 0, 0},      // maroon
    {0, 0, 128},      // navy
    {255, 0, 255},    // fuchsia
    {128, 128, 0},    // olive
    {0, 128, 128},    // teal
    {128, 128, 128},  // grey
    {0, 255, 0},      // lime
    {128, 128, 128},  // grey
    {192, 192, 192},  // silver
    {192, 192, 192},  // silver
    {255, 255, 0},    // yellow
    {0, 255, 255},    // aqua
}};

constexpr int kMarkerShapes = 10;

}  // namespace

CurveColor ActiveCurveColor(int k) { return kPalette[static_cast<std::size_t>(k < 0 ? 0 : k % kPaletteSize)]; }

int MarkerShape(int curve_number) {
  const int r = (curve_number - 1) % kMarkerShapes;
  return (r < 0 ? r + kMarkerShapes : r) + 1;
}

bool HasMarker(int index, int every) { return every > 0 && index % every == 0; }

std::vector<TFloatPoint> MarkerOutline(int shape, EntryNumber cx, EntryNumber cy, EntryNumber rx, EntryNumber ry) {
  shape = MarkerShape(shape);
  if (shape == 2) return {{cx - rx, cy - ry}, {cx + rx, cy - ry}, {cx + rx, cy + ry}, {cx - rx, cy + ry}};
  // The triangle points down, the polygons up (pixel y grows downwards).
  const int corners = shape == 1 ? 3 : shape;
  const long double start = shape == 1 ? std::numbers::pi_v<long double> / 2 : -std::numbers::pi_v<long double> / 2;
  std::vector<TFloatPoint> outline;
  for (int k = 0; k < corners; ++k) {
    const long double angle = start + 2 * std::numbers::pi_v<long double> * k / corners;
    outline.push_back({cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
  }
  return outline;
}

}  // namespace veldra::framework
