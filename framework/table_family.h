// A family of grid tables: the live-table registry with its identifier counter, and
// the registry of column kinds used to read definitions.
//
// There are two families, the plain tables (TGridTable) and the chart-capable tables
// (TGridTableChart). They do not mix: each has its own identifiers, counted from 0,
// and a sub-table column resolves template identifiers only among the live tables of
// its own table's family.
#ifndef VELDRA_FRAMEWORK_TABLE_FAMILY_H
#define VELDRA_FRAMEWORK_TABLE_FAMILY_H

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace veldra::framework {

class TColumn;
class TGridTable;

// Maps kind numbers of the definition record to the column classes that read them.
class ColumnKindRegistry {
 public:
  // A factory makes an empty, unadopted column of one class (TColumnTypeStorage).
  using Factory = std::function<std::unique_ptr<TColumn>()>;

  void Register(int kind, Factory factory) { factories_[kind] = std::move(factory); }
  // An empty column of the registered class, or nullptr for an unknown kind.
  std::unique_ptr<TColumn> Create(int kind) const;

 private:
  std::map<int, Factory> factories_;
};

class TableFamily {
 public:
  // The two families; both register the five column kinds 0 to 4.
  static TableFamily& Plain();
  static TableFamily& Chart();

  // The earliest-created live table with this Identifier, or nullptr.
  TGridTable* Find(int identifier) const;
  // Live tables in order of creation.
  const std::vector<TGridTable*>& LiveTables() const { return live_; }

  ColumnKindRegistry& Kinds() { return kinds_; }
  const ColumnKindRegistry& Kinds() const { return kinds_; }

 private:
  friend class TGridTable;
  TableFamily();
  int Register(TGridTable& table);  // returns the table's first Identifier
  void Unregister(TGridTable& table);

  std::vector<TGridTable*> live_;
  int next_identifier_ = 0;
  ColumnKindRegistry kinds_;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_TABLE_FAMILY_H
