#include "app/views/side_view_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "app/main_model.h"
#include "app/views/view_rules.h"
#include "framework/decimal_text.h"
#include "app/main_tables.h"
#include "framework/units.h"

namespace veldra::app::views {

namespace fw = veldra::framework;

namespace {

constexpr double kFitWidening = 1.05;
// Digits of the general number format of the layer parameters: those of a table
// cell, so that a unit weight read from a file in pounds per cubic inch shows as the
// table shows it (120, not 119.999999232).
constexpr int kParameterDigits = 8;

// The plan view's fixed place in the world, in inches (converted to the problem's
// length unit, so that an SI wall shows it too).
constexpr double kPlanX = 70;
constexpr double kPlanY = 400;
constexpr int kPlanUnits = 5;
constexpr int kLabelTop = 5;  // pixels

std::string General(double value) { return fw::FormatGeneral(value, kParameterDigits); }

std::vector<int> NodesOf(const fw::TGridTable& table, int column) {
  std::vector<int> nodes;
  for (int r = 0; r < table.RowCount(); ++r) nodes.push_back(table.Cell(column, r).AsInteger());
  return nodes;
}

std::vector<double> BottomRowOf(const fw::TGridTable* parameters) {
  std::vector<double> row;
  if (!parameters || parameters->RowCount() == 0) return row;
  // Row 1 is the top of the layer, row 2 its bottom.
  const int r = std::min(1, parameters->RowCount() - 1);
  for (int c = 0; c < parameters->ColumnCount(); ++c)
    row.push_back(static_cast<double>(parameters->Cell(c, r).AsFloat()));
  return row;
}

}  // namespace

LayerLabel LayerLabelOf(int soil_type, const std::vector<double>& row) {
  auto at = [&](std::size_t c) { return c < row.size() ? General(row[c]) : General(0); };
  const std::string gamma = "; gamma= " + at(0);
  switch (soil_type) {
    case 1: return {"Soft clay", "c= " + at(1) + gamma};
    case 2: return {"Stiff clay w/free water", "c= " + at(1) + gamma};
    case 3: return {"Stiff clay w/o free water", "c= " + at(1) + gamma};
    case 4: return {"Sand", "\u00f8= " + at(1) + gamma};
    case 5: return {"Silt", "\u00f8= " + at(1) + "; c= " + at(2) + gamma};
    case 6: return {"Rock", "compressive strength= " + at(1) + gamma};
    case 7: return {"Weak Rock", "compressive strength= " + at(1) + gamma};
    default: return {};
  }
}

SideViewInput SideViewInputOf(const TMainModel& model) {
  const TProgramData& p = model.Problem();
  SideViewInput in;
  in.increments = p.Increments;
  in.increment_length = static_cast<double>(p.IncrementLength);
  in.free_height = static_cast<double>(p.WallHeight);
  in.backfill_slope = static_cast<double>(p.BackfillSlope);
  in.active_width = static_cast<double>(p.ActiveWidth);
  in.py_width = static_cast<double>(p.PYWidth);
  in.inch = p.UnitSystem == fw::kSIUnits ? 0.0254 : 1.0;

  in.soil_layers = SoilLayersInUse(p);
  const fw::TGridTable& soil = model.Table(app::SoilLayers::kName);
  const double to_internal = InternalPerL2(p.UnitSystem);
  for (int r = 0; r < soil.RowCount(); ++r) {
    const LayerLabel label = LayerLabelOf(soil.Cell(0, r).AsInteger(), BottomRowOf(soil.Cell(2, r).AsTable()));
    in.layers.push_back({static_cast<double>(soil.Cell(1, r).AsFloat()) * to_internal, label.name, label.parameters});
  }
  if (p.ApplyRestraints) in.restraint_nodes = NodesOf(model.Table(app::Restraints::kName), 1);
  if (p.ApplyExternalPY) in.external_py_nodes = NodesOf(model.Table(app::PYCurveSets::kName), 0);
  if (p.ApplySprings) in.spring_start_nodes = NodesOf(model.Table(app::Springs::kName), 1);
  return in;
}

void SideViewGeometry::Activate(const SideViewInput& input) {
  input_ = input;
  const double m = input.Margin();
  const double half = input.free_height / 40;  // the wall is drawn H/20 wide
  outline_ = {WorldQuad{{{-half, m}, {half, m}, {half, m + input.WallLength()}, {-half, m + input.WallLength()}}}};

  WorldWindow w{outline_[0].corners[0].x, outline_[0].corners[0].x, outline_[0].corners[0].y,
                outline_[0].corners[0].y};
  for (const WorldQuad& quad : outline_) {
    for (const WorldPoint& c : quad.corners) {
      w.xmin = std::min(w.xmin, c.x);
      w.xmax = std::max(w.xmax, c.x);
      w.ymin = std::min(w.ymin, c.y);
      w.ymax = std::max(w.ymax, c.y);
    }
  }
  w.xmin *= kFitWidening;
  w.xmax *= kFitWidening;
  w.ymin *= kFitWidening;
  w.ymax *= kFitWidening;
  // Widening the top of the outline (y = m > 0) would move it down and push the
  // ground line, the top of the wall and the first layer's name out of the window;
  // the top margin is there to be seen.
  w.ymin = std::min(w.ymin, 0.0);
  fitted_ = w;
  Resize(client_);
}

void SideViewGeometry::Resize(ClientSize client) {
  client_ = client;
  drawing_ = fitted_.FittedTo(client);
}

bool SideViewGeometry::Degenerate() const {
  return drawing_.Degenerate() || client_.width <= 0 || client_.height <= 0;
}

SideViewPicture SideViewGeometry::Paint() const {
  SideViewPicture picture;
  if (Degenerate()) return picture;
  auto& items = picture.items;
  const int W = client_.width;
  auto at = [&](double x, double y) { return drawing_.ToClient({x, y}, client_); };
  auto px = [&](double fraction) { return static_cast<int>(std::lround(fraction * W)); };
  const double m = input_.Margin();
  const int centre = at(0, 0).x;  // W/2: the window is symmetric about the wall
  const int ground = at(0, m).y;
  const int excavation = at(0, m + input_.free_height).y;
  auto line = [&](SideViewRole role, ClientPoint from, ClientPoint to, int pen = 1) {
    items.push_back({SideViewShape::kLine, role, {from, to}, pen, 0, 0, {}});
  };
  auto text = [&](SideViewRole role, ClientPoint at, int lines_below, std::string words) {
    items.push_back({SideViewShape::kText, role, {at}, 1, 0, lines_below, std::move(words)});
  };

  // Soil layers.
  if (input_.soil_layers) {
    double top = 0;
    for (std::size_t i = 0; i < input_.layers.size(); ++i) {
      const SideViewInput::Layer& layer = input_.layers[i];
      if (i == 0) {
        line(SideViewRole::kGroundLine, {0, ground}, {centre, ground});
        if (input_.backfill_slope > 0) {
          // Rises from the top of the wall at the backfill's own angle (a world unit
          // has the same size in x and y).
          const double rise = (W / 4.0) * std::tan(input_.backfill_slope * std::numbers::pi / 180);
          line(SideViewRole::kBackfillSlope, {centre, ground},
               {px(0.25), static_cast<int>(std::lround(std::clamp(ground - rise, -1e7, 1e7)))});
        } else if (input_.backfill_slope == 0) {
          for (int k = 1; k <= 5; ++k)
            line(SideViewRole::kHatch, {100 + 20 * k, ground}, {115 + 20 * k, ground + 5});
        }
      }
      const int bottom = at(0, m + layer.bottom).y;
      const bool reaches_excavation = layer.bottom >= input_.free_height;
      line(SideViewRole::kLayerBoundary, {0, bottom}, {reaches_excavation ? W : centre, bottom});
      const ClientPoint label{0, at(0, m + top).y};
      text(SideViewRole::kLayerName, label, 0, layer.name);
      text(SideViewRole::kLayerParameters, label, 1, layer.parameters);
      top = layer.bottom;
    }
  }

  // The wall, the ground and the excavation level.
  for (const WorldQuad& quad : outline_) {
    SideViewItem polygon{SideViewShape::kPolygon, SideViewRole::kWall, {}, 1, 0, 0, {}};
    for (const WorldPoint& c : quad.corners) polygon.points.push_back(at(c.x, c.y));
    items.push_back(std::move(polygon));
  }
  line(SideViewRole::kGroundLine, {0, ground}, {centre, ground});
  line(SideViewRole::kExcavationLine, {centre, excavation}, {W, excavation});

  auto node_y = [&](int node) { return at(0, node * input_.increment_length + m).y; };
  const int tick = px(0.01);
  // Restraints: an arrow onto the wall from the excavation side. It starts at the
  // wall's face: drawn from the centre line it would lie inside the wall (H/20 wide,
  // the arrow only W/50 long) in the wall's own colour, and not be seen.
  const int face = std::max(centre, at(input_.free_height / 40, 0).x);
  for (int node : input_.restraint_nodes) {
    const int y = node_y(node);
    line(SideViewRole::kRestraint, {face, y}, {face + px(0.02), y}, 2);
    line(SideViewRole::kRestraint, {face, y}, {face + px(0.02), y - tick}, 2);
    line(SideViewRole::kRestraint, {face, y}, {face + px(0.02), y + tick}, 2);
  }
  // External p-y curves: a spring towards the backfill.
  for (int node : input_.external_py_nodes) {
    const int y = node_y(node);
    line(SideViewRole::kExternalPY, {centre, y}, {px(0.45), y}, 2);
    line(SideViewRole::kExternalPY, {px(0.43), y}, {px(0.38), y}, 2);
    line(SideViewRole::kExternalPY, {px(0.38), y}, {px(0.40), y - tick}, 2);
    line(SideViewRole::kExternalPY, {px(0.38), y}, {px(0.40), y + tick}, 2);
  }
  // Springs above the excavation level (below it the soil springs hold the wall).
  for (int node : input_.spring_start_nodes) {
    if (node * input_.increment_length >= input_.free_height) continue;
    line(SideViewRole::kSpring, {centre, node_y(node)}, {px(0.6), node_y(node)}, 5);
  }

  // Plan view of five wall units.
  if (input_.active_width > 0 && input_.py_width > 0) {
    const double scale = W / (drawing_.xmax - drawing_.xmin);
    const int radius = static_cast<int>(std::lround(std::min(input_.py_width * scale, 1e7)));
    for (int k = 0; k < kPlanUnits; ++k) {
      const ClientPoint centre_k = at(kPlanX * input_.inch + 2 * input_.active_width * k, kPlanY * input_.inch);
      items.push_back({SideViewShape::kCircle, SideViewRole::kPlanUnit, {centre_k}, 2, radius, 0, {}});
    }
    const int first_left = at(kPlanX * input_.inch - input_.py_width, 0).x;
    text(SideViewRole::kPlanLabel, {centre, kLabelTop}, 0, "side view");
    text(SideViewRole::kPlanLabel, {first_left, kLabelTop}, 0, "top view");
  }
  return picture;
}

std::optional<std::string> SideViewGeometry::DepthCaption(ClientPoint mouse) const {
  if (Degenerate()) return std::nullopt;
  const double depth = drawing_.ToWorld(mouse, client_).y - input_.Margin();
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, depth, std::chars_format::fixed, 1);
  if (result.ec != std::errc()) return std::nullopt;
  return "  Depth: " + std::string(buffer, result.ptr);
}

}  // namespace veldra::app::views
