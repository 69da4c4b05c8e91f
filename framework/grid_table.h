// TGridTable: a non-visual table of typed columns, the store of one set of tabular
// input (wall stiffness, soil layers, loads, ...).
//
// The table owns its columns and, through its sub-table columns, the sub-tables of
// its rows. Rows are added, inserted and deleted in blocks of RowGroup rows. Values
// are held in the table's unit system (Units) and converted by SetUnits.
//
// Windows: the widget layer registers a TableWindowFactory; ShowWindow then makes a
// window for the table and the window binds RowsChangedLink and CellChangedLink to
// redraw itself. Without a factory ShowWindow does nothing.
//
// Every live table is registered in its family (TableFamily) under its Identifier,
// by which sub-table columns name their templates.
#ifndef VELDRA_FRAMEWORK_GRID_TABLE_H
#define VELDRA_FRAMEWORK_GRID_TABLE_H

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

class ComponentReader;
class ComponentWriter;
class TableFamily;
class TTableColumn;
class TEnumColumn;

inline constexpr const char* kMinRowsMustBePositive = "Value must be greater than 0";

// The window of a table, implemented by the widget layer. The table owns it from
// ShowWindow to CloseWindow.
class TableWindow {
 public:
  virtual ~TableWindow() = default;
  // Show the window (modal: wait until it is closed).
  virtual void Show(bool modal) = 0;
  // The table's WindowCaption changed (Caption or row number).
  virtual void CaptionChanged() = 0;
};

// Makes the window of a table; `modal` tells whether it will be shown modally (a
// modal window is never a child window of the main window).
using TableWindowFactory = std::function<std::unique_ptr<TableWindow>(TGridTable& table, bool modal)>;

class TGridTable : public RowObject {
 public:
  // A plain table; with an owner table it takes the owner's unit system.
  explicit TGridTable(TGridTable* owner = nullptr);
  ~TGridTable() override;
  TGridTable(const TGridTable&) = delete;
  TGridTable& operator=(const TGridTable&) = delete;

  // --- Published properties ---------------------------------------------------
  const std::string& Comments() const { return comments_; }  // "\r" breaks lines
  void SetComments(std::string text) { comments_ = std::move(text); }
  int Identifier() const { return identifier_; }
  // Negative values are ignored; a value another live table of the family has makes
  // the two tables swap identifiers.
  void SetIdentifier(int identifier);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int MaxRows() const { return max_rows_; }  // 0: no limit
  void SetMaxRows(int rows) { max_rows_ = rows; }
  int MinRows() const { return min_rows_; }
  // 0 or less throws Exception "Value must be greater than 0", or becomes 1 while
  // loading.
  void SetMinRows(int rows);
  // Name of the help picture, resolved by the window layer.
  const std::string& HelpPicture() const { return help_picture_; }
  void SetHelpPicture(std::string name) { help_picture_ = std::move(name); }
  bool HardwiredButton() const { return hardwired_button_; }
  void SetHardwiredButton(bool on) { hardwired_button_ = on; }
  // Opaque handle of the window layer's control that embeds the window, or nullptr.
  void* FormParent() const { return form_parent_; }
  void SetFormParent(void* parent) { form_parent_ = parent; }
  int RowGroup() const { return row_group_; }
  void SetRowGroup(int rows) { row_group_ = rows < 1 ? 1 : rows; }  // below 1 becomes 1
  const std::string& TopLeft() const { return top_left_; }
  void SetTopLeft(std::string text) { top_left_ = std::move(text); }

  // While a stored description is read, setters keep values as read where they
  // would otherwise refuse them.
  void SetLoading(bool loading) { loading_ = loading; }

