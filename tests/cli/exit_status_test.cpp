// How veldra-calc reports each way a run can end: the exit status of one file, the
// words of the batch table, and the exit status of a batch.
#include "cli/analysis_job.h"
#include "cli/batch_run.h"
#include "cli/batch_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veldra::test {
namespace {

RunStatus status_of(RunOutcome outcome, const std::string& message = {}) {
  RunStatus s;
  s.outcome = outcome;
  s.message = message;
  return s;
}

// A finished run of two problems, the second closed or not.
RunStatus finished(bool second_closed) {
  RunStatus s = status_of(RunOutcome::Finished);
  for (int k = 1; k <= 2; ++k) {
    ProblemSummary& p = s.problems.emplace_back();
    p.number = k;
    p.solved = true;
    p.iterations = 7;
    p.units = 1;
    p.closed = k == 1 || second_closed;
  }
  return s;
}

struct EndCase {
  const char* label;
  RunStatus status;
  int exit_status;          // of a single file
  const char* table_words;  // in the batch table's line of the file
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.label; }

class RunEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(RunEnd, HasItsExitStatusAndItsWordsInTheBatchTable) {
  const EndCase& c = GetParam();
  EXPECT_EQ(cli::exit_status(c.status), c.exit_status);

  std::vector<cli::BatchItem> items(1);
  items[0].data = "wall.vd5d";
  items[0].analysed = true;
  items[0].job.status = c.status;
  std::ostringstream table;
  cli::print_batch_table(table, items);
  EXPECT_NE(table.str().find(c.table_words), std::string::npos) << table.str();
  EXPECT_EQ(cli::batch_exit_status(items), c.exit_status == 0 ? 0 : 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunEnd,
    ::testing::Values(
        EndCase{"Closed", finished(true), 0, "wall.vd5d  finished "},
        EndCase{"NotClosed", finished(false), 5, "wall.vd5d  not closed "},
        EndCase{"InputError", status_of(RunOutcome::InputError, "ERROR STOP -- X"), 2,
                "input error     ERROR STOP -- X"},
        EndCase{"SoilStop", status_of(RunOutcome::SoilStop, "SILT WITHOUT FRICTION ANGLE"), 3,
                "soil stop       stop code 0: SILT WITHOUT FRICTION ANGLE"},
        EndCase{"FileError", status_of(RunOutcome::FileError, "cannot open the data file"), 1,
                "file error      cannot open the data file"},
        EndCase{"InternalError",
                status_of(RunOutcome::InternalError, "internal error: unknown edit descriptor"),
                6, "internal error  unknown edit descriptor"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace veldra::test
