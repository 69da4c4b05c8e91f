#include "app/views/scene_3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/main_model.h"
#include "app/main_window_rules.h"
#include "app/views/scene_mesh.h"
#include "app/views/view_rules.h"
#include "framework/main_graphs.h"
#include "app/main_tables.h"
#include "framework/units.h"

namespace veldra::app::views {

namespace fw = veldra::framework;

namespace {

// A scene is never built for more nodes than this: a mistyped increment count or
// node number must not make the view build (or allocate) without end.
constexpr int kMaxNodes = 100000;
// Symbols of one table row beyond this many are thinned to every k-th node.
constexpr int kMaxSymbolsPerRow = 400;
// Tiebacks repeated across the slice, each side of the middle one.
constexpr int kMaxAnchorsEachSide = 50;
// Room above the top of the wall, in symbol sizes: the load arrows (3.2) and the
// axes with their letters (3.8) stand there.
constexpr double kAboveTheWall = 4;

double Float(const fw::TGridTable& table, int col, int row) {
  return static_cast<double>(table.Cell(col, row).AsFloat());
}
int Int(const fw::TGridTable& table, int col, int row) { return table.Cell(col, row).AsInteger(); }

std::vector<SceneInput::NodeRange> RangesOf(const fw::TGridTable& table, int interpolate_col, int from_col,
                                            int to_col) {
  std::vector<SceneInput::NodeRange> ranges;
  for (int r = 0; r < table.RowCount(); ++r)
    ranges.push_back({Int(table, interpolate_col, r) == 2, Int(table, from_col, r), Int(table, to_col, r)});
  return ranges;
}

// The curve of the deflection graph the scene shows: the current stage's in a
// staged problem, else the first (the short-term problem); one with points in any case.
const fw::TLine* DeflectionCurve(const fw::TGraphPlot& graph, const TProgramData& p) {
  const int count = graph.CurveCount();
  if (count == 0) return nullptr;
  int wanted = p.StageCount > 1 ? std::clamp(p.CurrentStage - 1, 0, count - 1) : 0;
  if (graph.CurveAt(fw::CurveList::kMain, wanted).Points.size() < 2) {
    for (wanted = 0; wanted < count; ++wanted)
      if (graph.CurveAt(fw::CurveList::kMain, wanted).Points.size() >= 2) break;
    if (wanted == count) return nullptr;
  }
  return &graph.CurveAt(fw::CurveList::kMain, wanted);
}

}  // namespace

double DeflectionAtDepth(const std::vector<fw::TFloatPoint>& curve, double depth) {
  if (curve.empty()) return 0;
  if (depth <= static_cast<double>(curve.front().y)) return static_cast<double>(curve.front().x);
  for (std::size_t i = 1; i < curve.size(); ++i) {
    const double y0 = static_cast<double>(curve[i - 1].y);
    const double y1 = static_cast<double>(curve[i].y);
    if (depth <= y1) {
      const double x0 = static_cast<double>(curve[i - 1].x);
      const double x1 = static_cast<double>(curve[i].x);
      return y1 > y0 ? x0 + (x1 - x0) * (depth - y0) / (y1 - y0) : x1;
    }
  }
  return static_cast<double>(curve.back().x);
}

SceneInput SceneInputOf(const TMainModel& model, const fw::TMainGraphs& graphs) {
  const TProgramData& p = model.Problem();
  const bool english = p.UnitSystem == fw::kEnglishUnits;
  // Inches to feet; "L2" columns hold feet or metres already; "L1" columns hold
  // inches or millimetres.
  const double to_world = english ? 1.0 / 12 : 1.0;
  const double l1_to_world = english ? 1.0 / 12 : (p.UnitSystem == fw::kSIUnits ? 1.0 / 1000 : 1.0);

  SceneInput in;
  in.increments = p.Increments;
  in.increment_length = static_cast<double>(p.IncrementLength) * to_world;
  in.free_height = static_cast<double>(p.WallHeight) * to_world;
  in.active_width = static_cast<double>(p.ActiveWidth) * to_world;
  in.py_width = static_cast<double>(p.PYWidth) * to_world;
  in.backfill_slope = static_cast<double>(p.BackfillSlope);
  in.water_backfill = static_cast<double>(p.WaterDepthBackfill) * to_world;
  in.water_excavation = static_cast<double>(p.WaterDepthExcavation) * to_world;
  in.uniform_surcharge = static_cast<double>(p.UniformSurcharge);

  in.soil_layers = SoilLayersInUse(p);
  if (in.soil_layers) {
    const fw::TGridTable& soil = model.Table(app::SoilLayers::kName);
    for (int r = 0; r < soil.RowCount(); ++r) in.layer_bottoms.push_back(Float(soil, 1, r));
  }
  if (p.ApplySurcharge) {
    const fw::TGridTable& table = model.Table(app::Surcharges::kName);
    for (int r = 0; r < table.RowCount(); ++r) {
      const int type = Int(table, 0, r);
      // A row without load is an empty row, not a load to draw.
      if (type < 1 || type > 3 || Float(table, 1, r) == 0) continue;
      in.surcharges.push_back(
          {static_cast<SceneInput::SurchargeType>(type), Float(table, 2, r) * l1_to_world, Float(table, 3, r) * l1_to_world});
    }
  }
  if (p.ApplyConcentratedLoads) {
    const fw::TGridTable& table = model.Table(app::ConcentratedLoads::kName);
    const auto ranges = RangesOf(table, 0, 1, 2);
    for (int r = 0; r < table.RowCount(); ++r)
      in.loads.push_back({ranges[static_cast<std::size_t>(r)], Float(table, 3, r), Float(table, 4, r), Float(table, 5, r)});
  }
  if (p.ApplySprings) in.springs = RangesOf(model.Table(app::Springs::kName), 0, 1, 2);
  if (p.ApplyRestraints) {
    const fw::TGridTable& table = model.Table(app::Restraints::kName);
    for (int r = 0; r < table.RowCount(); ++r) {
      const auto kind = Int(table, 0, r) == 2 ? SceneInput::RestraintCase::kSlope : SceneInput::RestraintCase::kDeflection;
      in.restraints.push_back({kind, Int(table, 1, r)});
    }
  }
  if (p.ApplyTiebacks) {
    const fw::TGridTable& table = model.Table(app::Tiebacks::kName);
    for (int r = 0; r < table.RowCount(); ++r)
      in.tiebacks.push_back({Float(table, 0, r), Float(table, 3, r), Float(table, 4, r), Float(table, 5, r)});
  }

  if (in.increments > 0 && in.increments <= kMaxNodes && app::GraphHoldsData(graphs.pltDef)) {
    if (const fw::TLine* curve = DeflectionCurve(graphs.pltDef, p)) {
      // The graph's depths are in world units already (feet or metres); its
      // deflections in the file's inches or metres.
      for (int i = 0; i <= in.increments; ++i)
        in.deflections.push_back(DeflectionAtDepth(curve->Points, i * in.increment_length) * to_world);
    }
  }
  return in;
}

double SceneExtents::SymbolSize() const { return std::max({2 * half_length, 2 * half_width, bottom}) / 40; }

double SceneExtents::LargestExtent() const { return std::max({2 * half_length, 2 * half_width, bottom + top}); }

SceneExtents ComputeExtents(const SceneInput& in) {
  SceneExtents e;
  e.length = in.increments * in.increment_length;
  e.width = in.active_width > 0 ? in.active_width : 0.1 * e.length;
  e.py_width = in.py_width > 0 ? in.py_width : 0.1 * e.length;
  e.thickness = in.py_width != in.active_width ? 0.25 * e.py_width : 0.1 * e.width;
  e.half_width = 5 * e.width;
  double reach = 0;
  for (const SceneInput::Surcharge& s : in.surcharges)
    reach = std::max(reach, s.distance + (s.type == SceneInput::SurchargeType::kStrip ? s.width / 2 : 0));
  // Tiebacks run from the wall's excavation face through it into the backfill.
  for (const SceneInput::Tieback& t : in.tiebacks)
    reach = std::max(reach, e.thickness / 2 + t.unbonded_length * std::abs(std::cos(t.angle * std::numbers::pi / 180)));
  // The furthest surcharge and anchor at nine tenths of the half-length: on and in
  // the ground drawn, not beyond its end.
  e.half_length = std::max(2.5 * e.half_width, reach / 0.9);
  e.bottom = e.length;
  for (double bottom : in.layer_bottoms) e.bottom = std::max(e.bottom, bottom);
  e.top = kAboveTheWall * e.SymbolSize();
  if (in.soil_layers && in.backfill_slope > 0 && in.backfill_slope < 90)
    e.top = std::max(e.top, (e.half_length - e.thickness / 2) * std::tan(in.backfill_slope * std::numbers::pi / 180));
  return e;
}

double BaseScale(const SceneExtents& e, ClientSize client) {
  const double largest = e.LargestExtent();
  if (!(largest > 0) || !(e.half_length > 0) || !std::isfinite(largest)) return 1;
  const double across = std::max(client.width - 50, 1) / (2 * e.half_length);
  const double down = std::max(client.height - 50, 1) / largest;
  return std::min(across, down);
}

std::size_t ScenePart::VertexCount() const {
  std::size_t n = 0;
  for (const SceneBatch& b : batches) n += b.vertices.size();
  return n;
}

Rgba LayerColour(std::size_t layer) {
  static const Rgba kColours[10] = {{0.8f, 0.55f, 0},     {0.55f, 0.4f, 0.2f},  {0.4f, 0.4f, 0.2f},
                                    {0.4f, 0.4f, 0.55f},  {0, 0.5f, 0.5f},      {0.2f, 0.2f, 0.55f},
                                    {0.8f, 0, 0.8f},      {0.4f, 0.4f, 0.55f},  {0.15f, 0.15f, 0.45f},
                                    {0.65f, 0.4f, 0.2f}};
  return kColours[layer % 10];
}

namespace {

constexpr Rgba kWallOutline{0.25f, 0.25f, 0.25f};
constexpr Rgba kWallFaces{0.75f, 0.75f, 0.75f};
constexpr Rgba kWallEdges{0.9f, 0.9f, 0};
constexpr Rgba kUndeformedOutline{0.6f, 0.6f, 0.6f};
constexpr Rgba kUndeformedFaces{0.9f, 0.9f, 0.9f};
constexpr Rgba kWater{0.1f, 0.45f, 0.95f};
constexpr Rgba kSpring{0.5f, 0.5f, 0.5f};
constexpr Rgba kOrange{1, 0.5f, 0};
constexpr Rgba kLateralLoad{0.85f, 0, 0};
constexpr Rgba kMoment{0.6f, 0, 0.6f};
constexpr Rgba kAxialLoad{0.55f, 0.15f, 0};
constexpr Rgba kDeflectionRestraint{0.8f, 0, 0};
constexpr Rgba kSlopeRestraint{0, 0.45f, 0};
constexpr Rgba kRod{0.5f, 0.75f, 0.75f};
constexpr Rgba kGreen{0, 1, 0};
constexpr Rgba kPointLoad{0, 0, 0.8f};
constexpr Rgba kLineLoad{0, 0, 0.9f};
constexpr Rgba kStripLoad{0, 0, 1};
constexpr float kSoilFaceAlpha = 0.5f;
constexpr float kWaterAlpha = 0.3f;
constexpr float kBandAlpha = 0.25f;

class SceneBuilder {
 public:
  SceneBuilder(const SceneInput& in, const SceneExtents& e, const SceneOptions& o)
      : in_(in), e_(e), o_(o), unit_(e.SymbolSize()) {}

