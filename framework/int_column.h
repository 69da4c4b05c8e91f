// Integer column (kind 1): a 32-bit signed integer per row.
#ifndef VELDRA_FRAMEWORK_INT_COLUMN_H
#define VELDRA_FRAMEWORK_INT_COLUMN_H

#include <cstdint>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

inline constexpr const char* kIntEntryMustBeInteger = "Entry must be an integer.";

class TIntColumn : public TColumn {
 public:
  TIntColumn() = default;
  ColumnKind Kind() const override { return ColumnKind::kInt; }

  // Value of a new row.
  std::int32_t Default() const { return default_; }
  void SetDefault(std::int32_t value) { default_ = value; }
  // Limits checked when an entry is typed into the table's window.
  std::int32_t Min() const { return min_; }
  void SetMin(std::int32_t value) { min_ = value; }
  std::int32_t Max() const { return max_; }
  void SetMax(std::int32_t value) { max_ = value; }

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  std::int32_t GetInt(int row) const override;
  void SetInt(int row, std::int32_t value) override;  // notifies every written row
  std::string GetText(int row) const override;        // decimal integer
  // While the table's window exists the entry must be whole (to 1e-10) and within
  // Min..Max: "Entry must be an integer.", "Entry must be between %d and %d.".
  // Without a window only the 32-bit range is enforced. Stores the value rounded
  // (ties to even).
  void SetText(int row, std::string_view text) override;
  std::unique_ptr<TColumn> Clone() const override;

 protected:
  void WriteKindPart(ComponentWriter& writer) const override;
  void ReadKindPart(ComponentReader& reader) override;
  int KindMinWidth(const TextCanvas& canvas) const override;

 private:
  std::int32_t default_ = 0;
  std::int32_t min_ = kInt32Min;
  std::int32_t max_ = kInt32Max;
  std::vector<std::int32_t> values_;  // TIntStorage
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_INT_COLUMN_H
