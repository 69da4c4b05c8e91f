// veldra-calc (and veldra-convert) tried as a new user tries them: a tool never
// overwrites its own input, a wrong environment or argument is refused with a
// message, the engine's console lines follow -q and the batch, and a result that
// is not a number is never called closed.
#include "tests/cli/cli_run.h"
#include "tests/support/small_walls.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGeneratedSoil =
    fs::path(VELDRA_SOURCE_DIR) / "examples/cantilever-in-layered-sand-generated-soil.vd5d";

// The command of a case, with the tools' paths put in for CALC and CONVERT.
std::string tool_command(std::string command) {
  const auto put = [&](const std::string& word, const std::string& path) {
    if (command.rfind(word, 0) == 0) command.replace(0, word.size(), quoted(path));
  };
  put("CALC", VELDRA_CALC);
#ifdef VELDRA_CONVERT
  put("CONVERT", VELDRA_CONVERT);
#endif
  return command;
}

bool has_no_file_but(const TempDir& dir, std::initializer_list<std::string> names) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    ++count;
    if (std::find(names.begin(), names.end(), entry.path().filename().string()) == names.end()) {
      return false;
    }
  }
  return count == names.size();
}

struct SelfOverwrite {
  const char* label;
  const char* data;     // the data file's name
  const char* link;     // a symbolic link to the data file made first ("" for none)
  const char* command;  // the tool and its arguments
  const char* message;
};

void PrintTo(const SelfOverwrite& c, std::ostream* os) { *os << c.label; }

class ToolOnItsOwnInput : public ::testing::TestWithParam<SelfOverwrite> {};

TEST_P(ToolOnItsOwnInput, IsRefusedAndTheInputStaysAsItWas) {
  const SelfOverwrite c = GetParam();
  TempDir dir;
  write_file(dir / c.data, kCantilever);
  if (*c.link) fs::create_symlink(c.data, dir / c.link);
  const std::string command =
      "cd " + quoted(dir.path().string()) + " && " + tool_command(c.command) + " 2>err";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
  EXPECT_NE(read_file(dir / "err").find(c.message), std::string::npos) << read_file(dir / "err");
  EXPECT_EQ(read_file(dir / c.data), kCantilever);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolOnItsOwnInput,
    ::testing::Values(
        SelfOverwrite{"ReportNamedData", "x.vd5o", "", "CALC x.vd5o",
                      "veldra-calc: x.vd5o: its results would replace the data file itself"},
        SelfOverwrite{"NotesNamedData", "wall.vd5r", "", "CALC --out-dir . wall.vd5r",
                      "veldra-calc: wall.vd5r: its results would replace the data file itself"},
        SelfOverwrite{"ReportLinkedToData", "wall.vd5d", "wall.vd5o", "CALC wall.vd5d",
                      "veldra-calc: wall.vd5d: its results would replace the data file itself"}
#ifdef VELDRA_CONVERT
        ,
        SelfOverwrite{"ConvertOntoItself", "a.vd4d", "", "CONVERT a.vd4d a.vd4d",
                      "veldra-convert: a.vd4d is a.vd4d itself"},
        SelfOverwrite{"ConvertOntoItselfByAnotherPath", "a.vd4d", "", "CONVERT a.vd4d ./a.vd4d",
                      "veldra-convert: ./a.vd4d is a.vd4d itself"}
#endif
        ),
    [](const auto& info) { return std::string(info.param.label); });

struct ConsoleCase {
  const char* label;
  const char* args;
  const char* err;  // standard error, exactly
};

void PrintTo(const ConsoleCase& c, std::ostream* os) { *os << c.label; }

class EngineConsole : public ::testing::TestWithParam<ConsoleCase> {};

