// The soil profile behind the wall: cuts at the excavation level and the water
// table, the layer limit, and the vertical stresses at the layer tops.
#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_profile.h"

#include <gtest/gtest.h>

#include <vector>

namespace veldra::engine::soil {
namespace {

InputLayer sand(double thickness, double gamma = 20.0, double phi = 32.0) {
  InputLayer l;
  l.thickness = thickness;
  l.gamma = gamma;
  l.phi = phi;
  l.drained = true;
  return l;
}

InputLayer clay(double thickness, double gamma, double c, double k_opt = 0.0) {
  InputLayer l;
  l.thickness = thickness;
  l.gamma = gamma;
  l.c = c;
  l.k_opt = k_opt;
  l.drained = false;
  return l;
}

std::vector<double> tops(const SoilProfile& p) {
  std::vector<double> out;
  for (const ProfileLayer& l : p.layers) out.push_back(l.z_top);
  return out;
}

struct CutCase {
  const char* name;
  double h_exc;
  double dwb;
  std::vector<double> tops;
  int exc;                   // layer index, -1 none
  int wt;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class SpecialDepthTest : public ::testing::TestWithParam<CutCase> {};

// Two sand layers, 3 and 7 thick: one boundary at 3, the bottom at 10.
TEST_P(SpecialDepthTest, CutsTheProfileWhereTheDepthFallsInsideALayer) {
  const CutCase& c = GetParam();
  const SoilProfile p = subdivide({sand(3.0), sand(7.0, 19.0, 36.0)}, c.h_exc, c.dwb, 1.0);
  EXPECT_FALSE(p.overflow);
  ASSERT_EQ(tops(p).size(), c.tops.size());
  for (std::size_t i = 0; i < c.tops.size(); ++i) EXPECT_DOUBLE_EQ(tops(p)[i], c.tops[i]) << i;
  EXPECT_EQ(p.exc, c.exc);
  EXPECT_EQ(p.wt, c.wt);
  EXPECT_DOUBLE_EQ(p.bottom(), 10.0);
  double total = 0.0;
  for (const ProfileLayer& l : p.layers) total += l.thickness;
  EXPECT_DOUBLE_EQ(total, 10.0);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, SpecialDepthTest,
    ::testing::Values(
        CutCase{"surface water and no excavation cut nothing", 0.0, 0.0, {0.0, 3.0}, 0, 0},
        CutCase{"water at the excavation level cuts once", 5.0, 5.0, {0.0, 3.0, 5.0}, 2, 2},
        CutCase{"water at a layer boundary cuts nothing", 5.0, 3.0, {0.0, 3.0, 5.0}, 2, 1},
        CutCase{"water inside a layer cuts it", 5.0, 1.5, {0.0, 1.5, 3.0, 5.0}, 3, 1},
        CutCase{"water below the profile marks no layer", 5.0, 20.0, {0.0, 3.0, 5.0}, 2, -1},
        CutCase{"excavation within the tolerance of a boundary", 3.0 + 5e-6, 20.0, {0.0, 3.0},
                1, -1},
        CutCase{"excavation at the bottom of the profile has no layer", 10.0, 20.0,
                {0.0, 3.0}, -1, -1}));

TEST(Subdivision, BothPartsOfACutLayerKeepItsProperties) {
  InputLayer silt = sand(4.0, 17.5, 28.0);
  silt.c = 12.0;
  silt.k_opt = 0.45;
  const SoilProfile p = subdivide({silt}, 3.0, 1.0, 0.8);
  ASSERT_EQ(p.layers.size(), 3u);
  for (const ProfileLayer& l : p.layers) {
    EXPECT_EQ(l.gamma, 17.5);
    EXPECT_EQ(l.phi, 28.0);
    EXPECT_EQ(l.c, 12.0);
    EXPECT_EQ(l.k_opt, 0.45);
    EXPECT_EQ(l.m, 0.8);
  }
  EXPECT_DOUBLE_EQ(p.layers[0].thickness, 1.0);
  EXPECT_DOUBLE_EQ(p.layers[1].thickness, 2.0);
  EXPECT_DOUBLE_EQ(p.layers[2].thickness, 1.0);
}

TEST(Subdivision, ALayerWithoutThicknessEndsTheProfile) {
  const SoilProfile p = subdivide({sand(2.0), sand(0.0), sand(5.0)}, 1.0, 50.0, 1.0);
  EXPECT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.bottom(), 2.0);
}

// Input layers of thickness 1 with cuts at 2.5 and 7.5: n input layers give n + 2.
TEST(Subdivision, TwentyOneLayersFitAndTheTwentySecondOverflows) {
  for (int n : {19, 20}) {
    const std::vector<InputLayer> input(static_cast<std::size_t>(n), sand(1.0));
    const SoilProfile p = subdivide(input, 2.5, 7.5, 1.0);
    const bool fits = n + 2 <= kMaxProfileLayers;
    EXPECT_EQ(p.overflow, !fits) << n;
    EXPECT_EQ(static_cast<int>(p.layers.size()), fits ? n + 2 : kMaxProfileLayers) << n;
  }
}

TEST(EffectiveStress, AboveTheWaterTableIsTheRunningSumOfTheLayerWeights) {
  SoilProfile p = subdivide({sand(2.0, 18.0), sand(3.0, 20.0), sand(4.0, 21.0)}, 4.0, 100.0, 1.0);
  effective_stress(p, 0.0, 100.0, kGammaWaterSI);
  ASSERT_EQ(p.layers.size(), 4u);
  EXPECT_DOUBLE_EQ(p.layers[0].sigma_v, 0.0);
  EXPECT_DOUBLE_EQ(p.layers[1].sigma_v, 36.0);
  EXPECT_DOUBLE_EQ(p.layers[2].sigma_v, 36.0 + 2.0 * 20.0);
  EXPECT_DOUBLE_EQ(p.layers[3].sigma_v, 36.0 + 3.0 * 20.0);
  for (const ProfileLayer& l : p.layers) EXPECT_FALSE(l.below_wt);
}

// Water at 1 inside a clay; a second clay with an optional coefficient below it.
TEST(EffectiveStress, BelowTheWaterTableAndBackToTotalForAnUndrainedCoefficient) {
  const double gw = kGammaWaterSI;
  SoilProfile p = subdivide({clay(2.0, 18.0, 30.0), clay(2.0, 18.0, 40.0, 0.5), sand(3.0, 20.0)},
                            5.0, 1.0, 1.0);
  ASSERT_EQ(tops(p), (std::vector<double>{0.0, 1.0, 2.0, 4.0, 5.0}));
  effective_stress(p, 10.0, 1.0, gw);
  const double effective[5] = {10.0, 28.0, 46.0 - gw, 82.0 - 3.0 * gw, 102.0 - 4.0 * gw};
  for (int l = 0; l < 5; ++l) EXPECT_NEAR(p.layers[l].sigma_v, effective[l], 1e-12) << l;
  EXPECT_FALSE(p.layers[0].below_wt);
  for (int l = 1; l < 5; ++l) EXPECT_TRUE(p.layers[l].below_wt) << l;

  restore_total_stress(p, 1.0, gw);
  EXPECT_NEAR(p.layers[2].sigma_v, 46.0, 1e-12);             // clay with K_opt: total
  EXPECT_NEAR(p.layers[3].sigma_v, 82.0 - 3.0 * gw, 1e-12);  // sand keeps effective
  EXPECT_NEAR(p.layers[1].sigma_v, 28.0, 1e-12);
}

TEST(InputLayers, RockCarriesNoOptionalCoefficient) {
  ProblemState st;
  st.nlay = 2;
  st.layers[1].type = 3;
  st.layers[1].thickness = 2.0;
  st.layers[1].top = {0, 19.0, 75.0, 0.0, 0.005, 500.0, 0.6};
  st.layers[2].type = 7;
  st.layers[2].thickness = 4.0;
  st.layers[2].top = {0, 22.0, 5000.0, 0.0, 0.0005, 1e5, 80.0};
  const std::vector<InputLayer> in = input_layers(st);
  ASSERT_EQ(in.size(), 2u);
  EXPECT_FALSE(in[0].drained);
  EXPECT_EQ(in[0].gamma, 19.0);
  EXPECT_EQ(in[0].c, 75.0);
  EXPECT_EQ(in[0].k_opt, 0.6);
  EXPECT_TRUE(in[1].drained);
  EXPECT_EQ(in[1].k_opt, 0.0);  // 80 is the RQD of weak rock
}

}  // namespace
}  // namespace veldra::engine::soil
