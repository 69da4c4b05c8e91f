#include "framework/int_column.h"

#include <cmath>

#include "framework/component_stream.h"
#include "framework/entry_evaluator.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"

namespace veldra::framework {

namespace {

std::string BetweenMessage(std::int32_t low, std::int32_t high) {
  return "Entry must be between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

}  // namespace

void TIntColumn::InsertRows(int at, int count) {
  TColumn::InsertRows(at, count);
  values_.insert(values_.begin() + at, static_cast<std::size_t>(count), default_);
}

void TIntColumn::DeleteRow(int row) {
  TColumn::DeleteRow(row);
  values_.erase(values_.begin() + row);
}

std::int32_t TIntColumn::GetInt(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInt(int row, std::int32_t value) {
  int first, last;
  WrittenRows(row, first, last);
  for (int r = first; r <= last; ++r) {
    values_[static_cast<std::size_t>(r)] = value;
    Changed(r);
  }
}

std::string TIntColumn::GetText(int row) const { return std::to_string(GetInt(row)); }

void TIntColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  const EntryNumber value = EvaluateEntry(text);
  if (Table() && Table()->HasWindow()) {
    if (std::fabs(value - std::trunc(value)) > 1e-10L) throw EAssignError(kIntEntryMustBeInteger);
    if (value < min_ || value > max_) throw EAssignError(BetweenMessage(min_, max_));
  }
  const EntryNumber rounded = RoundHalfEven(value);
  // Whatever the limits, the cell holds 32 bits: a larger value is refused rather
  // than wrapped.
  if (!IsInt32(rounded)) throw EAssignError(BetweenMessage(kInt32Min, kInt32Max));
  SetInt(row, static_cast<std::int32_t>(rounded));
}

std::unique_ptr<TColumn> TIntColumn::Clone() const {
  auto clone = std::make_unique<TIntColumn>();
  CopyBaseTo(*clone);
  clone->default_ = default_;
  clone->min_ = min_;
  clone->max_ = max_;
  return clone;
}

void TIntColumn::WriteKindPart(ComponentWriter& writer) const {
  writer.WriteInteger(default_);
  writer.WriteInteger(min_);
  writer.WriteInteger(max_);
}

void TIntColumn::ReadKindPart(ComponentReader& reader) {
  default_ = reader.ReadInteger();
  min_ = reader.ReadInteger();
  max_ = reader.ReadInteger();
}

int TIntColumn::KindMinWidth(const TextCanvas& canvas) const { return canvas.PixelsPerInch() / 2; }

}  // namespace veldra::framework
