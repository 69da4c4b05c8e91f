// String column (kind 4): a text per row, stored as typed.
#ifndef VELDRA_FRAMEWORK_STRING_COLUMN_H
#define VELDRA_FRAMEWORK_STRING_COLUMN_H

#include <string>
#include <vector>

#include "framework/column.h"

namespace veldra::framework {

class TStringColumn : public TColumn {
 public:
  TStringColumn() = default;
  ColumnKind Kind() const override { return ColumnKind::kString; }

  const std::string& Default() const { return default_; }
  void SetDefault(std::string value) { default_ = std::move(value); }
  // Minimum width of the column in inches of the screen.
  EntryNumber MinWidthInches() const { return width_inches_; }
  void SetMinWidthInches(EntryNumber inches) { width_inches_ = inches; }

  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;
  std::string GetText(int row) const override;
  void SetText(int row, std::string_view text) override;  // notifies every written row
  std::unique_ptr<TColumn> Clone() const override;

 protected:
  void WriteKindPart(ComponentWriter& writer) const override;
  void ReadKindPart(ComponentReader& reader) override;
  int KindMinWidth(const TextCanvas& canvas) const override;

 private:
  std::string default_;
  EntryNumber width_inches_ = 0;
  std::vector<std::string> values_;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_STRING_COLUMN_H
