#include "framework/string_column.h"

#include "framework/component_stream.h"

namespace veldra::framework {

void TStringColumn::InsertRows(int at, int count) {
  TColumn::InsertRows(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), default_);
}

void TStringColumn::DeleteRow(int row) {
  TColumn::DeleteRow(row);
  values_.erase(values_.begin() + row);
}

std::string TStringColumn::GetText(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TStringColumn::SetText(int row, std::string_view text) {
  int first, last;
  WrittenRows(row, first, last);
  for (int r = first; r <= last; ++r) {
    values_[static_cast<std::size_t>(r)] = std::string(text);
    Changed(r);
  }
}

std::unique_ptr<TColumn> TStringColumn::Clone() const {
  auto clone = std::make_unique<TStringColumn>();
  CopyBaseTo(*clone);
  clone->default_ = default_;
  clone->width_inches_ = width_inches_;
  return clone;
}

void TStringColumn::WriteKindPart(ComponentWriter& writer) const {
  writer.WriteString(default_);
  writer.WriteExtended(width_inches_);
}

void TStringColumn::ReadKindPart(ComponentReader& reader) {
  default_ = reader.ReadString();
  width_inches_ = reader.ReadExtended();
}

int TStringColumn::KindMinWidth(const TextCanvas& canvas) const {
  const EntryNumber pixels = RoundHalfEven(canvas.PixelsPerInch() * width_inches_);
  if (!(pixels > 0)) return 0;
  return pixels < kInt32Max ? static_cast<int>(pixels) : kInt32Max;
}

}  // namespace veldra::framework