  Scene3D Build() {
    Scene3D scene;
    if (o_.Shows(ShowItem::kSoilLayers)) SoilLayers(Part(scene, ScenePartId::kSoilLayers));
    // The water tables belong to the soil profile: without layers in use the
    // analysis has none (their depths keep meaningless defaults).
    if (o_.Shows(ShowItem::kWaterLevel) && in_.soil_layers) WaterLevel(Part(scene, ScenePartId::kWaterLevel));
    if (o_.Shows(ShowItem::kWall)) Wall(Part(scene, ScenePartId::kWall));
    MeshBuilder supports = Part(scene, ScenePartId::kWallSupports);
    if (o_.Shows(ShowItem::kLateralSprings)) Springs(supports);
    if (o_.Shows(ShowItem::kConcentratedLoads)) Loads(supports);
    if (o_.Shows(ShowItem::kBoundaryConditions)) Restraints(supports);
    if (o_.Shows(ShowItem::kTieBacks)) Tiebacks(Part(scene, ScenePartId::kTiebacks));
    MeshBuilder surcharges = Part(scene, ScenePartId::kSurcharges);
    if (o_.Shows(ShowItem::kUniformLoad) && in_.uniform_surcharge > 0) UniformLoad(surcharges);
    if (o_.Shows(ShowItem::kAdditionalSurcharge)) Surcharges(surcharges);
    return scene;
  }

