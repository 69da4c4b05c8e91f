// What veldra-calc leaves behind when things go wrong around it: a full disk, an
// interrupt at any moment, a second veldra-calc writing the same results. A file's
// three results are always either all new or all as they were, and no scratch
// directory is left in the temporary directory.
#include "tests/cli/cli_run.h"
#include "tests/support/small_walls.h"
#include "tests/support/temp_dir.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const char* const kOutputs[] = {".vd5o", ".vd5p", ".vd5r"};

std::string with_extension(const fs::path& data, const char* extension) {
  return fs::path(data).replace_extension(extension).string();
}

// The three results of `data`, in order; "(none)" for one that is not there.
std::vector<std::string> result_set(const fs::path& data) {
  std::vector<std::string> set;
  for (const char* ext : kOutputs) {
    const fs::path path = with_extension(data, ext);
    set.push_back(fs::exists(path) ? read_file(path) : std::string("(none)"));
  }
  return set;
}

void write_old_results(const fs::path& data) {
  for (const char* ext : kOutputs) write_file(with_extension(data, ext), "old\n");
}

const std::vector<std::string> kOldSet(3, "old\n");

bool is_empty_dir(const fs::path& dir) { return fs::is_directory(dir) && fs::is_empty(dir); }

// A data file whose run writes a long report (300 increments), so that a run takes
// long enough to be interrupted in every phase.
fs::path copy_long_wall(const TempDir& dir, const std::string& name) {
  const fs::path data = dir / name;
  fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "bench/data/wall-300-increments.vd5d", data);
  return data;
}

TEST(FullDisk, LeavesTheEarlierResultsAndSaysWhy) {
  TempDir dir, tmp;
  const fs::path data = copy_long_wall(dir, "wall.vd5d");
  write_old_results(data);
  CliSetting setting;
  // 8 kB of file size: the engine's first writes into its scratch directory fail
  // with EFBIG, as on a full disk or an exhausted quota; root is bound by it too.
  // (veldra-calc ignores SIGXFSZ itself, which would otherwise end it there.)
  setting.shell_setup = "ulimit -f 8";
  setting.environment = "TMPDIR=" + quoted(tmp.path().string());
  const CliRun run = run_cli(dir.path(), "wall.vd5d", setting);
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  EXPECT_EQ(run.err, "veldra-calc: cannot write the results in the temporary directory " +
                         tmp.path().string() +
                         ": File too large (set TMPDIR to use another directory); the earlier "
                         "results are unchanged\n");
  EXPECT_EQ(result_set(data), kOldSet);
  EXPECT_TRUE(is_empty_dir(tmp.path()));
}

TEST(FullDisk, AFullStandardOutputIsAnErrorWithItsReason) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  write_file(dir / "other.vd5d", kCantilever);
  for (const char* args : {"wall.vd5d", "wall.vd5d other.vd5d"}) {
    CliSetting setting;
    setting.stdout_path = "/dev/full";
    const CliRun run = run_cli(dir.path(), args, setting);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.err.find("veldra-calc: cannot write to standard output: No space left on device\n"),
              std::string::npos)
        << args << ": " << run.err;
  }
}

// A single file: an interrupt at any moment ends the program at once, with the
// results all new or all old, and removes the scratch directory.
TEST(Interrupt, OfASingleFileNeverLeavesAMixedSetOrAScratchDirectory) {
  TempDir dir, tmp;
  const fs::path data = copy_long_wall(dir, "wall.vd5d");
  ASSERT_EQ(run_cli(dir.path(), "-q wall.vd5d").status, 0);
  const std::vector<std::string> new_set = result_set(data);
  std::mt19937 random(7);
  int interrupted = 0;
  for (int attempt = 0; attempt < 40; ++attempt) {
    SCOPED_TRACE("attempt " + std::to_string(attempt));
    write_old_results(data);
    const pid_t pid = start_cli(dir.path(), {"-q", "wall.vd5d"}, dir / "out", dir / "err",
                                {"TMPDIR=" + tmp.path().string()});
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
    kill(pid, SIGINT);
    const int status = wait_cli(pid);
    if (status == 128 + SIGINT) ++interrupted;
    EXPECT_TRUE(status == 0 || status == 128 + SIGINT) << status << read_file(dir / "err");
    const std::vector<std::string> set = result_set(data);
    EXPECT_TRUE(set == kOldSet || set == new_set) << set[0].substr(0, 200);
    EXPECT_TRUE(is_empty_dir(tmp.path()));
  }
  // Most of the attempts land inside the run.
  EXPECT_GT(interrupted, 0);
}

