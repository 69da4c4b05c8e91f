// The run frame: the exported entry point and its handshake, the names file, the
// title page, the unit labels and the station indexing of the problem state.
#include "engine/driver/names_file.h"
#include "engine/driver/run.h"
#include "engine/state/problem_state.h"
#include "engine/state/unit_labels.h"
#include "tests/support/engine_run.h"
#include "tests/support/small_walls.h"
#include "tests/support/temp_dir.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

// Runs the current directory's code with `dir` as current directory.
class InDirectory {
 public:
  explicit InDirectory(const fs::path& dir) : old_(fs::current_path()) {
    fs::current_path(dir);
  }
  ~InDirectory() { fs::current_path(old_); }

 private:
  fs::path old_;
};

void write_names(const TempDir& dir, int lines) {
  const std::string all[8] = {"2015.5.18",
                              "identification",
                              "block",
                              "0",
                              (dir / "wall.vd5d").string(),
                              (dir / "wall.vd5o").string(),
                              (dir / "wall.vd5p").string(),
                              (dir / "wall.vd5r").string()};
  std::string text;
  for (int i = 0; i < lines; ++i) text += all[i] + "\n";
  write_file(dir / "NAMES.dat", text);
}

using EntryPoint = int (*)(int);

// The shared library as the application loads it.
class Library {
 public:
  Library() : handle_(dlopen(VELDRA_BINARY_DIR "/lib/libVeldraCalc.so", RTLD_NOW)) {}
  ~Library() {
    if (handle_) dlclose(handle_);
  }
  void* handle() const { return handle_; }
  EntryPoint entry(const char* name) const {
    return reinterpret_cast<EntryPoint>(dlsym(handle_, name));
  }

 private:
  void* handle_;
};

TEST(EntryPoint, IsExportedUnderBothNames) {
  Library lib;
  ASSERT_NE(lib.handle(), nullptr) << dlerror();
  EXPECT_NE(lib.entry("IVELDRA"), nullptr);
  EXPECT_NE(lib.entry("_IVELDRA"), nullptr);
  EXPECT_NE(lib.entry("VELDRA_LastRunOutcome"), nullptr);
}

TEST(EntryPoint, RefusesAnyKeyButEighteenAndTouchesNothing) {
  Library lib;
  ASSERT_NE(lib.handle(), nullptr) << dlerror();
  const EntryPoint iveldra = lib.entry("_IVELDRA");
  ASSERT_NE(iveldra, nullptr);
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  write_names(dir, 8);
  InDirectory here(dir.path());
  for (int key : {17, 0, -18, 19}) {
    EXPECT_EQ(iveldra(key), 1) << key;
    EXPECT_FALSE(fs::exists(dir / "wall.vd5o")) << key;
    EXPECT_FALSE(fs::exists(dir / "wall.vd5p")) << key;
    EXPECT_FALSE(fs::exists(dir / "wall.vd5r")) << key;
  }
  EXPECT_EQ(iveldra(18), 0);
  EXPECT_TRUE(fs::exists(dir / "wall.vd5o"));
  EXPECT_TRUE(fs::exists(dir / "wall.vd5p"));
  EXPECT_TRUE(fs::exists(dir / "wall.vd5r"));
  const auto outcome = reinterpret_cast<int (*)()>(dlsym(lib.handle(), "VELDRA_LastRunOutcome"));
  ASSERT_NE(outcome, nullptr);
  EXPECT_EQ(outcome(), VELDRA_RUN_FINISHED);
}

TEST(EntryPoint, TellsAnInputErrorApartFromAFinishedRun) {
  Library lib;
  ASSERT_NE(lib.handle(), nullptr) << dlerror();
  TempDir dir;
  write_file(dir / "wall.vd5d", "TITLE\n1 21 1 0 0 0 0 1 0 0\n10 12 10 0.001 0 12\n");
  write_names(dir, 8);
  InDirectory here(dir.path());
  ASSERT_EQ(lib.entry("IVELDRA")(18), 0);
  const auto outcome = reinterpret_cast<int (*)()>(dlsym(lib.handle(), "VELDRA_LastRunOutcome"));
  const auto message =
      reinterpret_cast<int (*)(char*, int)>(dlsym(lib.handle(), "VELDRA_LastRunMessage"));
  EXPECT_EQ(outcome(), VELDRA_RUN_INPUT_ERROR);
  char buf[120];
  message(buf, sizeof buf);
  EXPECT_STREQ(buf, "TOO MUCH DATA FOR AVAILABLE STORAGE -- 21 RESTRAINT ROWS ON LINE 2, ITEM 2 "
                    "(AT MOST 20)");
}

