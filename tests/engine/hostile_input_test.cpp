// Data files from colleagues, old projects and hand edits: whatever a file holds,
// the run ends in order with a message that says what is wrong, and never prints a
// number that is not finite. Each fixture here is a case that once got through.
#include "tests/support/engine_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

struct Fixture {
  const char* file;
  RunOutcome outcome;
  const char* message;
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.file; }

class HostileInputTest : public ::testing::TestWithParam<Fixture> {};

bool has_non_finite(const std::string& text) {
  return text.find("NaN") != std::string::npos || text.find("Inf") != std::string::npos;
}

TEST_P(HostileInputTest, EndsInOrderWithAClearMessage) {
  const Fixture f = GetParam();
  const std::string data = read_file(fs::path(VELDRA_TEST_DATA_DIR) / "malformed" / f.file);
  const EngineRun run = run_engine(data);
  EXPECT_EQ(run.status.outcome, f.outcome);
  EXPECT_EQ(run.status.message, f.message);
  if (f.outcome == RunOutcome::InputError) {
    EXPECT_NE(run.report.find(std::string("     ") + f.message + "\n"), std::string::npos);
    EXPECT_NE(run.report.find("END OF ANALYSIS"), std::string::npos);
  }
  EXPECT_FALSE(has_non_finite(run.report)) << run.report;
  EXPECT_FALSE(has_non_finite(run.plot)) << run.plot;
  EXPECT_FALSE(has_non_finite(run.notes)) << run.notes;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, HostileInputTest,
    ::testing::Values(Fixture{"tieback-zero-width.vd5d", RunOutcome::InputError,
                              "ERROR STOP -- THE WIDTH WT MUST BE POSITIVE FOR TIEBACKS"}),
    [](const auto& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.find('.'));
      for (char& c : name) {
        if (c == '-') c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace veldra::test
