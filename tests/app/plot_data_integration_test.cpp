// The engine analyses the examples; their plot-data files, read into the result
// graphs, match the report's results table at every station.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "app/plot_data_reader.h"
#include "app/problem_files.h"
#include "app/word_reader.h"
#include "framework/main_graphs.h"
#include "framework/units.h"
#include "tests/app/app_test_support.h"
#include "tests/app/engine_run.h"
#include "veldra/engine.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;
using fw::CurveList;
using fw::TGraphPlot;

// A number of the report, with the unit of its last printed digit: the report
// prints 0.ddd with an exponent (Ew.3), so that unit is 10^(exponent - 3).
struct Printed {
  long double value = 0;
  long double last_digit = 0;
};

bool ParsePrinted(const std::string& word, Printed& out) {
  const std::size_t point = word.find('.');
  if (point == std::string::npos) return false;
  const std::size_t mantissa_end = word.find_first_not_of("0123456789", point + 1);
  if (mantissa_end == std::string::npos) return false;
  // Exponents beyond two digits are printed without the E ("0.123-100").
  const bool has_e = word[mantissa_end] == 'E' || word[mantissa_end] == 'e';
  const std::string exponent = word.substr(mantissa_end + (has_e ? 1 : 0));
  if (exponent.empty() || exponent.find_first_not_of("+-0123456789") != std::string::npos) return false;
  const int e = std::stoi(exponent);
  const int decimals = static_cast<int>(mantissa_end - point - 1);
  out.value = std::strtold(word.substr(0, mantissa_end).c_str(), nullptr) * std::pow(10.0L, e);
  out.last_digit = std::pow(10.0L, e - decimals);
  return true;
}

// One row of the report's results table: station, depth, deflection, slope,
// moment, shear, net reaction, EI.
struct ResultRow {
  int station = 0;
  Printed depth, deflection, moment, shear, reaction;
};

// Every results table of the report, in problem order.
std::vector<std::vector<ResultRow>> ResultTables(const std::string& report) {
  std::vector<std::vector<ResultRow>> tables;
  std::istringstream in(report);
  std::string line;
  bool inside = false;
  while (std::getline(in, line)) {
    if (line.rfind("   ------    ----        ----       -----", 0) == 0) {
      tables.emplace_back();
      inside = true;
      continue;
    }
    if (!inside) continue;
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    ResultRow row;
    Printed slope, ei;
    const bool is_row = w.size() == 8 && w[0].find_first_not_of("0123456789") == std::string::npos &&
                        ParsePrinted(w[1], row.depth) && ParsePrinted(w[2], row.deflection) &&
                        ParsePrinted(w[3], slope) && ParsePrinted(w[4], row.moment) &&
                        ParsePrinted(w[5], row.shear) && ParsePrinted(w[6], row.reaction) && ParsePrinted(w[7], ei);
    if (!is_row) {
      inside = false;
      continue;
    }
    row.station = std::stoi(w[0]);
    tables.back().push_back(row);
  }
  return tables;
}

// The plot file holds four significant digits, the report three: a value from the
// graph, taken back to the file's units, lies within 0.55 of the report's last digit.
void ExpectMatches(long double shown, long double to_file_units, const Printed& printed, const char* what) {
  const long double in_file_units = shown * to_file_units;
  const long double tolerance = 0.55L * printed.last_digit + 1e-12L * std::fabs(printed.value);
  EXPECT_LE(std::fabs(in_file_units - printed.value), tolerance)
      << what << ": graph " << static_cast<double>(in_file_units) << ", report " << static_cast<double>(printed.value);
}

struct Example {
  const char* file;
  std::vector<std::string> names;  // of the result curves
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.file; }

class PlotDataOfExamples : public ::testing::TestWithParam<Example> {};