class NamesFileTest : public ::testing::TestWithParam<int> {};

TEST_P(NamesFileTest, MissingOrShortNamesFileWritesTheConsoleMessageAndNoFile) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  const int lines = GetParam();
  if (lines > 0) write_names(dir, lines);
  std::ostringstream console;
  const RunStatus status = engine::run_names_file(dir.path(), console);
  EXPECT_EQ(status.outcome, RunOutcome::NamesFileMissing);
  EXPECT_EQ(console.str(),
            " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
            " BEFORE COMPUTATION.  TRY IT AGAIN!\n");
  EXPECT_FALSE(fs::exists(dir / "wall.vd5o"));
  EXPECT_FALSE(fs::exists(dir / "wall.vd5p"));
  EXPECT_FALSE(fs::exists(dir / "wall.vd5r"));
}

// 0 lines: no names file at all.
INSTANTIATE_TEST_SUITE_P(Lines, NamesFileTest, ::testing::Values(0, 4, 7));

TEST(NamesFile, FieldsAreCutAndPadded) {
  TempDir dir;
  const std::string long_path(300, 'p');
  write_file(dir / "NAMES.dat", "2015.5.18.extra.text\r\na\nb\n0\n" + long_path +
                                    "\nreport.vd5o   \nplot.vd5p\nnotes.vd5r\n");
  const auto names = engine::read_names_file(dir / "NAMES.dat");
  ASSERT_TRUE(names);
  EXPECT_EQ(names->version, "2015.5.18.ex");
  EXPECT_EQ(names->data, std::string(255, 'p'));
  EXPECT_EQ(names->report, "report.vd5o");
  EXPECT_EQ(names->notes, "notes.vd5r");
}

TEST(NamesFile, RelativePathsResolveAgainstTheNamesFileDirectory) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  write_file(dir / "NAMES.dat", "2015.5.18\na\nb\n0\nwall.vd5d\nwall.vd5o\nwall.vd5p\nwall.vd5r\n");
  std::ostringstream console;
  const RunStatus status = engine::run_names_file(dir.path(), console);
  EXPECT_EQ(status.outcome, RunOutcome::Finished) << status.message;
  EXPECT_TRUE(fs::exists(dir / "wall.vd5o"));
}

TEST(RunFiles, AnUnopenableOutputLeavesNoNewFileBehind) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  RunPaths paths;
  paths.data = dir / "wall.vd5d";
  paths.report = dir / "wall.vd5o";
  paths.plot = dir / "missing-dir" / "wall.vd5p";
  paths.notes = dir / "wall.vd5r";
  std::ostringstream console;
  const RunStatus status = engine::run_paths(paths, console);
  EXPECT_EQ(status.outcome, RunOutcome::FileError);
  EXPECT_NE(status.message.find("missing-dir"), std::string::npos) << status.message;
  EXPECT_FALSE(fs::exists(dir / "wall.vd5o"));
  EXPECT_FALSE(fs::exists(dir / "wall.vd5r"));
}

TEST(RunFiles, AMissingDataFileIsAFileError) {
  TempDir dir;
  RunPaths paths;
  paths.data = dir / "absent.vd5d";
  paths.report = dir / "absent.vd5o";
  paths.plot = dir / "absent.vd5p";
  paths.notes = dir / "absent.vd5r";
  std::ostringstream console;
  EXPECT_EQ(engine::run_paths(paths, console).outcome, RunOutcome::FileError);
  EXPECT_FALSE(fs::exists(dir / "absent.vd5o"));
}

TEST(TitlePage, MatchesTheGoldenLayout) {
  // 14 November 2023, 22:13:20 UTC.
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  RunPaths paths;
  paths.data = dir / "wall.vd5d";
  paths.report = dir / "wall.vd5o";
  paths.plot = dir / "wall.vd5p";
  paths.notes = dir / "wall.vd5r";
  std::ostringstream console;
  ASSERT_EQ(engine::run_paths(paths, console).outcome, RunOutcome::Finished);
  std::string golden = read_file(fs::path(VELDRA_TEST_DATA_DIR) / "title_page.golden");
  golden.replace(golden.find("@DIR@"), 5, dir.path().string());
  const std::string report = read_file(paths.report);
  EXPECT_EQ(report.substr(0, golden.size()), golden);
}

