#include "framework/grid_table.h"

#include <algorithm>

#include "framework/component_stream.h"
#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/table_column.h"
#include "framework/table_family.h"
#include "framework/units.h"

namespace veldra::framework {

namespace {

TableWindowFactory& WindowFactory() {
  static TableWindowFactory factory;
  return factory;
}

}  // namespace

TGridTable::TGridTable(TGridTable* owner) : TGridTable(TableFamily::Plain(), owner) {}

TGridTable::TGridTable(TableFamily& family, TGridTable* owner)
    : family_(&family), owner_(owner), units_(owner ? owner->Units() : kEnglishUnits) {
  identifier_ = family_->Register(*this);
}

TGridTable::~TGridTable() {
  family_->Unregister(*this);
  // The window goes first: it may still look at the columns while it closes.
  window_.reset();
  columns_.clear();
}

void TGridTable::SetIdentifier(int identifier) {
  if (identifier < 0 || identifier == identifier_) return;
  if (TGridTable* other = family_->Find(identifier)) other->identifier_ = identifier_;
  identifier_ = identifier;
}

void TGridTable::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (window_) window_->CaptionChanged();
}

void TGridTable::SetMinRows(int rows) {
  if (rows <= 0) {
    if (!loading_) throw Exception(kMinRowsMustBePositive);
    rows = 1;
  }
  min_rows_ = rows;
}

TColumn& TGridTable::Column(int index) const {
  if (index < 0 || index >= ColumnCount()) throw EListError();
  return *columns_[static_cast<std::size_t>(index)];
}

int TGridTable::IndexOf(const TColumn& column) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].get() == &column) return static_cast<int>(i);
  return -1;
}

TColumn& TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
  TColumn& adopted = *column;
  adopted.table_ = this;
  columns_.push_back(std::move(column));
  SynchroniseTemplates();
  try {
    while (adopted.RowCount() < rows_)
      adopted.InsertRows(adopted.RowCount(), std::min(row_group_, rows_ - adopted.RowCount()));
  } catch (...) {
    columns_.pop_back();
    throw;
  }
  RaiseRowsChanged();
  return adopted;
}

int TGridTable::VisibleColumnCount() const {
  return static_cast<int>(std::count_if(columns_.begin(), columns_.end(),
                                        [](const auto& column) { return column->Visible(); }));
}

TColumn& TGridTable::VisibleColumn(int i) const {
  if (i >= 0) {
    for (const auto& column : columns_) {
      if (!column->Visible()) continue;
      if (i-- == 0) return *column;
    }
  }
  throw EListError();
}

int TGridTable::HeaderRowCount() const {
  int count = 0;
  for (const auto& column : columns_)
    if (column->Visible()) count = std::max(count, column->HeaderCount());
  return count;
}

TData TGridTable::Cell(int col, int row) const {
  TColumn& column = Column(col);
  if (row < 0 || row >= rows_) throw EListError();
  return TData(column, row);
}

void TGridTable::SetCellText(int col, int row, std::string_view text) {
  Cell(col, row).Column().SetText(row, text);
}

void TGridTable::InsertRowsInColumns(int at, int count) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    try {
      columns_[i]->InsertRows(at, count);
    } catch (...) {
      // All columns keep the same length: undo the columns already extended.
      for (std::size_t j = 0; j < i; ++j)
        for (int k = 0; k < count; ++k) columns_[j]->DeleteRow(at);
      throw;
    }
  }
  rows_ += count;
}

void TGridTable::DeleteRowInColumns(int row) {
  for (const auto& column : columns_) column->DeleteRow(row);
  --rows_;
}

void TGridTable::SetRowCount(int n) {
  if (n < 0) n = 0;
  while (rows_ > n) DeleteRowInColumns(rows_ - 1);
  while (rows_ < n) InsertRowsInColumns(rows_, std::min(row_group_, n - rows_));
  RaiseRowsChanged();
}

void TGridTable::AddRowGroup() {
  InsertRowsInColumns(rows_, row_group_);
  RaiseRowsChanged();
}

void TGridTable::InsertRowGroup(int row) {
  if (row < 0 || row >= rows_) throw EListError();
  InsertRowsInColumns(row / row_group_ * row_group_, row_group_);
  RaiseRowsChanged();
}

void TGridTable::DeleteRowGroup(int row) {
  if (row < 0 || row >= rows_) throw EListError();
  const int start = row / row_group_ * row_group_;
  for (int k = 0; k < row_group_ && start < rows_; ++k) DeleteRowInColumns(start);
  RaiseRowsChanged();
}

void TGridTable::SetUnits(int system) {
  system = ClampUnitSystem(system);
  if (system == units_) return;
  for (const auto& column : columns_) column->SetUnits(system);
  units_ = system;
  RaiseRowsChanged();
}

bool TGridTable::IsChanged() const {
  if (changed_) return true;
  return std::any_of(columns_.begin(), columns_.end(),
                     [](const auto& column) { return column->IsChanged(); });
}

void TGridTable::SetChanged(bool changed) {
  changed_ = changed;
  if (!changed)
    for (const auto& column : columns_) column->ResetChanged();
}

void TGridTable::SetNumber(int number) {
  number_ = number;
  if (window_) window_->CaptionChanged();
}

