// Float column (kind 2): an extended number per row, with a units string.
//
// Values are stored in the table's current unit system and converted when the table
// switches systems. Cells show 8 significant digits; the stored value keeps full
// precision.
//
// Depth linking (TopDepth): a TopDepth column holds the top depth of a layer and the
// next column, which must be a float column, its bottom depth. New rows start at the
// neighbouring layer's boundary, and a boundary written in one column is copied to
// the other, so that layers stay contiguous.
#ifndef VELDRA_FRAMEWORK_FLOAT_COLUMN_H
#define VELDRA_FRAMEWORK_FLOAT_COLUMN_H

#include <string>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

inline constexpr const char* kFloatColumnMarker = "FLOATCOLUMN2";
inline constexpr const char* kTopDepthNeedsFloat =
    "If column if a topdepth then the next column must be a float column";

class TFloatColumn : public TColumn {
 public:
  TFloatColumn() = default;
  ColumnKind Kind() const override { return ColumnKind::kFloat; }

  bool TopDepth() const { return top_depth_; }
  void SetTopDepth(bool on) { top_depth_ = on; }
  const std::string& UnitsString() const { return units_; }
  void SetUnitsString(std::string units) { units_ = std::move(units); }
  EntryNumber Default() const { return default_; }
  void SetDefault(EntryNumber value) { default_ = value; }

  std::string HeaderLine(int i) const override;  // last line + " (units label)  "
  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  EntryNumber GetFloat(int row) const override;
  void SetFloat(int row, EntryNumber value) override;  // notifies every written row
  std::string GetText(int row) const override;         // 8 significant digits
  void SetText(int row, std::string_view text) override;
  void SetUnits(int system) override;                  // converts every value
  std::unique_ptr<TColumn> Clone() const override;

 protected:
  void WriteKindPart(ComponentWriter& writer) const override;
  // A string other than "FLOATCOLUMN2" in the marker's place is the units string of
  // an older record, with Default 0 and nothing further.
  void ReadKindPart(ComponentReader& reader) override;
  int KindMinWidth(const TextCanvas& canvas) const override;

 private:
  TFloatColumn* NextFloat() const;      // next column, when this is a TopDepth column and it is a float column
  TFloatColumn* TopDepthBefore() const; // previous column, when it is a TopDepth column
  void Store(int row, EntryNumber value);

  bool top_depth_ = false;
  std::string units_;
  EntryNumber default_ = 0;
  std::vector<EntryNumber> values_;  // TFloatStorage
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_FLOAT_COLUMN_H
