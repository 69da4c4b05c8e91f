// What escapes an analysis becomes a status: a file-system failure a file error,
// anything else the internal-error outcome, never the file-error outcome.
#include "engine/driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>
#include <system_error>

namespace veldra::test {
namespace {

struct GuardCase {
  const char* label;
  std::function<RunStatus()> analysis;
  RunOutcome outcome;
  const char* message;
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.label; }

class RunGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(RunGuard, TurnsWhatEscapesIntoItsOutcome) {
  const GuardCase& c = GetParam();
  const RunStatus status = engine::run_guarded(c.analysis);
  EXPECT_EQ(status.outcome, c.outcome);
  EXPECT_EQ(status.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunGuard,
    ::testing::Values(
        GuardCase{"AStatusPassesThrough",
                  [] {
                    RunStatus s;
                    s.outcome = RunOutcome::InputError;
                    s.message = "ERROR STOP -- STATIONS NOT IN ORDER";
                    return s;
                  },
                  RunOutcome::InputError, "ERROR STOP -- STATIONS NOT IN ORDER"},
        GuardCase{"ALogicErrorIsInternal",
                  []() -> RunStatus { throw std::logic_error("unknown edit descriptor Q"); },
                  RunOutcome::InternalError, "internal error: unknown edit descriptor Q"},
        GuardCase{"OutOfMemoryIsInternal", []() -> RunStatus { throw std::bad_alloc(); },
                  RunOutcome::InternalError, "internal error: out of memory"},
        GuardCase{"ANonStandardExceptionIsInternal", []() -> RunStatus { throw 42; },
                  RunOutcome::InternalError, "internal error"},
        GuardCase{"AFileSystemFailureIsAFileError",
                  []() -> RunStatus {
                    throw std::filesystem::filesystem_error(
                        "cannot make absolute", std::make_error_code(std::errc::no_such_file_or_directory));
                  },
                  RunOutcome::FileError,
                  "filesystem error: cannot make absolute: No such file or directory"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace veldra::test