 private:
  static MeshBuilder Part(Scene3D& scene, ScenePartId id) {
    return MeshBuilder(scene.parts[static_cast<std::size_t>(id)]);
  }

  double T() const { return e_.thickness / 2; }  // the wall's faces at x = -T, +T
  double B() const { return e_.half_width; }
  double D() const { return e_.half_length; }
  double NodeZ(int node) const { return -node * in_.increment_length; }
  double Tan(double degrees) const { return std::tan(degrees * std::numbers::pi / 180); }

  // The backfill's surface at x (x <= -T): level, or rising from the wall's top.
  double Surface(double x) const {
    return in_.backfill_slope > 0 ? std::max(0.0, -T() - x) * Tan(in_.backfill_slope) : 0;
  }

  template <class Visit>
  void ForEachNode(const std::vector<SceneInput::NodeRange>& rows, std::size_t r, Visit visit) const {
    for (int node : RowNodes(rows, r, in_.increments)) visit(node);
  }

  void SoilLayers(MeshBuilder mesh) const {
    double top = 0;
    for (std::size_t i = 0; i < in_.layer_bottoms.size(); ++i) {
      const double bottom = in_.layer_bottoms[i];
      const Rgba colour = LayerColour(i);
      const Rgba faces = WithAlpha(colour, kSoilFaceAlpha);
      if (bottom > top) {
        mesh.Box(colour, faces, {-D(), -B(), -bottom}, {-T(), B(), -top});
        const double exposed = std::max(top, in_.free_height);
        if (bottom > exposed) mesh.Box(colour, faces, {T(), -B(), -bottom}, {D(), B(), -exposed});
      }
      if (i == 0 && in_.backfill_slope > 0) {
        mesh.Prism(colour, faces, {{-T(), -B(), 0}, {-D(), -B(), 0}, {-D(), -B(), Surface(-D())}}, {0, 2 * B(), 0});
      }
      top = std::max(top, bottom);
    }
  }

