// The graph workbook as a spreadsheet application finds it: sheets, cells,
// hyperlinks and charts, read back from the file's zip and XML.
#include "app/workbook/graph_workbook.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <regex>

#include "framework/file_errors.h"
#include "app/workbook/workbook_layout.h"
#include "framework/exceptions.h"
#include "framework/main_graphs.h"
#include "tests/app/workbook/xlsx_reader.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;
namespace fw = veldra::framework;
using fw::CurveList;
using veldra::test::read_file;
using veldra::test::TempDir;
using veldra::test::write_file;

// `curves` curves of `points` points: curve c has x = c + i / 10 and y = i / 2 at
// point i (depths 0 to 30 for 61 points).
void Fill(fw::TGraphPlot& graph, int curves, int points) {
  graph.SetCurveCount(CurveList::kMain, curves);
  graph.SetPointCount(CurveList::kMain, points);
  for (int c = 0; c < curves; ++c)
    for (int i = 0; i < points; ++i) graph.PointAt(CurveList::kMain, c, i) = {c + i / 10.0L, i / 2.0L};
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(GraphWorkbook, TheMomentGraphAloneGivesLegendPageAndPlot) {
  TempDir dir;
  fw::TMainGraphs graphs;
  Fill(graphs.pltMom, 2, 5);
  graphs.pltMom.XCaption = "Bending Moment (in-kips)";
  graphs.pltMom.YCaption = "Depth (ft)";
  std::vector<std::pair<int, std::string>> statuses;
  WriteGraphWorkbook({&graphs.pltMom}, dir / "wall-plots.xlsx",
                     [&](int n, const std::string& status) { statuses.emplace_back(n, status); });

  const XlsxFile book(dir / "wall-plots.xlsx");
  EXPECT_EQ(book.SheetNames(), (std::vector<std::string>{"Legend", "Page_1", "Plot_1"}));
  EXPECT_EQ(book.Cell("Legend", "B2"), "     N    ");
  EXPECT_EQ(book.Cell("Legend", "C2"), kLegendHeadings[1]);
  EXPECT_EQ(book.Cell("Legend", "F2"), "          Status          ");
  const std::vector<std::string> row3 = {book.Cell("Legend", "B3"), book.Cell("Legend", "C3"),
                                         book.Cell("Legend", "D3"), book.Cell("Legend", "E3"),
                                         book.Cell("Legend", "F3")};
  EXPECT_EQ(row3, (std::vector<std::string>{"1", "Moment vs Depth", "Page_1", "Plot_1", "Complete"}));
  EXPECT_EQ(book.LinkLocation("Legend", "D3"), "Page_1!A1");
  EXPECT_EQ(book.LastRow("Legend", "B"), 3);
  EXPECT_EQ(statuses, (std::vector<std::pair<int, std::string>>{
                          {1, "In Progress, Data"}, {1, "In Progress, Chart"}, {1, "Complete"}}));

  EXPECT_EQ(book.Cell("Page_1", "G1"), "Go to Legend Page");
  EXPECT_EQ(book.LinkLocation("Page_1", "G1"), "Legend!A1");
  EXPECT_EQ(book.Cell("Page_1", "A1"), "Moment vs Depth");
  EXPECT_EQ(book.Cell("Page_1", "A2"), "X");
  EXPECT_EQ(book.Cell("Page_1", "B2"), "Bending Moment (in-kips)");
  EXPECT_EQ(book.Cell("Page_1", "A3"), "Y");
  EXPECT_EQ(book.Cell("Page_1", "B3"), "Depth (ft)");
  EXPECT_EQ(book.Cell("Page_1", "A4"), "Load #1");
  EXPECT_EQ(book.Cell("Page_1", "C4"), "Load #2");
  EXPECT_EQ(book.Cell("Page_1", "C5"), "X");
  EXPECT_EQ(book.Cell("Page_1", "D5"), "Y");
}

TEST(GraphWorkbook, ThreeCurvesOf61PointsFillSixColumnsAndThreeSeries) {
  TempDir dir;
  fw::TMainGraphs graphs;
  Fill(graphs.pltDef, 3, 61);
  graphs.pltDef.SetUnits(2);
  WriteGraphWorkbook({&graphs.pltDef}, dir / "def.xlsx");

  const XlsxFile book(dir / "def.xlsx");
  // The axis title carries the units label of the graph's system.
  EXPECT_EQ(book.Cell("Page_1", "B2"), "Deflection (m)");
  for (const char* column : {"A", "B", "C", "D", "E", "F"}) {
    EXPECT_EQ(book.LastRow("Page_1", column), 66) << column;
    EXPECT_FALSE(book.Cell("Page_1", std::string(column) + "6").empty()) << column;
  }
  EXPECT_EQ(book.LastRow("Page_1", "H"), 0);
  // Numbers, as the graph holds them to 15 digits: curve 3, point 60 is (8, 30).
  EXPECT_EQ(book.Cell("Page_1", "E66"), "8");
  EXPECT_EQ(book.Cell("Page_1", "F66"), "30");
  EXPECT_EQ(std::stod(book.Cell("Page_1", "C7")), 1.1);
  EXPECT_EQ(book.Part("xl/worksheets/sheet2.xml").find("t=\"s\"><v>", book.Part("xl/worksheets/sheet2.xml").find("r=\"A6\"")),
            std::string::npos);

  const std::string& chart = book.ChartOf("Plot_1");
  ASSERT_FALSE(chart.empty());
  EXPECT_NE(chart.find("<c:scatterStyle val=\"lineMarker\"/>"), std::string::npos);
  EXPECT_EQ(Count(chart, "<c:ser>"), 3);
  const std::vector<std::string> expected = {
      "Page_1!$A$4", "Page_1!$A$6:$A$66", "Page_1!$B$6:$B$66", "Page_1!$C$4", "Page_1!$C$6:$C$66",
      "Page_1!$D$6:$D$66", "Page_1!$E$4", "Page_1!$E$6:$E$66", "Page_1!$F$6:$F$66"};
  std::vector<std::string> references;
  const std::regex formula("<c:f>([^<]*)</c:f>");
  for (std::sregex_iterator i(chart.begin(), chart.end(), formula), end; i != end; ++i) references.push_back((*i)[1]);
  EXPECT_EQ(references, expected);
  // No chart title; both axes titled, with major grid lines.
  EXPECT_NE(chart.find("<c:autoTitleDeleted val=\"1\"/>"), std::string::npos);
  EXPECT_NE(chart.find("Deflection (m)"), std::string::npos);
  EXPECT_NE(chart.find("Depth"), std::string::npos);
  EXPECT_EQ(Count(chart, "<c:majorGridlines/>"), 2);
}

// The orientation of the value axis (the vertical one, at the left) of a chart.
std::string ValueAxisOrientation(const std::string& chart) {
  const std::regex axis(R"re(<c:valAx>.*?<c:orientation val="(\w+)"/>.*?<c:axPos val="(\w)"/>)re");
  for (std::sregex_iterator i(chart.begin(), chart.end(), axis), end; i != end; ++i)
    if ((*i)[2] == "l") return (*i)[1];
  return {};
}

TEST(GraphWorkbook, DepthGraphsReverseTheValueAxisAndEveryLegendIsFramed) {
  TempDir dir;
  fw::TMainGraphs graphs;
  Fill(graphs.pltPY, 2, 13);
  Fill(graphs.pltDef, 1, 13);
  WriteGraphWorkbook({&graphs.pltPY, &graphs.pltDef}, dir / "two.xlsx");

  const XlsxFile book(dir / "two.xlsx");
  EXPECT_EQ(book.SheetNames(), (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
  EXPECT_EQ(book.Cell("Legend", "C4"), "Deflection vs Depth");
  EXPECT_EQ(book.Cell("Legend", "D4"), "Page_2");
  EXPECT_EQ(book.LinkLocation("Legend", "D4"), "Page_2!A1");
  EXPECT_EQ(book.Cell("Legend", "F3"), "Complete");
  EXPECT_EQ(book.Cell("Legend", "F4"), "Complete");

  EXPECT_EQ(ValueAxisOrientation(book.ChartOf("Plot_1")), "minMax");  // p-y: upwards
  EXPECT_EQ(ValueAxisOrientation(book.ChartOf("Plot_2")), "maxMin");  // depth downwards
  for (const char* sheet : {"Plot_1", "Plot_2"}) {
    const std::string& chart = book.ChartOf(sheet);
    // The axes meet at their lowest values: labels along the edges, not across zero.
    EXPECT_EQ(Count(chart, "<c:crosses val=\"min\"/>"), 2) << sheet;
    const std::regex framed(
        "<c:legend><c:legendPos val=\"r\"/>(<c:layout/>)?(<c:overlay val=\"0\"/>)?"
        "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
        "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>(<c:txPr>.*)?</c:legend>");
    EXPECT_TRUE(std::regex_search(chart, framed)) << sheet;
  }
}

TEST(GraphWorkbook, AFileThatCannotBeWrittenIsNamedAndNothingHalfWrittenStays) {
  TempDir dir;
  fw::TMainGraphs graphs;
  Fill(graphs.pltMom, 3, 400);

  // The folder does not exist.
  const fs::path nowhere = dir / "missing" / "m.xlsx";
  try {
    WriteGraphWorkbook({&graphs.pltMom}, nowhere);
    ADD_FAILURE() << "no error";
  } catch (const framework::EFileError& e) {
    EXPECT_NE(std::string(e.what()).find(nowhere.string()), std::string::npos) << e.what();
  }

  // The disk fills up (here: the largest file a process may write is 4 KiB). The
  // old workbook stays whole and no scratch file is left.
  const fs::path target = dir / "m.xlsx";
  write_file(target, "the previous workbook");
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    int status = 3;
    try {
      WriteGraphWorkbook({&graphs.pltMom}, target);
    } catch (const framework::EFileError& e) {
      status = std::string(e.what()).find("\"" + target.string() + "\"") != std::string::npos ? 0 : 1;
    } catch (...) {
      status = 2;
    }
    _exit(status);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "0 named the file, 1 another message, 2 another error, 3 no error";
  EXPECT_EQ(read_file(target), "the previous workbook");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.path())) left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"m.xlsx"});
}

