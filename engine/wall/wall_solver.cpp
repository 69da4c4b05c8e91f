#include "engine/wall/wall_solver.h"

#include <cmath>

namespace veldra::engine {

void set_boundary_codes(ProblemState& st) {
  st.KODE.fill(1);
  for (int r = 1; r <= st.ctl.nbc; ++r) {
    const Restraint& row = st.restraints[r];
    const int i = station_index(row.station);
    if (row.code == 1) {
      st.KODE[i] = 2;
      continue;
    }
    st.KODE[i - 1] = 3;
    st.KODE[i + 1] = 5;
    if (row.code == 3) st.KODE[i] = 4;
  }
}

bool has_lateral_support(const ProblemState& st) {
  for (int r = 1; r <= st.ctl.nbc; ++r) {
    if (st.restraints[r].code != 2) return true;  // 1 deflection, 3 deflection and slope
  }
  for (int j = 0; j <= st.n; ++j) {
    if (st.S[station_index(j)] != 0.0) return true;
  }
  for (int k = 1; k <= st.ncur; ++k) {
    if (st.curves[k].station <= st.n) return true;
  }
  return false;
}

SolveCounts solve_wall(ProblemState& st) {
  const double h = st.h;
  const double h2 = st.h_sq;
  const double h3 = st.h_cube;
  const int first = station_index(-1);
  const int last = station_index(st.n + 1);

  st.AA[station_index(-3)] = st.BB[station_index(-3)] = st.CC[station_index(-3)] = 0.0;
  st.AA[station_index(-2)] = st.BB[station_index(-2)] = st.CC[station_index(-2)] = 0.0;

  int r = 1;  // restraint rows are consumed in station order
  double ds = 0.0, aas = 0.0, bbs = 0.0, ccs = 0.0;
  for (int i = first; i <= last; ++i) {
    const double a = st.F[i - 1] - 0.25 * h * (h * st.P[i - 1] + st.R[i - 1]);
    const double b = -2.0 * (st.F[i - 1] + st.F[i]);
    const double c = st.F[i - 1] + 4.0 * st.F[i] + st.F[i + 1] +
                     0.25 * h * (h * st.P[i + 1] + st.R[i + 1] + h * st.P[i - 1] + st.R[i - 1]) +
                     h3 * st.S2[i];
    const double d = -2.0 * (st.F[i] + st.F[i + 1]);
    const double e = st.F[i + 1] - 0.25 * h * (h * st.P[i + 1] + st.R[i + 1]);
    const double f = h3 * st.Q2[i] - 0.5 * h2 * (st.T[i - 1] - st.T[i + 1]);

    const double ee = a * st.BB[i - 2] + b;
    const double den = a * st.AA[i - 2] + ee * st.BB[i - 1] + c;
    const double dd = den == 0.0 ? 0.0 : -1.0 / den;
    st.AA[i] = e * dd;
    st.BB[i] = (ee * st.AA[i - 1] + d) * dd;
    st.CC[i] = (a * st.CC[i - 2] + ee * st.CC[i - 1] - f) * dd;

    const Restraint& row = st.restraints[r <= st.ctl.nbc ? r : 0];
    switch (st.KODE[i]) {
      case 2:
        st.AA[i] = st.BB[i] = 0.0;
        st.CC[i] = row.deflection;
        ++r;
        break;
      case 3:
        ds = dd;
        aas = st.AA[i];
        bbs = st.BB[i];
        ccs = st.CC[i];
        st.AA[i] = 1.0;
        st.BB[i] = 0.0;
        st.CC[i] = -st.two_h * row.slope;
        break;
      case 4:
        st.AA[i] = st.BB[i] = 0.0;
        st.CC[i] = row.deflection;
        break;
      case 5: {
        // A zero pivot at the station above the slope station leaves no relation
        // to correct; the station keeps its own.
        const double ratio = ds == 0.0 ? 0.0 : dd / ds;
        const double g = 1.0 / (1.0 - (bbs * st.BB[i - 1] + aas - 1.0) * ratio);
        st.AA[i] = g * st.AA[i];
        st.BB[i] = g * (bbs * st.AA[i - 1] * ratio + st.BB[i]);
        st.CC[i] = g * ((bbs * st.CC[i - 1] + st.two_h * row.slope + ccs) * ratio + st.CC[i]);
        ++r;
        break;
      }
      default:
        break;
    }
  }

  // Back substitution, counting the stations 0..N beyond DMAX and not yet closed.
  const int tip = station_index(st.n);
  const int top = station_index(0);
  st.W[tip + 2] = 0.0;
  st.W[tip + 3] = 0.0;
  st.W[last] = st.AA[last] * st.W[last + 2] + st.BB[last] * st.W[last + 1] + st.CC[last];
  SolveCounts counts;
  for (int i = tip; i >= top; --i) {
    const double w = st.AA[i] * st.W[i + 2] + st.BB[i] * st.W[i + 1] + st.CC[i];
    if (std::fabs(w) > st.dmax) ++counts.beyond_maximum;
    if (std::fabs(w - st.W[i]) > st.tol) ++counts.changed;
    st.W[i] = w;
  }
  st.W[first] = st.AA[first] * st.W[first + 2] + st.BB[first] * st.W[first + 1] + st.CC[first];
  return counts;
}

void derive_results(ProblemState& st, StationResults& out) {
  const double h = st.h;
  const int first = station_index(-1);
  const int top = station_index(0);
  const int tip = station_index(st.n);
  const int last = station_index(st.n + 1);

  st.W[first - 1] = 2.0 * st.W[first] - st.W[top];
  st.W[last + 1] = 2.0 * st.W[last] - st.W[tip];

  for (auto& r : out) r = StationResult{};
  // Moments from station -1 to N+2; the two stations above the top carry none.
  for (int i = first; i <= last + 1; ++i) {
    out[i].moment = i <= first
                        ? 0.0
                        : st.F[i] * (st.W[i - 1] - 2.0 * st.W[i] + st.W[i + 1]) / st.h_sq;
  }
  for (int i = first; i <= last; ++i) {
    out[i].slope = (st.W[i + 1] - st.W[i - 1]) / st.two_h;
    out[i].shear = (out[i + 1].moment - out[i - 1].moment) / st.two_h;
    out[i].reaction = (out[i - 1].moment - 2.0 * out[i].moment + out[i + 1].moment) / h;
  }
  // A concentrated couple is a step of the moment diagram, not a shear: take its
  // difference-quotient trace out of the shear and the reaction.
  for (int k = 1; k <= st.ncouple; ++k) {
    const int s = station_index(st.couples[k].station);
    const double m = st.couples[k].value;
    out[s].shear -= m;
    out[s + 1].shear -= 0.5 * m;
    out[s + 1].reaction += m;
    out[s - 1].shear -= 0.5 * m;
    out[s - 1].reaction -= m;
  }

  st.npts = st.n + 2;
  for (int j = 0; j <= st.n + 1; ++j) {
    const int i = station_index(j);
    ResultRow& row = st.results[j + 1];
    row.depth = j * h;
    row.deflection = st.W[i];
    row.moment = out[i].moment;
    row.shear = out[i].shear;
    row.reaction = out[i].reaction;
  }
}

}  // namespace veldra::engine
