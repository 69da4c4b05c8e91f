// The problem state of one engine instance: the values read from the data file, the
// wall model built from them, the iteration work arrays, the results, and the values
// shared with the soil models.
//
// Units are the internal units of the problem's units code: pounds and inches
// (code 1), kilonewtons and metres (code 2), or the user's own consistent units.
//
// Station i of the wall (0 at the top, N at the tip, three fictitious stations on
// each side) is stored at index i + 4 of every station array; arrays are used from
// index 1 (station -3) to N + 7 (station N + 3). Index 0 is never used, so indices
// read exactly as the station numbering of the reports.
#ifndef VELDRA_ENGINE_STATE_PROBLEM_STATE_H
#define VELDRA_ENGINE_STATE_PROBLEM_STATE_H

#include "engine/state/capacities.h"
#include "engine/state/unit_labels.h"

#include <array>

namespace veldra::engine {

using StationArray = std::array<double, kStationEntries + 1>;
using StationCodes = std::array<int, kStationEntries + 1>;

// Array index of a station.
constexpr int station_index(int station) { return station + 4; }

struct Restraint {
  int code = 1;              // 1 deflection, 2 slope, 3 both
  int station = 0;
  double deflection = 0.0;
  double slope = 0.0;
};

struct Couple {
  int station = 0;
  double value = 0.0;        // moment / (2h)
};

struct Tieback {
  int station = 0;
  double depth = 0.0;        // as read (feet in English units)
  double area = 0.0;
  double modulus = 0.0;
  double unbonded_length = 0.0;
  double angle_deg = 0.0;
  double spacing = 0.0;
  double prestress = 0.0;
  double qt = 0.0;           // prestress load per station
  double st = 0.0;           // horizontal stiffness per station
};

struct PyModification {
  double depth = 0.0;
  double p_factor = 1.0;
  double y_factor = 1.0;
};

struct PressurePoint {
  double x = 0.0;            // depth
  double p = 0.0;            // total pressure
  double p2 = 0.0;           // soil part
  double p3 = 0.0;           // surcharge part
};

struct Curve {
  int start = 0;             // start station (moves while chaining)
  int station = 0;           // the curve's own station
  int chain = 0;             // 1: interpolated with the next curve; 0: acts alone
  int n = 0;                 // number of points
  std::array<double, kMaxCurvePoints + 1> y{};   // 1-based
  std::array<double, kMaxCurvePoints + 1> p{};   // resistance per unit length
  std::array<double, kMaxCurvePoints + 1> pc{};  // resistance per station (p * h)
  double depth = 0.0;        // depth of a generated curve (plot file header)
  bool generated = false;
};

struct EiSet {
  int first = 0;
  int last = 0;
  int n = 0;
  std::array<double, kMaxEiPoints + 1> moment{};  // 1-based
  std::array<double, kMaxEiPoints + 1> ei{};
};

struct ResultRow {
  double depth = 0.0;
  double deflection = 0.0;
  double moment = 0.0;
  double shear = 0.0;
  double reaction = 0.0;
};

struct SurchargeRow {
  int type = 0;              // 1 point, 2 line, 3 strip
  double magnitude = 0.0;
  double x = 0.0;            // distance from the wall (centre of a strip)
  double width = 0.0;        // strip width
};

struct SoilLayerInput {
  int type = 1;              // 1 soft clay ... 7 weak rock
  double bottom = 0.0;       // depth of the layer bottom
  double thickness = 0.0;
  std::array<double, 7> top{};     // six values, 1-based
  std::array<double, 7> bottom_values{};
};

// Control record and derived flags.
struct Controls {
  int units = 0;
  int nbc = 0;               // restraint rows
  int nstif = 0;             // stiffness rows
  int npymod = 0;            // p-y modification rows
  int kep = 0;               // earth-pressure code
  int kpy = 0;               // p-y code
  int npyu = 0;              // user p-y curve sets
  int nstage = 0;            // construction stages
  int nei = 0;               // moment-EI sets
  int ntie = 0;              // tiebacks
  bool generate_pressure = false;  // kep > 1
  bool generate_py = false;        // kpy == 2
};

// Wall configuration record (record 11) and surcharges (record 12), shared with
// the soil models.
struct WallConfiguration {
  double hfree = 0.0;        // second copy of the free height
  double wa = 0.0;           // width for earth pressure
  double wp = 0.0;           // width for soil resistance
  double water_backfill = 0.0;
  double water_excavation = 0.0;
  double active_factor = 1.0;  // modification factor for active earth pressure
  int config_code = 0;
  double slope_deg = 0.0;
};

struct Surcharges {
  double uniform = 0.0;
  double single_distance = 0.0;
  double point_load = 0.0;
  double line_load = 0.0;
  double strip_load = 0.0;
  double strip_width = 0.0;
  int count = 0;
  std::array<SurchargeRow, kMaxSurcharges + 1> rows{};  // 1-based
};

struct ProblemState {
  Controls ctl;
  UnitLabels labels;

