#include "engine/wall/iteration.h"

#include "engine/format/fortran_format.h"
#include "engine/wall/finite_values.h"
#include "engine/wall/stabilised_iteration.h"

#include <cmath>
#include <ostream>
#include <string>

namespace veldra::engine {
namespace {

// Adds a linearly varying load and spring over stations s..e (e already cut to the
// tip), with the two end stations receiving half values. f runs over the uncut span.
template <typename ChordAt>
void add_span(ProblemState& st, int s, int e, int e_uncut, ChordAt&& chord_at) {
  double first_q = 0.0, first_s = 0.0, last_q = 0.0, last_s = 0.0;
  for (int j = s; j <= e; ++j) {
    const double f = static_cast<double>(j - s) / static_cast<double>(e_uncut - s);
    const auto [a, b] = chord_at(j);
    const double q = a.q + (b.q - a.q) * f;
    const double sp = a.s + (b.s - a.s) * f;
    const int i = station_index(j);
    st.Q2[i] += q;
    st.S2[i] += sp;
    if (j == s) {
      first_q = q;
      first_s = sp;
    }
    last_q = q;
    last_s = sp;
  }
  st.Q2[station_index(s)] -= 0.5 * first_q;
  st.S2[station_index(s)] -= 0.5 * first_s;
  st.Q2[station_index(e)] -= 0.5 * last_q;
  st.S2[station_index(e)] -= 0.5 * last_s;
}

// Applies the span from curve a (from its start station) to curve b (at its
// station). Returns false when the span ends above its start.
bool apply_span(ProblemState& st, const Curve& a, const Curve& b, bool same_curve,
                bool& off_curve) {
  const int s = a.start;
  const int e = b.station;
  if (e < s) return false;
  if (e == s) {
    // Two chained curves at one station leave nothing between them to interpolate.
    if (!same_curve || s > st.n) return true;
    const int i = station_index(s);
    const Chord c = linearize(a, st.W[i], off_curve);
    st.Q2[i] += c.q;
    st.S2[i] += c.s;
    return true;
  }
  if (s >= st.n) return true;
  const int e_cut = e > st.n ? st.n : e;
  add_span(st, s, e_cut, e, [&](int j) {
    const double w = st.W[station_index(j)];
    return std::pair{linearize(a, w, off_curve), linearize(b, w, off_curve)};
  });
  return true;
}

// The monitor line of an iteration. Parsed once for all threads (format_to only
// reads it), and written through a buffer that has its room before the loop
// starts, so that the loop itself allocates nothing.
const FortranFormat& monitor_line() {
  static const FortranFormat layout("(3X,I4,7X,A9,I4,2X,5E10.3)");
  return layout;
}
constexpr std::size_t kMonitorLineRoom = 128;  // the line is 79 characters

// The line buffer of this thread, with its room made before the loop starts.
std::string& monitor_buffer() {
  thread_local std::string line;
  line.reserve(kMonitorLineRoom);
  return line;
}

}  // namespace

Chord linearize(const Curve& c, double w, bool& off_curve) {
  if (c.n < 2) {
    off_curve = true;
    return {};
  }
  int i2 = c.n;
  if (c.n >= 3 && w <= c.y[c.n]) {
    i2 = 2;
    while (w > c.y[i2]) ++i2;
  }
  if (c.n < 3 || w < c.y[1] || w > c.y[c.n]) off_curve = true;
  const int i1 = i2 - 1;
  const double dy = c.y[i2] - c.y[i1];
  if (dy == 0.0) return {};
  const double s = -(c.pc[i2] - c.pc[i1]) / dy;
  return {s * c.y[i1] + c.pc[i1], s};
}

bool apply_curve_spans(ProblemState& st, bool& off_curve) {
  bool open = false;
  bool opened_alone = false;  // the open chain's start has not been joined to any curve
  int start = 0;
  for (int k = 1; k <= st.ncur; ++k) {
    Curve& curve = st.curves[k];
    if (!open) {
      start = k;
      if (curve.chain == 0) {
        if (!apply_span(st, curve, curve, true, off_curve)) return false;
      } else {
        open = true;
        opened_alone = true;
      }
      continue;
    }
    if (!apply_span(st, st.curves[start], curve, false, off_curve)) return false;
    opened_alone = false;
    if (curve.chain == 1) {
      start = k;
      curve.start = curve.station;
    } else {
      open = false;
    }
  }
  // A chain opened by a curve that no later curve closes: the curve still acts, at
  // its own station.
  if (open && opened_alone) {
    const Curve& curve = st.curves[start];
    if (!apply_span(st, curve, curve, true, off_curve)) return false;
  }
  return true;
}

void update_ei(ProblemState& st, const EiSet& set) {
  for (int s = set.first; s <= set.last; ++s) {
    const int i = station_index(s);
    const double phi = std::fabs(st.W[i - 1] - 2.0 * st.W[i] + st.W[i + 1]) / st.h_sq;
    int j = set.n;
    for (int k = 2; k <= set.n - 1; ++k) {
      if (phi * set.ei[k] < set.moment[k]) {
        j = k;
        break;
      }
    }
    const int m = j - 1;
    // The secant line M = φ·EI meets the curve's segment (m, j).
    const double den = (set.ei[j] - set.ei[m]) * phi - (set.moment[j] - set.moment[m]);
    const double t = den == 0.0 ? 0.0 : (set.moment[m] - phi * set.ei[m]) / den;
    st.F[i] = set.ei[m] + (set.ei[j] - set.ei[m]) * t;
  }
}

void write_monitor_heading(std::ostream& notes) {
  fwrite(notes, "(/,/,/,5X,'ITERATION MONITOR DATA',/,5X,'----------------------')");
}

std::optional<SolveCounts> solve_linearized(ProblemState& st, bool& off_curve) {
  const int first = station_index(-1);
  const int last = station_index(st.n + 1);
  for (int i = first; i <= last; ++i) {
    st.Q2[i] = st.Q[i];
    st.S2[i] = st.S[i];
  }
  off_curve = false;
  for (int k = 1; k <= st.ncur; ++k) st.curves[k].start = st.curves[k].station;
  if (!apply_curve_spans(st, off_curve)) return std::nullopt;
  return solve_wall(st);
}

void write_monitor_line(std::ostream& notes, int iteration, bool off_curve, int changed,
                        const ProblemState& st) {
  std::string& line = monitor_buffer();
  const int w1 = station_index(1);
  const FormatValue values[] = {iteration,    off_curve ? "YES" : "NO", changed,
                                st.W[w1],     st.W[w1 + 1],             st.W[w1 + 2],
                                st.W[w1 + 3], st.W[w1 + 4]};
  line.clear();
  monitor_line().format_to(line, values);
  line.push_back('\n');
  notes.write(line.data(), static_cast<std::streamsize>(line.size()));
}

bool close_ei_step(ProblemState& st, int& not_closed) {
  not_closed = 0;
  if (st.ctl.nei == 0) return true;
  for (int j = 0; j <= st.n; ++j) {
    const int i = station_index(j);
    if (std::fabs(st.W[i] - st.Wprev[i]) > st.tol) ++not_closed;
  }
  if (not_closed == 0) return true;
  st.Wprev = st.W;
  for (int k = 1; k <= st.ctl.nei; ++k) update_ei(st, st.ei_sets[k]);
  return false;
}

std::optional<IterationOutcome> iterate(ProblemState& st, std::ostream& notes) {
  // The layout is parsed and the buffer made here, so that the loop allocates nothing.
  monitor_line();
  monitor_buffer();
  IterationOutcome out;
  for (int it = 1; it <= st.max_iterations; ++it) {
    out.iterations = it;
    const std::optional<SolveCounts> counts = solve_linearized(st, out.off_curve);
    if (!counts) return std::nullopt;
    if (!all_finite(st.W, station_index(-1), station_index(st.n + 1))) {
      throw NonFiniteDeflections{it};
    }
    out.beyond_maximum = counts->beyond_maximum;
    out.not_closed = counts->changed;
    write_monitor_line(notes, it, out.off_curve, counts->changed, st);
    if (counts->beyond_maximum > 0) break;
    if (counts->changed > 0) continue;
    if (close_ei_step(st, out.not_closed)) break;
  }
  // The scheme can fall into a cycle between two segments of a curve; a problem
  // that it leaves open gets a stabilised iteration of the same equations.
  if (out.not_closed > 0 && out.beyond_maximum == 0) stabilise(st, notes, out);
  return out;
}

}  // namespace veldra::engine
