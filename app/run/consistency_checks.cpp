#include "app/run/consistency_checks.h"

#include "framework/decimal_text.h"
#include "app/main_tables.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

// Numbers in the messages: general format, as many digits as a double shows.
std::string Number(EntryNumber value) { return fw::FormatGeneral(value, 15); }

constexpr int kSand = 4;
constexpr int kSilt = 5;
// Friction angle column of the sand and silt parameter tables; their first row holds
// the values at the top of the layer.
constexpr int kFrictionAngleColumn = 1;

std::optional<std::string> StiffnessRowsBeyondTheTip(const TProgramData& problem) {
  const fw::TGridTable& rows = problem.Table(app::WallStiffness::kName);
  const std::int32_t n = problem.Increments;
  for (int r = 0; r < rows.RowCount(); ++r) {
    const std::int32_t from = rows.Cell(0, r).AsInteger();
    const std::int32_t to = rows.Cell(1, r).AsInteger();
    std::string which;
    std::int32_t node = 0;
    if (from > n) {
      which = "Initial Node, ";
      node = from;
    } else if (to > n) {
      which = "End Node, ";
      node = to;
    } else {
      continue;
    }
    return which + std::to_string(node) + " in row " + std::to_string(r + 1) +
           " of Wall Stiffness definition\ris greater than number of nodes defined, " + std::to_string(n) +
           ".\rPlease check on Wall Properties Windows and Wall Stiffness Table";
  }
  return std::nullopt;
}

std::optional<std::string> SlopeSteeperThanFriction(const TProgramData& problem) {
  const EntryNumber slope = problem.BackfillSlope;
  if (!(slope > 0)) return std::nullopt;
  const fw::TGridTable& layers = problem.Table(app::SoilLayers::kName);
  for (int r = 0; r < layers.RowCount(); ++r) {
    const int type = layers.Cell(0, r).AsInteger();
    if (type != kSand && type != kSilt) continue;  // clays and rocks have no friction angle
    const fw::TGridTable* parameters = layers.Cell(2, r).AsTable();
    if (!parameters || parameters->RowCount() == 0) continue;
    const EntryNumber angle = parameters->Cell(kFrictionAngleColumn, 0).AsFloat();
    if (!(angle < slope)) continue;
    const std::string layer = std::to_string(r + 1);
    if (type == kSand) {
      return "Slope of the Backfill: " + Number(slope) + " deg.\ris greater than friction angle, " + Number(angle) +
             " deg.,\rin layer " + layer + "\rPlease check on Wall Configuration and Soil Layers Windows";
    }
    return "Slope of the Backfill: " + Number(slope) + "\ris greater than friction angle, " + Number(angle) +
           ",\rin layer " + layer + "\rPlease check Soil Layers";
  }
  return std::nullopt;
}

std::optional<std::string> LayeringShallowerThanTheWall(const TProgramData& problem) {
  // The soil layers matter only where the engine generates pressures or curves from
  // them. A user distribution never generates pressure, whatever flag a file left:
  // the save before the call clears it.
  const bool pressure_generated = problem.PressureGenerated && !problem.UserPressure;
  if (!pressure_generated && !problem.GeneratePY) return std::nullopt;
  const bool english = problem.UnitSystem == 1;
  // The increment length is in inches in English units; the layer depths in feet.
  EntryNumber wall = problem.Increments * problem.IncrementLength;
  if (english) wall /= 12;
  const fw::TGridTable& layers = problem.Table(app::SoilLayers::kName);
  const EntryNumber profile = layers.RowCount() > 0 ? layers.Cell(1, layers.RowCount() - 1).AsFloat() : 0;
  if (!(profile < wall)) return std::nullopt;
  const char* unit = english ? " ft" : " m";
  return "Depth of Bottom of Soil Layering: " + Number(profile) + unit +
         "\rshould extend at least below Depth of Wall: " + Number(wall) + unit +
         "\rPlease check Soil Layer Data and/or Wall Properties Windows";
}

}  // namespace

std::optional<std::string> FirstInconsistency(const TProgramData& problem) {
  if (auto message = StiffnessRowsBeyondTheTip(problem)) return message;
  if (auto message = SlopeSteeperThanFriction(problem)) return message;
  return LayeringShallowerThanTheWall(problem);
}

}  // namespace veldra::app
