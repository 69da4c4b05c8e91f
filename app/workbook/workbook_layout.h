// What the graph workbook holds, cell for cell, without writing it: the sheet
// names, the Legend sheet's headings and statuses, each graph's titles, curve
// columns and chart references, and the column letters they use.
//
// One workbook: the sheet "Legend" indexes the graphs; graph n gets the data sheet
// "Page_n" (caption, axis titles, one pair of columns per curve from row 6) and the
// chart sheet "Plot_n" (a scatter chart with straight lines, one series per curve).
#ifndef VELDRA_APP_WORKBOOK_WORKBOOK_LAYOUT_H
#define VELDRA_APP_WORKBOOK_WORKBOOK_LAYOUT_H

#include <array>
#include <string>
#include <vector>

#include "framework/graph_plot.h"

namespace veldra::app {

inline constexpr const char* kLegendSheet = "Legend";
// The Legend sheet's headings in B2:F2; the blanks are part of the texts and set
// the columns' widths.
inline constexpr std::array<const char*, 5> kLegendHeadings = {
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
// The Status column while a graph is written, and once it is.
inline constexpr const char* kStatusData = "In Progress, Data";
inline constexpr const char* kStatusChart = "In Progress, Chart";
inline constexpr const char* kStatusComplete = "Complete";
inline constexpr const char* kGoToLegend = "Go to Legend Page";

// Rows and columns from 1, as the sheets show them.
inline constexpr int kHeadingRow = 2;
inline constexpr int kFirstLegendRow = 3;   // graph n on row n + 2
inline constexpr int kCurveNameRow = 4;
inline constexpr int kCurveAxisRow = 5;     // "X" and "Y"
inline constexpr int kFirstPointRow = 6;

// "A" to "Z" for 1 to 26, then two letters up to "ZZ" for 702.
std::string ColumnLetters(int column);

// An axis title: the caption, then " (", the units label in the graph's system and
// ")" when the units string is not empty.
std::string AxisTitle(const std::string& caption, const std::string& units, int system);

struct CurveSheetColumns {
  std::string name;     // the curve's display name (row 4)
  int x_column = 0;     // 2c - 1 for curve c
  int y_column = 0;     // 2c
  int last_row = 0;     // the row of its last point; kFirstPointRow - 1 when it has none
  // The chart's references: "=Page_n!$A$6:$A$66".
  std::string x_formula;
  std::string y_formula;
};

struct GraphSheets {
  int number = 0;            // n, from 1 in export order
  std::string caption;       // the graph's Caption
  std::string data_sheet;    // "Page_n"
  std::string chart_sheet;   // "Plot_n"
  std::string x_title;       // the single panel's axis titles
  std::string y_title;
  bool depth_downwards = false;  // the value axis reversed (XOnTop graphs)
  std::vector<CurveSheetColumns> curves;  // every curve of the main list, active or not
};

// The sheets of graph number n.
GraphSheets GraphSheetsOf(const framework::TGraphPlot& graph, int number);

// A column width, in the spreadsheet's character units, that fits `text` in its
// default font (blanks are narrow): what fitting the column to its contents gives.
double FittedColumnWidth(const std::string& text, bool bold);

// A value as the cell holds it: rounded to 15 significant digits, so that the
// sheet shows what the graph's numbers are and not their last binary digits. NaN
// for a value that is not finite (its cell stays empty).
double CellNumber(framework::EntryNumber value);

// The chart part with its legend framed in black (line colour 0) on white (colour
// index 2 of the default palette). The chart library cannot set them, so they are
// written into the part after the workbook is made. A part without a legend is
// returned as it is.
std::string WithFramedLegend(const std::string& chart_xml);

}  // namespace veldra::app

#endif  // VELDRA_APP_WORKBOOK_WORKBOOK_LAYOUT_H
