#include "gui/tables/grid_table_model.h"

#include <QStringList>
#include <exception>

#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"
#include "framework/table_column.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"

namespace veldra::gui::tables {

namespace fw = veldra::framework;

TGridTableModel::TGridTableModel(fw::TGridTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(&table) {
  BindLinks();
}

TGridTableModel::~TGridTableModel() { UnbindLinks(); }

void TGridTableModel::BindLinks() {
  table_->RowsChangedLink = [this] { TableRowsChanged(); };
  table_->CellChangedLink = [this](int column, int row) { TableCellChanged(column, row); };
  table_->CellEnteredLink = [this](int column, int row) {
    const int visible = VisibleIndex(column);
    if (visible >= 0) emit CellEntered(row, visible);
  };
}

void TGridTableModel::UnbindLinks() {
  if (!table_) return;
  table_->RowsChangedLink = nullptr;
  table_->CellChangedLink = nullptr;
  table_->CellEnteredLink = nullptr;
}

void TGridTableModel::Detach() {
  beginResetModel();
  UnbindLinks();
  table_ = nullptr;
  endResetModel();
}

fw::TColumn& TGridTableModel::ColumnAt(int column) const { return table_->VisibleColumn(column); }

bool TGridTableModel::IsChoice(int column) const {
  return table_ && ColumnAt(column).Kind() == fw::ColumnKind::kEnum;
}

bool TGridTableModel::IsSubTable(int column) const {
  return table_ && ColumnAt(column).Kind() == fw::ColumnKind::kTable;
}

bool TGridTableModel::HasRowControls(int column) const { return table_ && ColumnAt(column).HasRowControls(); }

int TGridTableModel::VisibleIndex(int table_column) const {
  if (!table_ || table_column < 0 || table_column >= table_->ColumnCount()) return -1;
  const fw::TColumn& target = table_->Column(table_column);
  if (!target.Visible()) return -1;
  int visible = 0;
  for (int c = 0; c < table_column; ++c)
    if (table_->Column(c).Visible()) ++visible;
  return visible;
}

void TGridTableModel::PauseRowsChanged() { ++paused_; }

void TGridTableModel::ResumeRowsChanged() {
  if (paused_ > 0 && --paused_ == 0 && changed_while_paused_) {
    changed_while_paused_ = false;
    TableRowsChanged();
  }
}

void TGridTableModel::TableRowsChanged() {
  if (paused_ > 0) {
    changed_while_paused_ = true;
    return;
  }
  // The table has changed already; the views only need to ask again.
  beginResetModel();
  endResetModel();
  emit RowsChanged();
}

void TGridTableModel::TableCellChanged(int table_column, int row) {
  if (paused_ > 0) {
    // Values changed under held-back notices: everything is shown again at Resume.
    changed_while_paused_ = true;
    return;
  }
  const int visible = VisibleIndex(table_column);
  if (visible < 0 || row < 0 || row >= rowCount()) return;
  const QModelIndex cell = index(row, visible);
  emit dataChanged(cell, cell);
  emit CellChanged(row, visible);
}

void TGridTableModel::ChooseItem(int row, int column, int item) {
  auto& choice = static_cast<fw::TEnumColumn&>(ColumnAt(column));
  if (choice.GetInt(row) == item) return;
  table_->SetChanged(true);
  choice.ChooseItem(row, item);
  emit Edited();
}

void TGridTableModel::ControlFocused(int row, int column) {
  auto& column_object = ColumnAt(column);
  if (column_object.Kind() == fw::ColumnKind::kEnum) {
    static_cast<fw::TEnumColumn&>(column_object).ControlFocused(row);
  } else {
    emit CellEntered(row, column);
  }
}

void TGridTableModel::PressButton(int row, int column) {
  static_cast<fw::TTableColumn&>(ColumnAt(column)).PressButton(row);
}

int TGridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : table_->RowCount();
}

int TGridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : table_->VisibleColumnCount();
}

QVariant TGridTableModel::data(const QModelIndex& index, int role) const {
  if (!table_ || !index.isValid()) return {};
  const fw::TColumn& column = ColumnAt(index.column());
  const int row = index.row();
  switch (column.Kind()) {
    case fw::ColumnKind::kEnum:
      if (role == Qt::EditRole) return static_cast<int>(column.GetInt(row));
      if (role == Qt::DisplayRole) return ToQt(static_cast<const fw::TEnumColumn&>(column).ItemText(row));
      return {};
    case fw::ColumnKind::kTable:
      if (role == Qt::DisplayRole || role == Qt::EditRole)
        return ToQt(static_cast<const fw::TTableColumn&>(column).ButtonCaption(row));
      return {};
    case fw::ColumnKind::kInt:
    case fw::ColumnKind::kFloat:
      if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      [[fallthrough]];
    case fw::ColumnKind::kString:
      if (role == Qt::DisplayRole || role == Qt::EditRole) return ToQt(column.GetText(row));
      return {};
  }
  return {};
}

QVariant TGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!table_ || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Vertical) return section / table_->RowGroup() + 1;
  if (section < 0 || section >= columnCount()) return {};
  const fw::TColumn& column = ColumnAt(section);
  QStringList lines;
  for (int i = 0; i < column.HeaderCount(); ++i) lines << ToQt(column.HeaderLine(i)).trimmed();
  while (lines.size() < table_->HeaderRowCount()) lines << QString();
  return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags TGridTableModel::flags(const QModelIndex& index) const {
  if (!table_ || !index.isValid()) return Qt::NoItemFlags;
  if (HasRowControls(index.column())) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!table_ || !index.isValid() || role != Qt::EditRole || HasRowControls(index.column())) return false;
  fw::TColumn& column = ColumnAt(index.column());
  try {
    column.SetText(index.row(), FromQt(value.toString()));
  } catch (const fw::EAssignError& error) {
    emit EntryRefused(index, MessageText(error.what()), true);
    return false;
  } catch (...) {
    emit EntryRefused(index, DescribeError(std::current_exception(), "Evaluating the entry").text, false);
    return false;
  }
  table_->SetChanged(true);
  // An entry such as 2*3 shows 6, and linked cells show their new values.
  emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
  emit Edited();
  return true;
}

}  // namespace veldra::gui::tables