TEST(WorkbookLayout, ColumnLetters) {
  const std::pair<int, const char*> cases[] = {{1, "A"}, {6, "F"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"},
                                               {702, "ZZ"}};
  for (const auto& [column, letters] : cases) EXPECT_EQ(ColumnLetters(column), letters) << column;
}

TEST(WorkbookLayout, CellsHoldFifteenSignificantDigits) {
  EXPECT_EQ(CellNumber(0.1L + 0.2L), 0.3);
  EXPECT_EQ(CellNumber(1500.0L), 1500.0);
  EXPECT_EQ(CellNumber(-1.234567890123456789E-7L), -1.23456789012346E-7);
}

TEST(ZipArchive, RefusesWhatIsNotAnArchive) {
  EXPECT_THROW(ReadZip("not a zip file at all, just some words"), fw::EInOutError);
  std::string archive = WriteZip({{"a.xml", "<a/>"}});
  archive[archive.size() - 30] ^= 0x55;  // inside the central directory
  EXPECT_THROW(ReadZip(archive), fw::EInOutError);
  EXPECT_EQ(ReadZip(WriteZip({{"a.xml", "<a/>"}, {"b/c.xml", std::string(5000, 'x')}}))[1].data,
            std::string(5000, 'x'));
}

}  // namespace
}  // namespace veldra::app::test
