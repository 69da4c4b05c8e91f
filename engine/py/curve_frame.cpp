#include "engine/py/curve_frame.h"

#include "engine/format/fortran_format.h"
#include "engine/py/multipliers.h"
#include "engine/py/py_input_error.h"

#include <cmath>

namespace veldra::engine::py {

CurveFrame::CurveFrame(PyModel& m, const UnitLabels& labels, std::ostream& report,
                       std::ostream& console, std::vector<GeneratedCurve>& out)
    : m_(m), labels_(labels), report_(report), console_(console), lookups_(m, report, console), out_(out) {}

double CurveFrame::depth(int i, Side side) const {
  return side == Side::Excavation ? m_.xc[i] : m_.h_exc + m_.xc[i];
}

double CurveFrame::pm(int i) const { return pmult(m_, m_.h_exc + m_.xc[i]); }
double CurveFrame::ym(int i) const { return ymult(m_, m_.h_exc + m_.xc[i]); }

void CurveFrame::begin_curve(int i) {
  GeneratedCurve c;
  c.depth = m_.h_exc + m_.xc[i];
  out_.push_back(c);
}

CurvePoints CurveFrame::hand_on(const CurvePoints& raw, double pm, double ym, double dp,
                                Side side, int j, int i) const {
  const double offset = side == Side::Excavation ? -dp : dp;
  CurvePoints out;
  bool finite = true;
  for (int k = 1; k <= 17; ++k) {
    out.y[k] = ym * raw.y[k];
    out.p[k] = pm * raw.p[k] + offset;
    finite = finite && std::isfinite(out.y[k]) && std::isfinite(out.p[k]);
  }
  require(finite, j, i,
          "NO P-Y CURVE IS DEFINED FOR ITS VALUES THERE; CHECK ITS UNIT WEIGHT, STRENGTH "
          "AND MODULUS VALUES");
  return out;
}

void CurveFrame::require(bool ok, int j, int i, const std::string& what) const {
  if (ok) return;
  const PyLayer& layer = m_.layers[j];
  const std::string depth = length_text(m_.h_exc + m_.xc[i], m_.units);
  throw PyInputError{layer_error(layer.input, layer.type, " AT DEPTH " + depth, what)};
}

void CurveFrame::write_side_heading(Side side) {
  if (side == Side::Excavation) {
    fwrite(report_, "(//9X,'AT THE EXCAVATION SIDE')");
  } else {
    fwrite(report_, "(//9X,'AT THE BACKFILL SIDE')");
  }
}

void CurveFrame::write_rows(const char* format, const CurvePoints& pts) {
  for (int k = 1; k <= 17; ++k) fwrite(report_, format, {pts.y[k], pts.p[k]});
}

void CurveFrame::write_multipliers(double pm, double ym) {
  fwrite(report_, "(/21X,' P-Multiplier = ',E10.3,' Y-Multiplier = ',E10.3)", {pm, ym});
}

void CurveFrame::store(Side side, const CurvePoints& pts) {
  GeneratedCurve& c = out_.back();
  const int first = side == Side::Excavation ? 0 : 17;
  for (int k = 1; k <= 17; ++k) {
    c.p[first + k] = round_trip_e(pts.p[k], 10, 3);
    c.y[first + k] = round_trip_e(pts.y[k], 10, 3);
  }
}

}  // namespace veldra::engine::py
