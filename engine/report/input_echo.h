// The report sections that echo a problem's input: control parameters, wall
// properties, restraints, stiffness and load rows, the user's earth pressure and
// the user's p-y curves.
#ifndef VELDRA_ENGINE_REPORT_INPUT_ECHO_H
#define VELDRA_ENGINE_REPORT_INPUT_ECHO_H

#include "engine/state/problem_state.h"
#include "engine/state/row_values.h"

#include <iosfwd>

namespace veldra::engine {

void write_control_parameters(std::ostream& out, const ProblemState& st);
void write_wall_properties(std::ostream& out, const ProblemState& st);
void write_restraints(std::ostream& out, const ProblemState& st);

void write_stiffness_heading(std::ostream& out, const UnitLabels& labels);
// One row of the stiffness, load, spring or tieback tables, in the form of its
// case k (2 opens an interpolation, 3 and 4 close one, 1 stands alone).
void write_stiffness_row(std::ostream& out, int k, int first, int last, int continuation,
                         const RowValues& shown);

void write_specified_pressure_banner(std::ostream& out);
void write_pressure_heading(std::ostream& out, const UnitLabels& labels);
void write_pressure_point(std::ostream& out, double depth, double load);

void write_user_curves_banner(std::ostream& out);
// The echo of one user curve: its line in the form of case k (from the chain flags
// of this curve and the one before), then its points y and p as entered times the
// multipliers.
void write_user_curve(std::ostream& out, const UnitLabels& labels, int k, int station,
                      int flag, double pm, double ym, int n, const double* y,
                      const double* p);

// An empty line and a line of 20 blanks: what stands for an empty section.
void write_empty_section(std::ostream& out);

}  // namespace veldra::engine

#endif
