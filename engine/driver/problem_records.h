// The readers of a problem's records after the control and wall-properties
// records, in file order. Each stores into the problem state, builds the station
// values as the rows come and echoes the records into the report; each ends the
// run through data_error() on an input error.
#ifndef VELDRA_ENGINE_DRIVER_PROBLEM_RECORDS_H
#define VELDRA_ENGINE_DRIVER_PROBLEM_RECORDS_H

namespace veldra::engine {

struct RunContext;
struct ProblemState;

// Station tables: F, Q, S, T, R and P cleared before the tables are read.
void clear_station_arrays(ProblemState& st);
// Record 4.
void read_restraints(RunContext& ctx);
// Records 5 to 8 with the section "STIFFNESS AND LOAD DATA", and the support
// depths D1, D2 and the count NSUP of the trapezoidal envelope.
void read_stiffness_load_and_support_tables(RunContext& ctx);
// Record 9.
void read_py_modifications(RunContext& ctx);

// Records 10 to 13 and the earth pressure on the wall: the user's distribution or
// the generated one, its report section and plot block, the station loads.
void read_pressure_input(RunContext& ctx);
// Table values at the stations beyond both ends must be zero.
void check_beyond_ends(RunContext& ctx);

// Record 14 and the generated curves: the curve store, its report sections and the
// p-y block of the plot file.
void prepare_curves(RunContext& ctx);
// Record 15, with the first EI from the deflections the previous problem left.
void read_ei_sets(RunContext& ctx);

}  // namespace veldra::engine

#endif
