// The layered soil profile behind the wall, subdivided at the excavation level and
// at the backfill water table, and the vertical stress at the top of every layer.
//
// Depths are measured downward from the top of the wall (the backfill surface), in
// the internal length unit of the problem; stresses in its force per length².
#ifndef VELDRA_ENGINE_SOIL_SOIL_PROFILE_H
#define VELDRA_ENGINE_SOIL_SOIL_PROFILE_H

#include "engine/state/problem_state.h"

#include <vector>

namespace veldra::engine::soil {

// One input layer as the earth-pressure methods see it: only the values at its top.
struct InputLayer {
  double thickness = 0.0;
  double c = 0.0;            // cohesion or undrained strength
  double phi = 0.0;          // friction angle, degrees
  double gamma = 0.0;        // total unit weight
  double k_opt = 0.0;        // optional earth-pressure coefficient (0: none)
  bool drained = true;       // sand, silt and rock
};

// A layer of the subdivided profile.
struct ProfileLayer {
  double thickness = 0.0;
  double z_top = 0.0;
  double c = 0.0;
  double phi = 0.0;
  double gamma = 0.0;
  double k_opt = 0.0;
  double m = 1.0;            // modification factor for active earth pressure
  bool drained = true;
  bool below_wt = false;     // the top is at or below the backfill water table
  double sigma_v = 0.0;      // vertical stress at the top
};

struct SoilProfile {
  std::vector<ProfileLayer> layers;  // layers[0] is layer 1 of the report
  bool overflow = false;     // more than kMaxProfileLayers layers were needed
  int exc = -1;              // index of the layer whose top is the excavation level
  int wt = -1;               // index of the layer whose top is the water table

  // Depth of the bottom of the last layer (0 for an empty profile).
  double bottom() const {
    return layers.empty() ? 0.0 : layers.back().z_top + layers.back().thickness;
  }
};

// The input layers of the problem (st.layers[1..st.nlay]): top values of unit
// weight, strength, friction angle and optional coefficient; rock carries no
// optional coefficient.
std::vector<InputLayer> input_layers(const ProblemState& st);

// SUBDIV: copies the input layers from the top, stopping at the first layer of
// non-positive thickness, and cuts a layer wherever the excavation level h_exc or
// the water table dwb lies inside it (a depth within the 1e-5 tolerance of a layer
// boundary or of the surface cuts nothing). Every layer gets the modification
// factor m. Sets exc and wt by matching layer tops. Stops with overflow set when a
// layer would be the 22nd.
SoilProfile subdivide(const std::vector<InputLayer>& input, double h_exc, double dwb, double m);

// START, first half: the below-water flags and the effective vertical stress at the
// top of every layer (q at the surface, total unit weights, less the pore pressure
// below the water table dwb with unit weight gw).
void effective_stress(SoilProfile& profile, double q, double dwb, double gw);

// Undrained layers below the water table with an optional coefficient go back to
// total stress: their pressure is given as a total-stress coefficient.
void restore_total_stress(SoilProfile& profile, double dwb, double gw);

}  // namespace veldra::engine::soil

#endif
