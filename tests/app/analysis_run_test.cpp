// "Run Analysis" without its window: the engine library loaded at run time, the
// names file in the private run folder, the order of what the window is asked to
// do, and what stays untouched when the run cannot go ahead.
#include "app/run/analysis_run.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_model.h"
#include "app/problem_files.h"
#include "app/run/run_folder.h"
#include "app/word_reader.h"
#include "framework/main_graphs.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;
using fw::CurveList;

const fs::path kEngine = fs::path(VELDRA_BINARY_DIR) / "lib" / "libVeldraCalc.so";
const fs::path kRefusingEngine = VELDRA_TEST_REFUSING_ENGINE;
const fs::path kRecordingEngine = VELDRA_TEST_RECORDING_ENGINE;
const fs::path kNoEntryEngine = VELDRA_TEST_NO_ENTRY_ENGINE;

const std::string kCompleted = std::string("info: ") + kRunCompletedMessage;

// A run over the window's hooks, each of which leaves a line in `events`.
class AnalysisRunTest : public ::testing::Test {
 protected:
  AnalysisRunTest() {
    run.SetLibraryPath(kEngine);
    run.SetRunFolderBase(runs.path() / "veldra");
    model.OnCloseChildWindows = [this] { events.push_back("close windows"); };
    run.hooks.save = [this] {
      if (NeedsSaveAs(model.Problem())) return false;  // the user cancels Save As
      SaveProblem(model);
      events.push_back("save");
      return true;
    };
    run.hooks.show_message = [this](MessageKind kind, const std::string& text) {
      events.push_back((kind == MessageKind::kWarning ? "warning: " : "info: ") + text);
    };
    run.hooks.busy = [this](bool busy) { events.push_back(busy ? "busy" : "not busy"); };
    run.hooks.store_plot_read = [this](bool read) { events.push_back(read ? "plot read" : "plot not read"); };
    run.hooks.refresh_diagram_buttons = [this] { events.push_back("refresh"); };
  }

  // Opens a copy of an example in the test's folder.
  void OpenExample(const std::string& name) {
    fs::copy_file(ExampleFile(name), dir / name, fs::copy_options::overwrite_existing);
    ASSERT_TRUE(OpenProblem(model, dir / name, kFormatCurrent).load.complete);
    events.clear();
  }
  fs::path DataFile() const { return model.Problem().FileName; }
  fs::path Output(const char* extension) const { return fs::path(DataFile()).replace_extension(extension); }
  fs::path NamesFile() const { return runs.path() / "veldra" / ("run-" + std::to_string(getpid())) / "NAMES.dat"; }

  TempDir dir;
  TempDir runs;
  TMainModel model;
  fw::TMainGraphs graphs;
  TAnalysisRun run{model, graphs};
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(AnalysisRunTest, EveryExampleRunsThroughTheLibraryAndFillsTheGraphs) {
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VELDRA_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".vd5d") continue;
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    OpenExample(name);
    // Results of something else beside the data file: the run must replace them.
    write_file(Output(".vd5p"), "1 0 0 0 0 1 0 1 2 0\n");
    const fs::path before = fs::current_path();

    const RunResult result = run.Run();

    EXPECT_EQ(result.end, RunEnd::kCompleted);
    EXPECT_TRUE(result.plot_read) << result.plot_cause;
    EXPECT_EQ(events, (Events{"save", "busy", "not busy", kCompleted, "close windows", "plot read", "refresh"}));
    EXPECT_NE(read_file(Output(".vd5o")).find("END OF ANALYSIS"), std::string::npos);
    // Stations 0 to N and the fictitious one below the tip.
    const int stations = model.Problem().Increments + 2;
    ASSERT_GE(graphs.pltDef.CurveCount(), 1);
    for (int k = 0; k < graphs.pltDef.CurveCount(); ++k)
      EXPECT_EQ(static_cast<int>(graphs.pltDef.CurveAt(CurveList::kMain, k).Points.size()), stations);
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(fs::exists(NamesFile()));
    EXPECT_FALSE(run.Running());
  }
}

