// The p- and y-multipliers of the generated curves (PMULT, YMULT): the reduction
// factors for closely-spaced wall elements, from the modification table when there
// is one, otherwise from the element spacing.
#ifndef VELDRA_ENGINE_PY_MULTIPLIERS_H
#define VELDRA_ENGINE_PY_MULTIPLIERS_H

#include "engine/py/py_model.h"

namespace veldra::engine::py {

// x is the depth below the top of the wall. Outside the table's depth range the
// factor is 1; two rows at one depth make a step, the lower row applying from that
// depth on. Without a table p is reduced by 0.5292·r^0.5659 when the spacing ratio
// r = Wa/Wp lies in [1.1, 3.1) and x is at or below the excavation level.
double pmult(const PyModel& m, double x);
double ymult(const PyModel& m, double x);

}  // namespace veldra::engine::py

#endif
