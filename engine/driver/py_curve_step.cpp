#include "engine/driver/py_curve_step.h"

#include "engine/driver/data_error.h"
#include "engine/driver/run_context.h"
#include "engine/py/curve_frame.h"
#include "engine/py/layer_curves.h"
#include "engine/py/py_input_error.h"
#include "engine/py/py_layers.h"
#include "engine/py/py_report.h"

#include <ostream>

namespace veldra::engine {

std::vector<GeneratedCurve> pydata(RunContext& ctx) {
  ProblemState& st = ctx.st();
  ctx.console << " READ SOIL DATA....\n";
  // The p-y sections are labelled in English units unless the problem is in SI; the
  // labels stay so for the rest of the problem's report.
  st.labels = unit_labels(st.ctl.units == 2 ? 2 : 1);
  if (!(st.wall.wp > 0.0)) {
    data_error(ctx,
               "ERROR STOP -- WIDTH FOR SOIL RESISTANCE WP MUST BE POSITIVE FOR GENERATED "
               "P-Y CURVES");
  }
  std::vector<GeneratedCurve> curves;
  try {
    py::PyModel m = py::build_py_model(st);
    py::write_soil_layers(ctx.report, st.labels, m);
    py::write_reduction_factors(ctx.report, m);
    py::write_curves_heading(ctx.report);
    py::CurveFrame frame(m, st.labels, ctx.report, ctx.console, curves);
    for (int j = 1; j <= m.npyl(); ++j) {
      if (py::layer_has_curves(m, j)) py::generate_layer_curves(frame, j);
    }
  } catch (const py::PyInputError& e) {
    data_error(ctx, e.message);
  }
  return curves;
}

}  // namespace veldra::engine
