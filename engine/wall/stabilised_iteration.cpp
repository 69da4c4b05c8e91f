#include "engine/wall/stabilised_iteration.h"

#include "engine/format/fortran_format.h"
#include "engine/wall/finite_values.h"
#include "engine/wall/iteration.h"

#include <cmath>
#include <optional>

namespace veldra::engine {
namespace {

// A step is accepted when the next step is shorter by at least this share of the
// step length λ; a step halved down to the smallest is taken whatever follows, so
// that the search cannot stall on a jump of the chords between segments.
constexpr double kDecrease = 0.5;
constexpr double kSmallestStep = 1.0 / 64.0;

// |W - v| over the stations 0..N, whose changes decide the closure.
double distance(const ProblemState& st, const StationArray& v) {
  double sum = 0.0;
  for (int j = 0; j <= st.n; ++j) {
    const double d = st.W[station_index(j)] - v[station_index(j)];
    sum += d * d;
  }
  return std::sqrt(sum);
}

class Stabiliser {
 public:
  Stabiliser(ProblemState& st, std::ostream& notes, IterationOutcome& out)
      : st_(st), w_(st.stabilised), notes_(notes), out_(out),
        last_(out.iterations + kStabilisedSolutions) {}

  bool run() {
    std::optional<SolveCounts> counts = restart();
    while (counts) {
      if (counts->changed == 0) {
        // The curves have closed at `at`; the moment-EI step decides the rest.
        if (close_ei_step(st_, out_.not_closed)) return true;
        counts = restart();
        continue;
      }
      counts = line_search();
    }
    return false;
  }

 private:
  // Linearizes at the current W and solves: the start, and the start again after
  // the stiffness has changed (the old step lengths no longer compare).
  std::optional<SolveCounts> restart() {
    w_.at = st_.W;
    const std::optional<SolveCounts> counts = solve_at_w();
    if (!counts) return std::nullopt;
    w_.image = st_.W;
    length_ = distance(st_, w_.at);
    return counts;
  }

  // Steps from `at` towards `image`, halving the step until the one that follows
  // is short enough. Returns the counts of the accepted point's solution (with
  // `at` and `image` moved on), or nothing when the bound is reached.
  std::optional<SolveCounts> line_search() {
    const int first = station_index(-1);
    const int last = station_index(st_.n + 1);
    for (double lambda = 1.0;; lambda *= 0.5) {
      for (int i = first; i <= last; ++i) {
        w_.trial[i] = w_.at[i] + lambda * (w_.image[i] - w_.at[i]);
      }
      st_.W = w_.trial;
      const std::optional<SolveCounts> counts = solve_at_w();
      if (!counts) return std::nullopt;
      const double next = distance(st_, w_.trial);
      if (counts->changed == 0 || next < (1.0 - kDecrease * lambda) * length_ ||
          lambda <= kSmallestStep) {
        w_.at = w_.trial;
        w_.image = st_.W;
        length_ = next;
        return counts;
      }
    }
  }

  // One linear solution at W, counted and monitored; nothing past the bound.
  std::optional<SolveCounts> solve_at_w() {
    if (out_.iterations >= last_) return std::nullopt;
    ++out_.iterations;
    const std::optional<SolveCounts> counts = solve_linearized(st_, out_.off_curve);
    if (!counts) return std::nullopt;
    if (!all_finite(st_.W, station_index(-1), station_index(st_.n + 1))) {
      throw NonFiniteDeflections{out_.iterations};
    }
    out_.beyond_maximum = counts->beyond_maximum;
    out_.not_closed = counts->changed;
    write_monitor_line(notes_, out_.iterations, out_.off_curve, counts->changed, st_);
    return counts;
  }

  ProblemState& st_;
  ProblemState::StabilisedWork& w_;
  std::ostream& notes_;
  IterationOutcome& out_;
  const int last_;           // the last iteration number the bound allows
  double length_ = 0.0;      // |image - at|
};

}  // namespace

bool stabilise(ProblemState& st, std::ostream& notes, IterationOutcome& out) {
  const IterationOutcome specified = out;
  st.stabilised.kept_w = st.W;
  st.stabilised.kept_f = st.F;
  out.stabilised_from = out.iterations + 1;
  fwrite(notes,
         "(/,5X,'SOLUTION NOT CLOSED IN',I4,' ITERATIONS: STABILISED ITERATION FROM"
         " ITERATION',I4,/)",
         {specified.iterations, out.stabilised_from});
  if (Stabiliser(st, notes, out).run()) {
    fwrite(notes, "(/,5X,'STABILISED ITERATION CLOSED IN ITERATION',I4)", {out.iterations});
    return true;
  }
  fwrite(notes,
         "(/,5X,'STABILISED ITERATION NOT CLOSED IN ITERATION',I4,"
         "': THE RESULTS ARE THOSE OF ITERATION',I4)",
         {out.iterations, specified.iterations});
  st.W = st.stabilised.kept_w;
  st.F = st.stabilised.kept_f;
  out = specified;
  return false;
}

}  // namespace veldra::engine