TEST_F(AnalysisRunTest, EachResultSetHasItsNamedCurve) {
  struct Case {
    const char* example;
    std::vector<std::string> names;
  };
  for (const Case& c : {Case{"three-stage-excavation.vd5d", {"Stage: 1", "Stage: 2", "Stage: 3"}},
                        Case{"short-and-long-term-clay-wall.vd5d", {"Short-Term", "Long-Term"}}}) {
    SCOPED_TRACE(c.example);
    OpenExample(c.example);
    ASSERT_EQ(run.Run().end, RunEnd::kCompleted);

    const fw::TGraphPlot& moment = graphs.pltMom;
    ASSERT_EQ(moment.CurveCount(), static_cast<int>(c.names.size()));
    const TProgramData& p = model.Problem();
    // Station N at the tip: English depths are shown in feet, SI depths in metres.
    const long double tip = p.Increments * p.IncrementLength / (p.UnitSystem == 1 ? 12 : 1);
    for (int k = 0; k < moment.CurveCount(); ++k) {
      const fw::TLine& curve = moment.CurveAt(CurveList::kMain, k);
      EXPECT_EQ(curve.DisplayName(), c.names[static_cast<std::size_t>(k)]);
      ASSERT_EQ(static_cast<int>(curve.Points.size()), p.Increments + 2);
      EXPECT_NEAR(static_cast<double>(curve.Points[static_cast<std::size_t>(p.Increments)].y),
                  static_cast<double>(tip), 1e-9);
    }
    // The result sets are not copies of one another.
    EXPECT_NE(moment.CurveAt(CurveList::kMain, 0).Points, moment.CurveAt(CurveList::kMain, 1).Points);
  }
  // Deeper cuts bend the staged wall more.
  OpenExample("three-stage-excavation.vd5d");
  ASSERT_EQ(run.Run().end, RunEnd::kCompleted);
  auto largest = [&](int k) {
    long double m = 0;
    for (const fw::TFloatPoint& point : graphs.pltMom.CurveAt(CurveList::kMain, k).Points)
      m = std::max(m, std::fabs(point.x));
    return m;
  };
  EXPECT_LT(largest(0), largest(1));
  EXPECT_LT(largest(1), largest(2));
}

TEST_F(AnalysisRunTest, AProblemThatFailsACheckIsNeitherSavedNorRun) {
  OpenExample("cantilever-sheet-pile-wall.vd5d");
  const std::string saved = read_file(DataFile());
  model.Problem().Table(app::WallStiffness::kName).Cell(1, 0).SetInteger(model.Problem().Increments + 1);

  const RunResult result = run.Run();

  EXPECT_EQ(result.end, RunEnd::kInconsistent);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind("warning: End Node, 51 in row 1 of Wall Stiffness definition", 0), 0u) << events[0];
  EXPECT_EQ(read_file(DataFile()), saved);
  EXPECT_FALSE(fs::exists(Output(".vd5o")));
  EXPECT_FALSE(fs::exists(NamesFile()));
}

TEST_F(AnalysisRunTest, AProblemThatWasNotSavedIsNotRun) {
  // Never named, and an older file whose Save As was cancelled: the file on disk is
  // not the problem shown, so the engine must not analyse it.
  for (const char* name : {kNewFileName, "old.vd4d"}) {
    SCOPED_TRACE(name);
    OpenExample("cantilever-sheet-pile-wall.vd5d");
    model.Problem().FileName = name == std::string(kNewFileName) ? name : (dir / name).string();
    const RunResult result = run.Run();
    EXPECT_EQ(result.end, RunEnd::kNotSaved);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(fs::exists(NamesFile()));
    fs::remove(dir / "cantilever-sheet-pile-wall.vd5d");
  }
}

TEST_F(AnalysisRunTest, ALibraryThatCannotBeLoadedLeavesEverythingAsItWas) {
  OpenExample("anchored-sheet-pile-wall.vd5d");
  ASSERT_EQ(run.Run().end, RunEnd::kCompleted);
  const std::string data = read_file(DataFile());
  const std::string report = read_file(Output(".vd5o"));
  const std::string plot = read_file(Output(".vd5p"));
  const std::vector<fw::TFloatPoint> moments = graphs.pltMom.CurveAt(CurveList::kMain, 0).Points;

  write_file(dir / "not-a-library.so", "text\n");
  for (const fs::path& library : {dir / "missing" / "libVeldraCalc.so", dir / "not-a-library.so", kNoEntryEngine}) {
    SCOPED_TRACE(library.string());
    events.clear();
    run.SetLibraryPath(library);

    const RunResult result = run.Run();

    EXPECT_EQ(result.end, RunEnd::kLibraryFailed);
    EXPECT_FALSE(result.load_error.empty());
    EXPECT_EQ(events, (Events{"save", std::string("info: ") + kLibraryFailedMessage}));
    EXPECT_EQ(read_file(DataFile()), data);
    EXPECT_EQ(read_file(Output(".vd5o")), report);
    EXPECT_EQ(read_file(Output(".vd5p")), plot);
    EXPECT_EQ(graphs.pltMom.CurveAt(CurveList::kMain, 0).Points, moments);
    EXPECT_FALSE(run.Running());
    // The names file stays behind until a run reaches the engine.
    EXPECT_TRUE(fs::exists(NamesFile()));
  }

  run.SetLibraryPath(kEngine);
  EXPECT_EQ(run.Run().end, RunEnd::kCompleted);
  EXPECT_FALSE(fs::exists(NamesFile()));
}

