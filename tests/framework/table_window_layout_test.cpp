// Geometry of the table windows: where the parts go and how a dragged size snaps.
#include "framework/table_window_layout.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"

namespace veldra::framework {
namespace {

constexpr int kMargin = 4;

// A plain table window: three row buttons, a comment of two lines, no picture.
WindowParts PlainParts() {
  WindowParts parts;
  parts.margin = kMargin;
  parts.add = {80, 24};
  parts.insert = {90, 24};
  parts.remove = {85, 24};
  parts.comments = {150, 30};
  return parts;
}

// A curve window: graph, row buttons and the file controls.
WindowParts CurveParts() {
  WindowParts parts = PlainParts();
  parts.graph = {285, 170};
  parts.file_controls = true;
  parts.file_label = {60, 20};
  parts.file_name = {200, 22};
  parts.browse = {60, 24};
  parts.view_edit = {90, 24};
  parts.read = {140, 24};
  parts.paste = {220, 24};
  return parts;
}

// Grid: 30 px fixed width, 40 px of frame and headers, rows of 20 px, columns of
// 100, 50, 70 and 60 px, scroll bars 16 px.
GridMetrics Grid(int rows) {
  GridMetrics grid;
  grid.fixed_width = 30;
  grid.fixed_height = 40;
  grid.row_height = 20;
  grid.vertical_scroll_bar = 16;
  grid.horizontal_scroll_bar = 16;
  grid.column_widths = {100, 50, 70, 60};
  grid.rows = rows;
  return grid;
}

TEST(TableWindowLayout, GridSizeAddsAScrollBarForWhatIsNotShown) {
  const GridMetrics grid = Grid(25);
  EXPECT_EQ(GridSize(grid, {0, 4, 0, 25}), (Size{310, 540}));
  EXPECT_EQ(GridSize(grid, {0, 4, 0, 10}), (Size{326, 240}));       // vertical bar
  EXPECT_EQ(GridSize(grid, {1, 2, 0, 25}), (Size{150, 556}));       // columns 1 and 2, horizontal bar
  EXPECT_EQ(ClampGridView(grid, {3, 4, 20, 10}), (GridView{0, 4, 15, 10}));
}

TEST(TableWindowLayout, PlainWindowStacksGridButtonsAndComment) {
  const WindowLayout layout = LayOutTableWindow(PlainParts(), {310, 240});
  EXPECT_EQ(layout.grid, (Rect{4, 4, 310, 240}));
  EXPECT_EQ(layout.add, (Rect{4, 248, 80, 24}));
  EXPECT_EQ(layout.insert, (Rect{88, 248, 90, 24}));
  EXPECT_EQ(layout.remove, (Rect{182, 248, 85, 24}));
  EXPECT_EQ(layout.comments, (Rect{4, 276, 150, 30}));
  // No picture: the comment's bottom and a margin.
  EXPECT_EQ(layout.client, (Size{318, 310}));
}

TEST(TableWindowLayout, HiddenPartsTakeNoSpace) {
  WindowParts parts = PlainParts();
  parts.row_buttons = false;
  parts.comments = {};
  parts.picture = {200, 100};
  const WindowLayout layout = LayOutTableWindow(parts, {100, 80});
  // The picture comes right after the grid; the hidden Delete button still sets the
  // least width.
  EXPECT_EQ(layout.picture, (Rect{4, 88, 200, 100}));
  EXPECT_EQ(layout.client, (Size{271, 192}));
}

TEST(TableWindowLayout, LongCommentOrPictureWidensTheWindow) {
  WindowParts parts = PlainParts();
  parts.comments = {600, 90};
  EXPECT_EQ(LayOutTableWindow(parts, {310, 240}).client.width, 608);
  parts.picture = {700, 50};
  EXPECT_EQ(LayOutTableWindow(parts, {310, 240}).client.width, 708);
}

TEST(TableWindowLayout, CurveWindowPutsGraphAboveAndFileControlsBelow) {
  const WindowLayout layout = LayOutTableWindow(CurveParts(), {200, 140});
  EXPECT_EQ(layout.graph, (Rect{4, 4, 285, 170}));
  EXPECT_EQ(layout.grid, (Rect{4, 178, 200, 140}));
  const int buttons = 322;
  EXPECT_EQ(layout.add.top, buttons);
  const int step = 24 + kMargin;  // button height and a margin
  EXPECT_EQ(layout.file_label, (Rect{8, buttons + step + kMargin, 60, 20}));
  EXPECT_EQ(layout.file_name, (Rect{76, buttons + step + kMargin, 200, 22}));
  EXPECT_EQ(layout.browse, (Rect{8, layout.file_label.top + step, 60, 24}));
  EXPECT_EQ(layout.view_edit.left, 76);
  EXPECT_EQ(layout.read.left, 174);
  // The paste button is right-aligned with "Read values from File", one step lower.
  EXPECT_EQ(layout.paste, (Rect{94, layout.read.top + step, 220, 24}));
  EXPECT_EQ(layout.comments.top, layout.paste.top + step + kMargin);
  // The read button (174 + 140) reaches beyond the graph (4 + 285).
  EXPECT_EQ(layout.client.width, 318);
}

TEST(TableWindowLayout, OkAndCancelAreCentredBetweenTheRowButtons) {
  WindowParts parts = CurveParts();
  parts.ok_cancel = true;
  parts.ok = {41, 24};
  parts.cancel = {40, 24};
  const WindowLayout layout = LayOutTableWindow(parts, {200, 140});
  // round((84 + 88 - 41) / 2) = 66 (65.5 rounds up); round((178 + 182 - 40) / 2) = 160
  EXPECT_EQ(layout.ok, (Rect{66, layout.add.top + 24 + kMargin + 2 * kMargin, 41, 24}));
  EXPECT_EQ(layout.cancel.left, 160);
  EXPECT_EQ(layout.file_label.top, layout.ok.Bottom() + 2 * kMargin);
}

TEST(SnapTableWindow, ExcessIsTheAreaOutsideTheDraggedRectangle) {
  EXPECT_EQ(SnapExcess({100, 100}, {100, 100}), 0);
  EXPECT_EQ(SnapExcess({90, 80}, {100, 100}), 0);
  EXPECT_EQ(SnapExcess({110, 80}, {100, 100}), 10 * 100);
  EXPECT_EQ(SnapExcess({90, 130}, {100, 100}), 30 * 100);
  EXPECT_EQ(SnapExcess({110, 130}, {100, 100}), 110 * 130 - 100 * 100);
}

TEST(SnapTableWindow, DraggedHeightTakesTheWholeRowsThatFit) {
  const WindowParts parts = PlainParts();
  const GridMetrics grid = Grid(25);
  const GridView start{0, 4, 0, 10};
  const Size opened = LayOutTableWindow(parts, GridSize(grid, start)).client;
  // 3.5 rows less than the window that shows 10: 6 rows fit, the window snaps to them.
  const Size dragged{opened.width, opened.height - 70};
  const SnappedWindow snapped = SnapTableWindow(parts, grid, start, dragged, false, true);
  EXPECT_EQ(snapped.view, (GridView{0, 4, 0, 6}));
  EXPECT_EQ(snapped.client, (Size{opened.width, opened.height - 80}));
}

TEST(SnapTableWindow, RowsScrollUpSoThatTheLastRowStaysFilled) {
  const WindowParts parts = PlainParts();
  const GridMetrics grid = Grid(25);
  const GridView scrolled{0, 4, 15, 10};  // rows 15 to 24
  const Size opened = LayOutTableWindow(parts, GridSize(grid, scrolled)).client;
  const SnappedWindow snapped =
      SnapTableWindow(parts, grid, scrolled, {opened.width, opened.height + 60}, false, true);
  EXPECT_EQ(snapped.view, (GridView{0, 4, 12, 13}));
}

TEST(SnapTableWindow, DraggedWidthTakesTheColumnsThatFitThenMoreToTheLeft) {
  const WindowParts parts = PlainParts();
  const GridMetrics grid = Grid(25);
  const GridView start{2, 2, 0, 10};  // columns 2 and 3 (70 + 60)
  // Room for 180 px of columns next to the fixed part and the vertical bar: columns
  // 2 and 3 fit (130), then column 1 (50) to their left.
  const Size dragged{kMargin + 30 + 180 + 16 + kMargin, 400};
  const SnappedWindow snapped = SnapTableWindow(parts, grid, start, dragged, true, false);
  EXPECT_EQ(snapped.view, (GridView{1, 3, 0, 10}));
  // The window is at least as wide as the row buttons.
  EXPECT_EQ(snapped.client.width, 4 + 80 + 4 + 90 + 4 + 85 + 4);
}

TEST(SnapTableWindow, AnUndraggedDirectionKeepsWhatIsShown) {
  const WindowParts parts = PlainParts();
  const GridMetrics grid = Grid(25);
  const GridView start{1, 2, 5, 7};
  const Size opened = LayOutTableWindow(parts, GridSize(grid, start)).client;
  // Only the height is dragged: the columns stay as they were.
  const SnappedWindow taller = SnapTableWindow(parts, grid, start, {opened.width, opened.height + 40}, false, true);
  EXPECT_EQ(taller.view.left_column, 1);
  EXPECT_EQ(taller.view.shown_columns, 2);
  EXPECT_EQ(taller.view.shown_rows, 9);
}

TEST(SnapTableWindow, RoomForEverythingShowsEverything) {
  const WindowParts parts = PlainParts();
  const GridMetrics grid = Grid(3);
  const SnappedWindow snapped = SnapTableWindow(parts, grid, {0, 2, 0, 2}, {2000, 2000}, true, true);
  EXPECT_EQ(snapped.view, (GridView{0, 4, 0, 3}));
  EXPECT_EQ(snapped.client, LayOutTableWindow(parts, GridSize(grid, snapped.view)).client);
}

TEST(SnapTableWindow, ATooSmallDragStillShowsOneRowAndOneColumn) {
  const SnappedWindow snapped = SnapTableWindow(PlainParts(), Grid(25), {0, 4, 0, 10}, {20, 20}, true, true);
  EXPECT_EQ(snapped.view.shown_columns, 1);
  EXPECT_EQ(snapped.view.shown_rows, 1);
}

TEST(SnapTableWindow, AGridWithoutDataColumnsIsRefused) {
  GridMetrics grid = Grid(3);
  grid.column_widths.clear();
  try {
    SnapTableWindow(PlainParts(), grid, {}, {300, 300}, true, true);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), kTooFewGridColumns);
  }
}

}  // namespace
}  // namespace veldra::framework
