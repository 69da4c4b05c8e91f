// TGridTableModel: the Qt item model over one TGridTable, for the grid of its window.
//
// Rows are the table's rows and columns its visible columns. Cells travel as the
// column's own text (GetText to show, SetText to store), never as a double: a value
// keeps its full extended precision however often it is shown. Choice cells give
// their 1-based item index and sub-table cells their button caption (the grid shows
// controls over both).
//
// While the model lives it holds the table's rows-changed, cell-changed and
// cell-entered links and passes them on as signals, so that the grid, the chart and
// the main window's modified state can all listen.
#ifndef VELDRA_GUI_TABLES_GRID_TABLE_MODEL_H
#define VELDRA_GUI_TABLES_GRID_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QString>

namespace veldra::framework {
class TColumn;
class TGridTable;
}  // namespace veldra::framework

namespace veldra::gui::tables {

class TGridTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TGridTableModel(framework::TGridTable& table, QObject* parent = nullptr);
  ~TGridTableModel() override;

  // nullptr after Detach.
  framework::TGridTable* Table() const { return table_; }
  // The table is going away: the model empties and lets go of its links.
  void Detach();

  // Visible column `column` of the grid.
  framework::TColumn& ColumnAt(int column) const;
  // Choice and sub-table columns: the grid puts a control over every cell.
  bool HasRowControls(int column) const;
  bool IsChoice(int column) const;
  bool IsSubTable(int column) const;

  // Change notices are held back until Resume (one full refresh after several row
  // operations or an import); when any came meanwhile, Resume raises RowsChanged.
  void PauseRowsChanged();
  void ResumeRowsChanged();

  // The per-row controls: the choice list of a row chose item `item` (1-based); the
  // control of a row got the focus; the button of a row was pressed.
  void ChooseItem(int row, int column, int item);
  void ControlFocused(int row, int column);
  void PressButton(int row, int column);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Horizontal: the header lines, one per line, padded to the header row count so
  // that every header starts at the top. Vertical: the row's block number.
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // Cells under a control are neither selectable nor editable: the control is used.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The text of an edited cell goes to the column's SetText. A refused entry stores
  // nothing, returns false and raises EntryRefused with the message to show.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  // Row structure, units or columns changed: the window refreshes in full.
  void RowsChanged();
  // A stored value changed (row, visible column).
  void CellChanged(int row, int column);
  // A per-row control got the focus.
  void CellEntered(int row, int column);
  // The user stored a value or changed the rows: the table is changed.
  void Edited();
  // An entry was refused; `entry_error` tells an entry error (information) from an
  // arithmetic fault of the evaluation (error).
  void EntryRefused(const QModelIndex& index, const QString& message, bool entry_error);

 private:
  void BindLinks();
  void UnbindLinks();
  void TableRowsChanged();
  void TableCellChanged(int table_column, int row);
  int VisibleIndex(int table_column) const;

  framework::TGridTable* table_;
  int paused_ = 0;
  bool changed_while_paused_ = false;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_GRID_TABLE_MODEL_H
