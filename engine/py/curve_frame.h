// The frame every p-y generator shares: the two sides of a curve, the multipliers
// and the offset applied to its points, the check that a curve is defined, the
// printed rows and the hand-over of the points to the driver.
#ifndef VELDRA_ENGINE_PY_CURVE_FRAME_H
#define VELDRA_ENGINE_PY_CURVE_FRAME_H

#include "engine/py/generated_curve.h"
#include "engine/py/py_model.h"
#include "engine/py/soil_lookups.h"
#include "engine/state/unit_labels.h"

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace veldra::engine::py {

// The 17 points of one side of a curve, 1-based (element 0 unused).
struct CurvePoints {
  std::array<double, 18> y{};
  std::array<double, 18> p{};
};

// The excavation side's surface is the excavation level, the backfill side's the
// top of the wall.
enum class Side { Excavation, Backfill };

class CurveFrame {
 public:
  // All references must outlive the frame; generated curves are appended to `out`.
  CurveFrame(PyModel& m, const UnitLabels& labels, std::ostream& report,
             std::ostream& console, std::vector<GeneratedCurve>& out);

  PyModel& model() { return m_; }
  const SoilLookups& lookups() const { return lookups_; }
  std::ostream& report() { return report_; }
  std::ostream& console() { return console_; }
  const UnitLabels& labels() const { return labels_; }

  // x_s: the depth of curve i below the surface of the side.
  double depth(int i, Side side) const;
  // The multipliers at the depth of curve i below the top of the wall.
  double pm(int i) const;
  double ym(int i) const;

  // Starts the hand-over of curve i (its depth below the top of the wall).
  void begin_curve(int i);

  // The points as handed on: y' = ym·y, p' = pm·p − Δp on the excavation side and
  // pm·p + Δp on the backfill side. Throws PyInputError naming layer j when a point
  // is not a finite number, before anything of the side is printed.
  CurvePoints hand_on(const CurvePoints& raw, double pm, double ym, double dp, Side side,
                      int j, int i) const;

  // When `ok` is false (the curve would not be defined) throws PyInputError, whose
  // message names layer j, its type, the depth of curve i below the top of the wall
  // (as the data file gives depths) and `what` to correct; PYDATA ends the run with it.
  void require(bool ok, int j, int i, const std::string& what) const;

  void write_side_heading(Side side);
  // The 17 rows y', p' in the type's row layout.
  void write_rows(const char* format, const CurvePoints& pts);
  void write_multipliers(double pm, double ym);

  // The side's 17 records of the current curve, each as its E10.3 record carries it.
  void store(Side side, const CurvePoints& pts);

 private:
  PyModel& m_;
  const UnitLabels& labels_;
  std::ostream& report_;
  std::ostream& console_;
  SoilLookups lookups_;
  std::vector<GeneratedCurve>& out_;
};

}  // namespace veldra::engine::py

#endif