  // --- Events: rows of sub-table columns that hold objects other than sub-tables --
  std::function<void(TGridTable&)> OnResize;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data)> OnButtonClick;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data, std::string& caption)>
      OnGetButtonCaption;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data, bool& changed)> OnGetChanged;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data)> OnHide;
  // `enum_type` is the first column's item index (0-based), 0 without a choice column.
  std::function<void(TGridTable& sender, int col, int row, int enum_type, std::unique_ptr<RowObject>& data)>
      OnInitRow;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data)> OnResetChanged;
  std::function<void(TGridTable& sender, int col, RowObject* data, int row)> OnSetRow;
  std::function<void(TGridTable& sender, int col, int row, RowObject* data, int units)> OnSetUnits;

  // --- Links the window binds while it is open --------------------------------
  std::function<void()> RowsChangedLink;                // row structure, units or columns changed
  std::function<void(int col, int row)> CellChangedLink;  // one cell changed
  std::function<void(int col, int row)> CellEnteredLink;  // a per-row control got the focus

  // --- Columns ---------------------------------------------------------------
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  TColumn& Column(int index) const;  // EListError outside 0 .. ColumnCount() - 1
  int IndexOf(const TColumn& column) const;  // -1 when not a column of this table
  // Adopts a column (built on its own or cloned): links it, resizes the Templates of
  // the sub-table columns, and gives it the table's row count. Returns the column.
  TColumn& AddColumn(std::unique_ptr<TColumn> column);
  template <class C>
  C& Add(std::unique_ptr<C> column) {
    return static_cast<C&>(AddColumn(std::move(column)));
  }
  int VisibleColumnCount() const;
  TColumn& VisibleColumn(int i) const;  // EListError "Index out of bounds" outside the count
  int HeaderRowCount() const;           // largest HeaderCount of the visible columns

  // --- Cells -----------------------------------------------------------------
  TData Cell(int col, int row) const;  // EListError outside the table
  // Hands an entry to the column's SetText (entry rules of the column kinds).
  void SetCellText(int col, int row, std::string_view text);

  // --- Rows ------------------------------------------------------------------
  int RowCount() const { return rows_; }
  // Surplus rows are removed from the end, missing rows appended in blocks of
  // RowGroup (the last block cut to n). Negative n means 0. MinRows and MaxRows are
  // not looked at.
  void SetRowCount(int n);
  void AddRowGroup();               // RowGroup rows at the end
  void InsertRowGroup(int row);     // RowGroup rows before the block holding `row`
  void DeleteRowGroup(int row);     // the block holding `row`

  // --- Units, changes, numbering ------------------------------------------------
  int Units() const { return units_; }
  // Converts the float columns and the sub-tables to `system` (clamped to 1..3).
  void SetUnits(int system);
  bool IsChanged() const;  // own flag or a change inside a sub-table
  void SetChanged(bool changed);  // false also clears every sub-table's flag
  void ResetChanged() { SetChanged(false); }
  int Number() const { return number_; }  // 0 for a top-level table, row + 1 for a sub-table
  void SetNumber(int number);
  TGridTable* Owner() const { return owner_; }
  TableFamily& Family() const { return *family_; }

  // --- Sub-tables --------------------------------------------------------------
  // A new table owned by this one, made from a template: caption, comments, top-left
  // text, picture and row limits copied, columns cloned, numbered `number` and given
  // MinRows rows. A template that is being copied into itself (a cycle of templates)
  // throws Exception.
  std::unique_ptr<TGridTable> MakeSubTable(const TGridTable& source, int number);

  // --- Definition record ("Col" property) ----------------------------------------
  void WriteColumns(ComponentWriter& writer) const;
  // Replaces the columns by those of the record. Throws Exception "Error reading
  // column count", "Error Column Class not defined" or "Error occured when creating
  // column %d: %s".
  void ReadColumns(ComponentReader& reader);
  std::vector<std::uint8_t> ColumnRecord() const;
  void SetColumnRecord(std::span<const std::uint8_t> bytes);

  // --- Window -------------------------------------------------------------------
  static void SetWindowFactory(TableWindowFactory factory);
  void ShowWindow();
  void ShowWindowModal();
  // Frees the window (per-row controls released, links unbound) and closes the
  // windows of the sub-tables.
  void CloseWindow();
  bool HasWindow() const { return window_ != nullptr; }
  bool WindowModal() const { return window_ != nullptr && window_modal_; }
  TableWindow* Window() const { return window_.get(); }
  // Caption, a blank, then a blank and the number of every table from the outermost
  // owner down to this one that has a number ("Clay  2").
  std::string WindowCaption() const;

 protected:
  TGridTable(TableFamily& family, TGridTable* owner);
  // An empty table of this table's class, owned by this table.
  virtual std::unique_ptr<TGridTable> NewOwnedTable();
  // Copies the settings a sub-table takes from its template.
  virtual void CopyTemplate(const TGridTable& source);
  // Parts of the definition record after the columns.
  virtual void WriteExtra(ComponentWriter&) const {}
  virtual void ReadExtra(ComponentReader&) {}
  void RaiseRowsChanged();

 private:
  friend class TColumn;
  friend class TEnumColumn;
  void ColumnCellChanged(TColumn& column, int row);
  void ColumnCellEntered(TColumn& column, int row);
  void EnumItemsChanged(TEnumColumn& column);
  void SynchroniseTemplates();
  void InsertRowsInColumns(int at, int count);
  void DeleteRowInColumns(int row);
  void Show(bool modal);

  TableFamily* family_;
  TGridTable* owner_;
  std::vector<std::unique_ptr<TColumn>> columns_;
  std::string comments_;
  int identifier_ = 0;
  std::string caption_;
  int max_rows_ = 0;
  int min_rows_ = 1;
  std::string help_picture_;
  bool hardwired_button_ = false;
  void* form_parent_ = nullptr;
  int row_group_ = 1;
  std::string top_left_;
  bool loading_ = false;
  int rows_ = 0;
  int units_ = 1;
  bool changed_ = false;
  int number_ = 0;
  std::unique_ptr<TableWindow> window_;
  bool window_modal_ = false;
  mutable bool copying_ = false;  // this table is the template of a sub-table being made
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRID_TABLE_H
