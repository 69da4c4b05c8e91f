// The offset Δp by which a generated curve is lowered on the excavation side and
// raised on the backfill side: the lateral stress of the overburden σ'exc at the
// excavation level (0 when the earth pressure is not generated), over the width b.
#ifndef VELDRA_ENGINE_PY_OFFSETS_H
#define VELDRA_ENGINE_PY_OFFSETS_H

namespace veldra::engine::py {

// Clays: σ'exc·b − 2·c·b, or 0 when that is not above 1e-10.
double clay_offset(double sigma_exc, double c, double b);
// Sand: σ'exc·Ka·b, or 0 below 1e-5.
double sand_offset(double sigma_exc, double ka, double b);
// Silt: σ'exc·Ka·b − 2·c·√Ka·b, or 0 below 1e-5.
double silt_offset(double sigma_exc, double ka, double c, double b);

}  // namespace veldra::engine::py

#endif