  void WaterLevel(MeshBuilder mesh) const {
    const double limit = e_.bottom;
    const Rgba faces = WithAlpha(kWater, kWaterAlpha);
    auto plane = [&](double x0, double x1, double depth) {
      if (depth < 0 || depth > limit) return;
      const double z = -depth;
      mesh.Quad(faces, {x0, -B(), z}, {x1, -B(), z}, {x1, B(), z}, {x0, B(), z});
      mesh.Polyline(kWater, 1, {{x0, -B(), z}, {x1, -B(), z}, {x1, B(), z}, {x0, B(), z}, {x0, -B(), z}});
    };
    plane(-D(), -T(), in_.water_backfill);
    plane(T(), D(), in_.water_excavation);
  }

  void Wall(MeshBuilder mesh) const {
    const bool deformed = o_.deformed && !in_.deflections.empty();
    if (!deformed || o_.undeformed) {
      const Rgba outline = deformed ? kUndeformedOutline : kWallOutline;
      const Rgba faces = deformed ? kUndeformedFaces : kWallFaces;
      StraightWall(mesh, outline, faces, !deformed);
    }
    if (deformed) DeformedWall(mesh);
  }

  void StraightWall(MeshBuilder& mesh, const Rgba& outline, const Rgba& faces, bool edges) const {
    const double w = e_.width / 2;
    mesh.Box(outline, faces, {-T(), -w, -e_.length}, {T(), w, 0});
    if (!edges) return;
    for (double x : {-T(), T()})
      for (double y : {-w, w}) mesh.Line(kWallEdges, 2, {x, y, 0}, {x, y, -e_.length});
  }

