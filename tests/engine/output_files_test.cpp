// A run over the outputs of an earlier run replaces them whole: the streams append,
// so an output that existed must be emptied before the run writes it.
#include "engine/driver/run.h"
#include "tests/support/small_walls.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veldra::test {
namespace {

RunPaths paths_in(const TempDir& dir) {
  RunPaths paths;
  paths.data = "wall.vd5d";
  paths.report = "wall.vd5o";
  paths.plot = "wall.vd5p";
  paths.notes = "wall.vd5r";
  paths.working_dir = dir.path();
  return paths;
}

TEST(OutputFiles, ARunReplacesOlderOutputsWhole) {
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  TempDir fresh;
  TempDir rerun;
  for (const TempDir* dir : {&fresh, &rerun}) write_file(*dir / "wall.vd5d", kCantilever);
  // Older outputs, longer than the new ones: what is left of them would show.
  const std::string older(300000, '#');
  for (const char* name : {"wall.vd5o", "wall.vd5p", "wall.vd5r"}) write_file(rerun / name, older);

  std::ostringstream console;
  ASSERT_EQ(engine::run_paths(paths_in(fresh), console).outcome, RunOutcome::Finished);
  ASSERT_EQ(engine::run_paths(paths_in(rerun), console).outcome, RunOutcome::Finished);
  for (const char* name : {"wall.vd5p", "wall.vd5r"}) {
    EXPECT_EQ(read_file(rerun / name), read_file(fresh / name)) << name;
  }
  // The report names its directory; everything else matches.
  const std::string report = read_file(rerun / "wall.vd5o");
  EXPECT_EQ(report.find('#'), std::string::npos);
  EXPECT_EQ(report.size() - rerun.path().string().size(),
            read_file(fresh / "wall.vd5o").size() - fresh.path().string().size());
}

}  // namespace
}  // namespace veldra::test
