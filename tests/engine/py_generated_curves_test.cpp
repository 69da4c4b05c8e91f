// Generated curves checked against values worked out by hand from the formulas of
// each soil type, through the whole p-y setup: layers, look-ups, curve shape,
// multipliers, offsets, the printed rows and the hand-over records.
#include "engine/format/fortran_format.h"
#include "tests/engine/py_test_problem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace veldra::test {
namespace {

using engine::round_trip_e;

struct HandPoint {
  int k;                     // point 1 to 17
  double y;
  double p;
};

struct HandCurve {
  const char* name;
  int type;
  Slots soil;                // uniform over the layer
  int block;                 // printed block: 4 = curve 3 excavation side, 5 its backfill side
  double rel_tol;            // of the printed rows: F20.5 rows are near exact, E20.3 rows 3 digits
  std::vector<HandPoint> points;
};

void PrintTo(const HandCurve& c, std::ostream* os) { *os << c.name; }

// Every case: one layer from the excavation level (120 in) down to 220 in, so the
// third curve lies at 50 in below the excavation level (x = 50 on the excavation
// side, 170 on the backfill side); b = Wp = 24 in, Wa/Wp = 4 (multipliers 1), dry,
// no generated earth pressure (no offset). Decimal constants of the methods are
// taken as the single-precision values they are (0.055 is 0.0549999997, ...).
const std::vector<HandCurve> kHandCurves = {
    // Soft clay, c = 3.4722 psi, γ = 0.02 pci, ε50 = 0.02, x = 50:
    // Np = 3 + 0.02·50/3.4722 + 0.5·50/24 = 3 + 0.28800 + 1.04167 = 4.32967;
    // pu = Np·c·b = 4.32967·3.4722·24 = 360.803; y50 = 2.5·0.02·24 = 1.2.
    // k = 5: y = 8·1.2·0.02 = 0.192, p = 0.5·360.803·(0.192/1.2)^(1/3) = 97.937.
    // k = 9: y = 9.6·0.15 = 1.44, p = 180.402·1.2^(1/3) = 191.705.
    // k = 17: y = 9.6·1.2 = 11.52 beyond 8·y50: p = pu.
    {"SoftClay", 1, {0.02, 3.4722, 0, 0.02, 0, 0}, 4, 2e-6,
     {{1, 0.0, 0.0}, {5, 0.192, 97.9371}, {9, 1.44, 191.7054}, {17, 11.52, 360.8034}}},
    // Backfill side, x = 120 + 50 = 170: Np = 3 + 0.02·170/3.4722 + 0.5·170/24 =
    // 3 + 0.97921 + 3.54167 = 7.52087, pu = 7.52087·83.3328 = 626.735.
    {"SoftClayBackfill", 1, {0.02, 3.4722, 0, 0.02, 0, 0}, 5, 2e-6, {{17, 11.52, 626.7354}}},
    // Stiff clay with free water, c = 10 psi, γ = 0.07 pci, ε50 = 0.005, k = 500 pci,
    // first layer: ca = (c(top) + c(50))/2 = 10. x/b = 2.0833: As = 0.55 +
    // 0.0833·(0.59 − 0.55) = 0.553333. pc = min(2·10·24 + 0.07·24·50 + 2.83·10·50,
    // 11·10·24) = min(480 + 84 + 1415, 2640) = 1979. y50 = 0.005·24 = 0.12,
    // As·y50 = 0.0664, steps of 0.0332; kx = 500·50 = 25000.
    // k = 2: y = 0.0332 ≤ As·y50: p = 0.5·1979·√(0.0332/0.12) = 989.5·0.525991 = 520.468.
    // k = 7: y = 0.1992 = 3·As·y50: p = 989.5·√1.66 − 0.055·1979·2^1.25 = 1274.862 − 258.859
    //        = 1016.003.
    // k = 13: y = 0.3984 = 6·As·y50: p = 989.5·√3.32 − 0.055·1979·5^1.25 = 989.149.
    // k = 15: y = 14·As·y50 = 0.9296: p = 0.5·pc·√(6·As) − 0.411·pc − (0.0625·pc/y50)·8·As·y50
    //        = 1802.955 − 813.369 − 547.525 = 442.062.
    // k = 17: y = 200·As·y50 = 13.28: p = 1802.955 − 813.369 − 0.75·1979·0.553333 = 168.301.
    {"StiffClayWithFreeWater", 2, {0.07, 10, 0, 0.005, 500, 0}, 4, 2e-6,
     {{1, 0.0, 0.0},
      {2, 0.0332, 520.4682},
      {7, 0.1992, 1016.0031},
      {13, 0.3984, 989.1486},
      {15, 0.9296, 442.0624},
      {17, 13.28, 168.3008}}},
    // Stiff clay without free water, same clay: pu = min(3·10·24 + 0.07·24·50 +
    // 0.5·10·50, 9·10·24) = min(720 + 84 + 250, 2160) = 1054; y50 = 2.5·0.005·24 = 0.3.
    // k = 8: y = 16·0.3·0.01 = 0.048, p = 0.5·1054·(0.16)^0.25 = 527·0.632456 = 333.304.
    // k = 15: y = 16·y50 = 4.8, p = 0.5·1054·16^0.25 = pu; k = 16, 17 at 18 and 20·y50: pu.
    {"StiffClayWithoutFreeWater", 3, {0.07, 10, 0, 0.005, 500, 0}, 4, 2e-6,
     {{8, 0.048, 333.3041}, {15, 4.8, 1054.0}, {16, 5.4, 1054.0}, {17, 6.0, 1054.0}}},
    // Sand, φ = 30°, γ = 0.07 pci, k = 90 pci, x = 50 (π = 3.1416): α = 15°, β = 60°,
    // K0 = 0.4, Ka = 1/3, Kp = 3 (to within the single-precision π).
    // T1 = 0.4·50·tan30·sin60/(tan30·cos15) = 17.9315; T2 = tan60/tan30·(24 + 50·tan60·tan15)
    // = 3·47.2051 = 141.6162; T3 = 0.4·50·tan60·(tan30·sin60 − tan15) = 8.0386; T4 = 24/3 = 8.
    // ps_t = 0.07·50·(141.6162 + 17.9315 + 8.0386 − 8) = 558.552;
    // ps_d = 24·(1/3)·0.07·50·(tan⁸60 − 1) + 24·0.4·0.07·50·tan30·tan⁴60 = 2240 + 174.6 = 2414.7.
    // x/b = 2.0833: A = 1.48 − 0.1667·0.25 = 1.438333, B = 1.05 − 0.1667·0.19 = 1.018333.
    // pu = 803.384 at yu = 0.9; pm = 568.792 at ym = 0.4; m = (pu − pm)/0.5 = 469.184;
    // n = pm/(m·ym) = 3.030753; C = pm/ym^(1/n) = 769.581; kx = 4500;
    // yk = (C/kx)^(n/(n−1)) = 0.0716754 ≤ ym/5, so yk' = yk.
    // k = 2: y = yk/2 = 0.0358377, p = 4500·y = 161.270; k = 3: y = yk, p = 322.539.
    // k = 8: y = yk + (ym − yk)·5/10 = 0.235838, p = C·y^(1/n) = 477.801.
    // k = 13: y = ym, p = pm; k = 14: y = (2·0.4 + 0.9)/3 = 0.566667, p = pm + m·(y − ym)
    // = 646.989; k = 16: y = yu, p = pu; k = 17: y = 1.2·yu = 1.08, p = pu.
    {"Sand", 4, {0.07, 0, 30, 0, 90, 0}, 4, 2e-6,
     {{1, 0.0, 0.0},
      {2, 0.0358377, 161.2695},
      {3, 0.0716754, 322.5391},
      {8, 0.2358377, 477.8013},
      {13, 0.4, 568.7920},
      {14, 0.5666667, 646.9893},
      {16, 0.9, 803.3838},
      {17, 1.08, 803.3838}}},
    // Silt, c = 2 psi, φ = 30°, γ = 0.07, k = 90, x = 50 (π in full): ps = ps_t = 558.548;
    // Np = 3 + 0.07·50/2 + 0.5·50/24 = 5.79167, pc = 2·24·5.79167 = 278.0.
    // A, B at x/b = 2.0833 as for sand. pu = A·ps = 803.379 at 0.9; pm = 1.5·ps + pc =
    // 1115.822 at 0.4; m = (pu − pm)/0.5 = −624.888; n = pm/(|m|·ym) = 4.464093;
    // C = pm/ym^(1/n) = 1370.053; yk = (C/4500)^(n/(n−1)) = 0.215989 < ym: form 1, and as
    // yk > ym/5, yk' = ym/10 = 0.04; points 0.04 + 0.036·t.
    // k = 7: y = 0.184 ≤ yk: p = 4500·0.184 = 828; k = 8: y = 0.22: p = C·0.22^(1/n) = 975.964;
    // k = 13: y = ym: p = pm; k = 14: y = 0.566667: p = pm + m·0.166667 = 1011.675;
    // k = 16: y = yu: p = pm + m·0.5 = pu; k = 17: p = pu.
    {"Silt", 5, {0.07, 2, 30, 0.01, 90, 0}, 4, 5e-3,
     {{7, 0.184, 828.0},
      {8, 0.22, 975.964},
      {13, 0.4, 1115.822},
      {14, 0.566667, 1011.675},
      {16, 0.9, 803.379},
      {17, 1.08, 803.379}}},
    // Strong rock, qu = 1000 psi, γ = 0.1 pci: su = 500, Ki = 2000·su = 1e6, y1 = 0.0004·24
    // = 0.0096, p1 = 9600, pu = su·b = 12000, y2 = (12000 − 9600)/(100·500) + 0.0096 =
    // 0.0576; points 0.00384 apart. k = 3: y = 0.00768 < y1: p = 1e6·0.00768 = 7680.
    // k = 4: y = 0.01152: p = 9600 + 50000·(0.01152 − 0.0096) = 9696. k = 15: y = 0.05376:
    // p = 9600 + 50000·0.04416 = 11808. k = 17: y = 16/15·y2 = 0.06144, broken:
    // p = 0.5·γ·b·x = 0.5·0.1·24·50 = 60.
    {"StrongRock", 6, {0.1, 1000, 0, 0, 0, 0}, 4, 2e-6,
     {{3, 0.00768, 7680.0}, {4, 0.01152, 9696.0}, {15, 0.05376, 11808.0}, {17, 0.06144, 60.0}}},
    // Backfill side: the same intact curve, the residual at x = 170: 0.5·0.1·24·170 = 204.
    {"StrongRockBackfill", 6, {0.1, 1000, 0, 0, 0, 0}, 5, 2e-6,
     {{4, 0.01152, 9696.0}, {17, 0.06144, 204.0}}},
    // Weak rock, qu = 500 psi, RQD = 50 %, krm = 0.0005, Eir = 1e5 psi, first layer:
    // qur = 500, αr = 1 − 50/150 = 0.666667, xr = 50 ≤ 3·b = 72: pur = αr·qur·b·(1 + 1.4·50/24)
    // = 8000·3.916667 = 31333.33, Kir = (100 + 400·50/72)·1e5 = 3.777778e7; yrm = 0.012;
    // yA = (pur/(2·yrm^0.25·Kir))^(4/3) = (31333.33/2.50070e7)^(4/3) = 1.3508e-4.
    // k = 1: y = 0.0005·0.012 = 6e-6 < yA: p = Kir·y = 226.667. k = 5: y = 1.08e-4: p = 4080.0.
    // k = 6: y = 2.4e-4 > yA: p = 0.5·pur·(0.02)^0.25 = 5891.61.
    // k = 17: y = 12·yrm = 0.144: p = 0.5·pur·12^0.25 = 29158.95 (0.931 of pur).
    {"WeakRock", 7, {0.09, 500, 0, 0.0005, 100000, 50}, 4, 5e-3,
     {{1, 6e-6, 226.667}, {5, 1.08e-4, 4080.0}, {6, 2.4e-4, 5891.61}, {17, 0.144, 29158.95}}},
    // Backfill side, xr = 170 > 72: pur = 5.2·αr·qur·b = 41600, Kir = 500·Eir = 5e7.
    // k = 1: p = 5e7·6e-6 = 300; k = 17: p = 0.5·41600·12^0.25 = 38713.16.
    {"WeakRockBackfill", 7, {0.09, 500, 0, 0.0005, 100000, 50}, 5, 5e-3,
     {{1, 6e-6, 300.0}, {17, 0.144, 38713.16}}},
};

class HandCurveTest : public ::testing::TestWithParam<HandCurve> {};

TEST_P(HandCurveTest, PrintedAndHandedOverPointsMatchTheHandValues) {
  const HandCurve& c = GetParam();
  PyProblem problem;
  problem.add_layer(c.type, 220.0, c.soil);
  const std::vector<engine::GeneratedCurve> curves = problem.run();
  ASSERT_EQ(problem.input_error, "");
  ASSERT_FALSE(problem.stopped);
  ASSERT_EQ(curves.size(), 5u);
  const engine::GeneratedCurve& g = curves[2];
  EXPECT_DOUBLE_EQ(g.depth, 170.0);
  const std::vector<PrintedRow> rows = printed_rows(problem.report());
  ASSERT_EQ(rows.size(), 170u);
  const int first = c.block % 2 == 0 ? 0 : 17;  // excavation records 1-17, backfill 18-34
  for (const HandPoint& h : c.points) {
    SCOPED_TRACE(h.k);
    const PrintedRow row = printed_row(rows, c.block, h.k);
    EXPECT_NEAR(row.y, h.y, 6e-6 + c.rel_tol * std::fabs(h.y));
    EXPECT_NEAR(row.p, h.p, 6e-6 + c.rel_tol * std::fabs(h.p));
    // The hand-over carries the E10.3 text of each value: three significant digits.
    const double hy = g.y[first + h.k], hp = g.p[first + h.k];
    EXPECT_EQ(hy, round_trip_e(hy, 10, 3));
    EXPECT_EQ(hp, round_trip_e(hp, 10, 3));
    EXPECT_NEAR(hy, h.y, 5e-3 * std::fabs(h.y));
    EXPECT_NEAR(hp, h.p, 5e-3 * std::fabs(h.p));
  }
}

INSTANTIATE_TEST_SUITE_P(Types, HandCurveTest, ::testing::ValuesIn(kHandCurves),
                         [](const auto& info) { return std::string(info.param.name); });

// The soft-clay example: c = 500 lb/ft² = 3.4722 psi, γ = 0.02 pci, b = 24 in, first
// layer, at x = 10 in: Np = 3 + 0.02·10/3.4722 + 0.5·10/24 = 3 + 0.0576 + 0.2083 =
// 3.2659, pu = 3.2659·3.4722·24 = 272.16 lb/in; ε50 = 0.02: y50 = 1.2 in, points from 0
// to 8·1.2·1.2 = 11.52 in, the last at pu.
TEST(SoftClay, ExampleAtTenInches) {
  PyProblem problem;
  problem.add_layer(1, 160.0, {0.02, 3.4722, 0, 0.02, 0, 0});  // curves at 0.1, 10, 20, ...
  const std::vector<engine::GeneratedCurve> curves = problem.run();
  ASSERT_EQ(curves.size(), 5u);
  const std::vector<PrintedRow> rows = printed_rows(problem.report());
  EXPECT_NEAR(printed_row(rows, 2, 17).y, 11.52, 1e-5);
  EXPECT_NEAR(printed_row(rows, 2, 17).p, 272.159, 1e-3);
  EXPECT_NEAR(printed_row(rows, 2, 16).p, 272.159, 1e-3);  // 0.5·pu·8^(1/3)
  EXPECT_EQ(printed_row(rows, 2, 1).y, 0.0);
  EXPECT_EQ(curves[1].p[17], 272.0);   // 0.272E+03
  EXPECT_EQ(curves[1].y[17], 11.5);    // 0.115E+02
  EXPECT_EQ(curves[1].depth, 130.0);
}

// Generated earth pressure with σ'exc = 10 psi lowers the excavation-side curve and
// raises the backfill-side curve by Δp, at every point.
struct OffsetCase {
  const char* name;
  int type;
  Slots soil;
  double dp;
};

void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }

class OffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetTest, ShiftsBothSidesByTheOffset) {
  const OffsetCase& c = GetParam();
  PyProblem plain;
  plain.add_layer(c.type, 220.0, c.soil);
  const auto base = printed_rows((plain.run(), plain.report()));
  PyProblem loaded;
  loaded.add_layer(c.type, 220.0, c.soil);
  loaded.set_overburden(10.0);
  const auto shifted = printed_rows((loaded.run(), loaded.report()));
  ASSERT_EQ(base.size(), 170u);
  ASSERT_EQ(shifted.size(), 170u);
  for (int block : {4, 5}) {
    const double sign = block % 2 == 0 ? -1.0 : 1.0;
    for (int k = 1; k <= 17; ++k) {
      EXPECT_NEAR(printed_row(shifted, block, k).p - printed_row(base, block, k).p, sign * c.dp,
                  2e-5 + 1e-3 * c.dp)
          << "block " << block << " point " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Types, OffsetTest,
    ::testing::Values(
        // Clay: σ'·b − 2·c·b = 10·24 − 2·3.4722·24 = 240 − 166.666 = 73.334.
        OffsetCase{"SoftClay", 1, {0.02, 3.4722, 0, 0.02, 0, 0}, 73.3344},
        // Clay strong enough that 2·c·b exceeds σ'·b: no offset.
        OffsetCase{"StiffClay", 3, {0.07, 10, 0, 0.005, 500, 0}, 0.0},
        // Sand: σ'·Ka·b = 10·(1/3)·24 = 80 (Ka = tan²30° to within the π of the method).
        OffsetCase{"Sand", 4, {0.07, 0, 30, 0, 90, 0}, 80.0004},
        // Rock carries none.
        OffsetCase{"StrongRock", 6, {0.1, 1000, 0, 0, 0, 0}, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Silt, σ'·Ka·b − 2·c·√Ka·b = 80 − 2·2·0.57735·24 = 80 − 55.426 = 24.574, printed in
// E20.3 as 0.246E+02.
TEST(Offset, SiltSubtractsItsCohesion) {
  PyProblem loaded;
  loaded.add_layer(5, 220.0, {0.07, 2, 30, 0.01, 90, 0});
  loaded.set_overburden(10.0);
  const auto rows = printed_rows((loaded.run(), loaded.report()));
  EXPECT_EQ(printed_row(rows, 4, 1).p, -24.6);  // at y = 0
  EXPECT_EQ(printed_row(rows, 5, 1).p, 24.6);
}

// Wa = 2·Wp: every p is scaled by 0.5292·2^0.5659 = 0.5292·1.48029 = 0.78338 (y unchanged); the report
// shows the factor under the curve.
TEST(Multipliers, SpacingReducesEveryResistance) {
  PyProblem wide;
  wide.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const auto base = printed_rows((wide.run(), wide.report()));
  PyProblem close;
  close.st().wall.wa = 48.0;
  close.add_layer(4, 220.0, {0.07, 0, 30, 0, 90, 0});
  const auto reduced = printed_rows((close.run(), close.report()));
  ASSERT_EQ(reduced.size(), 170u);
  for (int k = 2; k <= 17; ++k) {
    EXPECT_NEAR(printed_row(reduced, 4, k).p / printed_row(base, 4, k).p, 0.78338, 2e-5) << k;
    EXPECT_EQ(printed_row(reduced, 4, k).y, printed_row(base, 4, k).y) << k;
  }
  EXPECT_NE(close.report().find(" P-Multiplier =  0.783E+00 Y-Multiplier =  0.100E+01"),
            std::string::npos);
}

}  // namespace
}  // namespace veldra::test