std::unique_ptr<TGridTable> TGridTable::NewOwnedTable() { return std::make_unique<TGridTable>(this); }

void TGridTable::CopyTemplate(const TGridTable& source) {
  caption_ = source.caption_;
  comments_ = source.comments_;
  top_left_ = source.top_left_;
  help_picture_ = source.help_picture_;
  min_rows_ = source.min_rows_;
  max_rows_ = source.max_rows_;
}

std::unique_ptr<TGridTable> TGridTable::MakeSubTable(const TGridTable& source, int number) {
  // A template whose rows would hold copies of itself would recurse without end.
  if (source.copying_)
    throw Exception("Template " + std::to_string(source.Identifier()) + " holds a sub-table of itself");
  source.copying_ = true;
  struct Release {
    const TGridTable& table;
    ~Release() { table.copying_ = false; }
  } release{source};

  std::unique_ptr<TGridTable> sub = NewOwnedTable();
  sub->CopyTemplate(source);
  for (const auto& column : source.columns_) sub->AddColumn(column->Clone());
  sub->SetNumber(number);
  sub->SetRowCount(sub->MinRows());
  return sub;
}

void TGridTable::WriteColumns(ComponentWriter& writer) const {
  writer.WriteInteger(ColumnCount());
  for (const auto& column : columns_) column->WriteTo(writer);
  WriteExtra(writer);
}

void TGridTable::ReadColumns(ComponentReader& reader) {
  int count = 0;
  try {
    count = reader.ReadInteger();
  } catch (const Exception&) {
    throw Exception("Error reading column count");
  }
  if (count < 0) throw Exception("Error reading column count");
  columns_.clear();
  for (int i = 0; i < count; ++i) {
    const auto creating = [i](const Exception& error) {
      return Exception("Error occured when creating column " + std::to_string(i) + ": " + error.what());
    };
    int kind = 0;
    try {
      kind = reader.ReadInteger();
    } catch (const Exception& error) {
      throw creating(error);
    }
    std::unique_ptr<TColumn> column = family_->Kinds().Create(kind);
    if (!column) throw Exception("Error Column Class not defined");
    try {
      column->ReadFrom(reader);
    } catch (const Exception& error) {
      throw creating(error);
    }
    AddColumn(std::move(column));
  }
  ReadExtra(reader);
}

std::vector<std::uint8_t> TGridTable::ColumnRecord() const {
  ComponentWriter writer;
  WriteColumns(writer);
  return writer.Bytes();
}

void TGridTable::SetColumnRecord(std::span<const std::uint8_t> bytes) {
  ComponentReader reader(bytes);
  ReadColumns(reader);
}

void TGridTable::SetWindowFactory(TableWindowFactory factory) { WindowFactory() = std::move(factory); }

void TGridTable::Show(bool modal) {
  if (VisibleColumnCount() == 0) return;
  if (!window_) {
    if (!WindowFactory()) return;
    window_ = WindowFactory()(*this, modal);
    if (!window_) return;
  }
  window_modal_ = modal;
  if (rows_ < min_rows_) SetRowCount(min_rows_);
  window_->Show(modal);
}

void TGridTable::ShowWindow() { Show(false); }
void TGridTable::ShowWindowModal() { Show(true); }

void TGridTable::CloseWindow() {
  if (window_) {
    for (const auto& column : columns_)
      if (column->HasControls()) column->ReleaseControls();
    RowsChangedLink = nullptr;
    CellChangedLink = nullptr;
    CellEnteredLink = nullptr;
    std::unique_ptr<TableWindow> closing = std::move(window_);
    window_modal_ = false;
  }
  for (const auto& column : columns_) column->HideForms();
}

std::string TGridTable::WindowCaption() const {
  std::vector<const TGridTable*> chain;
  for (const TGridTable* table = this; table; table = table->owner_) chain.push_back(table);
  std::string caption = caption_ + " ";
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if ((*it)->number_ != 0) caption += " " + std::to_string((*it)->number_);
  return caption;
}

void TGridTable::RaiseRowsChanged() {
  if (RowsChangedLink) RowsChangedLink();
}

void TGridTable::ColumnCellChanged(TColumn& column, int row) {
  const int index = IndexOf(column);
  if (index == 0 && column.Kind() == ColumnKind::kEnum) {
    for (const auto& other : columns_) {
      if (other->Kind() == ColumnKind::kTable && row < other->RowCount())
        static_cast<TTableColumn&>(*other).RemakeRow(row);
    }
  }
  if (CellChangedLink) CellChangedLink(index, row);
}

void TGridTable::ColumnCellEntered(TColumn& column, int row) {
  if (CellEnteredLink) CellEnteredLink(IndexOf(column), row);
}

void TGridTable::EnumItemsChanged(TEnumColumn& column) {
  if (IndexOf(column) == 0) SynchroniseTemplates();
}

void TGridTable::SynchroniseTemplates() {
  int count = 1;
  if (!columns_.empty() && columns_.front()->Kind() == ColumnKind::kEnum)
    count = static_cast<int>(static_cast<TEnumColumn&>(*columns_.front()).Items().size());
  for (const auto& column : columns_)
    if (column->Kind() == ColumnKind::kTable) static_cast<TTableColumn&>(*column).Templates().SetCount(count);
}

}  // namespace veldra::framework
