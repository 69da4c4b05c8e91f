#include "app/views/scene_mesh.h"

#include <cmath>
#include <numbers>

namespace veldra::app::views {

namespace {

double Length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

Vec3 Unit(const Vec3& v) {
  const double n = Length(v);
  return n > 0 ? v * (1 / n) : Vec3{};
}

}  // namespace

SceneBatch& MeshBuilder::BatchFor(PrimitiveKind kind, const Rgba& colour, float width) {
  auto& batches = part_.batches;
  if (batches.empty() || batches.back().kind != kind || !(batches.back().colour == colour) ||
      batches.back().line_width != width) {
    batches.push_back({kind, colour, width, {}});
  }
  return batches.back();
}

void MeshBuilder::Line(const Rgba& colour, float width, const Vec3& a, const Vec3& b) {
  auto& v = BatchFor(PrimitiveKind::kLines, colour, width).vertices;
  v.push_back(a);
  v.push_back(b);
}

void MeshBuilder::Polyline(const Rgba& colour, float width, const std::vector<Vec3>& points) {
  for (std::size_t i = 1; i < points.size(); ++i) Line(colour, width, points[i - 1], points[i]);
}

void MeshBuilder::Triangle(const Rgba& colour, const Vec3& a, const Vec3& b, const Vec3& c) {
  auto& v = BatchFor(PrimitiveKind::kTriangles, colour, 1).vertices;
  v.push_back(a);
  v.push_back(b);
  v.push_back(c);
}

void MeshBuilder::Quad(const Rgba& colour, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
  Triangle(colour, a, b, c);
  Triangle(colour, a, c, d);
}

void MeshBuilder::Box(const Rgba& outline, const Rgba& faces, const Vec3& low, const Vec3& high) {
  const std::vector<Vec3> section = {{low.x, low.y, low.z}, {high.x, low.y, low.z}, {high.x, low.y, high.z},
                                     {low.x, low.y, high.z}};
  Prism(outline, faces, section, {0, high.y - low.y, 0});
}

void MeshBuilder::Prism(const Rgba& outline, const Rgba& faces, const std::vector<Vec3>& section, const Vec3& depth) {
  const std::size_t n = section.size();
  if (n < 3) return;
  // Faces first, so that the outline is drawn over them.
  for (std::size_t i = 1; i + 1 < n; ++i) {
    Triangle(faces, section[0], section[i], section[i + 1]);
    Triangle(faces, section[0] + depth, section[i] + depth, section[i + 1] + depth);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const Vec3& a = section[i];
    const Vec3& b = section[(i + 1) % n];
    Quad(faces, a, b, b + depth, a + depth);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const Vec3& a = section[i];
    const Vec3& b = section[(i + 1) % n];
    Line(outline, 1, a, b);
    Line(outline, 1, a + depth, b + depth);
    Line(outline, 1, a, a + depth);
  }
}

void MeshBuilder::Arrow(const Rgba& colour, float width, const Vec3& tail, const Vec3& tip, double head,
                        const Vec3& side) {
  Line(colour, width, tail, tip);
  const Vec3 back = Unit(tail - tip);
  // The side direction without its part along the shaft.
  const double along = back.x * side.x + back.y * side.y + back.z * side.z;
  const Vec3 across = Unit(side - back * along);
  const double c = head * std::cos(std::numbers::pi / 6);
  const double s = head * std::sin(std::numbers::pi / 6);
  Line(colour, width, tip, tip + back * c + across * s);
  Line(colour, width, tip, tip + back * c - across * s);
}

void MeshBuilder::Spring(const Rgba& colour, float width, const Vec3& a, const Vec3& b, int turns, double amplitude,
                         const Vec3& side) {
  std::vector<Vec3> points = {a};
  const Vec3 step = (b - a) * (1.0 / (2 * turns + 2));
  const Vec3 offset = Unit(side) * amplitude;
  points.push_back(a + step);
  for (int k = 0; k < 2 * turns; ++k)
    points.push_back(a + step * (k + 1.5) + (k % 2 == 0 ? offset : offset * -1));
  points.push_back(b - step);
  points.push_back(b);
  Polyline(colour, width, points);
}

void MeshBuilder::ArcArrow(const Rgba& colour, float width, const Vec3& centre, double radius, const Vec3& u,
                           const Vec3& v, double from, double to) {
  constexpr int kSteps = 24;
  std::vector<Vec3> points;
  auto at = [&](double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return centre + u * (radius * std::cos(r)) + v * (radius * std::sin(r));
  };
  for (int k = 0; k <= kSteps; ++k) points.push_back(at(from + (to - from) * k / kSteps));
  Polyline(colour, width, points);
  // The head points along the arc's direction at its end.
  const Vec3 before = at(to - (to - from) / kSteps);
  const Vec3 tip = points.back();
  const Vec3 outward = tip - centre;
  Arrow(colour, width, before, tip, 0.4 * radius, outward);
}

}  // namespace veldra::app::views