  // Node i moved along x by its deflection times the factor; the slab keeps its
  // thickness and width.
  void DeformedWall(MeshBuilder& mesh) const {
    const double w = e_.width / 2;
    const std::size_t n = in_.deflections.size();
    auto at = [&](std::size_t i, double dx, double y) {
      return Vec3{in_.deflections[i] * o_.deformation_factor + dx, y, NodeZ(static_cast<int>(i))};
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
      for (double y : {-w, w}) mesh.Quad(kWallFaces, at(i, -T(), y), at(i, T(), y), at(i + 1, T(), y), at(i + 1, -T(), y));
      for (double dx : {-T(), T()}) mesh.Quad(kWallFaces, at(i, dx, -w), at(i, dx, w), at(i + 1, dx, w), at(i + 1, dx, -w));
    }
    for (std::size_t i : {std::size_t{0}, n - 1}) {
      mesh.Quad(kWallFaces, at(i, -T(), -w), at(i, T(), -w), at(i, T(), w), at(i, -T(), w));
      mesh.Polyline(kWallOutline, 1, {at(i, -T(), -w), at(i, T(), -w), at(i, T(), w), at(i, -T(), w), at(i, -T(), -w)});
    }
    for (double dx : {-T(), T()}) {
      for (double y : {-w, w}) {
        std::vector<Vec3> edge;
        for (std::size_t i = 0; i < n; ++i) edge.push_back(at(i, dx, y));
        mesh.Polyline(kWallEdges, 2, edge);
      }
    }
  }

  void Springs(MeshBuilder& mesh) const {
    const double reach = 2.5 * unit_;
    for (std::size_t r = 0; r < in_.springs.size(); ++r) {
      ForEachNode(in_.springs, r, [&](int node) {
        const double z = NodeZ(node);
        const Vec3 end{T() + reach, 0, z};
        mesh.Spring(kSpring, 1, {T(), 0, z}, end, 3, 0.25 * unit_, {0, 0, 1});
        const double h = 0.3 * unit_;
        mesh.Box(kOrange, kOrange, {end.x, -h, z - h}, {end.x + 0.15 * unit_, h, z + h});
      });
    }
  }

  void Loads(MeshBuilder& mesh) const {
    std::vector<SceneInput::NodeRange> ranges;
    for (const SceneInput::Load& load : in_.loads) ranges.push_back(load.nodes);
    const double arrow = 2.5 * unit_;
    const double head = 0.5 * unit_;
    for (std::size_t r = 0; r < in_.loads.size(); ++r) {
      const SceneInput::Load& load = in_.loads[r];
      ForEachNode(ranges, r, [&](int node) {
        const double z = NodeZ(node);
        if (load.lateral > 0) mesh.Arrow(kLateralLoad, 2, {-T() - arrow, 0, z}, {-T(), 0, z}, head, {0, 0, 1});
        if (load.lateral < 0) mesh.Arrow(kLateralLoad, 2, {T() + arrow, 0, z}, {T(), 0, z}, head, {0, 0, 1});
        if (load.moment != 0) {
          const bool positive = load.moment > 0;
          mesh.ArcArrow(kMoment, 2, {0, 0, z}, 0.8 * unit_, {1, 0, 0}, {0, 0, 1}, positive ? -135 : 135,
                        positive ? 135 : -135);
        }
        if (load.axial > 0) mesh.Arrow(kAxialLoad, 2, {0, 0, z + arrow}, {0, 0, z}, head, {1, 0, 0});
        if (load.axial < 0) mesh.Arrow(kAxialLoad, 2, {0, 0, z}, {0, 0, z + arrow}, head, {1, 0, 0});
      });
    }
  }

