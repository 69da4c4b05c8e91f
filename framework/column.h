// Typed table columns: the base class TColumn and the cell proxy TData.
//
// A grid table (TGridTable) is a list of columns of equal length; row r of the table
// is the cell r of every column. A column is built on its own (settings only, no
// rows), then adopted by a table, which links it, sizes it to the table's row count
// and owns it from then on. Each stored value sends a cell-changed notice to the
// table, which re-makes sub-tables when the first (choice) column changes and passes
// the notice on to its window.
//
// An operation a kind does not provide throws EInvalidCast ("Data of wrong type");
// a row outside 0 .. RowCount() - 1 throws EListError.
#ifndef VELDRA_FRAMEWORK_COLUMN_H
#define VELDRA_FRAMEWORK_COLUMN_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/entry_number.h"

namespace veldra::framework {

class ComponentReader;
class ComponentWriter;
class TGridTable;

// The object a sub-table cell owns: normally a TGridTable, or whatever an OnInitRow
// handler makes.
class RowObject {
 public:
  virtual ~RowObject() = default;
};

// Text measurement for column widths, supplied by the widget layer.
class TextCanvas {
 public:
  virtual ~TextCanvas() = default;
  virtual int TextWidth(std::string_view text) const = 0;  // pixels
  virtual int PixelsPerInch() const = 0;                   // of the screen
};

// Kind numbers as stored in the definition record.
enum class ColumnKind : int {
  kEnum = 0,
  kInt = 1,
  kFloat = 2,
  kTable = 3,
  kString = 4,
};

class TColumn {
 public:
  virtual ~TColumn();
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;

  virtual ColumnKind Kind() const = 0;

  // The owning table, or nullptr before adoption.
  TGridTable* Table() const { return table_; }
  int RowCount() const { return rows_; }

  // Header lines of the grid, top to bottom.
  std::vector<std::string>& Headers() { return headers_; }
  const std::vector<std::string>& Headers() const { return headers_; }
  int HeaderCount() const { return static_cast<int>(headers_.size()); }
  // Header line i as shown; a float column appends its units label to the last line.
  virtual std::string HeaderLine(int i) const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  // A grouped column writes a value into every row of the written row's block of
  // RowGroup rows.
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool grouped) { grouped_ = grouped; }
  // The owning table's RowGroup; 1 before adoption.
  int RowGroup() const;

  // Rows. The table always inserts its RowGroup rows at a time.
  virtual void InsertRows(int at, int count);
  virtual void DeleteRow(int row);

  // Values. Writes notify the table (see the kinds for which writes notify).
  virtual TGridTable* GetTable(int row) const;
  virtual EntryNumber GetFloat(int row) const;
  virtual void SetFloat(int row, EntryNumber value);
  virtual std::int32_t GetInt(int row) const;
  virtual void SetInt(int row, std::int32_t value);
  virtual RowObject* GetObject(int row) const;
  // Display text of a cell; empty in the base.
  virtual std::string GetText(int row) const;
  // Parses and stores an entry (EAssignError with the message to show on a bad
  // entry, the stored value then unchanged); does nothing in the base.
  virtual void SetText(int row, std::string_view text);

  // Changes inside sub-tables (the table keeps its own flag).
  virtual bool IsChanged() const { return false; }
  virtual void ResetChanged() {}
  // Closes the windows of the column's sub-tables.
  virtual void HideForms() {}

  // Minimum pixel width: the widest header line plus two blanks, and at least the
  // kind's minimum.
  virtual int MinWidth(const TextCanvas& canvas) const;

  // Follows a unit-system change of the table (called before the table records the
  // new system).
  virtual void SetUnits(int system);

  // The definition record of this column (kind number first).
  void WriteTo(ComponentWriter& writer) const;
  // Reads everything after the kind number; throws on a malformed record.
  void ReadFrom(ComponentReader& reader);

  // A new unadopted column of the same kind and settings, without rows.
  virtual std::unique_ptr<TColumn> Clone() const = 0;

  // Per-row controls (drop-down lists, buttons) drawn by the window over the cells.
  // The column keeps which rows have a control: AllocateControls(parent, top row,
  // count) gives control i the tag (row) top + i; the parent is an opaque handle of
  // the window layer.
  virtual bool HasRowControls() const { return false; }
  bool HasControls() const { return control_count_ > 0; }
  virtual void AllocateControls(const void* parent, int top_row, int count);
  virtual void ReleaseControls();
  const void* ControlParent() const { return control_parent_; }
  int ControlTopRow() const { return control_top_; }
  int ControlCount() const { return control_count_; }

 protected:
  TColumn();
  // Copies headers and flags into a clone.
  void CopyBaseTo(TColumn& clone) const;

  virtual void WriteKindPart(ComponentWriter& writer) const = 0;
  virtual void ReadKindPart(ComponentReader& reader) = 0;
  virtual int KindMinWidth(const TextCanvas&) const { return 0; }

  // Throws EListError unless 0 <= row < RowCount().
  void CheckRow(int row) const;
  // The rows a write to `row` reaches: the row's block when grouped, else the row.
  void WrittenRows(int row, int& first, int& last) const;
  // Cell-changed and cell-entered notices to the table.
  void Changed(int row);
  void Entered(int row);
  // Index of this column in its table, -1 before adoption.
  int Index() const;
  // Neighbouring column, or nullptr.
  TColumn* Neighbour(int offset) const;

  void SetControls(const void* parent, int top_row, int count);

 private:
  friend class TGridTable;

  TGridTable* table_ = nullptr;
  std::vector<std::string> headers_;
  bool visible_ = true;
  bool grouped_ = false;
  int rows_ = 0;
  const void* control_parent_ = nullptr;
  int control_top_ = 0;
  int control_count_ = 0;
};

// The cell proxy: one cell of a column, named by position. Obtain it from
// TGridTable::Cell for each use; after rows are inserted or deleted it names
// whatever cell is now at its position.
class TData {
 public:
  TData(TColumn& column, int row) : column_(&column), row_(row) {}

  TGridTable* AsTable() const { return column_->GetTable(row_); }  // may be nullptr
  EntryNumber AsFloat() const { return column_->GetFloat(row_); }
  std::int32_t AsInteger() const { return column_->GetInt(row_); }
  std::string AsString() const { return column_->GetText(row_); }
  void SetFloat(EntryNumber value) const { column_->SetFloat(row_, value); }
  void SetInteger(std::int32_t value) const { column_->SetInt(row_, value); }

  TColumn& Column() const { return *column_; }
  int Row() const { return row_; }

 private:
  TColumn* column_;
  int row_;
};

// The chart-capable tables use the same cell proxy.
using TDataChart = TData;

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_COLUMN_H
