// Lateral pressure on the wall from loads standing on the backfill surface: point
// loads, line loads and strip loads parallel to the wall (modified Boussinesq
// solutions in the form used for retaining walls, break at m = 0.4).
//
// Pressures are per unit width of wall (force per length²); depths below the top
// of the wall and distances from the wall in the internal length unit.
#ifndef VELDRA_ENGINE_SOIL_SURCHARGE_H
#define VELDRA_ENGINE_SOIL_SURCHARGE_H

#include "engine/state/problem_state.h"

#include <iosfwd>

namespace veldra::engine::soil {

// The pressure distribution samples its loads with 4/π and 2/π; the per-layer
// resultant has always used the rounded factors 1.273 and 0.6366.
enum class SurchargeForm { Distribution, Resultant };

// Lateral pressure at depth z > 0 from one load: kind 2 a line load (force per
// length), 3 a strip load (force per area) of width `width` centred at distance x,
// any other kind a point load (force). h is the free height of the wall (> 0).
double load_pressure_at(int kind, double magnitude, double x, double width, double z, double h,
                        SurchargeForm form);

// True when the free height is too small for the surcharge solutions (below 1e-6,
// or not a number): the surcharges are then skipped.
bool surcharges_skipped(double free_height);

// The lateral pressure from all rows of the surcharge table at depth `depth`, each
// row sampled on a grid of 200 slices over the wall length and taken from the grid
// point just above the depth (0 at or above the first grid point). 0 without rows
// or when the free height skips the surcharges.
double table_pressure(const Surcharges& s, double wall_length, double free_height, double depth);

// The single-surcharge slots take each table row in turn, so that they end holding
// the last point, line or strip row (rows of other kinds leave them alone).
void load_last_row_into_slots(Surcharges& s);

// Resultant over a layer (top z_top, thickness t) of the loads in the single-
// surcharge slots whose magnitude exceeds 1e-4: 10 slices, each taking the pressure
// at its bottom. 0 when the free height skips the surcharges.
double layer_resultant(const Surcharges& s, double free_height, double z_top, double t);

// The report line that tells the surcharges were skipped.
void write_surcharges_skipped(std::ostream& report);

}  // namespace veldra::engine::soil

namespace veldra::engine {

// SURCHG: the lateral pressure from the surcharge table at a depth below the top of
// the wall, per unit width. Also left in st.surcharge_pressure.
double surchg(ProblemState& st, double depth);

}  // namespace veldra::engine

#endif
