#include "framework/table_column.h"

#include "framework/component_stream.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"
#include "framework/table_family.h"

namespace veldra::framework {

void TGridTableList::SetCount(int count) {
  entries_.resize(count < 0 ? 0 : static_cast<std::size_t>(count), -1);
}

int TGridTableList::Entry(int i) const {
  if (i < 0 || i >= Count()) throw EListError();
  return entries_[static_cast<std::size_t>(i)];
}

void TGridTableList::SetEntry(int i, int identifier) {
  if (i < 0 || i >= Count()) throw EListError();
  entries_[static_cast<std::size_t>(i)] = identifier;
}

TGridTable* TGridTableList::Resolve(int i, const TableFamily& family) const {
  if (i < 0 || i >= Count()) return nullptr;
  const int identifier = entries_[static_cast<std::size_t>(i)];
  return identifier < 0 ? nullptr : family.Find(identifier);
}

TTableColumn::~TTableColumn() = default;

std::unique_ptr<RowObject> TTableColumn::MakeObject(int row) {
  TGridTable* table = Table();
  if (!table) return nullptr;
  int item = 0;
  const TColumn& first = table->Column(0);
  if (first.Kind() == ColumnKind::kEnum && row < first.RowCount()) item = first.GetInt(row) - 1;
  if (const TGridTable* source = templates_.Resolve(item, table->Family()))
    return table->MakeSubTable(*source, row + 1);
  if (!table->OnInitRow) return nullptr;
  std::unique_ptr<RowObject> object;
  table->OnInitRow(*table, Index(), row, item, object);
  if (table->OnSetRow) table->OnSetRow(*table, Index(), object.get(), row);
  return object;
}

void TTableColumn::Renumber(int from) {
  TGridTable* table = Table();
  for (int r = from; r < RowCount(); ++r) {
    RowObject* object = objects_[static_cast<std::size_t>(r)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
      sub->SetNumber(r + 1);
    } else if (object && table && table->OnSetRow) {
      table->OnSetRow(*table, Index(), object, r);
    }
  }
}

void TTableColumn::InsertRows(int at, int count) {
  TColumn::InsertRows(at, count);
  for (int k = 0; k < count; ++k) objects_.insert(objects_.begin() + at, nullptr);
  try {
    for (int r = at; r < at + count; ++r) objects_[static_cast<std::size_t>(r)] = MakeObject(r);
  } catch (...) {
    // Leave the column as it was, so that the table can undo the other columns.
    for (int k = 0; k < count; ++k) {
      TColumn::DeleteRow(at);
      objects_.erase(objects_.begin() + at);
    }
    throw;
  }
  Renumber(at + count);
}

void TTableColumn::DeleteRow(int row) {
  TColumn::DeleteRow(row);
  objects_.erase(objects_.begin() + row);
  Renumber(row);
}

TGridTable* TTableColumn::GetTable(int row) const {
  return dynamic_cast<TGridTable*>(GetObject(row));
}

RowObject* TTableColumn::GetObject(int row) const {
  CheckRow(row);
  return objects_[static_cast<std::size_t>(row)].get();
}

void TTableColumn::RemakeRow(int row) {
  CheckRow(row);
  std::unique_ptr<RowObject> made = MakeObject(row);
  objects_[static_cast<std::size_t>(row)] = std::move(made);
  Changed(row);
}

void TTableColumn::SetUnits(int system) {
  TGridTable* table = Table();
  for (int r = 0; r < RowCount(); ++r) {
    RowObject* object = objects_[static_cast<std::size_t>(r)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
      sub->SetUnits(system);
    } else if (object && table && table->OnSetUnits) {
      table->OnSetUnits(*table, Index(), r, object, system);
    }
  }
}

bool TTableColumn::IsChanged() const {
  TGridTable* table = Table();
  for (int r = 0; r < RowCount(); ++r) {
    RowObject* object = objects_[static_cast<std::size_t>(r)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
      if (sub->IsChanged()) return true;
    } else if (object && table && table->OnGetChanged) {
      bool changed = false;
      table->OnGetChanged(*table, Index(), r, object, changed);
      if (changed) return true;
    }
  }
  return false;
}

void TTableColumn::ResetChanged() {
  TGridTable* table = Table();
  for (int r = 0; r < RowCount(); ++r) {
    RowObject* object = objects_[static_cast<std::size_t>(r)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
      sub->SetChanged(false);
    } else if (object && table && table->OnResetChanged) {
      table->OnResetChanged(*table, Index(), r, object);
    }
  }
}

void TTableColumn::HideForms() {
  TGridTable* table = Table();
  for (int r = 0; r < RowCount(); ++r) {
    RowObject* object = objects_[static_cast<std::size_t>(r)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
      sub->CloseWindow();
    } else if (object && table && table->OnHide) {
      table->OnHide(*table, Index(), r, object);
    }
  }
}

std::unique_ptr<TColumn> TTableColumn::Clone() const {
  auto clone = std::make_unique<TTableColumn>();
  CopyBaseTo(*clone);
  clone->templates_ = templates_;
  return clone;
}

void TTableColumn::AllocateControls(const void* parent, int top_row, int count) {
  if (HasControls() && parent != ControlParent())
    throw Exception("Attempt to change parent with controls already allocated");
  if (!parent) throw Exception("null parent");
  if (top_row < 0 || top_row >= RowCount()) throw Exception("ATopRow " + std::to_string(top_row));
  if (count < 1 || top_row + count > RowCount()) throw Exception("ACount " + std::to_string(count));
  SetControls(parent, top_row, count);
}

void TTableColumn::ReleaseControls() { SetControls(nullptr, 0, 0); }

std::string TTableColumn::ButtonCaption(int row) const {
  RowObject* object = GetObject(row);
  std::string caption;
  if (auto* sub = dynamic_cast<TGridTable*>(object)) {
    caption = sub->Caption();
  } else if (object && Table() && Table()->OnGetButtonCaption) {
    Table()->OnGetButtonCaption(*Table(), Index(), row, object, caption);
  }
  return std::to_string(row + 1) + ": " + caption;
}

void TTableColumn::PressButton(int row) {
  RowObject* object = GetObject(row);
  if (auto* sub = dynamic_cast<TGridTable*>(object)) {
    if (Table() && Table()->WindowModal()) {
      sub->ShowWindowModal();
    } else {
      sub->ShowWindow();
    }
  } else if (object && Table() && Table()->OnButtonClick) {
    Table()->OnButtonClick(*Table(), Index(), row, object);
  }
}

void TTableColumn::WriteKindPart(ComponentWriter& writer) const {
  writer.WriteString(kTableColumnMarker);
  writer.WriteListBegin();
  for (int identifier : templates_.Entries()) writer.WriteInteger(identifier);
  writer.WriteListEnd();
}

void TTableColumn::ReadKindPart(ComponentReader& reader) {
  templates_ = TGridTableList();
  const ValueTag tag = reader.NextValue();
  if (tag == ValueTag::kString || tag == ValueTag::kLString) {
    if (reader.ReadString() != kTableColumnMarker) throw EReadError("Invalid property value");
    reader.ReadListBegin();
    while (!reader.EndOfList()) templates_.Add(reader.ReadInteger());
    reader.ReadListEnd();
  } else {
    templates_.Add(reader.ReadInteger());
  }
}

int TTableColumn::KindMinWidth(const TextCanvas& canvas) const { return 2 * canvas.PixelsPerInch(); }

}  // namespace veldra::framework
