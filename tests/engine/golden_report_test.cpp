// One small problem touching every section the engine prints for user-given
// pressures and curves: its report, plot-data file and run notes are compared byte
// for byte with files reviewed by hand against the layouts.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(VELDRA_TEST_DATA_DIR) / "golden";

TEST(GoldenReport, SmallAnchoredWallMatchesByteForByte) {
  const EngineRun run = run_engine(read_file(kGolden / "small-wall.vd5d"), "small-wall");
  ASSERT_EQ(run.status.outcome, RunOutcome::Finished) << run.status.message;

  // The report names the directory it ran in; the golden file holds a placeholder.
  std::string report = run.report;
  const std::string label = "Path to file locations      : ";
  const std::size_t at = report.find(label) + label.size();
  report.replace(at, report.find('\n', at) - at, "@DIR@/");

  EXPECT_EQ(report, read_file(kGolden / "small-wall.vd5o"));
  EXPECT_EQ(run.plot, read_file(kGolden / "small-wall.vd5p"));
  EXPECT_EQ(run.notes, read_file(kGolden / "small-wall.vd5r"));
}

}  // namespace
}  // namespace veldra::test
