// Sub-table column (kind 3): each row owns an object, normally a sub-table made from
// a template table.
//
// The template of row r is entry (first column's value in row r) - 1 of Templates
// when the table's first column is a choice column, else entry 0; a soil-layer row
// of type 4 thus holds a copy of the template of entry 3. When no template resolves,
// the table's OnInitRow handler may supply another object; otherwise the row holds
// nothing. Objects other than sub-tables are served through the table's events.
#ifndef VELDRA_FRAMEWORK_TABLE_COLUMN_H
#define VELDRA_FRAMEWORK_TABLE_COLUMN_H

#include <memory>
#include <string>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

class TableFamily;

inline constexpr const char* kTableColumnMarker = "FLEXCOLUMN2";

// References to template tables by Identifier; -1 refers to nothing. A reference
// resolves to the earliest-created live table of the family with that Identifier.
class TGridTableList {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  // Lengthens with entries that refer to nothing, or shortens from the end.
  void SetCount(int count);
  int Entry(int i) const;
  void SetEntry(int i, int identifier);
  void Add(int identifier) { entries_.push_back(identifier); }
  const std::vector<int>& Entries() const { return entries_; }
  // The table entry i refers to, or nullptr (also for i out of range).
  TGridTable* Resolve(int i, const TableFamily& family) const;

 private:
  std::vector<int> entries_;
};

class TTableColumn : public TColumn {
 public:
  TTableColumn() = default;
  ~TTableColumn() override;
  ColumnKind Kind() const override { return ColumnKind::kTable; }

  TGridTableList& Templates() { return templates_; }
  const TGridTableList& Templates() const { return templates_; }

  // Adds rows made from their templates, then renumbers the rows below.
  void InsertRows(int at, int count) override;
  // Frees the row's object and renumbers the rows below.
  void DeleteRow(int row) override;
  TGridTable* GetTable(int row) const override;  // nullptr when the row holds another object
  RowObject* GetObject(int row) const override;
  void SetUnits(int system) override;  // passed down to every sub-table
  bool IsChanged() const override;
  void ResetChanged() override;
  void HideForms() override;
  std::unique_ptr<TColumn> Clone() const override;

  // Makes row r again from the template of its current first-column item, freeing
  // the previous object (a change of soil type discards the layer's parameters).
  void RemakeRow(int row);

  bool HasRowControls() const override { return true; }
  // Throws Exception "Attempt to change parent with controls already allocated",
  // "null parent", "ATopRow %d" or "ACount %d".
  void AllocateControls(const void* parent, int top_row, int count) override;
  void ReleaseControls() override;
  // Caption of the button of row r: "%d: %s" with r + 1 and the sub-table's Caption
  // (or the OnGetButtonCaption text for another object; empty without a handler).
  std::string ButtonCaption(int row) const;
  // The button of row r was pressed: a sub-table shows its window (modally when the
  // owning table's window is modal); another object raises OnButtonClick.
  void PressButton(int row);

 protected:
  void WriteKindPart(ComponentWriter& writer) const override;
  // An integer in place of the "FLEXCOLUMN2" marker is the older single-template
  // form: it is taken as the identifier of the template of entry 0.
  void ReadKindPart(ComponentReader& reader) override;
  int KindMinWidth(const TextCanvas& canvas) const override;

 private:
  std::unique_ptr<RowObject> MakeObject(int row);
  void Renumber(int from);

  TGridTableList templates_;
  std::vector<std::unique_ptr<RowObject>> objects_;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_TABLE_COLUMN_H