  void Restraints(MeshBuilder& mesh) const {
    const double size = 2.0 / 3.0 * e_.width;
    for (const SceneInput::Restraint& restraint : in_.restraints) {
      if (restraint.node < 0 || restraint.node > in_.increments) continue;
      const double z = NodeZ(restraint.node);
      if (restraint.kind == SceneInput::RestraintCase::kDeflection) {
        // A support pointing at the wall from the excavation side, on a hatched base.
        const double x = T() + size;
        const double h = size / 2;
        mesh.Triangle(kDeflectionRestraint, {T(), 0, z}, {x, 0, z + h}, {x, 0, z - h});
        mesh.Line(kDeflectionRestraint, 2, {x + 0.2 * size, 0, z + h}, {x + 0.2 * size, 0, z - h});
        for (int k = 0; k < 4; ++k) {
          const double zk = z + h - k * size / 3;
          mesh.Line(kDeflectionRestraint, 1, {x + 0.2 * size, 0, zk}, {x + 0.5 * size, 0, zk - size / 4});
        }
      } else {
        // A clamp round the wall: the slope is held.
        const double w = e_.width / 2 + size / 4;
        const double h = size / 4;
        mesh.Box(kSlopeRestraint, WithAlpha(kSlopeRestraint, 0.6f), {-T() - size / 4, -w, z - h}, {T() + size / 4, w, z + h});
      }
    }
  }

  void Tiebacks(MeshBuilder mesh) const {
    const double head = 0.4 * unit_;
    for (const SceneInput::Tieback& tieback : in_.tiebacks) {
      const double a = tieback.angle * std::numbers::pi / 180;
      const Vec3 into_backfill{-std::cos(a), 0, -std::sin(a)};
      const int each_side =
          tieback.spacing > 0 ? std::min(kMaxAnchorsEachSide, static_cast<int>(std::floor(B() / tieback.spacing))) : 0;
      for (int k = -each_side; k <= each_side; ++k) {
        const double y = k * tieback.spacing;
        const Vec3 face{T(), y, -tieback.depth};
        const Vec3 end = Vec3{-T(), y, -tieback.depth} + into_backfill * tieback.unbonded_length;
        mesh.Line(kRod, 2, face, end);
        // The head plate on the excavation face and the anchor at the end of the
        // unbonded length.
        mesh.Box(kOrange, kOrange, {T(), y - head, -tieback.depth - head}, {T() + 0.3 * head, y + head, -tieback.depth + head});
        mesh.Box(kOrange, kOrange, {end.x - head, y - head / 2, end.z - head / 2}, {end.x + head, y + head / 2, end.z + head / 2});
      }
    }
  }

  // Downward arrows onto the backfill's surface between x0 and x1 (x0 < x1 <= -T)
  // under a translucent band.
  void LoadedArea(MeshBuilder& mesh, const Rgba& colour, double x0, double x1, int along, int across, bool band) const {
    const double length = 2 * unit_;
    for (int i = 0; i < along; ++i) {
      const double x = along == 1 ? (x0 + x1) / 2 : x0 + (x1 - x0) * (i + 0.5) / along;
      for (int j = 0; j < across; ++j) {
        const double y = across == 1 ? 0 : -B() + 2 * B() * (j + 0.5) / across;
        mesh.Arrow(colour, 2, {x, y, Surface(x) + length}, {x, y, Surface(x)}, 0.5 * unit_, {1, 0, 0});
      }
    }
    if (!band) return;
    const double low = length;
    const double high = length + 0.5 * unit_;
    const Rgba faces = WithAlpha(colour, kBandAlpha);
    mesh.Prism(faces, faces,
               {{x1, -B(), Surface(x1) + low}, {x0, -B(), Surface(x0) + low}, {x0, -B(), Surface(x0) + high},
                {x1, -B(), Surface(x1) + high}},
               {0, 2 * B(), 0});
  }

  void UniformLoad(MeshBuilder& mesh) const { LoadedArea(mesh, kGreen, -D(), -T(), 6, 3, true); }