TEST(TitlePage, EndsTheRunWithEndOfAnalysis) {
  const EngineRun run = run_engine(kCantilever);
  const std::string end = "\n\n\n\n     END OF ANALYSIS" + std::string(29, ' ') + "\n";
  ASSERT_GE(run.report.size(), end.size());
  EXPECT_EQ(run.report.substr(run.report.size() - end.size()), end);
  EXPECT_EQ(count_of(run.report, "END OF ANALYSIS"), 1);
}

struct LabelCase {
  int code;
  const char* l3;
  const char* f4;
  const char* l2;
  const char* f3;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << "units code " << c.code; }

class UnitLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(UnitLabelTest, SetsTheFourLabels) {
  const LabelCase c = GetParam();
  const engine::UnitLabels u = engine::unit_labels(c.code);
  EXPECT_EQ(u.l3, c.l3);
  EXPECT_EQ(u.f4, c.f4);
  EXPECT_EQ(u.l2, c.l2);
  EXPECT_EQ(u.f3, c.f3);
}

INSTANTIATE_TEST_SUITE_P(Codes, UnitLabelTest,
                         ::testing::Values(LabelCase{1, " IN", " LBS", "IN", "LBS"},
                                           LabelCase{2, "  M", "  KN", " M", " KN"},
                                           LabelCase{3, "  L", "   F", " L", "  F"},
                                           LabelCase{7, "  L", "   F", " L", "  F"},
                                           LabelCase{0, "  L", "   F", " L", "  F"}),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(UnitLabels, ASecondProblemInSiUnitsPrintsSiLabels) {
  std::string english = kCantilever;
  std::string si = kCantilever;
  si.replace(si.find("1 1\t1"), 5, "2 1\t1");
  english.replace(english.rfind("0\n"), 2, "9\n");
  const EngineRun run = run_engine(english + si);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  const std::size_t second = run.report.find("Long Term :");
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(run.report.find("INCREMENT LENGTH                                   =    12.000 IN"),
            std::string::npos);
  EXPECT_NE(run.report.find("INCREMENT LENGTH                                   =    12.000  M",
                            second),
            std::string::npos);
}

TEST(ProblemState, StationIndexingCoversThreeFictitiousStationsEachSide) {
  EXPECT_EQ(engine::station_index(-3), 1);
  EXPECT_EQ(engine::station_index(0), 4);
  EXPECT_EQ(engine::station_index(300), 304);
  EXPECT_EQ(engine::station_index(300 + 3), 307);
  // The largest wall still fits: N + 7 is the last entry.
  EXPECT_EQ(engine::station_index(engine::kMaxIncrements + 3), engine::kStationEntries);
  EXPECT_EQ(std::tuple_size_v<engine::StationArray>, engine::kStationEntries + 1u);
}

TEST(ProblemState, AWallOf300IncrementsSolvesUsingIndicesUpTo307) {
  // 300 increments, fixed at the tip: deflections exist down to station N+1 and
  // station N+3 (index 307) stays the last one the solution touches.
  const std::string data =
      "LONG WALL\n"
      "1 1 1 0 0 0 0 1 0 0\n"
      "300 1 100 0.0001 0 12\n"
      "3 300 0 0\n"
      "0 300 1 1.0E9\n"
      "1\n"
      "1 0 0 10 0 0\n"
      "0\n"
      "0\n";
  const EngineRun run = run_engine(data);
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;
  ASSERT_EQ(run.status.problems.size(), 1u);
  EXPECT_TRUE(run.status.problems[0].closed);
  // P L^3 / (3 EI) = 10 * 300^3 / 3e9 = 0.09
  EXPECT_NEAR(run.status.problems[0].max_abs_deflection, 0.09, 0.09 * 0.01);
  EXPECT_NE(run.plot.find(" 1 302 1\n"), std::string::npos) << run.plot.substr(0, 200);
}

}  // namespace
}  // namespace veldra::test
