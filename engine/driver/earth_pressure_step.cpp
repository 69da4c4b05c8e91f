#include "engine/driver/earth_pressure_step.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"
#include "engine/format/fortran_format.h"
#include "engine/soil/earth_pressure.h"
#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_profile.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/surcharge.h"
#include "engine/state/soil_model_stop.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace veldra::engine {
namespace {

using soil::SoilProfile;

// "x L": a length with its label, as the messages give it.
std::string with_label(double value, std::string_view label) {
  return fformat("(E10.3,A)", {value, label});
}

// The frame of the profile must be one the methods can describe: an excavation
// level on the wall, a water table not above the surface, supports for the
// envelope of an anchored wall.
void check_frame(RunContext& ctx) {
  const ProblemState& st = ctx.st();
  const WallConfiguration& w = st.wall;
  const std::string_view l3 = st.labels.l3;
  if (!(w.hfree >= -kDepthTolerance && w.hfree <= st.wall_length + kDepthTolerance)) {
    data_error(ctx, "ERROR STOP -- FREE HEIGHT OF WALL =" + with_label(w.hfree, l3) +
                        " MUST LIE BETWEEN THE TOP AND THE TIP OF THE WALL (WALL LENGTH =" +
                        with_label(st.wall_length, l3) + ")");
  }
  if (!(w.water_backfill >= -kDepthTolerance)) {
    data_error(ctx, "ERROR STOP -- DEPTH TO THE WATER TABLE AT BACKFILL =" +
                        with_label(w.water_backfill, l3) + " MUST NOT BE NEGATIVE");
  }
  if (st.ctl.kep == 3 && st.nsup < 1) {
    data_error(ctx,
               "ERROR STOP -- THE TRAPEZOIDAL EARTH PRESSURE DISTRIBUTION NEEDS AT LEAST ONE "
               "SUPPORT (TIEBACK, SPRING OR LOAD ROW)");
  }
}

// Values far outside any soil (unit weights of 1e200, say) could overflow; they end
// the run before a non-number reaches the report or the wall.
void require_finite(RunContext& ctx, bool finite, const char* what) {
  if (finite) return;
  data_error(ctx, std::string("ERROR STOP -- ") + what +
                      " IS NOT A FINITE NUMBER: CHECK THE SOIL LAYER AND SURCHARGE DATA");
}

bool stresses_finite(const SoilProfile& profile) {
  for (const soil::ProfileLayer& l : profile.layers) {
    if (!std::isfinite(l.sigma_v)) return false;
  }
  return true;
}

bool forces_finite(const soil::ForceSummary& f) {
  for (const soil::LayerForces& l : f.layers) {
    for (double v : {l.pa1, l.pa2, l.pa3, l.pa4, l.z3, l.pw1, l.pw2}) {
      if (!std::isfinite(v)) return false;
    }
  }
  return std::isfinite(f.net);
}

bool points_finite(const std::vector<PressurePoint>& points) {
  for (const PressurePoint& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.p) || !std::isfinite(p.p2) ||
        !std::isfinite(p.p3)) {
      return false;
    }
  }
  return true;
}

