#include "app/workbook/graph_workbook.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include "framework/file_errors.h"
#include "app/safe_file_write.h"
#include "app/workbook/workbook_layout.h"
#include "app/workbook/zip_archive.h"

namespace veldra::app {

namespace fs = std::filesystem;
namespace fw = veldra::framework;

namespace {

[[noreturn]] void CannotWrite(const fs::path& target, const std::string& reason) {
  throw framework::EFileError("write", target.string(), reason);
}

// The library's scratch file beside the target, removed however writing ends.
class Scratch {
 public:
  explicit Scratch(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%012llx.part", static_cast<unsigned long long>(random() & 0xffffffffffffULL));
    path_ = target;
    path_ += suffix;
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Rows and columns from 1 as the layout counts them; the library counts from 0.
lxw_row_t Row(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t Col(int column) { return static_cast<lxw_col_t>(column - 1); }

class WorkbookBuilder {
 public:
  WorkbookBuilder(const fs::path& file, const fs::path& target) : target_(target) {
    lxw_workbook_options options{};
    // The library's own scratch files go beside the workbook too: a full disk there
    // shows up here.
    tmpdir_ = file.parent_path().empty() ? std::string(".") : file.parent_path().string();
    options.tmpdir = tmpdir_.data();
    workbook_ = workbook_new_opt(file.c_str(), &options);
    if (workbook_ == nullptr) CannotWrite(target_, "cannot start the workbook");
    bold_ = workbook_add_format(workbook_);
    format_set_bold(bold_);
    format_set_align(bold_, LXW_ALIGN_VERTICAL_CENTER);
  }
  ~WorkbookBuilder() {
    // A workbook not closed yet is abandoned: closing writes it, which is not
    // wanted after a failure; the scratch file is removed by its owner.
    if (workbook_ != nullptr) lxw_workbook_free(workbook_);
  }
  WorkbookBuilder(const WorkbookBuilder&) = delete;
  WorkbookBuilder& operator=(const WorkbookBuilder&) = delete;

  void Legend(int graphs) {
    legend_ = workbook_add_worksheet(workbook_, kLegendSheet);
    Check(legend_ != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED);
    for (std::size_t i = 0; i < kLegendHeadings.size(); ++i) {
      const int column = 2 + static_cast<int>(i);
      Check(worksheet_write_string(legend_, Row(kHeadingRow), Col(column), kLegendHeadings[i], bold_));
      Check(worksheet_set_column(legend_, Col(column), Col(column), FittedColumnWidth(kLegendHeadings[i], true),
                                 nullptr));
    }
    for (int n = 1; n <= graphs; ++n) Check(worksheet_write_number(legend_, Row(n + 2), Col(2), n, nullptr));
  }

  void Graph(const fw::TGraphPlot& graph, int number, const WorkbookProgress& progress) {
    const GraphSheets sheets = GraphSheetsOf(graph, number);
    Status(number, kStatusData, progress);
    LegendRow(sheets);
    DataSheet(graph, sheets);
    Status(number, kStatusChart, progress);
    ChartSheet(sheets);
    Status(number, kStatusComplete, progress);
  }

  void Close() {
    lxw_workbook* workbook = workbook_;
    workbook_ = nullptr;  // closing frees it, whatever the outcome
    errno = 0;
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
      const int system_error = errno;
      CannotWrite(target_, system_error != 0 ? std::strerror(system_error) : lxw_strerror(error));
    }
  }

 private:
  void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) CannotWrite(target_, lxw_strerror(error));
  }

  void Status(int number, const char* status, const WorkbookProgress& progress) {
    Check(worksheet_write_string(legend_, Row(number + 2), Col(6), status, nullptr));
    if (progress) progress(number, status);
  }

  void LegendRow(const GraphSheets& sheets) {
    const lxw_row_t row = Row(sheets.number + 2);
    Check(worksheet_write_string(legend_, row, Col(3), sheets.caption.c_str(), nullptr));
    const std::string link = "internal:" + sheets.data_sheet + "!A1";
    Check(worksheet_write_url_opt(legend_, row, Col(4), link.c_str(), nullptr, sheets.data_sheet.c_str(), nullptr));
    Check(worksheet_write_string(legend_, row, Col(5), sheets.chart_sheet.c_str(), nullptr));
  }

