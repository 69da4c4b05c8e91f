// The frictional ultimate resistance shared by the sand and silt curves and by the
// equivalent depth of sand and silt layers: the earth-pressure coefficients of the
// curve, the wedge and flow-around resistances, and the passive coefficient of a
// continuous wall.
#ifndef VELDRA_ENGINE_PY_FRICTIONAL_RESISTANCE_H
#define VELDRA_ENGINE_PY_FRICTIONAL_RESISTANCE_H

namespace veldra::engine::py {

struct FrictionCoefficients {
  double phi = 0.0;          // friction angle, radians
  double alpha = 0.0;        // φ/2
  double beta = 0.0;         // π/4 + φ/2
  double ka = 0.0;           // tan²(π/4 − φ/2)
  double kp = 0.0;           // tan²(π/4 + φ/2)
  double k0 = 0.0;           // 0.4
};

// `pi` is the π of the method: 3.1416 as a float for sand, 4·atan(1) for silt.
FrictionCoefficients friction_coefficients(double phi, double pi);

struct FrictionalResistance {
  double wedge = 0.0;        // ps_t, the wedge near the surface
  double flow = 0.0;         // ps_d, flow around the element at depth
  double ps = 0.0;           // the smaller of the two
};

// At depth x below the surface, with mean effective unit weight gamma and width b.
FrictionalResistance frictional_resistance(const FrictionCoefficients& k, double gamma,
                                           double x, double b);

// Passive coefficient of a vertical wall with wall friction δ (radians), for walls
// whose elements stand closer than 1.1 widths.
double continuous_wall_kp(double phi, double delta);

}  // namespace veldra::engine::py

#endif
