// veldra-convert on the hand-written files of the older formats.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/data_file_loader.h"
#include "app/main_model.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string errors;
};

ToolRun Convert(const TempDir& dir, const std::string& arguments) {
  const fs::path tool = fs::path(VELDRA_BINARY_DIR) / "bin" / "veldra-convert";
  const std::string command = "'" + tool.string() + "' " + arguments + " 2>'" + (dir / "errors.txt").string() + "'";
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.errors = read_file(dir / "errors.txt");
  return run;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

TEST(ConvertTool, WritesEveryOlderFormatInTheCurrentOne) {
  const struct {
    const char* source;
    const char* options;
    int format;
  } cases[] = {{"wall-2.0.vdd", "--format 2.0", kFormat20},
               {"wall-3.0.vdd", "", kFormat30},
               {"wall-2013.vd4d", "", kFormat2013},
               {"staged-2013.vd4d", "--format=2013", kFormat2013}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    TempDir dir;
    fs::copy_file(DataFile(c.source), dir / c.source);
    const ToolRun run = Convert(dir, std::string(c.options) + " " + Quoted(dir / c.source) + " " +
                                         Quoted(dir / "converted.vd5d"));
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string stem = fs::path(c.source).stem().string();
    EXPECT_EQ(read_file(dir / "converted.vd5d"), read_file(DataFile(stem + ".converted.vd5d")));
    // Nothing else appears beside the files: the stage files were made elsewhere.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 3);

    // The converted file holds the problem the older file holds.
    TMainModel model;
    ASSERT_TRUE(LoadDataFile(model, dir / c.source, c.format).complete);
    Picture older = PictureOf(model);
    ASSERT_TRUE(LoadDataFile(model, dir / "converted.vd5d", kFormatCurrent).complete);
    Picture converted = PictureOf(model);
    older.texts.erase("FileName");
    converted.texts.erase("FileName");
    ExpectSamePicture(older, converted);
  }
}

TEST(ConvertTool, AFormatErrorIsReportedWithItsLineAndItemAndNothingIsWritten) {
  TempDir dir;
  std::string text = read_file(DataFile("wall-3.0.vdd"));
  text.replace(text.find("0.0625 5.25"), 11, "0.0625 5,25");
  write_file(dir / "broken.vdd", text);
  const ToolRun run = Convert(dir, Quoted(dir / "broken.vdd") + " " + Quoted(dir / "new.vd5d"));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.errors.find("Error on Line 18 Item 2\nA floating point number was expected but not found."),
            std::string::npos)
      << run.errors;
  EXPECT_FALSE(fs::exists(dir / "new.vd5d"));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << from << "\" in the fixture";
    return text;
  }
  return text.replace(at, from.size(), to);
}

// Files that cannot be converted as they stand: status 2, the reason on standard
// error with the line of the source file, and no target.
TEST(ConvertTool, RefusesWhatItCannotConvertFaithfully) {
  const std::string three_stages = read_file(ExampleFile("three-stage-excavation.vd5d"));
  const std::string one_problem = read_file(ExampleFile("cantilever-in-layered-sand-generated-soil.vd5d"));
  const struct {
    const char* what;
    const char* source;
    std::string text;
    const char* reason;
  } cases[] = {
      {"generated pressure with user curves", "trapezoid.vd5d",
       Replaced(one_problem, "2 0\t1\t0\t2\t2 0 1 0 0", "2 0\t1\t0\t3\t1 0 1 0 0"),
       "Line 2: earth-pressure code 3 (a generated trapezoidal distribution) with p-y code 1"},
      {"three stages declared, two present", "staged.vd5d", three_stages.substr(0, three_stages.find(" Stage No : 3")),
       "The file declares 3 construction stages but holds 2."},
      {"nine stages declared, one present", "nine.vd5d",
       Replaced(one_problem, "2 0\t1\t0\t2\t2 0 1 0 0", "2 0\t1\t0\t2\t2 0 9 0 0"),
       "The file declares 9 construction stages but holds 1."},
      {"a stage after the first breaks", "staged.vd4d",
       Replaced(read_file(DataFile("staged-2013.vd4d")), "4 4 1 800 0", "4 4 1 8,00 0"),
       "Stage 2: Error on Line 21 Item 4\nA floating point number was expected but not found."},
      {"a stage after the first that cannot be kept", "staged.vd5d",
       Replaced(three_stages, "1 0\t1\t0\t1\t1 8 3 0 1", "1 0\t1\t0\t3\t1 8 3 0 1"), "Line 387: earth-pressure code 3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    write_file(dir / c.source, c.text);
    const ToolRun run = Convert(dir, Quoted(dir / c.source) + " " + Quoted(dir / "new.vd5d"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find(c.reason), std::string::npos) << run.errors;
    EXPECT_FALSE(fs::exists(dir / "new.vd5d"));
  }
}

TEST(ConvertTool, RefusesWrongUse) {
  TempDir dir;
  for (const std::string& arguments :
       {std::string(""), std::string("only-one.vdd"), std::string("--format 9 a.vdd b.vd5d"), Quoted(dir / "missing.vdd") + " b.vd5d"}) {
    SCOPED_TRACE(arguments);
    const ToolRun run = Convert(dir, arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.errors.empty());
  }
}

}  // namespace
}  // namespace veldra::app::test
