#include "framework/table_window_layout.h"

#include <algorithm>
#include <cmath>

#include "framework/exceptions.h"

namespace veldra::framework {

namespace {

Rect At(int left, int top, Size size) { return {left, top, size.width, size.height}; }

bool Shown(Size size) { return size.width > 0 && size.height > 0; }

// The columns from `left` on that fit into `width`, then more to the left of it while
// they fit; at least one.
void FitColumns(const GridMetrics& metrics, int width, GridView& view) {
  const int columns = metrics.Columns();
  int left = std::clamp(view.left_column, 0, columns - 1);
  int count = 0;
  int used = 0;
  while (left + count < columns && used + metrics.column_widths[static_cast<std::size_t>(left + count)] <= width) {
    used += metrics.column_widths[static_cast<std::size_t>(left + count)];
    ++count;
  }
  while (left > 0 && used + metrics.column_widths[static_cast<std::size_t>(left - 1)] <= width) {
    --left;
    used += metrics.column_widths[static_cast<std::size_t>(left)];
    ++count;
  }
  view.left_column = left;
  view.shown_columns = std::max(count, 1);
}

// The whole rows that fit into `height`, at least one, scrolled up so that the last
// row stays filled.
void FitRows(const GridMetrics& metrics, int height, GridView& view) {
  if (metrics.rows == 0) {
    view.top_row = view.shown_rows = 0;
    return;
  }
  const int fit = metrics.row_height > 0 ? height / metrics.row_height : metrics.rows;
  view.shown_rows = std::clamp(fit, 1, metrics.rows);
  view.top_row = std::clamp(view.top_row, 0, metrics.rows - view.shown_rows);
}

}  // namespace

Size GridSize(const GridMetrics& metrics, const GridView& view) {
  Size size{metrics.fixed_width, metrics.fixed_height + view.shown_rows * metrics.row_height};
  for (int c = view.left_column; c < view.left_column + view.shown_columns && c < metrics.Columns(); ++c)
    size.width += metrics.column_widths[static_cast<std::size_t>(c)];
  if (view.shown_rows < metrics.rows) size.width += metrics.vertical_scroll_bar;
  if (view.shown_columns < metrics.Columns()) size.height += metrics.horizontal_scroll_bar;
  return size;
}

GridView ClampGridView(const GridMetrics& metrics, GridView view) {
  view.shown_columns = std::clamp(view.shown_columns, 0, metrics.Columns());
  view.left_column = std::clamp(view.left_column, 0, metrics.Columns() - view.shown_columns);
  view.shown_rows = std::clamp(view.shown_rows, 0, metrics.rows);
  view.top_row = std::clamp(view.top_row, 0, metrics.rows - view.shown_rows);
  return view;
}

WindowLayout LayOutTableWindow(const WindowParts& p, Size grid) {
  const int m = p.margin;
  WindowLayout layout;
  int top = m;
  if (Shown(p.graph)) {
    layout.graph = At(m, m, p.graph);
    top = layout.graph.Bottom() + m;
  }
  layout.grid = At(m, top, grid);

  const int buttons_top = layout.grid.Bottom() + m;
  layout.add = At(m, buttons_top, p.add);
  layout.insert = At(layout.add.Right() + m, buttons_top, p.insert);
  layout.remove = At(layout.insert.Right() + m, buttons_top, p.remove);
  // B: the step below a row of buttons.
  const int step = p.row_buttons ? p.add.height + m : 0;

  int below = buttons_top + step;  // where the comment goes without OK or file controls
  if (p.ok_cancel) {
    const int ok_top = buttons_top + step + 2 * m;
    const auto centred = [](int left_edge, int right_edge, int width) {
      return static_cast<int>(std::lround((left_edge + right_edge - width) / 2.0));
    };
    layout.ok = At(centred(layout.add.Right(), layout.insert.left, p.ok.width), ok_top, p.ok);
    layout.cancel = At(centred(layout.insert.Right(), layout.remove.left, p.cancel.width), ok_top, p.cancel);
    below = layout.ok.Bottom() + 2 * m;
  }
  if (p.file_controls) {
    const int label_top = p.ok_cancel ? layout.ok.Bottom() + 2 * m : buttons_top + step + m;
    layout.file_label = At(2 * m, label_top, p.file_label);
    layout.file_name = At(layout.file_label.Right() + 2 * m, label_top, p.file_name);
    // Without row buttons their step would put the file buttons over the name field.
    const int file_step = step > 0 ? step : p.file_name.height + m;
    const int buttons2_top = label_top + file_step;
    layout.browse = At(2 * m, buttons2_top, p.browse);
    layout.view_edit = At(layout.browse.Right() + 2 * m, buttons2_top, p.view_edit);
    layout.read = At(layout.view_edit.Right() + 2 * m, buttons2_top, p.read);
    layout.paste = At(layout.read.Right() - p.paste.width, buttons2_top + file_step, p.paste);
    below = layout.paste.top + file_step + m;
  }

  layout.comments = At(m, below, p.comments);
  const int picture_top = Shown(p.comments) ? layout.comments.Bottom() + m : below;
  layout.picture = At(m, picture_top, p.picture);
  const int bottom = p.picture.height > 0 ? layout.picture.Bottom() + m : picture_top;

  // The right-most part sets the width. The comment, the picture and the file
  // controls count as well: a long note must not be cut off by a narrow grid.
  int right = std::max(layout.grid.Right(), layout.remove.Right());
  if (Shown(p.graph)) right = std::max(right, layout.graph.Right());
  if (p.file_controls)
    right = std::max({right, layout.file_name.Right(), layout.read.Right(), layout.paste.Right()});
  if (Shown(p.comments)) right = std::max(right, layout.comments.Right());
  if (Shown(p.picture)) right = std::max(right, layout.picture.Right());
  layout.client = {right + m, bottom};
  return layout;
}

long long SnapExcess(Size candidate, Size dragged) {
  const long long w = candidate.width, h = candidate.height, W = dragged.width, H = dragged.height;
  if (w > W && h > H) return w * h - W * H;
  if (w > W) return (w - W) * H;
  if (h > H) return (h - H) * W;
  return 0;
}

SnappedWindow SnapTableWindow(const WindowParts& parts, const GridMetrics& metrics, const GridView& current,
                              Size dragged, bool width_dragged, bool height_dragged) {
  if (metrics.Columns() < 1) throw Exception(kTooFewGridColumns);
  // The parts around the grid do not depend on its size: what is left for the grid
  // is the dragged size less them.
  const WindowLayout empty = LayOutTableWindow(parts, {0, 0});
  const int grid_width = dragged.width - empty.grid.left - parts.margin;
  const int grid_height = dragged.height - empty.client.height;
  const GridView start = ClampGridView(metrics, current);

  SnappedWindow best;
  long long best_excess = 0;
  bool first = true;
  // Order: none, vertical, horizontal, both.
  for (const auto& [horizontal, vertical] : {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
    GridView view = start;
    if (!horizontal) {
      view.left_column = 0;
      view.shown_columns = metrics.Columns();
    } else if (width_dragged) {
      FitColumns(metrics, grid_width - metrics.fixed_width - (vertical ? metrics.vertical_scroll_bar : 0), view);
    }
    if (!vertical) {
      view.top_row = 0;
      view.shown_rows = metrics.rows;
    } else if (height_dragged) {
      FitRows(metrics, grid_height - metrics.fixed_height - (horizontal ? metrics.horizontal_scroll_bar : 0), view);
    }
    view = ClampGridView(metrics, view);
    const Size client = LayOutTableWindow(parts, GridSize(metrics, view)).client;
    const long long excess = SnapExcess(client, dragged);
    if (first || excess < best_excess) {
      best = {view, client};
      best_excess = excess;
      first = false;
    }
  }
  return best;
}

}  // namespace veldra::framework