// BULK: the distribution handed to the driver, N points, each value as its E10.3
// record carries it.
GeneratedPressure bulk(RunContext& ctx, const SoilProfile& profile,
                                const std::vector<soil::Coefficients>& k,
                                const soil::ForceSummary& forces, double gw) {
  ProblemState& st = ctx.st();
  const WallConfiguration& w = st.wall;
  const bool si = st.ctl.units == 2;
  const double announced = std::max(0.0, soil::announced_count(profile, si, st.wall_length));
  if (announced > kMaxPressurePoints) {
    too_much_data(ctx, "MORE THAN " + std::to_string(kMaxPressurePoints) +
                           " EARTH-PRESSURE POINTS FOR THIS WALL AND SOIL PROFILE");
  }
  const int count = static_cast<int>(announced);

  // A profile that ends above the tip has fewer points than the count announces.
  const double per_length = si ? soil::kPointsPerMetre : 1.0;
  double generated = 1.0;
  for (const soil::ProfileLayer& l : profile.layers) generated += std::round(l.thickness * per_length);
  if (generated < announced) {
    const std::string_view l3 = st.labels.l3;
    data_error(ctx, "ERROR STOP -- THE SOIL LAYERS END AT A DEPTH OF" +
                        with_label(profile.bottom(), l3) +
                        ", ABOVE THE TIP OF THE WALL AT A DEPTH OF" +
                        with_label(st.wall_length, l3));
  }

  soil::DistributionInput in;
  in.si = si;
  in.wall_length = st.wall_length;
  in.h_exc = w.hfree;
  in.dwb = w.water_backfill;
  in.dwe = w.water_excavation;
  in.gw = gw;
  in.water_switch = forces.water_switch;
  in.surcharge = [&st](double depth) { return surchg(st, depth); };
  // Rounding in the per-layer counts may put a few more points above the
  // excavation level than the count announces; they are generated all the same so
  // that the active force and the envelope see the whole height.
  soil::Distribution d =
      soil::distribution(profile, k, in, count + soil::kMaxProfileLayers + 1);

  if (st.ctl.kep == 3 && !soil::apply_envelope(d, w.hfree, st.d1, st.d2, st.nsup)) {
    const std::string_view l3 = st.labels.l3;
    data_error(ctx, "ERROR STOP -- THE SUPPORT DEPTHS D1 =" + with_label(st.d1, l3) +
                        " AND D2 =" + with_label(st.d2, l3) +
                        " GIVE NO TRAPEZOIDAL EARTH PRESSURE DISTRIBUTION");
  }
  GeneratedPressure out{std::move(d.points), std::move(d.shown)};
  for (std::vector<PressurePoint>* points : {&out.points, &out.shown}) {
    if (static_cast<int>(points->size()) > count) points->resize(static_cast<std::size_t>(count));
    require_finite(ctx, points_finite(*points), "THE GENERATED EARTH PRESSURE");
    for (PressurePoint& p : *points) {
      p.x = round_trip_e(p.x, 10, 3);
      p.p = round_trip_e(p.p, 10, 3);
      p.p2 = round_trip_e(p.p2, 10, 3);
      p.p3 = round_trip_e(p.p3, 10, 3);
    }
  }
  return out;
}

}  // namespace

GeneratedPressure epress(RunContext& ctx) {
  ProblemState& st = ctx.st();
  const WallConfiguration& w = st.wall;
  const double gw = st.ctl.units == 2 ? kGammaWaterSI : kGammaWaterEnglish;
  const double h_exc = w.hfree;
  st.sigma_v_excavation = 0.0;
  check_frame(ctx);

  // SUBDIV
  SoilProfile profile =
      soil::subdivide(soil::input_layers(st), h_exc, w.water_backfill, w.active_factor);

  // OUTPT
  soil::write_wall_information(ctx.report, st, gw);
  soil::write_surcharge_information(ctx.report, st);
  soil::load_last_row_into_slots(st.surcharges);
  soil::write_soil_information(ctx.report, profile, st.ctl.units);
  if (profile.overflow) {
    throw SoilModelStop{2, "the soil profile needs more than 21 layers after subdivision"};
  }
  if (profile.exc < 0) {
    throw SoilModelStop{1, "no soil layer starts at the excavation level"};
  }

  // START
  soil::effective_stress(profile, st.surcharges.uniform, w.water_backfill, gw);
  require_finite(ctx, stresses_finite(profile), "THE EFFECTIVE OVERBURDEN STRESS");
  soil::write_stress_table(ctx.report, profile, st.labels);
  st.sigma_v_excavation = profile.layers[static_cast<std::size_t>(profile.exc)].sigma_v;
  soil::restore_total_stress(profile, w.water_backfill, gw);
  require_finite(ctx, stresses_finite(profile), "THE TOTAL OVERBURDEN STRESS");
  const std::vector<soil::Coefficients> k = soil::coefficients(profile, w.slope_deg, h_exc);
  soil::write_coefficients(ctx.report, ctx.notes, k, profile);

  // FORCES
  const soil::ForceSummary forces = soil::layer_forces(
      profile, k, w.water_backfill, gw, w.config_code, [&](int l) {
        const soil::ProfileLayer& layer = profile.layers[static_cast<std::size_t>(l)];
        return soil::layer_resultant(st.surcharges, h_exc, layer.z_top, layer.thickness);
      });
  require_finite(ctx, forces_finite(forces), "THE ACTIVE EARTH PRESSURE OF A LAYER");
  soil::write_layer_forces(ctx.report, ctx.console, forces, profile.exc, st.labels);

  return bulk(ctx, profile, k, forces, gw);
}

}  // namespace veldra::engine
