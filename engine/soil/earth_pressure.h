// Active earth pressure of the subdivided profile: coefficients per layer, the
// per-layer resultants of the report, and the pressure distribution along the wall
// (triangular, or the apparent-pressure envelope of anchored walls).
//
// Pressures are per unit width of wall (force per length²), resultants per unit
// width (force per length); depths below the top of the wall.
#ifndef VELDRA_ENGINE_SOIL_EARTH_PRESSURE_H
#define VELDRA_ENGINE_SOIL_EARTH_PRESSURE_H

#include "engine/soil/soil_profile.h"
#include "engine/state/problem_state.h"

#include <functional>
#include <vector>

namespace veldra::engine::soil {

struct Coefficients {
  double ka = 0.0;           // used by the pressures (K_opt when one is given)
  double sqrt_ka = 0.0;      // 0 when K_opt replaces Ka: no cohesion term
  double ka_printed = 0.0;   // the Rankine (or sloping-backfill) value
  double kp = 0.0;
  bool slope_warning = false;  // the slope is not below φ in a layer above the excavation
};

// START, second half: Rankine Ka and Kp for level ground; for a sloping backfill
// (beta in degrees) the sloping-backfill Ka where |β| < φ, else the level-ground Ka
// with the warning flag for layers whose top is above the excavation level h_exc.
std::vector<Coefficients> coefficients(const SoilProfile& profile, double beta, double h_exc);

struct LayerForces {
  double pa1 = 0.0, pa2 = 0.0, pa3 = 0.0, pa4 = 0.0;
  double z1, z2, z3, zc = 0.0;
  double pw1 = 0.0, pw2 = 0.0;  // water resultants, negative
  bool water_row = false;       // a row of the water table
  bool no_compression_zone = false;  // in tension and the stress does not grow with depth
  LayerForces();
};

struct ForceSummary {
  std::vector<LayerForces> layers;  // one per profile layer
  bool water_section = false;       // the water table lies above the excavation level
  int water_switch = 0;             // 1: water pressure enters the distribution
  double net = 0.0;                 // net active force above the excavation level
};

// FORCES, for the layers above the excavation level: rectangular part (from the
// stress at the top, plus surcharge_resultant(layer index)), triangular part,
// cohesion part, and the tension case; the water resultants between the water
// table and the excavation level. water_switch starts at the configuration code.
ForceSummary layer_forces(const SoilProfile& profile, const std::vector<Coefficients>& k,
                          double dwb, double gw, int config_code,
                          const std::function<double(int)>& surcharge_resultant);

// The frame of the pressure distribution.
struct DistributionInput {
  bool si = false;           // one point per 0.05 m; otherwise one per length unit
  double wall_length = 0.0;
  double h_exc = 0.0;
  double dwb = 0.0;          // water table, backfill side
  double dwe = 0.0;          // water table, excavation side
  double gw = 0.0;
  int water_switch = 0;
  std::function<double(double)> surcharge;  // lateral surcharge pressure at a depth
};

struct Distribution {
  std::vector<PressurePoint> points;  // every generated point, from depth 0 down
  // The same points as the report prints and the earth-pressure graph draws them:
  // below the excavation level the water pressure of a layer that carries the
  // backfill water is the hydrostatic net at the point (backfill head minus
  // excavation-side head, each from its own water table), where `points` keeps the
  // backfill head of the layer top and subtracts the excavation side's difference
  // of the tables again. The two differ only there, where no station is loaded.
  std::vector<PressurePoint> shown;
  int announced = 0;         // the count N of the hand-over (may differ from points.size())
  int j_exc = 0;             // 1-based index of the last point above the excavation level
                             // (1 when no layer lies above it)
  double active_force = 0.0; // F_a: trapezoidal sum of the pressures above the excavation
};

// The announced point count: one point per length unit (per 0.05 m in SI units) of
// every layer, the last layer taken down to the tip of the wall. Computed in doubles
// so that absurd depths cannot overflow.
double announced_count(const SoilProfile& profile, bool si, double wall_length);

// BULK: the pressure points layer by layer, with water pressure on both sides,
// surcharge pressure, cohesion, and the floors that keep every pressure positive,
// and the points as shown. Generation stops after `limit` points once the
// excavation level is passed.
Distribution distribution(const SoilProfile& profile, const std::vector<Coefficients>& k,
                          const DistributionInput& in, int limit);

// The apparent-pressure envelope for anchored walls: points 2 to j_exc get a
// trapezoid of area 1.3·F_a rising to its peak at 2/3 of the first support depth d1
// and falling from 2/3 of the way from the last support d2 (one support: from d1)
// to the excavation level, in the points and the points shown alike. P2 and P3 are
// left as they are. Returns false, changing nothing, when the supports leave the
// peak undefined (nsup < 1, or a non-positive or non-finite peak denominator).
bool apply_envelope(Distribution& d, double h_exc, double d1, double d2, int nsup);

}  // namespace veldra::engine::soil

#endif