  // Wall properties (record 3) and what is derived from N and h; set_increments()
  // is the one place that writes them.
  int n = 0;
  double h = 0.0;
  double dmax = 0.0;
  double tol = 0.0;
  double hfree = 0.0;
  double wt = 0.0;
  double two_h = 0.0;
  double h_sq = 0.0;
  double h_cube = 0.0;
  double wall_length = 0.0;
  double h_curves = 0.0;     // second copy of h for the curve readers

  // N increments of length h, and 2h, h², h³, the wall length N·h and the curve
  // readers' copy of h.
  void set_increments(int increments, double length) {
    n = increments;
    h = length;
    two_h = 2.0 * h;
    h_sq = h * h;
    h_cube = h_sq * h;
    wall_length = n * h;
    h_curves = h;
  }

  // Per-problem controls, reset at the start of every problem.
  int continuation = 0;
  int max_iterations = kDefaultMaxIterations;
  int plot_units = 1;
  double p_multiplier = 1.0;
  double y_multiplier = 1.0;

  // Per-station arrays.
  StationArray F{}, Q{}, S{}, T{}, R{}, P{}, W{}, Q2{}, S2{}, AA{}, BB{}, CC{}, Wprev{};
  StationCodes KODE{};

  // Work arrays of the stabilised iteration: the deflections at which the curves
  // are linearized, the solution they give, a trial point between the two, and
  // the deflections and stiffness the specified scheme ended with.
  struct StabilisedWork {
    StationArray at{}, image{}, trial{}, kept_w{}, kept_f{};
  } stabilised;

  // Tables held between reading and solving (1-based).
  std::array<Restraint, kMaxRestraints + 1> restraints{};
  int ncouple = 0;
  std::array<Couple, kMaxLoadRows + 1> couples{};
  int nload = 0;
  int nspr = 0;
  std::array<Tieback, kMaxTiebacks + 1> tiebacks{};
  std::array<PyModification, kMaxPyModifications + 1> pymod{};
  int npress = 0;
  std::array<PressurePoint, kMaxPressurePoints + 1> pressure{};
  int ncur = 0;
  std::array<Curve, kMaxCurves + 1> curves{};
  std::array<EiSet, kMaxEiSets + 1> ei_sets{};
  int npts = 0;
  int results_units = 1;     // units code of the problem the results belong to
  std::array<ResultRow, kMaxResultStations + 1> results{};

  // Values shared with the soil models.
  WallConfiguration wall;
  double width_factor = 0.0;
  Surcharges surcharges;
  int nlay = 0;
  std::array<SoilLayerInput, kMaxSoilLayers + 1> layers{};
  double d1 = 0.0;           // first support depth
  double d2 = 0.0;           // last support depth
  int nsup = 0;              // support rows
  double surcharge_pressure = 0.0;  // left by SURCHG
  double bottom_pressure = 0.0;
  double sigma_v_excavation = 0.0;  // effective vertical stress at the excavation level
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_STATE_PROBLEM_STATE_H
