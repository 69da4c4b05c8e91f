// Choice column (kind 0): the 1-based index of an item of a fixed list per row.
//
// In the window each shown row of this column has a drop-down list; the window layer
// draws them and reports the user's choice through ChooseItem and focus through
// ControlFocused.
#ifndef VELDRA_FRAMEWORK_ENUM_COLUMN_H
#define VELDRA_FRAMEWORK_ENUM_COLUMN_H

#include <cstdint>
#include <string>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

inline constexpr const char* kEnumMustBeInteger = "Value must be an integer.";

class TEnumColumn : public TColumn {
 public:
  TEnumColumn() = default;
  ColumnKind Kind() const override { return ColumnKind::kEnum; }

  const std::vector<std::string>& Items() const { return items_; }
  // Changing the items of a table's first column resizes the Templates of its
  // sub-table columns to the item count.
  void SetItems(std::vector<std::string> items);
  // Text of the row's item, empty when the value is outside 1..item count.
  std::string ItemText(int row) const;

  void InsertRows(int at, int count) override;  // new rows hold 1
  void DeleteRow(int row) override;
  std::int32_t GetInt(int row) const override;
  // Notifies only the rows whose value really changes.
  void SetInt(int row, std::int32_t value) override;
  std::string GetText(int row) const override;  // the index as a decimal integer
  // A whole number within 32 bits, else "Value must be an integer.".
  void SetText(int row, std::string_view text) override;
  std::unique_ptr<TColumn> Clone() const override;

  bool HasRowControls() const override { return true; }
  // Throws Exception "Error attempt to change parent with controls already
  // allocated" or "null parent".
  void AllocateControls(const void* parent, int top_row, int count) override;
  void ReleaseControls() override;
  // The drop-down list tagged `tag` chose item `index` (1-based): stored unless the
  // row already holds it. A negative tag throws "Unexpected row for combobox".
  void ChooseItem(int tag, std::int32_t index);
  // The drop-down list tagged `tag` got the focus: cell-entered notice for the row.
  void ControlFocused(int tag);

 protected:
  void WriteKindPart(ComponentWriter& writer) const override;
  void ReadKindPart(ComponentReader& reader) override;
  int KindMinWidth(const TextCanvas& canvas) const override;

 private:
  std::vector<std::string> items_;
  std::vector<std::int32_t> values_;  // TIntStorage
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_ENUM_COLUMN_H