// Standard error is a file here, so a batch prints plain lines.
TEST_P(EngineConsole, FollowsQuietAndIsTiedToItsFileInABatch) {
  TempDir dir;
  fs::copy_file(kGeneratedSoil, dir / "sand.vd5d");
  fs::copy_file(kGeneratedSoil, dir / "gravel.vd5d");
  write_file(dir / "plain.vd5d", kCantilever);
  const CliRun run = run_cli(dir.path(), GetParam().args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineConsole,
    ::testing::Values(
        ConsoleCase{"OneFile", "sand.vd5d", " READ SOIL DATA....\n"},
        ConsoleCase{"OneFileQuiet", "-q sand.vd5d", ""},
        ConsoleCase{"Batch", "-j 1 sand.vd5d plain.vd5d gravel.vd5d",
                    "[1/3] sand.vd5d: analysis finished\n"
                    "sand.vd5d: READ SOIL DATA....\n"
                    "[2/3] plain.vd5d: analysis finished\n"
                    "[3/3] gravel.vd5d: analysis finished\n"
                    "gravel.vd5d: READ SOIL DATA....\n"},
        ConsoleCase{"BatchQuiet", "-q -j 2 sand.vd5d plain.vd5d gravel.vd5d", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Environment, AnInvalidSourceDateEpochIsRefused) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  for (const std::string value : {"abc", "1e9", "-5", "17000000000000000000", "253402300800"}) {
    CliSetting setting;
    setting.environment = "SOURCE_DATE_EPOCH=" + quoted(value);
    const CliRun run = run_cli(dir.path(), "wall.vd5d", setting);
    EXPECT_EQ(run.status, 1) << value;
    EXPECT_EQ(run.err, "veldra-calc: SOURCE_DATE_EPOCH must be a whole number of seconds since "
                       "1970 (up to the year 9999), not \"" + value + "\"\n");
    EXPECT_FALSE(fs::exists(dir / "wall.vd5o")) << value;
  }
  // Set but empty is not set: the clock.
  CliSetting empty;
  empty.environment = "SOURCE_DATE_EPOCH=";
  EXPECT_EQ(run_cli(dir.path(), "-q wall.vd5d", empty).status, 0);
}

TEST(Arguments, DoubleDashEndsTheOptions) {
  TempDir dir;
  write_file(dir / "-wall.vd5d", kCantilever);
  EXPECT_EQ(run_cli(dir.path(), "-wall.vd5d").status, 1);  // an unknown option
  const CliRun run = run_cli(dir.path(), "-q -- -wall.vd5d");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(dir / "-wall.vd5o"));
}

TEST(Arguments, NamesOfAFolderAsTheDataFileCreateNothing) {
  TempDir dir;
  fs::create_directories(dir / "wall.vd5d");
  write_file(dir / "NAMES.dat",
             "2015.5.18\na\nb\n0\nwall.vd5d\nwall.vd5o\nwall.vd5p\nwall.vd5r\n");
  const CliRun run = run_cli(dir.path(), "--names");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "veldra-calc: cannot open the data file wall.vd5d: Is a directory\n");
  EXPECT_TRUE(has_no_file_but(dir, {"wall.vd5d", "NAMES.dat"}));
}

TEST(BatchList, ALineWithATrailingCommentIsAMissingFileNotAConflict) {
  TempDir dir;
  write_file(dir / "wall.vd5d", kCantilever);
  write_file(dir / "study.list", "wall.vd5d # the first wall\nwall.vd5d # again\n");
  const CliRun run = run_cli(dir.path(), "--batch study.list");
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.out.find("overwrite"), std::string::npos) << run.out;
  const std::size_t again = run.out.find("\nwall.vd5d # again ");
  ASSERT_NE(again, std::string::npos) << run.out;
  const std::string line = run.out.substr(again, run.out.find('\n', again + 1) - again);
  EXPECT_NE(line.find(" file error "), std::string::npos) << line;
  EXPECT_NE(line.find(" no such file (in a batch list only a line that starts with # is a comment)"),
            std::string::npos)
      << line;
}

TEST(OlderFormats, AFailedFileOfAnOlderFormatSaysHowToConvertIt) {
  TempDir dir;
  fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "tests/app/data/wall-2.0.vdd", dir / "wall.vdd");
  const CliRun run = run_cli(dir.path(), "wall.vdd");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "veldra-calc: wall.vdd may be a data file of an older format (.vdd): "
                     "convert it first with veldra-convert (veldra-convert --help lists the "
                     "formats)\n");
#ifdef VELDRA_CONVERT
  // A 2.0 file read as 3.0, the format its extension stands for.
  const std::string command = "cd " + quoted(dir.path().string()) + " && " +
                              tool_command("CONVERT wall.vdd new.vd5d") + " 2>err";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2);
  EXPECT_NE(read_file(dir / "err").find(
                "veldra-convert: if wall.vdd is a file of version 2.0, convert it with --format 2.0\n"),
            std::string::npos)
      << read_file(dir / "err");
#endif
}

TEST(NonFiniteResults, AreAnInputErrorAndNeverClosed) {
  TempDir dir;
  fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "tests/engine/data/malformed/soft-wall-under-huge-loads.vd5d",
                dir / "soft.vd5d");
  write_file(dir / "plain.vd5d", kCantilever);
  for (const char* args : {"soft.vd5d", "soft.vd5d plain.vd5d"}) {
    const CliRun run = run_cli(dir.path(), args);
    EXPECT_EQ(run.status, std::string(args) == "soft.vd5d" ? 2 : 4) << args;
    std::string lower = run.out;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower.find("nan"), std::string::npos) << run.out;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << run.out;
    const std::size_t soft = run.out.find("soft.vd5d");
    ASSERT_NE(soft, std::string::npos) << run.out;
    const std::string line = run.out.substr(soft, run.out.find('\n', soft) - soft);
    EXPECT_EQ(line.find("closed"), std::string::npos) << line;
    EXPECT_NE(line.find("input error"), std::string::npos) << line;
    EXPECT_NE(line.find("ERROR STOP -- DEFLECTIONS NOT FINITE IN ITERATION 1"), std::string::npos)
        << line;
  }
}

}  // namespace
}  // namespace veldra::test
