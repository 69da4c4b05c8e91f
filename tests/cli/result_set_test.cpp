// A file's three results are replaced as one step: all new or all as they were,
// whatever fails on the way; links and permissions of the old files are kept.
#include "cli/result_set.h"
#include "tests/support/temp_dir.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const char* const kNames[3] = {"wall.vd5o", "wall.vd5p", "wall.vd5r"};

// Finished results in `scratch`, each file's text naming its kind and `tag`; the
// new plot-data file is `plot_size` bytes long.
cli::PathSet make_results(const fs::path& scratch, const std::string& tag,
                          std::size_t plot_size = 0) {
  cli::PathSet made;
  for (int i = 0; i < 3; ++i) {
    made[i] = scratch / kNames[i];
    std::string text = std::string(kNames[i]) + " " + tag + "\n";
    if (i == 1 && plot_size > text.size()) text.append(plot_size - text.size(), 'p');
    write_file(made[i], text);
  }
  return made;
}

cli::PathSet targets_in(const fs::path& dir) {
  return {dir / kNames[0], dir / kNames[1], dir / kNames[2]};
}

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class ReplaceResults : public ::testing::TestWithParam<bool> {};

TEST_P(ReplaceResults, PutsTheWholeNewSetInPlaceAndNothingElse) {
  TempDir scratch, dir;
  const cli::PathSet targets = targets_in(dir.path());
  for (const fs::path& t : targets) write_file(t, "old\n");
  cli::ResultSetFaults faults;
  faults.copy = GetParam();
  EXPECT_EQ(cli::replace_results(make_results(scratch.path(), "new"), targets, faults), "");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(read_file(targets[i]), std::string(kNames[i]) + " new\n");
  }
  EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{kNames[0], kNames[1], kNames[2]}));
  EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST_P(ReplaceResults, KeepsTheModeOfAReadOnlyResultAndFollowsALink) {
  TempDir scratch, dir;
  fs::create_directories(dir / "kept");
  const cli::PathSet targets = targets_in(dir.path());
  write_file(targets[0], "old\n");
  chmod(targets[0].c_str(), 0444);
  write_file(dir / "kept/wall.vd5p", "old\n");
  fs::create_symlink("kept/wall.vd5p", targets[1]);
  cli::ResultSetFaults faults;
  faults.copy = GetParam();
  ASSERT_EQ(cli::replace_results(make_results(scratch.path(), "new"), targets, faults), "");

  struct stat report {};
  ASSERT_EQ(stat(targets[0].c_str(), &report), 0);
  EXPECT_EQ(report.st_mode & 07777, 0444u);
  EXPECT_EQ(read_file(targets[0]), "wall.vd5o new\n");
  EXPECT_TRUE(fs::is_symlink(targets[1]));
  EXPECT_EQ(read_file(dir / "kept/wall.vd5p"), "wall.vd5p new\n");
  EXPECT_EQ(names_in(dir / "kept"), std::vector<std::string>{"wall.vd5p"});
}

TEST_P(ReplaceResults, AFailedRenamePutsBackWhatWasReplaced) {
  for (int failing = 0; failing < 3; ++failing) {
    // With and without a run-notes file of an earlier run.
    for (const bool notes_existed : {true, false}) {
      SCOPED_TRACE("rename " + std::to_string(failing) + (notes_existed ? "" : ", no old notes"));
      TempDir scratch, dir;
      const cli::PathSet targets = targets_in(dir.path());
      for (int i = 0; i < 3; ++i) {
        if (i < 2 || notes_existed) write_file(targets[i], std::string("old ") + kNames[i]);
      }
      cli::ResultSetFaults faults;
      faults.copy = GetParam();
      faults.failing_rename = failing;
      const std::string error =
          cli::replace_results(make_results(scratch.path(), "new"), targets, faults);
      EXPECT_EQ(error, "cannot write " + targets[failing].string() +
                           ": Input/output error; the earlier results are unchanged");
      for (int i = 0; i < 3; ++i) {
        if (i < 2 || notes_existed) {
          EXPECT_EQ(read_file(targets[i]), std::string("old ") + kNames[i]);
        } else {
          EXPECT_FALSE(fs::exists(targets[i]));
        }
      }
      EXPECT_EQ(names_in(dir.path()).size(), notes_existed ? 3u : 2u);
      EXPECT_TRUE(fs::is_empty(scratch.path()));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(RenamedOrCopied, ReplaceResults, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Copied" : "Renamed"; });

// A disk that fills while the new files are copied over from another file system:
// a file-size limit in a child process gives the same EFBIG as a quota, as root too.
TEST(ReplaceResultsOnAFullDisk, LeavesTheOldSetAndNamesTheReason) {
  TempDir scratch, dir;
  const cli::PathSet targets = targets_in(dir.path());
  for (const fs::path& t : targets) write_file(t, "old\n");
  const cli::PathSet made = make_results(scratch.path(), "new", 64 * 1024);
  write_file(dir / "message", "");

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16 * 1024, 16 * 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    cli::ResultSetFaults faults;
    faults.copy = true;
    write_file(dir / "message", cli::replace_results(made, targets, faults));
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(read_file(dir / "message"),
            "cannot write " + targets[1].string() +
                ": File too large; the earlier results are unchanged");
  for (const fs::path& t : targets) EXPECT_EQ(read_file(t), "old\n") << t;
  EXPECT_EQ(names_in(dir.path()).size(), 4u);  // the three results and the message
}

TEST(ReplaceResultsEdges, ANameAtTheFileSystemLimitIsCopiedIntoPlace) {
  TempDir scratch, dir;
  const std::string stem(250, 'w');
  cli::PathSet made, targets;
  for (int i = 0; i < 3; ++i) {
    const std::string name = stem + fs::path(kNames[i]).extension().string();
    made[i] = scratch / name;
    targets[i] = dir / name;
    write_file(made[i], "new");
  }
  cli::ResultSetFaults faults;
  faults.copy = true;
  EXPECT_EQ(cli::replace_results(made, targets, faults), "");
  for (const fs::path& t : targets) EXPECT_EQ(read_file(t), "new");
  const std::string lock = cli::lock_file_name(targets[0].filename());
  EXPECT_LE(lock.size(), 255u);
  EXPECT_EQ(lock, cli::lock_file_name(targets[0].filename()));
  EXPECT_EQ(cli::lock_file_name("wall.vd5o"), ".wall.vd5o.lock");
}

TEST(ReplaceResultsEdges, ADirectoryInTheWayIsRefusedBeforeAnythingIsReplaced) {
  TempDir scratch, dir;
  const cli::PathSet targets = targets_in(dir.path());
  write_file(targets[0], "old\n");
  fs::create_directories(targets[2]);
  EXPECT_EQ(cli::replace_results(make_results(scratch.path(), "new"), targets),
            "cannot write " + targets[2].string() +
                ": it is a directory; the earlier results are unchanged");
  EXPECT_EQ(read_file(targets[0]), "old\n");
  EXPECT_FALSE(fs::exists(targets[1]));
  EXPECT_TRUE(fs::is_empty(scratch.path()));
}

}  // namespace
}  // namespace veldra::test
