// veldra-export on an analysed example, run as a user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/app/workbook/xlsx_reader.h"
#include "tests/support/temp_dir.h"

namespace veldra::gui::test {
namespace {

namespace fs = std::filesystem;
using veldra::test::read_file;
using veldra::test::TempDir;
using veldra::test::write_file;

struct ToolRun {
  int status = -1;
  std::string output;
  std::string errors;
};

ToolRun RunTool(const TempDir& dir, const std::string& tool, const std::string& arguments) {
  const fs::path program = fs::path(VELDRA_BINARY_DIR) / "bin" / tool;
  const std::string command = "'" + program.string() + "' " + arguments + " >'" + (dir / "out.txt").string() +
                              "' 2>'" + (dir / "errors.txt").string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(dir / "out.txt"), read_file(dir / "errors.txt")};
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// The staged example, analysed in `dir`.
fs::path AnalysedExample(const TempDir& dir) {
  const fs::path data = dir / "three-stage-excavation.vd5d";
  fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "examples" / "three-stage-excavation.vd5d", data);
  const ToolRun run = RunTool(dir, "veldra-calc", "-q " + Quoted(data));
  EXPECT_EQ(run.status, 0) << run.errors;
  return data;
}

TEST(ExportTool, WritesTheWorkbookPicturesAndPagesOfEveryGraphWithData) {
  TempDir dir;
  const fs::path data = AnalysedExample(dir);
  const ToolRun run = RunTool(dir, "veldra-export",
                          Quoted(data) + " --xlsx " + Quoted(dir / "graphs.xlsx") + " --png " + Quoted(dir / "png") +
                              " --pdf " + Quoted(dir / "graphs.pdf") + " --ppi 50");
  ASSERT_EQ(run.status, 0) << run.errors;

  const app::test::XlsxFile book(dir / "graphs.xlsx");
  ASSERT_EQ(book.SheetNames().size(), 15u);  // the Legend and the seven graphs
  EXPECT_EQ(book.Cell("Legend", "C3"), "p-y Curves");
  EXPECT_EQ(book.Cell("Legend", "C9"), "Earth Pressure Combined");
  EXPECT_EQ(book.Cell("Page_2", "A1"), "Deflection vs Depth");
  EXPECT_EQ(book.Cell("Page_2", "B3"), "Depth (ft)");
  EXPECT_EQ(book.Cell("Page_2", "A4"), "Stage: 1");
  EXPECT_EQ(book.Cell("Page_2", "E4"), "Stage: 3");

  // Eight pictures (the three-panel graph too), 9 x 6 inches at 50 per inch.
  int pictures = 0;
  for (const auto& entry : fs::directory_iterator(dir / "png")) {
    const QImage picture(QString::fromStdString(entry.path().string()));
    EXPECT_EQ(picture.size(), QSize(450, 300)) << entry.path();
    ++pictures;
  }
  EXPECT_EQ(pictures, 8);
  EXPECT_TRUE(fs::exists(dir / "png" / "deflection-moment-shear-vs-depth.png"));
  const std::string pdf = read_file(dir / "graphs.pdf");
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_NE(pdf.find("/Count 8"), std::string::npos);
}

TEST(ExportTool, WithoutOptionsTheWorkbookGoesBesideTheDataFile) {
  TempDir dir;
  const fs::path data = AnalysedExample(dir);
  const ToolRun run = RunTool(dir, "veldra-export", Quoted(data));
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_TRUE(fs::exists(dir / "three-stage-excavation-plots.xlsx"));
  EXPECT_FALSE(fs::exists(dir / "png"));
}

TEST(ExportTool, FailuresSayWhatAndWhere) {
  TempDir dir;
  const fs::path data = AnalysedExample(dir);
  const struct {
    const char* name;
    std::string arguments;
    int status;
    std::string says;
  } cases[] = {
      {"unwritable workbook", Quoted(data) + " --xlsx " + Quoted(dir / "missing" / "w.xlsx"), 1,
       (dir / "missing" / "w.xlsx").string()},
      {"no data file", Quoted(dir / "none.vd5d"), 1, "none.vd5d"},
      {"unknown option", "--colour " + Quoted(data), 1, "unknown option --colour"},
      {"bad resolution", "--ppi 3 " + Quoted(data), 1, "--ppi"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolRun run = RunTool(dir, "veldra-export", c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
  }

  // A data file without its plot-data file, and one whose plot-data file ends early.
  fs::copy_file(data, dir / "fresh.vd5d");
  ToolRun run = RunTool(dir, "veldra-export", Quoted(dir / "fresh.vd5d"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("fresh.vd5p"), std::string::npos) << run.errors;
  const std::string plot = read_file(dir / "three-stage-excavation.vd5p");
  write_file(dir / "fresh.vd5p", plot.substr(0, plot.size() / 2));
  run = RunTool(dir, "veldra-export", Quoted(dir / "fresh.vd5d"));
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(fs::exists(dir / "fresh-plots.xlsx"));
}

}  // namespace
}  // namespace veldra::gui::test
