#include "engine/soil/surcharge.h"

#include "engine/format/fortran_format.h"
#include "engine/soil/soil_constants.h"

#include <cmath>

namespace veldra::engine::soil {
namespace {

double cube(double v) { return v * v * v; }

double point_pressure(double q, double m, double n, double h) {
  if (m <= kNearFarBreak) return kPointNear * q * n * n / (h * h * cube(kNearOffset + n * n));
  return kPointFar * q * m * m * n * n / (h * h * cube(m * m + n * n));
}

double line_pressure(double q, double m, double n, double h, SurchargeForm form) {
  if (m <= kNearFarBreak) {
    const double d = kNearOffset + n * n;
    return kLineNear * q * n / (h * d * d);
  }
  const double d = m * m + n * n;
  if (form == SurchargeForm::Resultant) return kLineFarResultant * q * m * m * n / (h * d * d);
  return kLineFarFactor * q * m * m * n / (kPi * h * d * d);
}

double strip_pressure(double q, double x, double width, double z, SurchargeForm form) {
  const double theta1 = std::atan((x + width / 2.0) / z);
  const double theta2 = std::atan((x - width / 2.0) / z);
  const double spread = theta1 - theta2;
  const double shape = spread - std::sin(spread) * std::cos(theta1 + theta2);
  if (form == SurchargeForm::Resultant) return kStripResultant * q * shape;
  return 2.0 * q * shape / kPi;
}

}  // namespace

double load_pressure_at(int kind, double magnitude, double x, double width, double z, double h,
                        SurchargeForm form) {
  const double m = x / h;
  const double n = z / h;
  switch (kind) {
    case 2: return line_pressure(magnitude, m, n, h, form);
    case 3: return strip_pressure(magnitude, x, width, z, form);
    default: return point_pressure(magnitude, m, n, h);
  }
}

bool surcharges_skipped(double free_height) { return !(free_height >= kMinHeightForSurcharge); }

double table_pressure(const Surcharges& s, double wall_length, double free_height, double depth) {
  if (s.count <= 0 || surcharges_skipped(free_height)) return 0.0;
  const double dz = wall_length / kSurchargeGridSlices;
  // The grid point just above the depth: the largest k with k·dz < depth.
  int k_above = 0;
  for (int k = 1; k <= kSurchargeGridSlices; ++k) {
    if (k * dz < depth) k_above = k;
  }
  if (k_above == 0) return 0.0;
  const double z = k_above * dz;
  double sigma = 0.0;
  for (int r = 1; r <= s.count && r <= kMaxSurcharges; ++r) {
    const SurchargeRow& row = s.rows[r];
    sigma += load_pressure_at(row.type, row.magnitude, row.x, row.width, z, free_height,
                              SurchargeForm::Distribution);
  }
  return sigma;
}

void load_last_row_into_slots(Surcharges& s) {
  for (int r = 1; r <= s.count && r <= kMaxSurcharges; ++r) {
    const SurchargeRow& row = s.rows[r];
    switch (row.type) {
      case 1:
        s.point_load = row.magnitude;
        s.line_load = 0.0;
        s.strip_load = 0.0;
        s.single_distance = row.x;
        break;
      case 2:
        s.line_load = row.magnitude;
        s.point_load = 0.0;
        s.strip_load = 0.0;
        s.single_distance = row.x;
        break;
      case 3:
        s.strip_load = row.magnitude;
        s.point_load = 0.0;
        s.line_load = 0.0;
        s.single_distance = row.x;
        s.strip_width = row.width;
        break;
      default: break;
    }
  }
}

double layer_resultant(const Surcharges& s, double free_height, double z_top, double t) {
  if (surcharges_skipped(free_height)) return 0.0;
  const struct {
    int kind;
    double magnitude;
  } loads[3] = {{1, s.point_load}, {2, s.line_load}, {3, s.strip_load}};
  const double dz = t / kResultantSlices;
  double resultant = 0.0;
  for (const auto& load : loads) {
    if (!(load.magnitude > kSurchargeMagnitudeMin)) continue;
    for (int k = 1; k <= kResultantSlices; ++k) {
      const double z = z_top + k * dz;
      resultant += dz * load_pressure_at(load.kind, load.magnitude, s.single_distance,
                                         s.strip_width, z, free_height, SurchargeForm::Resultant);
    }
  }
  return resultant;
}

void write_surcharges_skipped(std::ostream& report) {
  fwrite(report,
         "(/,6X,'**** WARNING ******',/,"
         "6X,'THE FREE HEIGHT OF THE WALL IS BELOW 1.0E-06: THE SURCHARGE LOADS ARE NOT APPLIED.')");
}

}  // namespace veldra::engine::soil

namespace veldra::engine {

double surchg(ProblemState& st, double depth) {
  st.surcharge_pressure =
      soil::table_pressure(st.surcharges, st.wall_length, st.wall.hfree, depth);
  return st.surcharge_pressure;
}

}  // namespace veldra::engine
