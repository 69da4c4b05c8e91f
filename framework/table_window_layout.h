// Geometry of a table window without widgets: where the graph, the grid, the row
// buttons, the file controls, the comment and the picture go, how large the window
// is for a given part of the table shown, and how a size dragged by the user snaps
// to whole columns and rows.
//
// All sizes are pixels of the window's client area. The widget layer measures its
// controls and the grid (frame, header rows, row height, column widths, scroll bars)
// and applies what comes back.
#ifndef VELDRA_FRAMEWORK_TABLE_WINDOW_LAYOUT_H
#define VELDRA_FRAMEWORK_TABLE_WINDOW_LAYOUT_H

#include <vector>

namespace veldra::framework {

inline constexpr const char* kTooFewGridColumns = "There must be at least 2 columns in grid";

// Rows a window shows when it opens and up to which Add Row and Insert Row grow it.
inline constexpr int kShownRowCap = 10;
inline constexpr int kShownRowCapWithChart = 5;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

// What the grid measures.
struct GridMetrics {
  int fixed_width = 0;   // frame and row-number column: everything but the data columns
  int fixed_height = 0;  // frame and header rows
  int row_height = 0;
  int vertical_scroll_bar = 0;    // width
  int horizontal_scroll_bar = 0;  // height
  std::vector<int> column_widths;  // of the visible columns, in order
  int rows = 0;                    // of the table
  int Columns() const { return static_cast<int>(column_widths.size()); }
};

// The part of the table the grid shows.
struct GridView {
  int left_column = 0;
  int shown_columns = 0;
  int top_row = 0;
  int shown_rows = 0;
  bool operator==(const GridView&) const = default;
};

// The grid's size: the fixed part, the shown columns from the left column and the
// shown rows, plus a scroll bar in each direction that does not show everything.
Size GridSize(const GridMetrics& metrics, const GridView& view);

// Counts brought within the table: at most the visible columns and the rows, the
// left column and top row such that the shown part lies inside.
GridView ClampGridView(const GridMetrics& metrics, GridView view);

// Everything of the window but the grid. A zero size means the part is not shown.
struct WindowParts {
  int margin = 0;  // the screen's pixels per inch / 20
  Size graph;      // the chart or the drawing area above the grid
  bool row_buttons = true;
  Size add, insert, remove;  // "Add Row", "Insert Row", "Delete Row"
  bool ok_cancel = false;
  Size ok, cancel;
  bool file_controls = false;
  Size file_label, file_name, browse, view_edit, read, paste;
  Size comments;
  Size picture;
};

struct WindowLayout {
  Rect graph, grid;
  Rect add, insert, remove;
  Rect ok, cancel;
  Rect file_label, file_name, browse, view_edit, read, paste;
  Rect comments, picture;
  Size client;
};

// Places every part around a grid of the given size: the graph one margin from the
// left and top, the grid below it (or one margin from the top), the row buttons one
// margin below the grid, then OK and Cancel, the file controls, the comment and the
// picture. The client area reaches one margin beyond the right-most and the lowest
// part.
WindowLayout LayOutTableWindow(const WindowParts& parts, Size grid);

// The window's size snapped to whole columns and rows while the user drags its
// border to `dragged` (client size). Four candidates (no scroll bar, vertical only,
// horizontal only, both) are laid out; a candidate with a horizontal scroll bar takes
// the columns that fit the dragged width (from the current left column, then more
// to its left) when the width is dragged and keeps the current ones otherwise; with
// a vertical scroll bar it takes the rows that fit the dragged height (scrolled up so
// that the last row stays filled) when the height is dragged; without a scroll bar
// it shows everything. The candidate that exceeds the dragged size least wins, the
// first in that order on a tie. Throws Exception "There must be at least 2 columns
// in grid" for a grid without data columns.
struct SnappedWindow {
  GridView view;
  Size client;
};
SnappedWindow SnapTableWindow(const WindowParts& parts, const GridMetrics& metrics, const GridView& current,
                              Size dragged, bool width_dragged, bool height_dragged);

// How far a candidate of size `candidate` exceeds the dragged size: the area outside
// it (0 when it fits).
long long SnapExcess(Size candidate, Size dragged);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_TABLE_WINDOW_LAYOUT_H
