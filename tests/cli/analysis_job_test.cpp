// One job of veldra-calc with the scratch directory a batch worker keeps for all
// of its jobs: every job leaves it empty, whatever became of the analysis.
#include "cli/analysis_job.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

bool is_empty_dir(const fs::path& dir) { return fs::is_directory(dir) && fs::is_empty(dir); }

TEST(AnalysisJob, ASharedScratchDirectoryIsLeftEmptyAfterEveryJob) {
  TempDir dir;
  fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "examples/cantilever-sheet-pile-wall.vd5d",
                dir / "good.vd5d");
  write_file(dir / "truncated.vd5d", "TRUNCATED WALL\n1 0 1\n");
  fs::create_directories(dir / "locked.vd5o");  // a directory where the report should go

  cli::ScratchDir scratch;
  ASSERT_FALSE(scratch.path().empty());
  struct Case {
    const char* data;
    RunOutcome outcome;
    bool front_end_error;
  };
  for (const Case c : {Case{"good.vd5d", RunOutcome::Finished, false},
                       Case{"truncated.vd5d", RunOutcome::InputError, false},
                       Case{"locked.vd5d", RunOutcome::Finished, true},
                       Case{"good.vd5d", RunOutcome::Finished, false}}) {
    if (std::string(c.data) == "locked.vd5d") fs::copy_file(dir / "good.vd5d", dir / c.data);
    const cli::JobResult job = cli::run_job(dir / c.data, std::nullopt, &scratch);
    EXPECT_EQ(job.status.outcome, c.outcome) << c.data << ": " << job.status.message;
    EXPECT_EQ(!job.error.empty(), c.front_end_error) << c.data << ": " << job.error;
    EXPECT_TRUE(is_empty_dir(scratch.path())) << c.data;
    if (!c.front_end_error) {
      EXPECT_EQ(job.report, dir / fs::path(c.data).replace_extension(".vd5o"));
      EXPECT_TRUE(fs::is_regular_file(job.report)) << c.data;
    }
  }
}

}  // namespace
}  // namespace veldra::test
