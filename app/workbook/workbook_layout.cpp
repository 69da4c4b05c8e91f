#include "app/workbook/workbook_layout.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "framework/decimal_text.h"
#include "framework/units.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

constexpr int kLetters = 26;
constexpr int kCellDigits = 15;

// Widths in pixels of the spreadsheet's default font (11-point Calibri): a blank is
// about 3, most other characters about 7; a column is measured in 7-pixel
// characters with 5 pixels of padding.
constexpr double kBlankPixels = 3;
constexpr double kCharacterPixels = 7;
constexpr double kPaddingPixels = 5;
constexpr double kBoldWidening = 1.1;

constexpr const char* kLegendFrame =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";

std::string Reference(const std::string& sheet, int column, int last_row) {
  const std::string letters = ColumnLetters(column);
  return "=" + sheet + "!$" + letters + "$" + std::to_string(kFirstPointRow) + ":$" + letters + "$" +
         std::to_string(last_row);
}

}  // namespace

std::string ColumnLetters(int column) {
  if (column <= kLetters) return std::string(1, static_cast<char>('A' + column - 1));
  return std::string(1, static_cast<char>('A' + (column - 1) / kLetters - 1)) +
         static_cast<char>('A' + (column - 1) % kLetters);
}

std::string AxisTitle(const std::string& caption, const std::string& units, int system) {
  if (units.empty()) return caption;
  return caption + " (" + fw::DataEditUnitsLabel(units, system) + ")";
}

GraphSheets GraphSheetsOf(const fw::TGraphPlot& graph, int number) {
  GraphSheets sheets;
  sheets.number = number;
  sheets.caption = graph.Caption;
  sheets.data_sheet = "Page_" + std::to_string(number);
  sheets.chart_sheet = "Plot_" + std::to_string(number);
  sheets.x_title = AxisTitle(graph.XCaption, graph.XUnits, graph.Units());
  sheets.y_title = AxisTitle(graph.YCaption, graph.YUnits, graph.Units());
  sheets.depth_downwards = graph.XOnTop;
  for (int c = 0; c < graph.CurveCount(fw::CurveList::kMain); ++c) {
    const fw::TLine& curve = graph.CurveAt(fw::CurveList::kMain, c);
    CurveSheetColumns columns;
    columns.name = curve.DisplayName();
    columns.x_column = 2 * c + 1;
    columns.y_column = 2 * c + 2;
    columns.last_row = kFirstPointRow - 1 + static_cast<int>(curve.Points.size());
    columns.x_formula = Reference(sheets.data_sheet, columns.x_column, columns.last_row);
    columns.y_formula = Reference(sheets.data_sheet, columns.y_column, columns.last_row);
    sheets.curves.push_back(std::move(columns));
  }
  return sheets;
}

double FittedColumnWidth(const std::string& text, bool bold) {
  double pixels = 0;
  for (const char c : text) pixels += c == ' ' ? kBlankPixels : kCharacterPixels;
  if (bold) pixels *= kBoldWidening;
  return (pixels + kPaddingPixels) / kCharacterPixels;
}

double CellNumber(fw::EntryNumber value) {
  // from_chars reads "." whatever the process locale (the desktop application
  // sets it from the environment), and straight into a double.
  const std::string text = fw::FormatGeneral(value, kCellDigits);
  double cell = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), cell);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(cell))
    return std::numeric_limits<double>::quiet_NaN();
  return cell;
}

std::string WithFramedLegend(const std::string& chart_xml) {
  const std::size_t open = chart_xml.find("<c:legend>");
  if (open == std::string::npos) return chart_xml;
  const std::size_t close = chart_xml.find("</c:legend>", open);
  if (close == std::string::npos) return chart_xml;
  // The shape properties come after the position, layout and overlay and before the
  // text properties.
  std::size_t at = chart_xml.find("<c:txPr>", open);
  if (at == std::string::npos || at > close) at = close;
  std::string framed = chart_xml;
  framed.insert(at, kLegendFrame);
  return framed;
}

}  // namespace veldra::app