  void Surcharges(MeshBuilder& mesh) const {
    for (const SceneInput::Surcharge& s : in_.surcharges) {
      const double x = std::min(-s.distance, -T());
      switch (s.type) {
        case SceneInput::SurchargeType::kPoint:
          mesh.Arrow(kPointLoad, 3, {x, 0, Surface(x) + 3 * unit_}, {x, 0, Surface(x)}, 0.6 * unit_, {1, 0, 0});
          break;
        case SceneInput::SurchargeType::kLine: {
          const double top = Surface(x) + 2 * unit_;
          for (int j = 0; j < 5; ++j) {
            const double y = -B() + 2 * B() * (j + 0.5) / 5;
            mesh.Arrow(kLineLoad, 2, {x, y, top}, {x, y, Surface(x)}, 0.5 * unit_, {1, 0, 0});
          }
          mesh.Line(kLineLoad, 2, {x, -B(), top}, {x, B(), top});
          break;
        }
        case SceneInput::SurchargeType::kStrip: {
          const double x0 = std::min(-s.distance - s.width / 2, -T());
          const double x1 = std::min(-s.distance + s.width / 2, -T());
          if (x1 > x0) LoadedArea(mesh, kStripLoad, x0, x1, 3, 3, true);
          break;
        }
      }
    }
  }

  const SceneInput& in_;
  const SceneExtents& e_;
  const SceneOptions& o_;
  double unit_;  // the size of the symbols: a fortieth of the scene
};

}  // namespace

std::vector<int> RowNodes(const std::vector<SceneInput::NodeRange>& rows, std::size_t r, int increments) {
  std::vector<int> nodes;
  if (r >= rows.size()) return nodes;
  const SceneInput::NodeRange& row = rows[r];
  const int end = row.interpolate && r + 1 < rows.size() ? rows[r + 1].to : row.to;
  const int wall_end = std::clamp(increments, 0, kMaxNodes);
  const int first = std::clamp(std::min(row.from, end), 0, wall_end);
  const int last = std::clamp(std::max(row.from, end), 0, wall_end);
  if (std::max(row.from, end) < 0 || std::min(row.from, end) > wall_end) return nodes;  // off the wall
  const int step = std::max(1, (last - first + 1 + kMaxSymbolsPerRow - 1) / kMaxSymbolsPerRow);
  for (int node = first; node <= last; node += step) nodes.push_back(node);
  return nodes;
}

Scene3D BuildScene(const SceneInput& input, const SceneExtents& extents, const SceneOptions& options) {
  return SceneBuilder(input, extents, options).Build();
}

ScenePart BuildAxes(const SceneExtents& extents) {
  ScenePart part;
  MeshBuilder mesh(part);
  const double l = 3 * extents.SymbolSize();
  const double c = 0.6 * extents.SymbolSize();  // letter size
  constexpr Rgba kRed{1, 0, 0}, kGreenAxis{0, 0.6f, 0}, kBlue{0, 0, 1};
  mesh.Arrow(kRed, 2, {0, 0, 0}, {l, 0, 0}, c, {0, 0, 1});
  mesh.Arrow(kGreenAxis, 2, {0, 0, 0}, {0, l, 0}, c, {0, 0, 1});
  mesh.Arrow(kBlue, 2, {0, 0, 0}, {0, 0, l}, c, {1, 0, 0});
  // Stroke letters in the x-z plane, beside each tip.
  auto letter = [&](const Rgba& colour, Vec3 at, const std::vector<std::pair<Vec3, Vec3>>& strokes) {
    for (const auto& [a, b] : strokes) mesh.Line(colour, 1, at + a * c, at + b * c);
  };
  const std::vector<std::pair<Vec3, Vec3>> x = {{{0, 0, 0}, {1, 0, 1}}, {{0, 0, 1}, {1, 0, 0}}};
  const std::vector<std::pair<Vec3, Vec3>> y = {{{0, 0, 1}, {0.5, 0, 0.5}}, {{1, 0, 1}, {0.5, 0, 0.5}}, {{0.5, 0, 0.5}, {0.5, 0, 0}}};
  const std::vector<std::pair<Vec3, Vec3>> z = {{{0, 0, 1}, {1, 0, 1}}, {{1, 0, 1}, {0, 0, 0}}, {{0, 0, 0}, {1, 0, 0}}};
  letter(kRed, {l + 0.5 * c, 0, 0.2 * c}, x);
  letter(kGreenAxis, {0.3 * c, l + 0.5 * c, 0.2 * c}, y);
  letter(kBlue, {0.3 * c, 0, l + 0.3 * c}, z);
  return part;
}

}  // namespace veldra::app::views
