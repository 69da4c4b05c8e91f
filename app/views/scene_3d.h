// The 3D view's scene as plain data: what it shows of the problem and the results,
// its extents, and its parts as coloured lines and triangles in world coordinates.
// The OpenGL widget records each part once into a display list and replays it.
//
// World: feet in English units, metres otherwise (the user's own length in the
// "other" system). x runs along the section, the backfill at negative x and the
// excavation at positive x; y runs across the wall; z is up, the top of the wall at
// z = 0 and a depth d at z = -d. Deflections (positive towards the excavation)
// displace the wall along +x.
#ifndef VELDRA_APP_VIEWS_SCENE_3D_H
#define VELDRA_APP_VIEWS_SCENE_3D_H

#include <array>
#include <cstddef>
#include <vector>

#include "app/views/matrix4.h"
#include "app/views/world_window.h"

#include "framework/graph_plot.h"

namespace veldra::framework {
class TMainGraphs;
}

namespace veldra::app {
class TMainModel;
}

namespace veldra::app::views {

// What the scene shows; lengths in world units, node numbers 0..increments.
struct SceneInput {
  int increments = 0;
  double increment_length = 0;
  double free_height = 0;  // H, the depth of the excavation level
  double active_width = 0;  // as entered; 0 means "not given"
  double py_width = 0;
  double backfill_slope = 0;  // degrees
  double water_backfill = 0;  // depth below the top of the wall
  double water_excavation = 0;
  double uniform_surcharge = 0;  // only its sign matters to the picture

  bool soil_layers = false;           // the layers take part in the analysis
  std::vector<double> layer_bottoms;  // depths; empty unless soil_layers

  enum class SurchargeType { kPoint = 1, kLine = 2, kStrip = 3 };
  struct Surcharge {
    SurchargeType type = SurchargeType::kPoint;
    double distance = 0;  // X from the wall into the backfill (to the strip's middle)
    double width = 0;     // of a strip
  };
  std::vector<Surcharge> surcharges;  // empty unless applied; rows of zero load left out

  // Rows of node ranges: the concentrated loads and the springs. A row that
  // interpolates reaches the end node of the next row.
  struct NodeRange {
    bool interpolate = false;
    int from = 0;
    int to = 0;
  };
  struct Load {
    NodeRange nodes;
    double lateral = 0;
    double moment = 0;
    double axial = 0;
  };
  std::vector<Load> loads;          // empty unless applied
  std::vector<NodeRange> springs;   // empty unless applied

  enum class RestraintCase { kDeflection = 1, kSlope = 2 };
  struct Restraint {
    RestraintCase kind = RestraintCase::kDeflection;
    int node = 0;
  };
  std::vector<Restraint> restraints;  // empty unless applied

  struct Tieback {
    double depth = 0;
    double unbonded_length = 0;
    double angle = 0;  // degrees below the horizontal
    double spacing = 0;
  };
  std::vector<Tieback> tiebacks;  // empty unless applied

  // The deflection at every node 0..increments; empty without results.
  std::vector<double> deflections;
};

// Reads the current problem and the deflection graph. In English units lengths in
// inches become feet, the surcharges' distances (in inches or millimetres) feet or
// metres. A staged problem shows the deflections of its current stage.
SceneInput SceneInputOf(const TMainModel& model, const framework::TMainGraphs& graphs);

// The deflection at a depth from a deflection-graph curve (x deflection, y depth,
// depths in order), linearly between its points and held beyond its ends; 0 for a
// curve without points.
double DeflectionAtDepth(const std::vector<framework::TFloatPoint>& curve, double depth);

struct SceneExtents {
  double length = 0;     // of the wall
  double width = 0;      // of the wall's slab: ActiveWidth, or a tenth of the length
  double py_width = 0;   // PYWidth, or a tenth of the length
  double thickness = 0;  // a quarter of the p-y width, or a tenth of the width when both widths agree
  double half_width = 0;   // b: the scene across the wall, 5 wall widths each side
  double half_length = 0;  // d: the scene along the section, each side
  double bottom = 0;       // depth of the scene: the wall's tip or the deepest layer
  double top = 0;          // height above the top of the wall: axes, load arrows, the sloped backfill

  // The size of the load and support symbols: a fortieth of the larger of 2d, 2b
  // and the depth.
  double SymbolSize() const;
  // The largest of the scene's three extents: 2d, 2b and its height (top + bottom).
  double LargestExtent() const;
};

// d is 2.5 b, widened so that the furthest surcharge and the end of the longest
// tieback lie at nine tenths of it; the top takes in the axes, the load arrows and
// the sloped backfill's wedge.
SceneExtents ComputeExtents(const SceneInput& input);

// The world-to-pixel scale at which the whole scene fits a client area:
// min((width - 50) / 2d, (height - 50) / largest extent); 1 for a scene without size.
double BaseScale(const SceneExtents& extents, ClientSize client);

// --- Parts ----------------------------------------------------------------------------
struct Rgba {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 1;
  bool operator==(const Rgba&) const = default;
};

enum class PrimitiveKind { kLines, kTriangles };

// Vertices of one colour and line width: pairs for lines, triples for triangles.
struct SceneBatch {
  PrimitiveKind kind = PrimitiveKind::kLines;
  Rgba colour;
  float line_width = 1;
  std::vector<Vec3> vertices;
};

struct ScenePart {
  std::vector<SceneBatch> batches;
  std::size_t VertexCount() const;
};

// The six recorded parts, in drawing order.
enum class ScenePartId {
  kSoilLayers,
  kWaterLevel,
  kWall,
  kWallSupports,  // lateral springs, concentrated loads, boundary conditions
  kTiebacks,
  kSurcharges,    // uniform load at the backfill, additional surcharges
};
inline constexpr std::size_t kScenePartCount = 6;

// The show flags of the view and its "Show 3DView" menu, in menu order; the axes
// have no menu item.
enum class ShowItem {
  kWall,
  kSoilLayers,
  kWaterLevel,
  kUniformLoad,
  kAdditionalSurcharge,
  kConcentratedLoads,
  kTieBacks,
  kBoundaryConditions,
  kLateralSprings,
  kAxes,
};
inline constexpr std::size_t kShowItemCount = 10;

struct SceneOptions {
  std::array<bool, kShowItemCount> show;  // indexed by ShowItem
  bool deformed = false;                  // draw the wall deflected
  bool undeformed = false;                // and the straight wall too
  double deformation_factor = 1;
  SceneOptions() { show.fill(true); }
  bool Shows(ShowItem item) const { return show[static_cast<std::size_t>(item)]; }
};

struct Scene3D {
  std::array<ScenePart, kScenePartCount> parts;
  const ScenePart& Part(ScenePartId id) const { return parts[static_cast<std::size_t>(id)]; }
};

Scene3D BuildScene(const SceneInput& input, const SceneExtents& extents, const SceneOptions& options);

// The axes at the origin, drawn last: x red, y green, z blue, with their letters.
ScenePart BuildAxes(const SceneExtents& extents);

// The nodes at which row `row` of a node-range table draws its symbols: from its
// start node to its end node, or to the next row's end node when it interpolates;
// within the wall (0..increments), and thinned to every k-th node when there are
// more than a few hundred.
std::vector<int> RowNodes(const std::vector<SceneInput::NodeRange>& rows, std::size_t row, int increments);

// Colours of the soil layers by index modulo 10 (opaque; faces are drawn at 0.5).
Rgba LayerColour(std::size_t layer);

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_SCENE_3D_H
