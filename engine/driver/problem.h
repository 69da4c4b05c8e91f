// One problem of the data file: its records read in order into the problem state
// and echoed into the report, the wall model built as they come, the soil steps
// called where the codes ask for them, the iteration, the results, and the
// continuation code that ends the problem.
#ifndef VELDRA_ENGINE_DRIVER_PROBLEM_H
#define VELDRA_ENGINE_DRIVER_PROBLEM_H

namespace veldra::engine {

struct RunContext;

// Reads, solves and reports the next problem. Returns its continuation code, with
// a code equal to the problem's stage count turned into 0. Throws InputErrorStop
// after writing an input error into the report, SoilModelStop when a soil model
// ends the run.
int analyse_problem(RunContext& ctx);

}  // namespace veldra::engine

#endif