// A batch: the first interrupt lets the analyses under way finish, the second stops
// at once; the table still comes, and every file's set is whole.
TEST(Interrupt, ASecondInterruptOfABatchStopsAtOnceWithTheTable) {
  TempDir dir, tmp;
  std::vector<std::string> args = {"-j", "2"};
  std::vector<fs::path> files;
  for (int k = 0; k < 60; ++k) {
    files.push_back(copy_long_wall(dir, "wall-" + std::to_string(k) + ".vd5d"));
    write_old_results(files.back());
    args.push_back(files.back().filename().string());
  }
  const pid_t pid =
      start_cli(dir.path(), args, dir / "out", dir / "err", {"TMPDIR=" + tmp.path().string()});
  ASSERT_GT(pid, 0);
  // Interrupted once the first file is done, however slow the machine.
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (read_file(dir / "err").find("[1/60]") == std::string::npos &&
         std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  kill(pid, SIGINT);
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  kill(pid, SIGINT);
  EXPECT_EQ(wait_cli(pid), 128 + SIGINT);

  const std::string out = read_file(dir / "out");
  const std::string err = read_file(dir / "err");
  EXPECT_EQ(out.rfind("FILE", 0), 0u) << out;
  EXPECT_NE(out.find("not run"), std::string::npos) << out;
  EXPECT_NE(err.find("veldra-calc: stopping: the analyses under way finish first"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("veldra-calc: interrupted: "), std::string::npos) << err;
  for (const fs::path& data : files) {
    const std::vector<std::string> set = result_set(data);
    if (set == kOldSet) continue;
    // New: all three, the report of this very file.
    EXPECT_NE(set[0].find(data.filename().string()), std::string::npos) << data;
    EXPECT_NE(set[0].find("END OF ANALYSIS"), std::string::npos) << data;
    EXPECT_NE(set[1], "old\n") << data;
    EXPECT_NE(set[2], "old\n") << data;
  }
  EXPECT_TRUE(is_empty_dir(tmp.path()));
}

// Two veldra-calc writing the same results (same name, same output folder) take
// turns: the set is the one of either, never a mix.
TEST(TwoProcesses, WritingTheSameResultsNeverMixThem) {
  TempDir dir;
  fs::create_directories(dir / "a");
  fs::create_directories(dir / "b");
  fs::create_directories(dir / "out");
  copy_long_wall(dir, "a/wall.vd5d");
  write_file(dir / "b/wall.vd5d", kCantilever);

  std::vector<std::string> expected[2];
  for (int k = 0; k < 2; ++k) {
    const std::string data = k == 0 ? "a/wall.vd5d" : "b/wall.vd5d";
    ASSERT_EQ(run_cli(dir.path(), "-q --out-dir out " + data).status, 0);
    expected[k] = result_set(dir / "out/wall.vd5d");
  }
  ASSERT_TRUE(expected[0][1] != expected[1][1] && expected[0][2] != expected[1][2]);

  for (int attempt = 0; attempt < 40; ++attempt) {
    SCOPED_TRACE("attempt " + std::to_string(attempt));
    const pid_t a = start_cli(dir.path(), {"-q", "--out-dir", "out", "a/wall.vd5d"}, dir / "a.out",
                              dir / "a.err");
    const pid_t b = start_cli(dir.path(), {"-q", "--out-dir", "out", "b/wall.vd5d"}, dir / "b.out",
                              dir / "b.err");
    EXPECT_EQ(wait_cli(a), 0) << read_file(dir / "a.err");
    EXPECT_EQ(wait_cli(b), 0) << read_file(dir / "b.err");
    const std::vector<std::string> set = result_set(dir / "out/wall.vd5d");
    EXPECT_TRUE(set == expected[0] || set == expected[1]);
  }
  // Nothing but the results: no lock file, no staged file.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir / "out")) ++entries;
  EXPECT_EQ(entries, 3);
}

// Replacing results keeps what the user made of the old ones: a read-only report
// stays read-only, a link to a plot-data file elsewhere stays a link.
TEST(ResultFiles, AReadOnlyResultKeepsItsModeAndALinkStaysALink) {
  TempDir dir;
  fs::create_directories(dir / "elsewhere");
  write_file(dir / "wall.vd5d", kCantilever);
  write_old_results(dir / "wall.vd5d");
  chmod((dir / "wall.vd5o").c_str(), 0444);
  write_file(dir / "elsewhere/kept.vd5p", "old\n");
  fs::remove(dir / "wall.vd5p");
  fs::create_symlink("elsewhere/kept.vd5p", dir / "wall.vd5p");

  const CliRun run = run_cli(dir.path(), "-q wall.vd5d");
  ASSERT_EQ(run.status, 0) << run.err;
  struct stat report {};
  ASSERT_EQ(stat((dir / "wall.vd5o").c_str(), &report), 0);
  EXPECT_EQ(report.st_mode & 07777, 0444u);
  EXPECT_NE(read_file(dir / "wall.vd5o").find("END OF ANALYSIS"), std::string::npos);
  EXPECT_TRUE(fs::is_symlink(dir / "wall.vd5p"));
  EXPECT_NE(read_file(dir / "elsewhere/kept.vd5p"), "old\n");
}

}  // namespace
}  // namespace veldra::test
