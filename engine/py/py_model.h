// What the p-y setup builds from the soil layers of a problem and the generators
// read: the p-y layers below the excavation level, the depth profiles of effective
// unit weight and of strength, and the curve depths.
//
// Depths are below the excavation level unless stated; lengths and forces are in the
// internal units of the problem (inches and pounds, or metres and kilonewtons).
// Every list is 1-based (element 0 is an unused placeholder), so that the index
// arithmetic of the methods (points 2K-1 and 2K of layer K) reads as written.
#ifndef VELDRA_ENGINE_PY_PY_MODEL_H
#define VELDRA_ENGINE_PY_PY_MODEL_H

#include "engine/state/problem_state.h"

#include <vector>

namespace veldra::engine::py {

struct PyLayer {
  double zt = 0.0;           // top depth
  double zb = 0.0;           // bottom depth (cut at the deepest curve depth)
  int type = 1;              // soil type code
  int input = 0;             // the input soil layer it comes from (for messages)
  double k = 0.0;            // slot-5 value at the top of the input layer
  int l1 = 0;                // first curve of the layer; 0 when it holds none
  int l2 = 0;                // last curve of the layer
  double cumpu = 0.0;        // integral of the ultimate resistance over the layer
  double xeq = 0.0;          // equivalent depth of the layer top
};

struct UnitWeightPoint {
  double x = 0.0;
  double gamma = 0.0;        // effective unit weight
};

struct StrengthPoint {
  double x = 0.0;
  double c = 0.0;            // slot 2: cohesion, undrained or compressive strength
  double phi = 0.0;          // slot 3: friction angle (radians once the curves are placed)
  double e50 = 0.0;          // slot 4: ε50, or krm of weak rock
  double p6 = 0.0;           // slot 6: RQD of weak rock
};

struct PyModel {
  int units = 1;             // units code of the problem
  double h_exc = 0.0;        // H, depth of the excavation level below the top of the wall
  double wa = 0.0;           // width for earth pressure
  double b = 0.0;            // width for soil resistance Wp: the width of every curve
  double r = 1.0;            // Wa/Wp, raised to 1
  double water = 0.0;        // depth of the backfill water table below the top of the wall
  double gamma_w = 0.0;      // unit weight of water
  double inset = 0.0;        // δc, curve inset from the layer boundaries
  double lmax = 0.0;         // deepest depth for which curves are needed
  double sigma_exc = 0.0;    // effective vertical stress at the excavation level

  std::vector<PyModification> mods{PyModification{}};  // reduction-factor table
  std::vector<PyLayer> layers{PyLayer{}};
  std::vector<UnitWeightPoint> w{UnitWeightPoint{}};
  std::vector<StrengthPoint> s{StrengthPoint{}};
  std::vector<double> xc{0.0};                         // curve depths, increasing

  int npyl() const { return static_cast<int>(layers.size()) - 1; }
  int nw() const { return static_cast<int>(w.size()) - 1; }
  int ns() const { return static_cast<int>(s.size()) - 1; }
  int nc() const { return static_cast<int>(xc.size()) - 1; }
  int nmods() const { return static_cast<int>(mods.size()) - 1; }
};

}  // namespace veldra::engine::py

#endif