TEST_P(PlotDataOfExamples, CurvesMatchTheReportAtEveryStation) {
  const Example& example = GetParam();
  TempDir dir;
  const fs::path data = dir / "wall.vd5d";
  fs::copy_file(ExampleFile(example.file), data);
  RunPaths paths;
  paths.data = data;
  paths.report = dir / "wall.vd5o";
  paths.plot = dir / "wall.vd5p";
  paths.notes = dir / "wall.vd5r";
  const RunStatus run = run_analysis(paths);
  ASSERT_EQ(run.outcome, RunOutcome::Finished) << run.message;

  // The problem as the main window holds it after opening the file.
  TMainModel model;
  ASSERT_TRUE(OpenProblem(model, data, kFormatCurrent).load.complete);
  fw::TMainGraphs graphs;
  const PlotDataResult read = ReadPlotData(graphs, paths.plot, true, PlotDataContextOf(model));
  ASSERT_TRUE(read.complete) << read.cause;

  const std::vector<std::vector<ResultRow>> tables = ResultTables(read_file(paths.report));
  ASSERT_EQ(tables.size(), example.names.size());
  const int units = model.Problem().UnitSystem;
  const bool english = units == fw::kEnglishUnits;
  const long double feet = english ? 12 : 1;
  const long double kilo = english ? 1000 : 1;
  for (std::size_t k = 0; k < tables.size(); ++k) {
    SCOPED_TRACE(example.names[k]);
    const int curve = static_cast<int>(k);
    const std::vector<ResultRow>& rows = tables[k];
    ASSERT_FALSE(rows.empty());
    for (TGraphPlot* graph : {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil, &graphs.pltDMS}) {
      ASSERT_EQ(graph->CurveCount(), static_cast<int>(tables.size()));
      // A single result set keeps the graph's own curve name ("Curve #" in pltDMS).
      const std::string name = tables.size() == 1 ? graph->CurveName + "1" : example.names[k];
      EXPECT_EQ(graph->LegendText(curve), name) << graph->Caption;
      // Stations 0 to N, and the fictitious station below the tip.
      ASSERT_EQ(graph->CurveAt(CurveList::kMain, curve).Points.size(), rows.size() + 1) << graph->Caption;
    }
    for (std::size_t j = 0; j < rows.size(); ++j) {
      SCOPED_TRACE(::testing::Message() << "station " << rows[j].station);
      ASSERT_EQ(rows[j].station, static_cast<int>(j));
      const int i = static_cast<int>(j);
      const auto& deflection = graphs.pltDef.PointAt(CurveList::kMain, curve, i);
      const auto& moment = graphs.pltMom.PointAt(CurveList::kMain, curve, i);
      const auto& shear = graphs.pltShear.PointAt(CurveList::kMain, curve, i);
      const auto& reaction = graphs.pltSoil.PointAt(CurveList::kMain, curve, i);
      ExpectMatches(deflection.y, feet, rows[j].depth, "depth");
      ExpectMatches(deflection.x, 1, rows[j].deflection, "deflection");
      ExpectMatches(moment.x, kilo, rows[j].moment, "moment");
      ExpectMatches(shear.x, kilo, rows[j].shear, "shear");
      ExpectMatches(reaction.x, 1, rows[j].reaction, "net reaction");
      for (const auto* point : {&moment, &shear, &reaction}) EXPECT_EQ(point->y, deflection.y);
      EXPECT_EQ(graphs.pltDMS.PointAt(CurveList::kMain, curve, i), deflection);
      EXPECT_EQ(graphs.pltDMS.PointAt(CurveList::kPanel2, curve, i), moment);
      EXPECT_EQ(graphs.pltDMS.PointAt(CurveList::kPanel3, curve, i), shear);
    }
  }

  EXPECT_EQ(graphs.pltDef.YAxisText(), english ? "Depth (ft)" : "Depth (m)");
  for (const auto& entry : graphs.All()) EXPECT_EQ(entry.graph->Units(), units) << entry.name;
  // The soil column ends with the wall's tip and the excavation level of the
  // problem shown (stage 1 of a staged problem), on the depth axis.
  const TGraphPlot& dms = graphs.pltDMS;
  const int layers = model.Table(SoilLayers::kName).RowCount();
  ASSERT_EQ(dms.CurveCount(CurveList::kLayers), layers + 2);
  const TProgramData& p = model.Problem();
  EXPECT_EQ(dms.PointAt(CurveList::kLayers, layers, 0).y, p.Increments * p.IncrementLength / feet);
  EXPECT_EQ(dms.PointAt(CurveList::kLayers, layers + 1, 0).y, p.WallHeight / feet);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PlotDataOfExamples,
    ::testing::Values(Example{"cantilever-in-layered-sand-generated-soil.vd5d", {"Load #1"}},
                      Example{"anchored-wall-generated-soil.vd5d", {"Load #1"}},
                      Example{"cantilever-sheet-pile-wall.vd5d", {"Load #1"}},
                      Example{"three-stage-excavation.vd5d", {"Stage: 1", "Stage: 2", "Stage: 3"}},
                      Example{"short-and-long-term-clay-wall.vd5d", {"Short-Term", "Long-Term"}}),
    [](const ::testing::TestParamInfo<Example>& info) {
      std::string name = fs::path(info.param.file).stem().string();
      for (char& c : name)
        if (c == '-') c = '_';
      return name;
    });

