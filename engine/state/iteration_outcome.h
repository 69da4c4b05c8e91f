// How the nonlinear iteration of a problem ended: what the results heading, its
// messages and the run's summary report.
#ifndef VELDRA_ENGINE_STATE_ITERATION_OUTCOME_H
#define VELDRA_ENGINE_STATE_ITERATION_OUTCOME_H

namespace veldra::engine {

struct IterationOutcome {
  int iterations = 0;        // the counter of the results heading
  bool off_curve = false;    // the last solution took a deflection beyond its curve's points
  int beyond_maximum = 0;    // stations 0..N of the last solution with |W| > DMAX
  int not_closed = 0;        // stations 0..N still moving by more than TOL at the end
  int stabilised_from = 0;   // first iteration of the stabilised iteration; 0: not run

  bool closed() const { return not_closed == 0 && beyond_maximum == 0; }
};

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_STATE_ITERATION_OUTCOME_H
