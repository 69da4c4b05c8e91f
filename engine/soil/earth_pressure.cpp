#include "engine/soil/earth_pressure.h"

#include "engine/soil/soil_constants.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::soil {

LayerForces::LayerForces()
    : z1(kNoResultantDepth), z2(kNoResultantDepth), z3(kNoTensionDepth) {}

std::vector<Coefficients> coefficients(const SoilProfile& profile, double beta, double h_exc) {
  std::vector<Coefficients> out;
  for (const ProfileLayer& layer : profile.layers) {
    Coefficients k;
    const double phi = layer.phi;
    k.sqrt_ka = std::tan((45.0 - phi / 2.0) / kDegPerRad);
    k.ka = k.sqrt_ka * k.sqrt_ka;
    if (std::fabs(beta) > 0.0) {
      const double b = beta / kDegPerRad;
      const double p = phi / kDegPerRad;
      const double cb = std::cos(b);
      const double d = cb * cb - std::cos(p) * std::cos(p);
      // Beyond 90° the cosines no longer order the angles: such a friction angle
      // gets the level-ground value like a slope that is too steep.
      if (std::fabs(beta) < phi && d >= 0.0 && cb > 0.0) {
        k.ka = cb * (cb - std::sqrt(d)) / (cb + std::sqrt(d));
        k.sqrt_ka = std::sqrt(k.ka);
      } else if (layer.z_top < h_exc) {
        k.slope_warning = true;
      }
    }
    const double sqrt_kp = std::tan((45.0 + phi / 2.0) / kDegPerRad);
    k.kp = sqrt_kp * sqrt_kp;
    k.ka_printed = k.ka;
    if (layer.k_opt > kOptionalCoefficientMin) {
      k.ka = layer.k_opt;
      k.sqrt_ka = 0.0;
    }
    out.push_back(k);
  }
  return out;
}

ForceSummary layer_forces(const SoilProfile& profile, const std::vector<Coefficients>& k,
                          double dwb, double gw, int config_code,
                          const std::function<double(int)>& surcharge_resultant) {
  const std::vector<ProfileLayer>& ls = profile.layers;
  ForceSummary sum;
  sum.layers.assign(ls.size(), LayerForces{});
  sum.water_switch = config_code;
  const int exc = profile.exc;
  for (int l = 0; l < exc; ++l) {
    const ProfileLayer& s = ls[static_cast<std::size_t>(l)];
    const Coefficients& c = k[static_cast<std::size_t>(l)];
    LayerForces& f = sum.layers[static_cast<std::size_t>(l)];
    const double t = s.thickness;
    f.pa1 = s.sigma_v * c.ka * t * s.m + surcharge_resultant(l);
    const double gamma = (s.drained && s.below_wt) ? s.gamma - gw : s.gamma;
    f.pa2 = t * t * gamma * 0.5 * c.ka * s.m;
    f.pa3 = -(s.c * 2.0 * c.sqrt_ka * t * s.m);
    f.z1 = s.z_top + t / 2.0;
    f.z2 = s.z_top + 2.0 * t / 3.0;
    if (f.pa1 + f.pa3 < 0.0) {
      // Tension at the top: only the part below the depth of zero pressure pushes.
      const ProfileLayer& next = ls[static_cast<std::size_t>(l) + 1];
      f.pa1 = f.pa2 = f.pa3 = 0.0;
      const double a = 2.0 * s.c * c.sqrt_ka - s.sigma_v * c.ka;
      const double b = next.sigma_v * c.ka - 2.0 * s.c * c.sqrt_ka;
      if (b + a != 0.0) {
        f.zc = b * t / (b + a);
      } else {
        // The stress does not grow within the layer: no compression zone.
        f.zc = 0.0;
        f.no_compression_zone = true;
      }
      f.pa4 = b <= 0.0 ? 0.0 : s.m * f.zc * b / 2.0;
      f.z3 = next.z_top - f.zc / 3.0;
    }
  }
  if (profile.wt >= 0 && profile.wt <= exc - 1) {
    sum.water_section = true;
    for (int l = profile.wt; l < exc; ++l) {
      const ProfileLayer& s = ls[static_cast<std::size_t>(l)];
      LayerForces& f = sum.layers[static_cast<std::size_t>(l)];
      sum.water_switch = 1;
      if (!s.drained) continue;
      f.pw1 = -(s.z_top - dwb) * gw * s.thickness;
      f.pw2 = -s.thickness * s.thickness * gw / 2.0;
      f.water_row = true;
    }
  }
  for (int l = 0; l < exc; ++l) {
    const LayerForces& f = sum.layers[static_cast<std::size_t>(l)];
    sum.net += f.pa1 + f.pa2 + f.pa3 + f.pa4 - f.pw1 - f.pw2;
  }
  return sum;
}

namespace {

double points_per_length(bool si) { return si ? kPointsPerMetre : 1.0; }

}  // namespace

double announced_count(const SoilProfile& profile, bool si, double wall_length) {
  const double s = points_per_length(si);
  double n = 1.0;
  const std::size_t ne = profile.layers.size();
  for (std::size_t l = 0; l < ne; ++l) {
    const ProfileLayer& layer = profile.layers[l];
    // The last layer counts only down to the tip of the wall.
    const double t = l + 1 == ne ? wall_length - layer.z_top : layer.thickness;
    n += std::round(t * s);
  }
  return n;
}