// Every point of every curve list of every graph.
std::vector<std::vector<fw::TFloatPoint>> AllPoints(fw::TMainGraphs& graphs) {
  std::vector<std::vector<fw::TFloatPoint>> points;
  for (const auto& entry : graphs.All()) {
    for (CurveList list : {CurveList::kMain, CurveList::kPanel2, CurveList::kPanel3, CurveList::kLayers}) {
      for (int c = 0; c < entry.graph->CurveCount(list); ++c) points.push_back(entry.graph->CurveAt(list, c).Points);
      points.emplace_back();  // the end of a list
    }
  }
  return points;
}

// A long-term problem whose second problem stops on an input error: the graphs show
// the first problem as a run of it alone would, and nothing of the second.
TEST(PlotDataAfterAnInputError, TheProblemsBeforeItAreShownAndNothingOfIt) {
  const std::vector<std::string> lines = TextLines(read_file(ExampleFile("secant-pile-wall-moment-ei.vd5d")));
  std::string short_term, long_term;
  for (std::size_t i = 0; i + 1 < lines.size() && !lines[i].empty(); ++i) short_term += lines[i] + "\n";
  long_term = short_term;
  long_term.replace(long_term.find("5\t39.6"), 6, "5\t52.8");  // a higher long-term pressure
  // Line numbers of the long-term block, from its title (0).
  const auto cut_after = [&](int line) {
    std::size_t at = 0;
    for (int i = 0; i <= line; ++i) at = long_term.find('\n', at) + 1;
    return long_term.substr(0, at);
  };
  // Two of the five points of its moment-EI curve, the last record before the code.
  const std::size_t ei_points = TextLines(long_term).size() - 4;

  TempDir dir;
  // The reference: the first problem alone.
  write_file(dir / "alone.vd5d", short_term + "0\n");
  ASSERT_EQ(AnalyseBeside(dir / "alone.vd5d").outcome, RunOutcome::Finished);
  fw::TMainGraphs alone;
  const PlotDataContext context{{}, 11, 5, true};
  ASSERT_TRUE(ReadPlotData(alone, dir / "alone.vd5p", true, context).complete);
  // The whole pair shows both problems.
  write_file(dir / "pair.vd5d", short_term + "9\n" + long_term + "0\n");
  ASSERT_EQ(AnalyseBeside(dir / "pair.vd5d").outcome, RunOutcome::Finished);
  fw::TMainGraphs pair;
  const PlotDataResult both = ReadPlotData(pair, dir / "pair.vd5p", true, context);
  ASSERT_TRUE(both.complete) << both.cause;
  EXPECT_EQ(both.sets_shown, 2);
  EXPECT_EQ(pair.pltDef.LegendText(1), "Long-Term");

  const struct {
    const char* where;  // the long-term problem stops
    std::string text;
  } cases[] = {
      {"before its pressure block", cut_after(2)},
      {"after its pressure block, before its p-y block", cut_after(12)},
      {"after its p-y block", cut_after(static_cast<int>(ei_points))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    write_file(dir / "stopped.vd5d", short_term + "9\n" + c.text);
    const RunStatus run = AnalyseBeside(dir / "stopped.vd5d");
    ASSERT_EQ(run.outcome, RunOutcome::InputError);
    fw::TMainGraphs graphs;
    const PlotDataResult read = ReadPlotData(graphs, dir / "stopped.vd5p", true, context);
    ASSERT_TRUE(read.complete) << read.cause;
    EXPECT_EQ(read.message, "");
    EXPECT_EQ(read.sets_announced, 2);
    EXPECT_EQ(read.sets_shown, 1);
    EXPECT_EQ(AllPoints(graphs), AllPoints(alone));
    EXPECT_EQ(graphs.pltDef.LegendText(0), "Short-Term");
    EXPECT_EQ(graphs.pltDef.YAxisText(), "Depth (m)");
  }
}

}  // namespace
}  // namespace veldra::app::test