  void DataSheet(const fw::TGraphPlot& graph, const GraphSheets& sheets) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, sheets.data_sheet.c_str());
    Check(sheet != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED);
    Check(worksheet_write_url_opt(sheet, Row(1), Col(7), "internal:Legend!A1", nullptr, kGoToLegend, nullptr));
    Check(worksheet_write_string(sheet, Row(1), Col(1), sheets.caption.c_str(), nullptr));
    Check(worksheet_write_string(sheet, Row(2), Col(1), "X", nullptr));
    Check(worksheet_write_string(sheet, Row(2), Col(2), sheets.x_title.c_str(), nullptr));
    Check(worksheet_write_string(sheet, Row(3), Col(1), "Y", nullptr));
    Check(worksheet_write_string(sheet, Row(3), Col(2), sheets.y_title.c_str(), nullptr));
    for (std::size_t c = 0; c < sheets.curves.size(); ++c) {
      const CurveSheetColumns& columns = sheets.curves[c];
      Check(worksheet_write_string(sheet, Row(kCurveNameRow), Col(columns.x_column), columns.name.c_str(), nullptr));
      Check(worksheet_write_string(sheet, Row(kCurveAxisRow), Col(columns.x_column), "X", nullptr));
      Check(worksheet_write_string(sheet, Row(kCurveAxisRow), Col(columns.y_column), "Y", nullptr));
      const auto& points = graph.CurveAt(fw::CurveList::kMain, static_cast<int>(c)).Points;
      for (std::size_t i = 0; i < points.size(); ++i) {
        const lxw_row_t row = Row(kFirstPointRow + static_cast<int>(i));
        Number(sheet, row, Col(columns.x_column), points[i].x);
        Number(sheet, row, Col(columns.y_column), points[i].y);
      }
    }
  }

  // A value that is not a finite number leaves its cell empty.
  void Number(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, fw::EntryNumber value) {
    const double cell = CellNumber(value);
    if (std::isfinite(cell)) Check(worksheet_write_number(sheet, row, column, cell, nullptr));
  }

  void ChartSheet(const GraphSheets& sheets) {
    lxw_chart* chart = workbook_add_chart(workbook_, LXW_CHART_SCATTER_STRAIGHT);
    Check(chart != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED);
    const char* sheet = sheets.data_sheet.c_str();
    for (const CurveSheetColumns& columns : sheets.curves) {
      lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
      Check(series != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED);
      // The name refers to the curve's name cell, so that any text (one that starts
      // with "=" too) names the series as it stands.
      chart_series_set_name_range(series, sheet, Row(kCurveNameRow), Col(columns.x_column));
      const lxw_row_t last = Row(std::max(columns.last_row, kFirstPointRow));
      chart_series_set_categories(series, sheet, Row(kFirstPointRow), Col(columns.x_column), last,
                                  Col(columns.x_column));
      chart_series_set_values(series, sheet, Row(kFirstPointRow), Col(columns.y_column), last, Col(columns.y_column));
    }
    chart_title_off(chart);
    chart_axis_set_name(chart->x_axis, sheets.x_title.c_str());
    chart_axis_set_name(chart->y_axis, sheets.y_title.c_str());
    chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
    chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
    if (sheets.depth_downwards) chart_axis_set_reverse(chart->y_axis);
    // Each axis crosses the other at its lowest value, so the labels run along the
    // edges (the left, and the top of a depth graph or the bottom of the p-y graph)
    // as in the graph window, not through the middle where the other axis is zero.
    chart_axis_set_crossing_min(chart->x_axis);
    chart_axis_set_crossing_min(chart->y_axis);
    lxw_chartsheet* chartsheet = workbook_add_chartsheet(workbook_, sheets.chart_sheet.c_str());
    Check(chartsheet != nullptr ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED);
    Check(chartsheet_set_chart(chartsheet, chart));
  }

  fs::path target_;
  std::string tmpdir_;
  lxw_workbook* workbook_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_worksheet* legend_ = nullptr;
};

std::string ReadWhole(const fs::path& file, const fs::path& target) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) CannotWrite(target, "the workbook cannot be read back");
  return bytes;
}

bool IsChartPart(const std::string& name) {
  return name.rfind("xl/charts/chart", 0) == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0;
}

}  // namespace

void WriteGraphWorkbook(const std::vector<const fw::TGraphPlot*>& graphs, const fs::path& target,
                        const WorkbookProgress& progress) {
  const Scratch scratch(target);
  {
    WorkbookBuilder builder(scratch.path(), target);
    builder.Legend(static_cast<int>(graphs.size()));
    for (std::size_t i = 0; i < graphs.size(); ++i) builder.Graph(*graphs[i], static_cast<int>(i) + 1, progress);
    builder.Close();
  }
  std::vector<ZipEntry> entries = ReadZip(ReadWhole(scratch.path(), target));
  for (ZipEntry& entry : entries)
    if (IsChartPart(entry.name)) entry.data = WithFramedLegend(entry.data);
  ReplaceFileContents(target, WriteZip(entries));
}

fs::path DefaultWorkbookPath(const fs::path& data_file) {
  fs::path name = data_file.stem();
  name += "-plots.xlsx";
  return data_file.parent_path() / name;
}

}  // namespace veldra::app
