// The side view of the wall as plain data: its inputs read from the problem, its two
// world windows and the picture it paints, item by item, in client pixels. The window
// (and the printer) only replay the picture; the depth under the mouse is read here.
//
// World: x across (0 at the wall's centre line), y downward, in the model's internal
// length unit (inches in English units). The ground lies at y = m, a top margin of a
// tenth of the wall length; a depth d below the top of the wall is at y = m + d.
// In the picture the backfill is on the left and the excavation on the right.
#ifndef VELDRA_APP_VIEWS_SIDE_VIEW_GEOMETRY_H
#define VELDRA_APP_VIEWS_SIDE_VIEW_GEOMETRY_H

#include <optional>
#include <string>
#include <vector>

#include "app/views/world_window.h"

namespace veldra::app {
class TMainModel;
}

namespace veldra::app::views {

// What the side view shows of a problem; lengths in the internal length unit.
struct SideViewInput {
  int increments = 0;
  double increment_length = 0;
  double free_height = 0;     // H, the depth of the excavation level
  double backfill_slope = 0;  // degrees
  double active_width = 0;
  double py_width = 0;
  // The length unit (internal) of the plan view's fixed place: 1 in in English
  // units, 0.0254 m in SI units, 1 in the user's own units.
  double inch = 1;

  struct Layer {
    double bottom = 0;       // depth below the top of the wall
    std::string name;        // "Sand", ...
    std::string parameters;  // "ø= 32; gamma= 120", from the layer's bottom row
  };
  bool soil_layers = false;  // the layers take part in the analysis
  std::vector<Layer> layers;

  std::vector<int> restraint_nodes;    // empty unless restraints are applied
  std::vector<int> external_py_nodes;  // empty unless external p-y curves are applied
  std::vector<int> spring_start_nodes; // empty unless springs are applied

  double WallLength() const { return increments * increment_length; }
  double Margin() const { return 0.1 * WallLength(); }
};

// Reads the current problem of the model. The layers' depths are converted from
// the table's feet to inches in English units.
SideViewInput SideViewInputOf(const TMainModel& model);

// The soil name and the parameter line of a layer of soil type 1..7 from the bottom
// row of its parameter table (the table's columns, general number format). Another
// type gives an empty name and line.
struct LayerLabel {
  std::string name;
  std::string parameters;
};
LayerLabel LayerLabelOf(int soil_type, const std::vector<double>& bottom_row);

// --- The picture --------------------------------------------------------------------
enum class SideViewRole {
  kGroundLine,
  kHatch,           // strokes under a level backfill
  kBackfillSlope,
  kLayerBoundary,
  kLayerName,
  kLayerParameters,
  kWall,
  kExcavationLine,
  kRestraint,
  kExternalPY,
  kSpring,
  kPlanUnit,   // a wall unit of the plan view
  kPlanLabel,  // "side view", then "top view" (moved clear of it when they would overlap)
};

enum class SideViewShape {
  kLine,     // points[0] to points[1]
  kText,     // top-left corner at points[0], moved down by lines_below text heights
  kPolygon,  // filled with the window-text colour
  kCircle,   // centre points[0], radius in pixels, white inside
};

struct SideViewItem {
  SideViewShape shape = SideViewShape::kLine;
  SideViewRole role = SideViewRole::kGroundLine;
  std::vector<ClientPoint> points;
  int pen_width = 1;
  int radius = 0;
  int lines_below = 0;  // texts: the painter knows the font's height
  std::string text;     // UTF-8
};

// The items in painting order, after the background fill. Empty when the window
// is degenerate.
struct SideViewPicture {
  std::vector<SideViewItem> items;
};

// A quadrilateral of the wall outline in world coordinates.
struct WorldQuad {
  WorldPoint corners[4];
};

class SideViewGeometry {
 public:
  // Rebuilds the outline from the input and fits the window to it; keeps the client
  // size of the last Resize.
  void Activate(const SideViewInput& input);
  // Recomputes the drawing window for a client area.
  void Resize(ClientSize client);

  const SideViewInput& Input() const { return input_; }
  const std::vector<WorldQuad>& Outline() const { return outline_; }
  const WorldWindow& Fitted() const { return fitted_; }
  const WorldWindow& Drawing() const { return drawing_; }
  ClientSize Client() const { return client_; }
  bool Degenerate() const;

  SideViewPicture Paint() const;

  // The caption under the mouse: "  Depth: " and the depth below the top of the
  // wall with one decimal; nothing while the window is degenerate.
  std::optional<std::string> DepthCaption(ClientPoint mouse) const;

 private:
  SideViewInput input_;
  std::vector<WorldQuad> outline_;
  WorldWindow fitted_;
  WorldWindow drawing_;
  ClientSize client_;
};

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_SIDE_VIEW_GEOMETRY_H
