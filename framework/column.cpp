#include "framework/column.h"

#include <algorithm>

#include "framework/component_stream.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"

namespace veldra::framework {

TColumn::TColumn() = default;
TColumn::~TColumn() = default;

std::string TColumn::HeaderLine(int i) const {
  if (i < 0 || i >= HeaderCount()) throw EListError();
  return headers_[static_cast<std::size_t>(i)];
}

int TColumn::RowGroup() const { return table_ ? table_->RowGroup() : 1; }

void TColumn::InsertRows(int at, int count) {
  if (at < 0 || at > rows_ || count < 0) throw EListError();
  rows_ += count;
}

void TColumn::DeleteRow(int row) {
  CheckRow(row);
  --rows_;
}

TGridTable* TColumn::GetTable(int) const { throw EInvalidCast(); }
EntryNumber TColumn::GetFloat(int) const { throw EInvalidCast(); }
void TColumn::SetFloat(int, EntryNumber) { throw EInvalidCast(); }
std::int32_t TColumn::GetInt(int) const { throw EInvalidCast(); }
void TColumn::SetInt(int, std::int32_t) { throw EInvalidCast(); }
RowObject* TColumn::GetObject(int) const { throw EInvalidCast(); }
std::string TColumn::GetText(int row) const {
  CheckRow(row);
  return {};
}
void TColumn::SetText(int row, std::string_view) { CheckRow(row); }

int TColumn::MinWidth(const TextCanvas& canvas) const {
  int width = 0;
  for (int i = 0; i < HeaderCount(); ++i)
    width = std::max(width, canvas.TextWidth(HeaderLine(i) + "  "));
  return std::max(width, KindMinWidth(canvas));
}

void TColumn::SetUnits(int) {}

void TColumn::WriteTo(ComponentWriter& writer) const {
  writer.WriteInteger(static_cast<std::int32_t>(Kind()));
  writer.WriteListBegin();
  for (const std::string& line : headers_) writer.WriteString(line);
  writer.WriteListEnd();
  writer.WriteBoolean(visible_);
  writer.WriteBoolean(grouped_);
  WriteKindPart(writer);
}

void TColumn::ReadFrom(ComponentReader& reader) {
  headers_.clear();
  reader.ReadListBegin();
  while (!reader.EndOfList()) headers_.push_back(reader.ReadString());
  reader.ReadListEnd();
  visible_ = reader.ReadBoolean();
  grouped_ = reader.ReadBoolean();
  ReadKindPart(reader);
}

void TColumn::AllocateControls(const void*, int, int) { throw EInvalidCast(); }
void TColumn::ReleaseControls() { throw EInvalidCast(); }

void TColumn::CopyBaseTo(TColumn& clone) const {
  clone.headers_ = headers_;
  clone.visible_ = visible_;
  clone.grouped_ = grouped_;
}

void TColumn::CheckRow(int row) const {
  if (row < 0 || row >= rows_) throw EListError();
}

void TColumn::WrittenRows(int row, int& first, int& last) const {
  CheckRow(row);
  if (!grouped_) {
    first = last = row;
    return;
  }
  const int group = RowGroup();
  first = row / group * group;
  // A block cut short by the row count ends at the last row.
  last = std::min(first + group, rows_) - 1;
}

void TColumn::Changed(int row) {
  if (table_) table_->ColumnCellChanged(*this, row);
}

void TColumn::Entered(int row) {
  if (table_) table_->ColumnCellEntered(*this, row);
}

int TColumn::Index() const { return table_ ? table_->IndexOf(*this) : -1; }

TColumn* TColumn::Neighbour(int offset) const {
  const int index = Index();
  if (index < 0) return nullptr;
  const int other = index + offset;
  if (other < 0 || other >= table_->ColumnCount()) return nullptr;
  return &table_->Column(other);
}

void TColumn::SetControls(const void* parent, int top_row, int count) {
  control_parent_ = count > 0 ? parent : nullptr;
  control_top_ = count > 0 ? top_row : 0;
  control_count_ = count;
}

}  // namespace veldra::framework
