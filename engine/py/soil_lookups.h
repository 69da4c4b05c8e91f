// The soil properties the p-y generators read at the depth of a curve, from the
// profiles of the p-y model, and the factor tables As, A and B.
//
// x is a depth below the excavation level in internal units. Look-ups beyond the
// profiles end the run as the methods always have: GAMAVG with stop code 4 and no
// message, CINTP with a console warning and stop code 1, PHINTP with a console
// warning and no code (SoilModelStop thrown); CAVGL warns in the report and goes on.
#ifndef VELDRA_ENGINE_PY_SOIL_LOOKUPS_H
#define VELDRA_ENGINE_PY_SOIL_LOOKUPS_H

#include "engine/py/py_model.h"

#include <array>
#include <cstddef>
#include <iosfwd>

namespace veldra::engine::py {

class SoilLookups {
 public:
  // The streams receive the warnings; all three objects must outlive the look-ups.
  SoilLookups(const PyModel& m, std::ostream& report, std::ostream& console)
      : m_(m), report_(report), console_(console) {}

  double width() const;                    // WIDTH: the curve width b = Wp
  double gamavg(double x) const;           // mean effective unit weight from 0 to x
  double cintp(double x) const;            // slot 2 at x; the lower layer's at a boundary
  double cavgl(double x, int j) const;     // mean of slot 2 at the top of layer j and at x
  double phintp(double x) const;           // friction angle at x, radians
  double e50intp(double x) const;          // slot 4 at x (ε50, or krm of weak rock)
  double p6intp(double x) const;           // slot 6 at x (RQD of weak rock)
  double astab(double x) const;            // As at x/b
  double atab(double x) const;             // A at x/b
  double btab(double x) const;             // B at x/b

 private:
  enum class AtBoundary { Lower, Mean };
  double interpolate(double x, double StrengthPoint::*field, AtBoundary rule,
                     bool* beyond) const;

  const PyModel& m_;
  std::ostream& report_;
  std::ostream& console_;
};

// Linear interpolation in a factor table at the ratio t: between the first point
// whose ratio exceeds t and the one before (the last two beyond the table).
template <std::size_t N>
double factor_table(const std::array<double, N>& ratios, const std::array<double, N>& values,
                    double t) {
  std::size_t i = 1;
  while (i < N - 1 && !(t < ratios[i])) ++i;
  return values[i - 1] + (t - ratios[i - 1]) * (values[i] - values[i - 1]) /
                             (ratios[i] - ratios[i - 1]);
}

}  // namespace veldra::engine::py

#endif