TEST_F(AnalysisRunTest, AnEngineThatRefusesTheHandshakeIsNotRead) {
  OpenExample("anchored-sheet-pile-wall.vd5d");
  ASSERT_EQ(run.Run().end, RunEnd::kCompleted);
  const std::vector<fw::TFloatPoint> moments = graphs.pltMom.CurveAt(CurveList::kMain, 0).Points;
  // A different plot file: reading it would change the graphs.
  write_file(Output(".vd5p"), "0 1 0 1 2 0\n");
  events.clear();
  run.SetLibraryPath(kRefusingEngine);

  const RunResult result = run.Run();

  EXPECT_EQ(result.end, RunEnd::kRefused);
  const std::string message = NotConsistentMessage();
  EXPECT_EQ(message.rfind("Computations can not be performed. Executable files are not consistent.\r", 0), 0u);
  EXPECT_EQ(message.substr(message.rfind('\r')), std::string("\r") + kSupportAddress);
  EXPECT_EQ(events, (Events{"save", "busy", "not busy", "info: " + message, "close windows", "refresh"}));
  EXPECT_EQ(graphs.pltMom.CurveAt(CurveList::kMain, 0).Points, moments);
  EXPECT_FALSE(fs::exists(NamesFile()));
}

TEST_F(AnalysisRunTest, TheEngineRunsInThePrivateFolderWithAbsolutePaths) {
  OpenExample("cantilever-sheet-pile-wall.vd5d");
  // The problem named relative to the current directory, as a file named on the
  // command line is.
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  model.Problem().FileName = "cantilever-sheet-pile-wall.vd5d";
  const fs::path record = dir / "record.txt";
  setenv("VELDRA_TEST_ENGINE_RECORD", record.c_str(), 1);
  run.SetLibraryPath(kRecordingEngine);

  const RunResult result = run.Run();
  const fs::path after = fs::current_path();
  fs::current_path(before);
  unsetenv("VELDRA_TEST_ENGINE_RECORD");

  // The engine wrote no plot file: the flag is left alone, the message shown anyway.
  EXPECT_EQ(result.end, RunEnd::kCompleted);
  EXPECT_EQ(events, (Events{"save", "busy", "not busy", kCompleted, "close windows", "refresh"}));
  EXPECT_EQ(after, dir.path());
  const std::string folder = NamesFile().parent_path().string();
  const RunIdentity who = CurrentIdentity();
  const std::string data = (dir / "cantilever-sheet-pile-wall").string();
  EXPECT_EQ(read_file(record), "key 18\ncwd " + folder + "\n2015.5.18\nVELDRA 2015\n" + who.user + ", " + who.host +
                                   "\n2015\n" + data + ".vd5d\n" + data + ".vd5o\n" + data + ".vd5p\n" + data +
                                   ".vd5r\n");
  EXPECT_FALSE(fs::exists(NamesFile()));
}

TEST_F(AnalysisRunTest, ARunStartedWhileOneIsUnderWayIsRefused) {
  OpenExample("cantilever-sheet-pile-wall.vd5d");
  RunResult nested;
  run.hooks.show_message = [&](MessageKind, const std::string& text) {
    events.push_back("info: " + text);
    // The completion message box lets the window take commands again.
    if (text == kRunCompletedMessage) nested = run.Run();
  };

  const RunResult result = run.Run();

  EXPECT_EQ(result.end, RunEnd::kCompleted);
  EXPECT_EQ(nested.end, RunEnd::kRunUnderWay);
  EXPECT_EQ(events, (Events{"save", "busy", "not busy", kCompleted, std::string("info: ") + kRunUnderWayMessage,
                            "close windows", "plot read", "refresh"}));
  EXPECT_FALSE(run.Running());
}

TEST_F(AnalysisRunTest, AnInputErrorFoundByTheEngineStillCompletes) {
  OpenExample("cantilever-sheet-pile-wall.vd5d");
  ASSERT_EQ(run.Run().end, RunEnd::kCompleted);
  events.clear();
  // Pressure points out of order of depth: only the engine looks at that.
  fw::TGridTable& pressure = model.Problem().Table(app::PressureDistribution::kName);
  pressure.Cell(0, 1).SetFloat(-1);

  const RunResult result = run.Run();

  // The report tells why; the plot file holds no whole set of results, so the flag
  // is cleared and the graphs of the earlier run are no longer offered.
  EXPECT_EQ(result.end, RunEnd::kCompleted);
  EXPECT_FALSE(result.plot_read);
  EXPECT_EQ(events, (Events{"save", "busy", "not busy", kCompleted, "close windows", "plot not read", "refresh",
                            std::string("info: ") + kPlotDataReadError}));
  const std::string report = read_file(Output(".vd5o"));
  EXPECT_NE(report.find("ERROR STOP -- PRESSURE POINTS NOT IN ORDER"), std::string::npos);
  EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
}

}  // namespace
}  // namespace veldra::app::test
