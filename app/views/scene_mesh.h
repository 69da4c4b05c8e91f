// Appends the 3D view's shapes to a scene part as coloured lines and triangles:
// boxes with outlines and faces, arrows, springs, arcs. Consecutive shapes of one
// colour, kind and line width share a batch, so that a frame makes few calls.
#ifndef VELDRA_APP_VIEWS_SCENE_MESH_H
#define VELDRA_APP_VIEWS_SCENE_MESH_H

#include <vector>

#include "app/views/scene_3d.h"

namespace veldra::app::views {

class MeshBuilder {
 public:
  explicit MeshBuilder(ScenePart& part) : part_(part) {}

  void Line(const Rgba& colour, float width, const Vec3& a, const Vec3& b);
  void Polyline(const Rgba& colour, float width, const std::vector<Vec3>& points);
  void Triangle(const Rgba& colour, const Vec3& a, const Vec3& b, const Vec3& c);
  // A planar quadrilateral, corners in order round it.
  void Quad(const Rgba& colour, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d);

  // An axis-aligned box: its twelve edges in `outline`, its six faces in `faces`.
  void Box(const Rgba& outline, const Rgba& faces, const Vec3& low, const Vec3& high);
  // A prism: the polygon `section` (in order) extruded by `depth`; edges and faces.
  void Prism(const Rgba& outline, const Rgba& faces, const std::vector<Vec3>& section, const Vec3& depth);

  // An arrow from tail to tip whose two head strokes lie in the plane of the shaft
  // and `side` (a direction not along the shaft); `head` is their length.
  void Arrow(const Rgba& colour, float width, const Vec3& tail, const Vec3& tip, double head, const Vec3& side);
  // A zigzag spring from a to b with `turns` turns of amplitude `amplitude` along `side`.
  void Spring(const Rgba& colour, float width, const Vec3& a, const Vec3& b, int turns, double amplitude,
              const Vec3& side);
  // An arc about `centre` in the plane of the unit vectors u and v, from angle `from`
  // to `to` (degrees, counter-clockwise from u towards v), with an arrow head at its
  // end.
  void ArcArrow(const Rgba& colour, float width, const Vec3& centre, double radius, const Vec3& u, const Vec3& v,
                double from, double to);

 private:
  SceneBatch& BatchFor(PrimitiveKind kind, const Rgba& colour, float width);
  ScenePart& part_;
};

// Faces are drawn translucent: the same colour at another opacity.
inline Rgba WithAlpha(Rgba colour, float alpha) {
  colour.a = alpha;
  return colour;
}

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_SCENE_MESH_H