Distribution distribution(const SoilProfile& profile, const std::vector<Coefficients>& k,
                          const DistributionInput& in, int max_points) {
  const std::vector<ProfileLayer>& ls = profile.layers;
  Distribution d;
  d.j_exc = 1;
  if (ls.empty() || max_points < 1) return d;
  const double s = points_per_length(in.si);

  const ProfileLayer& top = ls.front();
  PressurePoint first;
  first.p = k.front().ka * top.sigma_v * top.m;
  first.p3 = top.sigma_v > 0.0 ? first.p : 0.0;
  d.points.push_back(first);
  d.shown.push_back(first);

  const int exc = profile.exc;
  const double sigma_exc = exc >= 0 ? ls[static_cast<std::size_t>(exc)].sigma_v : 0.0;
  double uw = 0.0;      // water pressure on the excavation side
  double p_prev = 0.0;
  for (int l = 0; l < static_cast<int>(ls.size()); ++l) {
    const ProfileLayer& layer = ls[static_cast<std::size_t>(l)];
    const Coefficients& c = k[static_cast<std::size_t>(l)];
    const bool above = l < exc;
    const double gamma = (layer.drained && layer.below_wt) ? layer.gamma - in.gw : layer.gamma;
    const double gw_l =
        (layer.below_wt && layer.drained && in.water_switch == 1) ? in.gw : 0.0;
    const double cohesion = 2.0 * layer.c * c.sqrt_ka * layer.m;
    const double water = (layer.z_top - in.dwb) * gw_l * layer.m;
    // Below the excavation level the pressure stays at its value there.
    const double slope = above ? 0.5 * gw_l + 0.5 * gamma * c.ka * layer.m : 0.0;
    const double p0 = above ? water + layer.sigma_v * c.ka * layer.m - cohesion
                            : water + sigma_exc * c.ka * layer.m - cohesion;
    // The share of the uniform surface pressure, booked as surcharge.
    double pc = top.sigma_v * c.ka * layer.m - cohesion;
    if (top.sigma_v < kSurfacePressureMin || pc < 0.0) pc = 0.0;

    // Where the backfill water loads the layer, the points below the excavation
    // level are shown with the net of the two water tables at the point.
    const bool net_water_shown = !above && gw_l != 0.0;
    const double soil_below = sigma_exc * c.ka * layer.m - cohesion;

    const double steps = std::round(layer.thickness * s);
    for (double kk = 1.0; kk <= steps; kk += 1.0) {
      if (static_cast<int>(d.points.size()) >= max_points) return d;
      const int j = static_cast<int>(d.points.size()) + 1;
      const double z = kk * layer.thickness / steps;
      PressurePoint pt;
      pt.x = layer.z_top + z;
      pt.p = pt.p2 = 2.0 * slope * z + p0;
      const double sigma_s = in.surcharge(pt.x);
      pt.p3 = sigma_s * layer.m;
      pt.p += sigma_s * layer.m;
      if (in.dwe < pt.x && pt.x < in.h_exc) {
        uw = (pt.x - in.dwe) * in.gw;
      } else if (pt.x > in.h_exc) {
        uw = 0.0;
        if (pt.x > in.dwe) uw = (in.dwb - in.dwe) * in.gw;
      }
      if (layer.below_wt) {
        pt.p -= uw * layer.m;
        pt.p2 -= uw * layer.m;
      }
      PressurePoint shown = pt;
      if (net_water_shown) {
        // γw·(head on the backfill side − head on the excavation side) at X(j)
        const double net = in.gw * (std::max(0.0, pt.x - in.dwb) - std::max(0.0, pt.x - in.dwe));
        shown.p2 = soil_below + net * layer.m;
        shown.p = shown.p2 + shown.p3;
      }
      for (PressurePoint* q : {&pt, &shown}) {
        if (q->p < kPressureFloor) q->p = j * kPressureFloorStep;
        if (q->p2 < kPressureFloor) q->p2 = j * kPressureFloorStep;
      }
      if (above) d.active_force += in.si ? (p_prev + pt.p) / 2.0 / kPointsPerMetre
                                         : (p_prev + pt.p) / 2.0;
      p_prev = pt.p;
      for (PressurePoint* q : {&pt, &shown}) {
        q->p3 += pc;
        q->p2 -= pc;
      }
      d.points.push_back(pt);
      d.shown.push_back(shown);
    }
    if (above) d.j_exc = static_cast<int>(d.points.size());
  }
  return d;
}

bool apply_envelope(Distribution& d, double h_exc, double d1, double d2, int nsup) {
  if (nsup < 1) return false;
  if (d.j_exc < 2) return true;  // nothing lies above the excavation level
  const double a = 2.0 * d1 / 3.0;
  double b = h_exc / 3.0;
  double c = 2.0 * (h_exc - d1) / 3.0;
  double denominator = 2.0 * h_exc;
  double p_max = 0.0;
  if (nsup > 1) {
    c = 2.0 * (h_exc - d2) / 3.0;
    b = h_exc - a - c;
    // The rise and fall are divided by 3, not 2: the area is kept as it always was.
    denominator = h_exc - (c + a) / 3.0;
    p_max = kEnvelopeFactor * d.active_force / denominator;
  } else {
    p_max = kEnvelopeFactor * d.active_force * 3.0 / (2.0 * h_exc);
  }
  if (!(denominator > 0.0) || !std::isfinite(p_max)) return false;
  for (std::vector<PressurePoint>* points : {&d.points, &d.shown}) {
    const int last = std::min(d.j_exc, static_cast<int>(points->size()));
    for (int j = 2; j <= last; ++j) {
      PressurePoint& pt = (*points)[static_cast<std::size_t>(j - 1)];
      const double x = pt.x;
      if (x < a) {
        pt.p = p_max * x / a;
      } else if (x <= a + b) {
        pt.p = p_max;
      } else if (c > 0.0) {
        pt.p = p_max - (x - (a + b)) * p_max / c;
      } else {
        pt.p = p_max;  // a last support at the excavation level leaves no fall
      }
    }
  }
  return true;
}

}  // namespace veldra::engine::soil
