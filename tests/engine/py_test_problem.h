// A small problem for the p-y tests: the wall, widths and soil layers that the p-y
// setup reads, set directly in a problem state, and a run context on string streams
// in which PYDATA can run.
#ifndef VELDRA_TESTS_ENGINE_PY_TEST_PROBLEM_H
#define VELDRA_TESTS_ENGINE_PY_TEST_PROBLEM_H

#include "engine/driver/py_curve_step.h"
#include "engine/driver/run_context.h"
#include "engine/driver/run_stop.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace veldra::test {

// Six values of a layer line, in file order (slot 1 to 6).
struct Slots {
  double v1 = 0, v2 = 0, v3 = 0, v4 = 0, v5 = 0, v6 = 0;
};

class PyProblem {
 public:
  // English units, excavation level H = 120 in, 40 increments of 6 in (wall length
  // 240 in, so curves are needed down to 132 in below the excavation level), Wp =
  // 24 in and Wa = 96 in (spacing ratio 4: no group reduction, no continuous-wall
  // rule), water table far below.
  PyProblem() : ctx_(engine::RunStreams{data_, report_, plot_, notes_, console_}, {}) {
    engine::ProblemState& s = st();
    s.ctl.units = 1;
    s.ctl.kpy = 2;
    s.ctl.generate_py = true;
    s.labels = engine::unit_labels(1);
    set_wall(40, 6.0);
    s.hfree = 120.0;
    s.wall.hfree = 120.0;
    s.wall.wa = 96.0;
    s.wall.wp = 24.0;
    s.wall.water_backfill = 10000.0;
    s.wall.water_excavation = 10000.0;
  }

  engine::ProblemState& st() { return ctx_.st(); }
  engine::RunContext& ctx() { return ctx_; }

  void set_wall(int n, double h) {
    st().n = n;
    st().h = h;
    st().wall_length = n * h;
  }

  // Appends a layer of `type` down to `bottom` (below the top of the wall).
  void add_layer(int type, double bottom, const Slots& top, const Slots& bottom_values) {
    engine::ProblemState& s = st();
    engine::SoilLayerInput& l = s.layers[++s.nlay];
    l.type = type;
    l.thickness = bottom - (s.nlay > 1 ? s.layers[s.nlay - 1].bottom : 0.0);
    l.bottom = bottom;
    const double t[7] = {0, top.v1, top.v2, top.v3, top.v4, top.v5, top.v6};
    const double b[7] = {0, bottom_values.v1, bottom_values.v2, bottom_values.v3,
                         bottom_values.v4, bottom_values.v5, bottom_values.v6};
    for (int k = 1; k <= 6; ++k) {
      l.top[k] = t[k];
      l.bottom_values[k] = b[k];
    }
  }
  void add_layer(int type, double bottom, const Slots& uniform) {
    add_layer(type, bottom, uniform, uniform);
  }

  // Generated earth pressure with this effective stress at the excavation level.
  void set_overburden(double sigma) {
    st().ctl.kep = 2;
    st().ctl.generate_pressure = true;
    st().sigma_v_excavation = sigma;
  }

  // Runs PYDATA; an input error or soil-model stop is kept rather than thrown.
  std::vector<engine::GeneratedCurve> run() {
    try {
      return engine::pydata(ctx_);
    } catch (const engine::InputErrorStop& e) {
      input_error = e.message;
    } catch (const engine::SoilModelStop& e) {
      stopped = true;
      stop_code = e.code;
    }
    return {};
  }

  std::string report() const { return report_.str(); }
  std::string console() const { return console_.str(); }

  std::string input_error;
  bool stopped = false;
  int stop_code = -1;

 private:
  std::istringstream data_;
  std::ostringstream report_, plot_, notes_, console_;
  engine::RunContext ctx_;
};

// The rows (y', p') of the printed curve blocks after "P-Y CURVES DATA", 17 per
// block, blocks in print order: curve 1 excavation side, curve 1 backfill side, ...
struct PrintedRow {
  double y = 0.0;
  double p = 0.0;
};

inline std::vector<PrintedRow> printed_rows(const std::string& report) {
  std::vector<PrintedRow> rows;
  const std::size_t start = report.find("P-Y CURVES DATA");
  if (start == std::string::npos) return rows;
  std::istringstream in(report.substr(start));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string a, b, extra;
    if (!(fields >> a >> b) || (fields >> extra)) continue;
    char* end_a = nullptr;
    char* end_b = nullptr;
    const double y = std::strtod(a.c_str(), &end_a);
    const double p = std::strtod(b.c_str(), &end_b);
    if (*end_a != '\0' || *end_b != '\0') continue;
    rows.push_back({y, p});
  }
  return rows;
}

// Row k (1 to 17) of block `block` (0-based) of the printed curves.
inline PrintedRow printed_row(const std::vector<PrintedRow>& rows, int block, int k) {
  const std::size_t at = static_cast<std::size_t>(block * 17 + k - 1);
  return at < rows.size() ? rows[at] : PrintedRow{-1.0e300, -1.0e300};
}

// The lines of a text.
inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

}  // namespace veldra::test

#endif
