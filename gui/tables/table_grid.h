// TTableGrid: the grid of a table window. A table view with the row-block numbers in
// its vertical header, the header lines in its horizontal header, the table's
// top-left text in the corner, and Enter moving down the column.
#ifndef VELDRA_GUI_TABLES_TABLE_GRID_H
#define VELDRA_GUI_TABLES_TABLE_GRID_H

#include <QTableView>

namespace veldra::gui::tables {

class TTableGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TTableGrid(QWidget* parent = nullptr);

  // Text of the top-left cell (the heading of the row-number column).
  void SetTopLeft(const QString& text);
  const QString& TopLeft() const { return top_left_; }

  // The cell Enter moves to from (row, column): the next row; from the last row the
  // first row of the next column that takes entries; from the last of those the
  // first such column again. Columns under controls are passed over.
  QModelIndex NextAfterEnter(const QModelIndex& from) const;
  void MoveAfterEnter();

  // Shows `top_row` at the top and `left_column` at the left (the scroll bars'
  // ranges are brought up to date first).
  void ScrollTo(int top_row, int left_column);

 signals:
  // A key was pressed in the grid (not in a cell editor).
  void KeyPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  QString top_left_;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_TABLE_GRID_H
