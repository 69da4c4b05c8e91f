#include "bench/synthetic_wall.h"

#include "engine/wall/pressure_loading.h"
#include "engine/wall/station_accumulation.h"
#include "engine/wall/wall_solver.h"

#include <array>
#include <cmath>

namespace veldra::bench {

using engine::ProblemState;

namespace {

constexpr double kIncrement = 0.05;       // m
constexpr double kExcavation = 6.0;       // m, free height
constexpr double kStiffness = 150000.0;   // EI, kN·m²
constexpr int kFirstCurveStation = 123;
constexpr int kCurveSpacing = 3;          // stations

// One p-y curve of 13 points resisting both ways: p = -pu·tanh(y / 4 mm).
void store_curve(engine::Curve& c, int station, double h) {
  constexpr std::array<double, 6> kY = {0.1, 0.02, 0.01, 0.005, 0.002, 0.001};
  const double depth = station * h;
  const double pu = 30.0 + 120.0 * (depth - kExcavation);  // kN/m
  c.station = c.start = station;
  c.chain = 1;
  c.n = 0;
  auto add = [&](double y) {
    ++c.n;
    c.y[c.n] = y;
    c.p[c.n] = -pu * std::tanh(y / 0.004);
    c.pc[c.n] = c.p[c.n] * h;
  };
  for (double y : kY) add(-y);
  add(0.0);
  for (auto it = kY.rbegin(); it != kY.rend(); ++it) add(*it);
}

}  // namespace

std::unique_ptr<ProblemState> make_synthetic_wall() {
  auto st = std::make_unique<ProblemState>();
  st->ctl.units = 2;
  st->ctl.kep = 1;  // user pressure distribution
  st->set_increments(kWallIncrements, kIncrement);
  st->dmax = 0.5;
  st->tol = 1e-5;
  st->hfree = kExcavation;
  st->wt = 1.0;

  engine::RowValues ei{};
  ei[0] = kStiffness;
  engine::add_station_range(*st, 0, ei, kWallIncrements, ei);

  constexpr std::array<std::array<double, 2>, 4> kPressure = {
      {{0.0, 0.0}, {6.0, 36.0}, {8.0, 36.0}, {10.0, 0.0}}};  // depth m, kN/m per m
  st->npress = static_cast<int>(kPressure.size());
  for (int k = 0; k < st->npress; ++k) {
    engine::PressurePoint& p = st->pressure[k + 1];
    p.x = kPressure[k][0];
    p.p = p.p2 = kPressure[k][1];
  }
  engine::load_pressure(*st);

  st->ncur = kWallCurves;
  for (int k = 1; k <= kWallCurves; ++k) {
    store_curve(st->curves[k], kFirstCurveStation + (k - 1) * kCurveSpacing, kIncrement);
  }
  engine::set_boundary_codes(*st);
  clear_deflections(*st);
  return st;
}

void clear_deflections(ProblemState& st) {
  st.W.fill(0.0);
  st.Wprev.fill(0.0);
}

}  // namespace veldra::bench
