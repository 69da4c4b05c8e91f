#include "framework/table_family.h"

#include <algorithm>

#include "framework/enum_column.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "framework/string_column.h"
#include "framework/table_column.h"

namespace veldra::framework {

std::unique_ptr<TColumn> ColumnKindRegistry::Create(int kind) const {
  const auto found = factories_.find(kind);
  return found == factories_.end() ? nullptr : found->second();
}

TableFamily::TableFamily() {
  kinds_.Register(static_cast<int>(ColumnKind::kEnum), [] { return std::make_unique<TEnumColumn>(); });
  kinds_.Register(static_cast<int>(ColumnKind::kInt), [] { return std::make_unique<TIntColumn>(); });
  kinds_.Register(static_cast<int>(ColumnKind::kFloat), [] { return std::make_unique<TFloatColumn>(); });
  kinds_.Register(static_cast<int>(ColumnKind::kTable), [] { return std::make_unique<TTableColumn>(); });
  kinds_.Register(static_cast<int>(ColumnKind::kString), [] { return std::make_unique<TStringColumn>(); });
}

TableFamily& TableFamily::Plain() {
  static TableFamily family;
  return family;
}

TableFamily& TableFamily::Chart() {
  static TableFamily family;
  return family;
}

TGridTable* TableFamily::Find(int identifier) const {
  for (TGridTable* table : live_)
    if (table->Identifier() == identifier) return table;
  return nullptr;
}

int TableFamily::Register(TGridTable& table) {
  live_.push_back(&table);
  return next_identifier_++;
}

void TableFamily::Unregister(TGridTable& table) {
  live_.erase(std::remove(live_.begin(), live_.end(), &table), live_.end());
}

}  // namespace veldra::framework
