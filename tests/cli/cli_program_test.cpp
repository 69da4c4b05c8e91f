// veldra-calc as a program: a batch gives the same files as the data files analysed
// one by one, a failing file does not stop the others, and the single-file mode
// keeps its exit codes.
#include "tests/cli/cli_run.h"
#include "tests/support/small_walls.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const char* const kOutputs[] = {".vd5o", ".vd5p", ".vd5r"};

// A data file the reader refuses: the control record ends early.
const char* const kTruncated = "TRUNCATED WALL\n1 0 1\n";
// The small cantilever with an allowable deflection of 0.1 in, which its 0.58 in
// exceed.
const std::string kBeyondAllowableText = [] {
  std::string text = kCantilever;
  const std::string allowable_10 = "\n10 12\t10\t";
  text.replace(text.find(allowable_10), allowable_10.size(), "\n10 12\t0.1\t");
  return text;
}();
const char* const kBeyondAllowable = kBeyondAllowableText.c_str();

// The bundled examples, copied into `dir`; returns their names in order.
std::vector<std::string> copy_examples(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(VELDRA_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".vd5d") continue;
    fs::copy_file(entry.path(), dir / entry.path().filename().string());
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string with_extension(const std::string& name, const char* extension) {
  return fs::path(name).replace_extension(extension).string();
}

// The three result files of every data file, concatenated with their names, and
// removed so that the next run writes them anew.
std::vector<std::string> take_outputs(const TempDir& dir, const std::vector<std::string>& names) {
  std::vector<std::string> files;
  for (const std::string& name : names) {
    for (const char* ext : kOutputs) {
      const fs::path path = dir / with_extension(name, ext);
      files.push_back(path.filename().string() + ":\n" +
                      (fs::exists(path) ? read_file(path) : std::string("(missing)")));
      fs::remove(path);
    }
  }
  return files;
}

// The line of `text` that starts with `start` (empty if none).
std::string line_of(const std::string& text, const std::string& start) {
  std::size_t at = text.rfind(start, 0) == 0 ? 0 : text.find("\n" + start);
  if (at == std::string::npos) return {};
  if (text[at] == '\n') ++at;
  return text.substr(at, text.find('\n', at) - at);
}

struct BatchForm {
  const char* label;
  const char* args;      // before the file names; "@list" reads a list file instead
  bool list_file;
  bool list_on_stdin;
};

void PrintTo(const BatchForm& f, std::ostream* os) { *os << f.label; }

class BatchMatchesOneByOne : public ::testing::TestWithParam<BatchForm> {};

TEST_P(BatchMatchesOneByOne, ResultFilesAreByteIdentical) {
  const BatchForm form = GetParam();
  TempDir dir;
  const std::vector<std::string> names = copy_examples(dir);
  ASSERT_GE(names.size(), 2u);

  for (const std::string& name : names) {
    const CliRun one = run_cli(dir.path(), quoted(name));
    ASSERT_EQ(one.status, 0) << name << "\n" << one.out << one.err;
  }
  const std::vector<std::string> expected = take_outputs(dir, names);

  std::string args = form.args;
  std::string list;
  for (const std::string& name : names) list += name + "\n";
  if (form.list_file) {
    write_file(dir / "study.list", list);
    args += " --batch study.list";
  } else if (form.list_on_stdin) {
    args += " --batch -";
  } else {
    for (const std::string& name : names) args += " " + quoted(name);
  }
  const CliRun batch = run_cli(dir.path(), args, form.list_on_stdin ? list : "");
  ASSERT_EQ(batch.status, 0) << batch.out << batch.err;
  const std::vector<std::string> got = take_outputs(dir, names);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(got[i], expected[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, BatchMatchesOneByOne,
    ::testing::Values(BatchForm{"FilesOnTheCommandLineTwoJobs", "-j 2", false, false},
                      BatchForm{"ListFileOneJob", "-j1", true, false},
                      BatchForm{"ListOnStandardInputThreeJobs", "--jobs=3", false, true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Batch, AFailingFileDoesNotStopTheOthers) {
  TempDir dir;
  const std::vector<std::string> names = copy_examples(dir);
  write_file(dir / "truncated.vd5d", kTruncated);
  const std::string good_first = names.front();
  const std::string good_last = names.back();
  const CliRun run = run_cli(
      dir.path(), "-j 2 " + quoted(good_first) + " missing.vd5d truncated.vd5d " + quoted(good_last));

  EXPECT_EQ(run.status, 4) << run.out << run.err;
  for (const std::string& name : {good_first, good_last}) {
    for (const char* ext : kOutputs) {
      EXPECT_TRUE(fs::exists(dir / with_extension(name, ext))) << name << ext;
    }
  }
  // The refused file still has its report, which says why.
  EXPECT_NE(read_file(dir / "truncated.vd5o").find("ERROR STOP"), std::string::npos);

  // The table: every file, in the order given, with its status.
  const std::size_t first = run.out.find(good_first);
  const std::size_t missing = run.out.find("missing.vd5d");
  const std::size_t truncated = run.out.find("truncated.vd5d");
  const std::size_t last = run.out.find(good_last, first + 1);
  ASSERT_NE(first, std::string::npos) << run.out;
  ASSERT_NE(last, std::string::npos) << run.out;
  EXPECT_LT(first, missing);
  EXPECT_LT(missing, truncated);
  EXPECT_LT(truncated, last);
  EXPECT_NE(line_of(run.out, "missing.vd5d").find(" file error      no such file"),
            std::string::npos)
      << run.out;
  EXPECT_NE(line_of(run.out, "truncated.vd5d").find(" input error     ERROR STOP"),
            std::string::npos)
      << run.out;
  EXPECT_NE(line_of(run.out, good_first).find(" finished "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("4 files: 2 finished, 2 failed; 2 jobs"), std::string::npos) << run.out;

  // Not a terminal: one plain line per file on standard error.
  int lines = 0;
  for (std::size_t at = run.err.find("/4] "); at != std::string::npos;
       at = run.err.find("/4] ", at + 1)) {
    ++lines;
  }
  EXPECT_EQ(lines, 4) << run.err;
  EXPECT_NE(run.err.find("missing.vd5d: no such file\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\r'), std::string::npos);
}

TEST(Batch, RefusesTwoFilesWhoseResultsWouldOverwriteEachOther) {
  TempDir dir;
  fs::create_directories(dir / "a");
  fs::create_directories(dir / "b");
  fs::create_directories(dir / "out");
  const std::vector<std::string> names = copy_examples(dir);
  fs::copy_file(dir / names.front(), dir / "a/wall.vd5d");
  fs::copy_file(dir / names.back(), dir / "b/wall.vd5d");

  const CliRun run = run_cli(dir.path(), "--out-dir out a/wall.vd5d b/wall.vd5d");
  EXPECT_EQ(run.status, 4) << run.out << run.err;
  EXPECT_NE(run.err.find("b/wall.vd5d: its results would overwrite those of a/wall.vd5d"),
            std::string::npos)
      << run.err;
  // The results in out/ are those of a/wall.vd5d alone.
  const CliRun alone = run_cli(dir.path(), "--out-dir " + quoted((dir / "a").string()) + " a/wall.vd5d");
  ASSERT_EQ(alone.status, 0) << alone.err;
  EXPECT_EQ(read_file(dir / "out/wall.vd5p"), read_file(dir / "a/wall.vd5p"));
}

struct UsageCase {
  const char* args;
  const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.args; }

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ExitsWithOneAndAnalysesNothing) {
  TempDir dir;
  const std::vector<std::string> names = copy_examples(dir);
  const CliRun run = run_cli(dir.path(), GetParam().args);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;
  for (const std::string& name : names) {
    EXPECT_FALSE(fs::exists(dir / with_extension(name, ".vd5o"))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageError,
    ::testing::Values(UsageCase{"-j 0 *.vd5d", "-j needs a number of jobs from 1 to 1024"},
                      UsageCase{"-j two *.vd5d", "-j needs a number of jobs"},
                      UsageCase{"--jobs=4x *.vd5d", "-j needs a number of jobs"},
                      UsageCase{"*.vd5d -j", "-j needs a number of jobs"},
                      UsageCase{"--batch", "--batch needs a list file"},
                      UsageCase{"--batch no-such.list", "cannot read the list no-such.list"},
                      UsageCase{"--batch . *.vd5d", "cannot read the list ."},
                      UsageCase{"--names --batch -", "--names takes no data file"}));

struct SingleCase {
  const char* label;
  const char* data;     // text of the data file; nullptr: no such file
  int status;
  const char* out;      // expected on standard output (empty: nothing)
  const char* err;      // expected on standard error (empty: nothing)
};

void PrintTo(const SingleCase& c, std::ostream* os) { *os << c.label; }

class SingleFile : public ::testing::TestWithParam<SingleCase> {};

// One data file keeps the summary and the exit codes it always had, with or without
// a -j option.
TEST_P(SingleFile, KeepsItsSummaryAndExitCode) {
  const SingleCase c = GetParam();
  TempDir dir;
  if (c.data) write_file(dir / "wall.vd5d", c.data);
  for (const char* args : {"wall.vd5d", "-j 2 wall.vd5d"}) {
    const CliRun run = run_cli(dir.path(), args);
    EXPECT_EQ(run.status, c.status) << args << "\n" << run.out << run.err;
    if (*c.out) {
      EXPECT_EQ(run.out.rfind(c.out, 0), 0u) << args << "\n" << run.out;
    } else {
      EXPECT_TRUE(run.out.empty()) << args << "\n" << run.out;
    }
    EXPECT_EQ(run.err, c.err) << args;
    EXPECT_EQ(run.out.find("STATUS"), std::string::npos) << "no batch table: " << run.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleFile,
    ::testing::Values(
        SingleCase{"Finished", kCantilever, 0, "wall.vd5d: analysis finished\n  problem 1 ", ""},
        SingleCase{"InputError", kTruncated, 2, "wall.vd5d: input error: ERROR STOP", ""},
        SingleCase{"NotClosed", kBeyondAllowable, 5,
                   "wall.vd5d: analysis finished without closing\n  problem 1 (CANTILEVER TEST "
                   "WALL): 1 iteration, allowable deflection exceeded;",
                   ""},
        SingleCase{"Missing", nullptr, 1, "", "veldra-calc: wall.vd5d: no such file\n"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace veldra::test
