#include "framework/float_column.h"

#include "framework/component_stream.h"
#include "framework/decimal_text.h"
#include "framework/entry_evaluator.h"
#include "framework/exceptions.h"
#include "framework/grid_table.h"
#include "framework/units.h"

namespace veldra::framework {

std::string TFloatColumn::HeaderLine(int i) const {
  std::string line = TColumn::HeaderLine(i);
  if (i == HeaderCount() - 1 && !units_.empty()) {
    const int system = Table() ? Table()->Units() : kEnglishUnits;
    line += " (" + UnitsLabel(units_, system) + ")  ";
  }
  return line;
}

TFloatColumn* TFloatColumn::NextFloat() const {
  if (!top_depth_) return nullptr;
  TColumn* next = Neighbour(1);
  if (!next || next->Kind() != ColumnKind::kFloat) return nullptr;
  return static_cast<TFloatColumn*>(next);
}

TFloatColumn* TFloatColumn::TopDepthBefore() const {
  TColumn* previous = Neighbour(-1);
  if (!previous || previous->Kind() != ColumnKind::kFloat) return nullptr;
  auto* top = static_cast<TFloatColumn*>(previous);
  return top->top_depth_ ? top : nullptr;
}

void TFloatColumn::InsertRows(int at, int count) {
  if (top_depth_) {
    const TColumn* after = Neighbour(1);
    if (after && after->Kind() != ColumnKind::kFloat) throw Exception(kTopDepthNeedsFloat);
  }
  TFloatColumn* next = NextFloat();
  TFloatColumn* top = next ? nullptr : TopDepthBefore();
  TColumn::InsertRows(at, count);
  for (int d = at; d < at + count; ++d) {
    EntryNumber value = default_;
    // A new layer starts at the bottom of the layer above it (row d - 1 of the
    // bottom-depth column, which has not inserted its rows yet) ...
    if (next && d >= 1 && d - 1 < next->RowCount()) value = next->GetFloat(d - 1);
    // ... and ends at the top of the layer below (row d + 1 of the TopDepth column,
    // which already has its new rows).
    if (top && d + 1 < top->RowCount()) value = top->GetFloat(d + 1);
    values_.insert(values_.begin() + d, value);
  }
}

void TFloatColumn::DeleteRow(int row) {
  CheckRow(row);
  if (top_depth_ && row > 0 && row < RowCount() - 1) {
    TFloatColumn* next = NextFloat();
    if (next && row - 1 < next->RowCount()) values_[static_cast<std::size_t>(row + 1)] = next->GetFloat(row - 1);
  }
  TColumn::DeleteRow(row);
  values_.erase(values_.begin() + row);
}

EntryNumber TFloatColumn::GetFloat(int row) const {
  CheckRow(row);
  return values_[static_cast<std::size_t>(row)];
}

void TFloatColumn::Store(int row, EntryNumber value) {
  values_[static_cast<std::size_t>(row)] = value;
  Changed(row);
}

void TFloatColumn::SetFloat(int row, EntryNumber value) {
  int first, last;
  WrittenRows(row, first, last);
  for (int r = first; r <= last; ++r) Store(r, value);
  if (Grouped()) return;
  if (TFloatColumn* next = NextFloat()) {
    if (row - 1 >= 0 && row - 1 < next->RowCount()) next->Store(row - 1, value);
  } else if (TFloatColumn* top = TopDepthBefore()) {
    if (row + 1 < top->RowCount()) top->Store(row + 1, value);
  }
}

std::string TFloatColumn::GetText(int row) const { return FormatGeneral(GetFloat(row), 8); }

void TFloatColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  SetFloat(row, EvaluateEntry(text));
}

void TFloatColumn::SetUnits(int system) {
  const int from = Table() ? Table()->Units() : kEnglishUnits;
  const EntryNumber factor = UnitsConversionFactor(from, system, units_);
  for (int r = 0; r < RowCount(); ++r) Store(r, values_[static_cast<std::size_t>(r)] * factor);
}

std::unique_ptr<TColumn> TFloatColumn::Clone() const {
  auto clone = std::make_unique<TFloatColumn>();
  CopyBaseTo(*clone);
  clone->top_depth_ = top_depth_;
  clone->units_ = units_;
  clone->default_ = default_;
  return clone;
}

void TFloatColumn::WriteKindPart(ComponentWriter& writer) const {
  writer.WriteBoolean(top_depth_);
  writer.WriteString(kFloatColumnMarker);
  writer.WriteString(units_);
  writer.WriteExtended(default_);
}

void TFloatColumn::ReadKindPart(ComponentReader& reader) {
  top_depth_ = reader.ReadBoolean();
  const std::string marker = reader.ReadString();
  if (marker == kFloatColumnMarker) {
    units_ = reader.ReadString();
    default_ = reader.ReadExtended();
  } else {
    units_ = marker;
    default_ = 0;
  }
}

int TFloatColumn::KindMinWidth(const TextCanvas& canvas) const { return canvas.PixelsPerInch() / 2; }

}  // namespace veldra::framework
