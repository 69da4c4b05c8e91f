#include "engine/soil/soil_profile.h"

#include "engine/soil/soil_constants.h"

#include <algorithm>
#include <cmath>

namespace veldra::engine::soil {

std::vector<InputLayer> input_layers(const ProblemState& st) {
  std::vector<InputLayer> out;
  for (int l = 1; l <= st.nlay && l <= kMaxSoilLayers; ++l) {
    const SoilLayerInput& in = st.layers[l];
    InputLayer layer;
    layer.thickness = in.thickness;
    layer.gamma = in.top[1];
    layer.c = in.top[2];
    layer.phi = in.top[3];
    layer.drained = in.type >= 4;
    // The sixth value of rock is not a coefficient (RQD of weak rock).
    layer.k_opt = (in.type == 6 || in.type == 7) ? 0.0 : in.top[6];
    out.push_back(layer);
  }
  return out;
}

namespace {

// The depths at which layers are cut, ascending and distinct within the tolerance.
// A depth at or above the surface cuts nothing.
std::vector<double> special_depths(double h_exc, double dwb) {
  double z[3] = {dwb, h_exc, h_exc};
  std::sort(std::begin(z), std::end(z));
  std::vector<double> out;
  for (double d : z) {
    if (!out.empty() && std::fabs(d - out.back()) < kDepthTolerance) continue;
    out.push_back(d);
  }
  while (!out.empty() && out.front() < kDepthTolerance) out.erase(out.begin());
  return out;
}

ProfileLayer from_input(const InputLayer& in, double z_top, double m) {
  ProfileLayer p;
  p.thickness = in.thickness;
  p.z_top = z_top;
  p.c = in.c;
  p.phi = in.phi;
  p.gamma = in.gamma;
  p.k_opt = in.k_opt;
  p.m = m;
  p.drained = in.drained;
  return p;
}

}  // namespace

SoilProfile subdivide(const std::vector<InputLayer>& input, double h_exc, double dwb, double m) {
  SoilProfile prof;
  std::vector<double> special = special_depths(h_exc, dwb);
  std::size_t k = 0;
  double z_top = 0.0;
  for (const InputLayer& in : input) {
    if (!(in.thickness > 0.0)) break;
    if (static_cast<int>(prof.layers.size()) >= kMaxProfileLayers) {
      prof.overflow = true;
      break;
    }
    prof.layers.push_back(from_input(in, z_top, m));
    const double z_bot = z_top + in.thickness;
    while (k < special.size()) {
      if (std::fabs(z_bot - special[k]) < kDepthTolerance) {
        special[k] = z_bot;  // a boundary already: nothing to cut
        ++k;
        continue;
      }
      if (z_bot <= special[k]) break;
      if (static_cast<int>(prof.layers.size()) >= kMaxProfileLayers) {
        prof.overflow = true;
        break;
      }
      // The special depth lies inside: the lower part becomes a layer of its own.
      ProfileLayer lower = prof.layers.back();
      prof.layers.back().thickness = special[k] - prof.layers.back().z_top;
      lower.thickness = z_bot - special[k];
      lower.z_top = special[k];
      prof.layers.push_back(lower);
      ++k;
    }
    if (prof.overflow) break;
    z_top = z_bot;
  }
  for (std::size_t l = 0; l < prof.layers.size(); ++l) {
    const double z = prof.layers[l].z_top;
    if (std::fabs(z - h_exc) <= kDepthTolerance) prof.exc = static_cast<int>(l);
    if (std::fabs(z - dwb) <= kDepthTolerance) prof.wt = static_cast<int>(l);
  }
  return prof;
}

void effective_stress(SoilProfile& profile, double q, double dwb, double gw) {
  std::vector<ProfileLayer>& ls = profile.layers;
  for (std::size_t l = 0; l < ls.size(); ++l) {
    ls[l].below_wt = std::fabs(ls[l].z_top - dwb) < kDepthTolerance || ls[l].z_top > dwb;
    ls[l].sigma_v = l == 0 ? q : ls[l - 1].sigma_v + ls[l - 1].thickness * ls[l - 1].gamma;
  }
  // Total stresses first, all of them: each layer's total builds on the one above.
  for (ProfileLayer& layer : ls) {
    if (layer.below_wt) layer.sigma_v -= (layer.z_top - dwb) * gw;
  }
}

void restore_total_stress(SoilProfile& profile, double dwb, double gw) {
  for (ProfileLayer& layer : profile.layers) {
    if (!layer.drained && layer.below_wt && layer.k_opt > kOptionalCoefficientMin) {
      layer.sigma_v += (layer.z_top - dwb) * gw;
    }
  }
}

}  // namespace veldra::engine::soil
