// Reading plot-data files into the result graphs: curves, names, English units,
// padding, the soil column, and what a failed reading leaves.
#include "app/plot_data_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/main_graphs.h"
#include "tests/support/plot_writing.h"
#include "tests/support/temp_dir.h"

namespace veldra::app::test {
namespace {

namespace fw = veldra::framework;
using fw::CurveList;
using fw::TFloatPoint;
using fw::TGraphPlot;
using veldra::test::TempDir;
using veldra::test::write_file;

using PressurePoint = std::array<double, 4>;  // depth, total, from soils, from surcharge
using PYCurve = std::pair<double, std::vector<std::pair<double, double>>>;  // depth, (y, p)
struct Station {
  double depth, deflection, moment, shear, reaction;
};

std::string Numbers(std::initializer_list<double> values) {
  std::ostringstream line;
  line.precision(12);
  for (double v : values) line << ' ' << v;
  return line.str() + "\n";
}

// One problem's three blocks, as the engine writes them.
std::string Blocks(const std::vector<PressurePoint>& pressure, int units, const std::vector<PYCurve>& curves,
                   int result_sets, const std::vector<Station>& stations) {
  std::string text = Numbers({static_cast<double>(pressure.size())});
  for (const auto& p : pressure) text += Numbers({p[0], p[1], p[2], p[3]});
  text += Numbers({static_cast<double>(units), static_cast<double>(curves.size())});
  for (const auto& [depth, points] : curves) {
    text += Numbers({depth, static_cast<double>(points.size())});
    for (const auto& [y, p] : points) text += Numbers({y, p});
  }
  text += Numbers({static_cast<double>(result_sets), static_cast<double>(stations.size()), static_cast<double>(units)});
  for (const Station& s : stations) text += Numbers({s.depth, s.deflection, s.moment, s.shear, s.reaction});
  return text;
}

// Stations 0.5 m apart whose values tell the result set apart.
std::vector<Station> Stations(int count, double set) {
  std::vector<Station> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({0.5 * i, set * 0.01 * (i + 1), set * 10 * i, set * -2.5 * i, set * 0.25 * i});
  return rows;
}

std::vector<PressurePoint> Pressure(int count, double set) {
  std::vector<PressurePoint> points;
  for (int i = 0; i < count; ++i) points.push_back({1.0 * i, set * 3 * i, set * 2 * i, set * i});
  return points;
}

PYCurve Curve(double depth, int points, double scale) {
  PYCurve curve{depth, {}};
  for (int i = 0; i < points; ++i) curve.second.push_back({scale * (i - points / 2), -scale * 100 * (i - points / 2)});
  return curve;
}

std::vector<TFloatPoint> Points(const TGraphPlot& graph, int curve, CurveList list = CurveList::kMain) {
  return graph.CurveAt(list, curve).Points;
}

std::vector<TFloatPoint> Against(const std::vector<Station>& rows, double Station::*value) {
  std::vector<TFloatPoint> points;
  for (const Station& s : rows) points.push_back({static_cast<long double>(s.*value), static_cast<long double>(s.depth)});
  return points;
}

// Points compared at double precision: the file's decimal values read in extended.
void ExpectPoints(const std::vector<TFloatPoint>& actual, const std::vector<TFloatPoint>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_DOUBLE_EQ(static_cast<double>(actual[i].x), static_cast<double>(expected[i].x)) << "point " << i;
    EXPECT_DOUBLE_EQ(static_cast<double>(actual[i].y), static_cast<double>(expected[i].y)) << "point " << i;
  }
}

class PlotDataReading : public ::testing::Test {
 protected:
  PlotDataResult Read(const std::string& text, bool report = true) {
    write_file(dir / "wall.vd5p", text);
    return ReadPlotData(graphs, dir / "wall.vd5p", report, context);
  }
  std::vector<TGraphPlot*> ResultGraphs() { return {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil}; }

