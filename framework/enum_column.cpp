#include "framework/enum_column.h"

#include <cmath>

#include "framework/component_stream.h"
#include "framework/entry_evaluator.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"

namespace veldra::framework {

void TEnumColumn::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (Table()) Table()->EnumItemsChanged(*this);
}

std::string TEnumColumn::ItemText(int row) const {
  const std::int32_t value = GetInt(row);
  if (value < 1 || value > static_cast<std::int32_t>(items_.size())) return {};
  return items_[static_cast<std::size_t>(value - 1)];
}

void TEnumColumn::InsertRows(int at, int count) {
  TColumn::InsertRows(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), 1);
}

void TEnumColumn::DeleteRow(int row) {
  TColumn::DeleteRow(row);
  values_.erase(values_.begin() + row);
}

std::int32_t TEnumColumn::GetInt(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInt(int row, std::int32_t value) {
  int first, last;
  WrittenRows(row, first, last);
  for (int r = first; r <= last; ++r) {
    std::int32_t& cell = values_[static_cast<std::size_t>(r)];
    if (cell == value) continue;
    cell = value;
    Changed(r);
  }
}

std::string TEnumColumn::GetText(int row) const { return std::to_string(GetInt(row)); }

void TEnumColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  const EntryNumber value = EvaluateEntry(text);
  if (!IsInt32(value)) throw EAssignError(kEnumMustBeInteger);
  SetInt(row, static_cast<std::int32_t>(value));
}

std::unique_ptr<TColumn> TEnumColumn::Clone() const {
  auto clone = std::make_unique<TEnumColumn>();
  CopyBaseTo(*clone);
  clone->items_ = items_;
  return clone;
}

void TEnumColumn::AllocateControls(const void* parent, int top_row, int count) {
  if (HasControls() && parent != ControlParent())
    throw Exception("Error attempt to change parent with controls already allocated");
  if (!parent) throw Exception("null parent");
  SetControls(parent, top_row, count < 0 ? 0 : count);
}

void TEnumColumn::ReleaseControls() { SetControls(nullptr, 0, 0); }

void TEnumColumn::ChooseItem(int tag, std::int32_t index) {
  if (tag < 0) throw Exception("Unexpected row for combobox");
  if (GetInt(tag) != index) SetInt(tag, index);
}

void TEnumColumn::ControlFocused(int tag) {
  CheckRow(tag);
  Entered(tag);
}

void TEnumColumn::WriteKindPart(ComponentWriter& writer) const {
  writer.WriteListBegin();
  for (const std::string& item : items_) writer.WriteString(item);
  writer.WriteListEnd();
}

void TEnumColumn::ReadKindPart(ComponentReader& reader) {
  items_.clear();
  reader.ReadListBegin();
  while (!reader.EndOfList()) items_.push_back(reader.ReadString());
  reader.ReadListEnd();
}

int TEnumColumn::KindMinWidth(const TextCanvas& canvas) const {
  return canvas.PixelsPerInch() * 3 / 2;
}

}  // namespace veldra::framework
