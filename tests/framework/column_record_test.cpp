// The column definition record ("Col" property) of a table, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "framework/string_column.h"
#include "framework/table_column.h"

namespace veldra::framework {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::initializer_list<int> values) {
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
}

void AppendString(Bytes& bytes, const std::string& text) {
  bytes.push_back(6);
  bytes.push_back(static_cast<std::uint8_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

// One column of every kind with non-default settings.
void BuildAllKinds(TGridTable& table) {
  auto choice = std::make_unique<TEnumColumn>();
  choice->Headers() = {"Case"};
  choice->SetItems({"A", "B"});
  table.AddColumn(std::move(choice));

  auto integer = std::make_unique<TIntColumn>();
  integer->Headers() = {"N"};
  integer->SetDefault(1);
  integer->SetMin(0);
  integer->SetMax(1000);
  table.AddColumn(std::move(integer));

  auto number = std::make_unique<TFloatColumn>();
  number->Headers() = {"D"};
  number->SetUnitsString("L2");
  number->SetDefault(1.0L);
  table.AddColumn(std::move(number));

  auto sub = std::make_unique<TTableColumn>();
  sub->Headers() = {"P"};
  sub->SetGrouped(true);
  sub->Templates().Add(11);
  sub->Templates().Add(-1);
  table.AddColumn(std::move(sub));

  auto text = std::make_unique<TStringColumn>();
  text->SetVisible(false);
  text->SetDefault("x");
  text->SetMinWidthInches(0.5L);
  table.AddColumn(std::move(text));
}

Bytes AllKindsRecord() {
  Bytes b;
  Append(b, {2, 5});
  // Choice column: kind 0, headers, Visible, Grouped, items.
  Append(b, {2, 0, 1});
  AppendString(b, "Case");
  Append(b, {0, 9, 8, 1});
  AppendString(b, "A");
  AppendString(b, "B");
  Append(b, {0});
  // Integer column: Default 1, Min 0, Max 1000.
  Append(b, {2, 1, 1});
  AppendString(b, "N");
  Append(b, {0, 9, 8, 2, 1, 2, 0, 3, 0xE8, 0x03});
  // Float column: TopDepth, marker, units, Default 1.0 as a 10-byte extended.
  Append(b, {2, 2, 1});
  AppendString(b, "D");
  Append(b, {0, 9, 8, 8});
  AppendString(b, "FLOATCOLUMN2");
  AppendString(b, "L2");
  Append(b, {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});
  // Sub-table column: marker and the template identifiers.
  Append(b, {2, 3, 1});
  AppendString(b, "P");
  Append(b, {0, 9, 9});
  AppendString(b, "FLEXCOLUMN2");
  Append(b, {1, 2, 11, 2, 0xFF, 0});
  // String column, invisible: Default, width 0.5 inch.
  Append(b, {2, 4, 1, 0, 8, 8});
  AppendString(b, "x");
  Append(b, {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F});
  return b;
}

TEST(ColumnRecord, WrittenByteForByte) {
  TGridTable table;
  BuildAllKinds(table);
  EXPECT_EQ(table.ColumnRecord(), AllKindsRecord());
}

TEST(ColumnRecord, ReadBackGivesTheSameColumns) {
  TGridTable table;
  table.SetRowCount(2);
  table.SetColumnRecord(AllKindsRecord());
  ASSERT_EQ(table.ColumnCount(), 5);
  EXPECT_EQ(table.ColumnRecord(), AllKindsRecord());

  const auto& integer = static_cast<const TIntColumn&>(table.Column(1));
  EXPECT_EQ(integer.Max(), 1000);
  EXPECT_EQ(integer.GetInt(1), 1);  // sized to the table's rows with its default
  const auto& number = static_cast<const TFloatColumn&>(table.Column(2));
  EXPECT_EQ(number.UnitsString(), "L2");
  EXPECT_EQ(number.GetFloat(0), 1.0L);
  const auto& sub = static_cast<const TTableColumn&>(table.Column(3));
  EXPECT_EQ(sub.Templates().Entries(), (std::vector<int>{11, -1}));
  EXPECT_TRUE(sub.Grouped());
  EXPECT_FALSE(table.Column(4).Visible());
  EXPECT_EQ(table.VisibleColumnCount(), 4);
}

TEST(ColumnRecord, FloatWithoutMarkerTakesTheStringAsUnits) {
  Bytes b;
  Append(b, {2, 2});
  Append(b, {2, 2, 1});
  AppendString(b, "Load");
  Append(b, {0, 9, 8, 8});
  AppendString(b, "F/L");  // older form: units where the marker stands, nothing further
  Append(b, {2, 1, 1, 0, 9, 8, 2, 5, 2, 0, 2, 9});

  TGridTable table;
  table.SetRowCount(1);
  table.SetColumnRecord(b);
  ASSERT_EQ(table.ColumnCount(), 2);
  const auto& load = static_cast<const TFloatColumn&>(table.Column(0));
  EXPECT_EQ(load.UnitsString(), "F/L");
  EXPECT_EQ(load.Default(), 0);
  EXPECT_EQ(load.HeaderLine(0), "Load (lbs/in)  ");
  EXPECT_EQ(static_cast<const TIntColumn&>(table.Column(1)).Default(), 5);
  // Written again, the record has the marker.
  TGridTable again;
  again.SetColumnRecord(table.ColumnRecord());
  EXPECT_EQ(static_cast<const TFloatColumn&>(again.Column(0)).UnitsString(), "F/L");
}

TEST(ColumnRecord, OlderSubTableFormAndTemplateSynchronisation) {
  Bytes b;
  Append(b, {2, 2});
  Append(b, {2, 0, 1, 0, 9, 8, 1});
  AppendString(b, "A");
  AppendString(b, "B");
  AppendString(b, "C");
  Append(b, {0});
  Append(b, {2, 3, 1, 0, 9, 8, 2, 4});  // one integer instead of "FLEXCOLUMN2" and a list

  TGridTable table;
  table.SetColumnRecord(b);
  const auto& sub = static_cast<const TTableColumn&>(table.Column(1));
  // Lengthened to the first column's three items.
  EXPECT_EQ(sub.Templates().Entries(), (std::vector<int>{4, -1, -1}));
}

TEST(ColumnRecord, ReadingErrors) {
  Bytes truncated = AllKindsRecord();
  truncated.resize(truncated.size() - 4);
  Bytes bad_marker;
  Append(bad_marker, {2, 1, 2, 3, 1, 0, 9, 8});
  AppendString(bad_marker, "FLEXCOLUMN");
  Append(bad_marker, {1, 0});

  const struct {
    Bytes bytes;
    const char* message;
  } cases[] = {
      {{}, "Error reading column count"},
      {{6, 1, 'x'}, "Error reading column count"},
      {{2, 0xFF}, "Error reading column count"},
      {{2, 1, 2, 7}, "Error Column Class not defined"},
      {{2, 2, 2, 1, 1, 0, 9, 8, 2, 0, 2, 0, 2, 1, 2, 1}, "Error occured when creating column 1: Stream read error"},
      {truncated, "Error occured when creating column 4: Stream read error"},
      {bad_marker, "Error occured when creating column 0: Invalid property value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    TGridTable table;
    try {
      table.SetColumnRecord(c.bytes);
      ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

}  // namespace
}  // namespace veldra::framework