  TempDir dir;
  fw::TMainGraphs graphs;
  PlotDataContext context{{{1, 3}, {4, 12.5L}}, 11, 4, false};
};

TEST_F(PlotDataReading, ASingleProblemFillsOneCurveOfEachGraph) {
  const auto stations = Stations(4, 1);
  // Numbers after the problem's blocks are never read.
  const PlotDataResult result =
      Read(Blocks(Pressure(3, 1), 2, {Curve(1.5, 3, 0.01), Curve(2.75, 3, 0.02)}, 1, stations) + "x y z\n");
  ASSERT_TRUE(result.complete) << result.cause;
  EXPECT_EQ(result.message, "");

  for (TGraphPlot* graph : ResultGraphs()) {
    SCOPED_TRACE(graph->Caption);
    ASSERT_EQ(graph->CurveCount(), 1);
    EXPECT_EQ(graph->LegendText(0), "Load #1");
  }
  ExpectPoints(Points(graphs.pltDef, 0), Against(stations, &Station::deflection));
  ExpectPoints(Points(graphs.pltMom, 0), Against(stations, &Station::moment));
  ExpectPoints(Points(graphs.pltShear, 0), Against(stations, &Station::shear));
  ExpectPoints(Points(graphs.pltSoil, 0), Against(stations, &Station::reaction));

  const TGraphPlot& dms = graphs.pltDMS;
  EXPECT_TRUE(dms.ShowThree);
  ExpectPoints(Points(dms, 0, CurveList::kMain), Against(stations, &Station::deflection));
  ExpectPoints(Points(dms, 0, CurveList::kPanel2), Against(stations, &Station::moment));
  ExpectPoints(Points(dms, 0, CurveList::kPanel3), Against(stations, &Station::shear));
  EXPECT_EQ(dms.XAxisText(1), "Deflection (m)");
  EXPECT_EQ(dms.YAxisText(1), "Depth (m)");
  EXPECT_EQ(dms.XAxisText(2), "Bending Moment (m-kN)");
  EXPECT_EQ(dms.XAxisText(3), "Shear (kN)");
  EXPECT_EQ(dms.YAxisText(3), "Depth (m)");

  ASSERT_EQ(graphs.pltLD.CurveCount(), 1);
  ExpectPoints(Points(graphs.pltLD, 0), {{0, 0}, {3, 1}, {6, 2}});
  ASSERT_EQ(graphs.PltCombine.CurveCount(), 3);
  EXPECT_EQ(graphs.PltCombine.LegendText(0), "Total Earth Pressure");
  EXPECT_EQ(graphs.PltCombine.LegendText(1), "from Soils ");
  EXPECT_EQ(graphs.PltCombine.LegendText(2), "from Surcharge Loads");
  ExpectPoints(Points(graphs.PltCombine, 1), {{0, 0}, {2, 1}, {4, 2}});
  ExpectPoints(Points(graphs.PltCombine, 2), {{0, 0}, {1, 1}, {2, 2}});

  ASSERT_EQ(graphs.pltPY.CurveCount(), 2);
  EXPECT_EQ(graphs.pltPY.LegendText(0), "Depth 1.5");
  EXPECT_EQ(graphs.pltPY.LegendText(1), "Depth 2.75");
  ExpectPoints(Points(graphs.pltPY, 1), {{-0.02, 2}, {0, 0}, {0.02, -2}});

  for (const auto& entry : graphs.All()) EXPECT_EQ(entry.graph->Units(), 2) << entry.name;
}

TEST_F(PlotDataReading, EnglishDepthsAreShownInFeetMomentsInInchKipsAndShearsInKips) {
  context = {{{4, 30}}, 420, 240, false};
  // As the engine writes it: a node at 240 in with a moment of 1.5E6 in-lb.
  const PlotDataResult result = Read(
      " 2\n"
      "    0.000E+00   0.000E+00   0.100E-06   0.000E+00\n"
      "    0.120E+03   0.456E+01   0.320E+01   0.136E+01\n"
      " 1 1\n"
      " 120 3\n"
      " -0.5 1200.\n"
      " 0 0\n"
      " 0.5 -1200.\n"
      " 1 2 1\n"
      "   0.0000E+00   0.5000E+00   0.0000E+00   0.0000E+00   0.0000E+00\n"
      "   0.2400E+03   0.1200E+00   0.1500E+07   0.2500E+04  -0.3000E+02\n");
  ASSERT_TRUE(result.complete) << result.cause;
  ExpectPoints(Points(graphs.pltMom, 0), {{0, 0}, {1500, 20}});
  ExpectPoints(Points(graphs.pltShear, 0), {{0, 0}, {2.5, 20}});
  ExpectPoints(Points(graphs.pltDef, 0), {{0.5, 0}, {0.12, 20}});
  ExpectPoints(Points(graphs.pltSoil, 0), {{0, 0}, {-30, 20}});
  ExpectPoints(Points(graphs.pltDMS, 0, CurveList::kPanel2), {{0, 0}, {1500, 20}});
  ExpectPoints(Points(graphs.pltLD, 0), {{0, 0}, {4.56, 10}});
  ExpectPoints(Points(graphs.PltCombine, 1), {{1e-7, 0}, {3.2, 10}});
  // The p-y curves keep inches and pounds, and their depth.
  EXPECT_EQ(graphs.pltPY.LegendText(0), "Depth 120");
  ExpectPoints(Points(graphs.pltPY, 0), {{-0.5, 1200}, {0, 0}, {0.5, -1200}});
  // The wall's tip and excavation level in feet; the layer bottom as the table holds it.
  const TGraphPlot& dms = graphs.pltDMS;
  ASSERT_EQ(dms.CurveCount(CurveList::kLayers), 3);
  ExpectPoints(Points(dms, 0, CurveList::kLayers), {{7, 30}});
  ExpectPoints(Points(dms, 1, CurveList::kLayers), {{0, 35}});
  ExpectPoints(Points(dms, 2, CurveList::kLayers), {{0, 20}});
  EXPECT_EQ(graphs.pltDef.XAxisText(), "Deflection (in)");
  EXPECT_EQ(graphs.pltDef.YAxisText(), "Depth (ft)");
  EXPECT_EQ(graphs.pltMom.XAxisText(), "Bending Moment (in-kips)");
  EXPECT_EQ(graphs.pltShear.XAxisText(), "Shear (kips)");
  EXPECT_EQ(graphs.pltLD.YAxisText(), "Depth (ft)");
  EXPECT_EQ(graphs.PltCombine.YAxisText(), "Depth (ft)");
  EXPECT_EQ(dms.XAxisText(2), "Bending Moment (in-kips)");
  for (const auto& entry : graphs.All()) EXPECT_EQ(entry.graph->Units(), 1) << entry.name;
}

TEST_F(PlotDataReading, CaptionsAndConversionsFollowTheUnitsFlag) {
  const struct {
    int units;
    long double depth;  // of a station at 24 in the file
    const char* depth_text;
    const char* moment_text;
    const char* shear_text;
    const char* deflection_text;
  } cases[] = {
      {1, 2, "Depth (ft)", "Bending Moment (in-kips)", "Shear (kips)", "Deflection (in)"},
      {2, 24, "Depth (m)", "Bending Moment (m-kN)", "Shear (kN)", "Deflection (m)"},
      // The user's own units: nothing converts, and the axes say F and L.
      {3, 24, "Depth (L)", "Bending Moment (F-L)", "Shear (F)", "Deflection (L)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.units);
    ASSERT_TRUE(Read(Blocks({}, c.units, {}, 1, {{24, 1, 2000, 3000, 4}})).complete);
    ExpectPoints(Points(graphs.pltMom, 0), {{c.units == 1 ? 2.0L : 2000, c.depth}});
    for (TGraphPlot* graph : {&graphs.pltDef, &graphs.pltShear, &graphs.pltSoil, &graphs.pltMom, &graphs.pltLD})
      EXPECT_EQ(graph->YAxisText(), c.depth_text) << graph->Caption;
    EXPECT_EQ(graphs.pltMom.XAxisText(), c.moment_text);
    EXPECT_EQ(graphs.pltShear.XAxisText(), c.shear_text);
    EXPECT_EQ(graphs.pltDef.XAxisText(), c.deflection_text);
    EXPECT_EQ(graphs.pltDMS.XAxisText(3), c.shear_text);
  }
}

TEST_F(PlotDataReading, TheSoilColumnShowsEveryLayerThenTheWall) {
  context = {{{1, 2}, {2, 4}, {3, 6}, {4, 8}, {5, 10}, {6, 12}, {7, 14}, {0, 16}}, 20, 5, false};
  ASSERT_TRUE(Read(Blocks({}, 2, {}, 1, Stations(3, 1))).complete);
  const TGraphPlot& dms = graphs.pltDMS;
  const struct {
    int code;
    const char* name;
  } expected[] = {{1, " CLAY "}, {1, " CLAY "}, {1, " CLAY "},      {7, " SAND "}, {8, " SILT "},
                  {9, "STRONG ROCK"}, {10, "WEAK ROCK"}, {0, "LAYER 8"}, {0, "PILE"},    {0, "PILE"}};
  ASSERT_EQ(dms.CurveCount(CurveList::kLayers), 10);
  EXPECT_EQ(dms.WallLineCount, 8);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    const fw::TLine& line = dms.CurveAt(CurveList::kLayers, i);
    EXPECT_EQ(line.DisplayName(), expected[i].name);
    ASSERT_EQ(line.Points.size(), 1u);
    EXPECT_EQ(line.Points[0].x, expected[i].code);
  }
  EXPECT_EQ(Points(dms, 6, CurveList::kLayers)[0].y, 14);
  EXPECT_EQ(Points(dms, 8, CurveList::kLayers)[0].y, 20);  // tip, SI: as given
  EXPECT_EQ(Points(dms, 9, CurveList::kLayers)[0].y, 5);   // excavation level

  // Without stations there is nothing to put a soil column beside.
  ASSERT_TRUE(Read(Blocks({}, 2, {}, 1, {})).complete);
  EXPECT_EQ(dms.CurveCount(CurveList::kLayers), 0);
  EXPECT_EQ(dms.WallLineCount, 0);
}

TEST_F(PlotDataReading, ResultSetsAreNamedByStageOrByTerm) {
  const struct {
    bool long_term;
    int sets;
    std::vector<std::string> names;
  } cases[] = {
      {false, 2, {"Stage: 1", "Stage: 2"}},
      {false, 3, {"Stage: 1", "Stage: 2", "Stage: 3"}},
      {true, 2, {"Short-Term", "Long-Term"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.names.back());
    context.long_term = c.long_term;
    std::string text;
    for (int k = 1; k <= c.sets; ++k) text += Blocks(Pressure(2, k), 2, {Curve(k, 3, 0.01)}, c.sets, Stations(4, k));
    ASSERT_TRUE(Read(text).complete);
    for (TGraphPlot* graph : {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil, &graphs.pltDMS}) {
      SCOPED_TRACE(graph->Caption);
      ASSERT_EQ(graph->CurveCount(), c.sets);
      for (int k = 0; k < c.sets; ++k) EXPECT_EQ(graph->LegendText(k), c.names[static_cast<std::size_t>(k)]);
    }
    // Only the first panel's curves are named.
    EXPECT_EQ(graphs.pltDMS.CurveAt(CurveList::kPanel2, 1).DisplayName(), "Curve #2");
    const int last = c.sets - 1;
    ExpectPoints(Points(graphs.pltShear, last), Against(Stations(4, c.sets), &Station::shear));
    ExpectPoints(Points(graphs.pltDMS, last, CurveList::kPanel3), Against(Stations(4, c.sets), &Station::shear));
    // One pressure curve per set; the combined graph and the p-y graph show one problem.
    ASSERT_EQ(graphs.pltLD.CurveCount(), c.sets);
    ExpectPoints(Points(graphs.pltLD, last), {{0, 0}, {3.0 * c.sets, 1}});
    ExpectPoints(Points(graphs.PltCombine, 0), {{0, 0}, {3, 1}});
    ASSERT_EQ(graphs.pltPY.CurveCount(), 1);
    EXPECT_EQ(graphs.pltPY.LegendText(0), "Depth " + std::to_string(c.sets));
  }
}

TEST_F(PlotDataReading, ShorterCurvesArePaddedWithTheirOwnLastPoint) {
  // p-y curves of 17 and 12 points; the shorter one passes through (0, 0) and has
  // negative points, which are data, not padding.
  const PYCurve long_curve = Curve(2, 17, 0.1);
  const PYCurve short_curve = Curve(4, 12, 0.2);
  // The second stage has fewer stations and pressure points than the first.
  const std::string text = Blocks(Pressure(4, 1), 2, {Curve(1, 3, 1)}, 2, Stations(5, 1)) +
                           Blocks(Pressure(2, 2), 2, {long_curve, short_curve}, 2, Stations(3, 2));
  ASSERT_TRUE(Read(text).complete);

  ASSERT_EQ(graphs.pltPY.CurveCount(), 2);
  std::vector<TFloatPoint> expected;
  for (const auto& [y, p] : short_curve.second) expected.push_back({static_cast<long double>(y), static_cast<long double>(p)});
  EXPECT_EQ(expected[6], (TFloatPoint{0, 0}));
  EXPECT_LT(expected[0].x, 0);
  for (int i = 0; i < 5; ++i) expected.push_back(expected.back());
  ExpectPoints(Points(graphs.pltPY, 1), expected);
  EXPECT_EQ(Points(graphs.pltPY, 0).size(), 17u);

  std::vector<TFloatPoint> deflection = Against(Stations(3, 2), &Station::deflection);
  deflection.resize(5, deflection.back());
  ExpectPoints(Points(graphs.pltDef, 1), deflection);
  ExpectPoints(Points(graphs.pltDMS, 1), deflection);
  ExpectPoints(Points(graphs.pltLD, 1), {{0, 0}, {6, 1}, {6, 1}, {6, 1}});
  EXPECT_EQ(Points(graphs.pltDef, 0).size(), 5u);
}

TEST_F(PlotDataReading, ReadingAgainReplacesTheCurves) {
  std::string staged;
  for (int k = 1; k <= 3; ++k) staged += Blocks(Pressure(2, k), 2, {Curve(k, 3, 0.01)}, 3, Stations(4, k));
  ASSERT_TRUE(Read(staged).complete);
  graphs.pltDef.CurveAt(CurveList::kMain, 0).Shown = false;

  const auto stations = Stations(6, 7);
  ASSERT_TRUE(Read(Blocks(Pressure(2, 7), 2, {}, 1, stations)).complete);
  for (TGraphPlot* graph : ResultGraphs()) {
    ASSERT_EQ(graph->CurveCount(), 1);
    EXPECT_EQ(graph->LegendText(0), "Load #1");
  }
  EXPECT_TRUE(graphs.pltDef.CurveAt(CurveList::kMain, 0).Shown);
  ExpectPoints(Points(graphs.pltDef, 0), Against(stations, &Station::deflection));
  EXPECT_EQ(graphs.pltDMS.CurveCount(CurveList::kPanel3), 1);
  EXPECT_EQ(graphs.pltLD.CurveCount(), 1);
  EXPECT_EQ(graphs.pltPY.CurveCount(), 0);

  // A file that is gone leaves no stale points behind; the curves stay.
  std::filesystem::remove(dir / "wall.vd5p");
  EXPECT_FALSE(ReadPlotData(graphs, dir / "wall.vd5p", false, context).complete);
  for (const auto& entry : graphs.All()) EXPECT_EQ(entry.graph->PointCount(), 0) << entry.name;
  EXPECT_EQ(graphs.pltDef.CurveCount(), 1);
}

// Exponents of three digits are written without their letter ("0.1000-119"): the
// engine's own plot writer, read back.
TEST_F(PlotDataReading, ValuesWithThreeDigitExponentsAreReadAsTheEngineWritesThem) {
  const double extremes[] = {1e-120, 1e120, -1e-120, -1e120};
  const std::string plot = veldra::test::PlotOfValues({std::begin(extremes), std::end(extremes)});
  ASSERT_NE(plot.find("0.1000-119"), std::string::npos) << plot;

  const PlotDataResult result = Read(plot);
  ASSERT_TRUE(result.complete) << result.cause;
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(extremes[i]);
    const double v = extremes[i];
    const TFloatPoint& total = graphs.pltLD.PointAt(CurveList::kMain, 0, i);
    const TFloatPoint& curve = graphs.pltPY.PointAt(CurveList::kMain, 0, i);
    const TFloatPoint& deflection = graphs.pltDef.PointAt(CurveList::kMain, 0, i);
    for (long double value : {total.x, total.y, curve.x, curve.y, deflection.x, deflection.y})
      EXPECT_DOUBLE_EQ(static_cast<double>(value), v);
  }
}

TEST_F(PlotDataReading, AFileCutShortKeepsWhatWasRead) {
  const std::string whole = Blocks(Pressure(2, 1), 2, {Curve(1, 3, 0.01)}, 2, Stations(4, 1)) +
                            Blocks(Pressure(2, 2), 2, {Curve(2, 3, 0.01)}, 2, Stations(4, 2));
  // Cut after the second stage's first two stations.
  std::size_t cut = whole.size();
  for (int line = 0; line < 3; ++line) cut = whole.rfind('\n', cut - 1);
  const PlotDataResult result = Read(whole.substr(0, cut + 1));
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(result.message, kPlotDataReadError);
  EXPECT_EQ(result.cause, "This file either invalid or incomplete.");

  ASSERT_EQ(graphs.pltDef.CurveCount(), 2);
  ExpectPoints(Points(graphs.pltDef, 0), Against(Stations(4, 1), &Station::deflection));
  std::vector<TFloatPoint> partial = Against(Stations(4, 2), &Station::deflection);
  partial.resize(2);
  ExpectPoints(Points(graphs.pltDef, 1), partial);
  ExpectPoints(Points(graphs.pltLD, 1), {{0, 0}, {6, 1}});
  EXPECT_EQ(graphs.pltPY.LegendText(0), "Depth 2");
  // The captions of a complete reading are not set.
  EXPECT_EQ(graphs.pltDef.YAxisText(), "Depth");
}

TEST_F(PlotDataReading, FailuresReturnFalseAndTheMessageOnlyWhenAskedFor) {
  const std::string good = Blocks(Pressure(2, 1), 2, {Curve(1, 3, 0.01)}, 1, Stations(4, 1));
  const struct {
    const char* what;
    std::string text;  // empty: no file at all
    const char* cause;
  } cases[] = {
      {"missing file", "", "Cannot open file"},
      {"truncated", good.substr(0, good.size() / 2), "This file either invalid or incomplete."},
      {"letter for a number", "2\n0 1 2 x\n", "Error on Line 2 Item 4\rA floating point number"},
      {"fraction for a count", "2.5\n", "Error on Line 1 Item 1\rAn integer was expected"},
      {"p-y curve count beyond the file", "0\n2 2000000000\n1 3\n", "This file either invalid or incomplete."},
      {"result-set count beyond the file", "0\n2 0\n2147483647 2 2\n0 0 0 0 0\n0 0 0 0 0\n",
       "This file either invalid or incomplete."},
  };
  for (const auto& c : cases) {
    for (bool report : {true, false}) {
      SCOPED_TRACE(::testing::Message() << c.what << (report ? ", reported" : ", silent"));
      std::filesystem::remove(dir / "wall.vd5p");
      const PlotDataResult result =
          c.text.empty() ? ReadPlotData(graphs, dir / "wall.vd5p", report, context) : Read(c.text, report);
      EXPECT_FALSE(result.complete);
      EXPECT_EQ(result.message, report ? kPlotDataReadError : "");
      EXPECT_EQ(result.cause.rfind(c.cause, 0), 0u) << result.cause;
    }
  }
  // Nothing of a huge count was made before the failure.
  EXPECT_LE(graphs.pltDef.CurveCount(), 1);
}

}  // namespace
}  // namespace veldra::app::test
