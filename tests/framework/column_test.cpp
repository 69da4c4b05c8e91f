// Cell storage, text, parsing, grouped writes and unit changes of the column kinds.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_table_window.h"
#include "framework/entry_evaluator.h"
#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "framework/string_column.h"
#include "framework/table_column.h"
#include "framework/units.h"

namespace veldra::framework {
namespace {

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.what();
  }
  return "(no error)";
}

// A node-number column with limits 0 to 1000.
class IntColumnEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    auto column = std::make_unique<TIntColumn>();
    column->SetMin(0);
    column->SetMax(1000);
    column->SetDefault(7);
    nodes = &table.Add(std::move(column));
    table.SetRowCount(1);
  }
  TGridTable table;
  TIntColumn* nodes = nullptr;
};

struct IntCase {
  const char* entry;
  const char* message;  // nullptr: stored
  std::int32_t stored;  // value afterwards
};

TEST_F(IntColumnEntry, EditedInTheWindowEntriesAreChecked) {
  testing::FakeWindows windows;
  table.ShowWindow();
  ASSERT_TRUE(table.HasWindow());
  const IntCase cases[] = {
      {"12.5", "Entry must be an integer.", 7},
      {"1001", "Entry must be between 0 and 1000.", 7},
      {"-2.5", "Entry must be an integer.", 7},
      {"-1", "Entry must be between 0 and 1000.", 7},
      {"3*4", nullptr, 12},
      {"5.00000000001", nullptr, 5},  // within 1e-10 of a whole number
      {"abc", "Entry could not be evaluated:\rinvalid character(s) in expression", 5},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(MessageOf([&] { nodes->SetText(0, c.entry); }), c.message ? c.message : "(no error)");
    EXPECT_EQ(nodes->GetInt(0), c.stored);
  }
  table.CloseWindow();
}

TEST_F(IntColumnEntry, WithoutAWindowValuesAreStoredUnchecked) {
  const IntCase cases[] = {
      {"12.5", nullptr, 12},  // rounded, ties to even
      {"13.5", nullptr, 14},
      {"1001", nullptr, 1001},
      {"-2.5", nullptr, -2},
      // A value no 32-bit cell can hold is refused rather than wrapped.
      {"1e10", "Entry must be between -2147483648 and 2147483647.", -2},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(MessageOf([&] { nodes->SetText(0, c.entry); }), c.message ? c.message : "(no error)");
    EXPECT_EQ(nodes->GetInt(0), c.stored);
  }
}

TEST(FloatColumn, CellTextHasEightSignificantDigitsValueKeepsAll) {
  TGridTable table;
  auto& column = table.Add(std::make_unique<TFloatColumn>());
  table.SetRowCount(1);
  const std::pair<const char*, const char*> cases[] = {
      {"1/3", "0.33333333"},
      {"123456789", "1.2345679E8"},
      {"12345678", "12345678"},
      {"99999999.6", "1E8"},
      {"0.000012345678", "0.000012345678"},
      {"0.0000012345", "1.2345E-6"},
      {"-2.5", "-2.5"},
  };
  for (const auto& [entry, text] : cases) {
    SCOPED_TRACE(entry);
    column.SetText(0, entry);
    EXPECT_EQ(column.GetText(0), text);
  }
  column.SetText(0, "123456789");
  EXPECT_EQ(column.GetFloat(0), 123456789);
  column.SetText(0, "1/3");
  EXPECT_EQ(column.GetFloat(0), EvaluateEntry("1/3"));
}

// Three columns, one of each writable kind, all grouped, in a table of row blocks
// of three.
class GroupedColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    table.SetRowGroup(3);
    auto add = [&](std::unique_ptr<TColumn> column) {
      column->SetGrouped(true);
      return &table.AddColumn(std::move(column));
    };
    ints = static_cast<TIntColumn*>(add(std::make_unique<TIntColumn>()));
    floats = static_cast<TFloatColumn*>(add(std::make_unique<TFloatColumn>()));
    strings = static_cast<TStringColumn*>(add(std::make_unique<TStringColumn>()));
    table.SetRowCount(9);
    table.CellChangedLink = [this](int col, int row) { notices.emplace_back(col, row); };
  }
  std::vector<int> IntRows(std::int32_t value) const {
    std::vector<int> rows;
    for (int r = 0; r < ints->RowCount(); ++r)
      if (ints->GetInt(r) == value) rows.push_back(r);
    return rows;
  }
  TGridTable table;
  TIntColumn* ints = nullptr;
  TFloatColumn* floats = nullptr;
  TStringColumn* strings = nullptr;
  std::vector<std::pair<int, int>> notices;
};

TEST_F(GroupedColumns, WritingRow4WritesRows3To5) {
  ints->SetInt(4, 11);
  EXPECT_EQ(IntRows(11), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(notices, (std::vector<std::pair<int, int>>{{0, 3}, {0, 4}, {0, 5}}));

  floats->SetText(4, "2.5");
  strings->SetText(4, "x");
  for (int r = 0; r < 9; ++r) {
    const bool in_block = r >= 3 && r <= 5;
    EXPECT_EQ(floats->GetFloat(r), in_block ? 2.5L : 0.0L) << r;
    EXPECT_EQ(strings->GetText(r), in_block ? "x" : "") << r;
  }

  ints->SetGrouped(false);
  ints->SetInt(4, 12);
  EXPECT_EQ(IntRows(12), (std::vector<int>{4}));
}

TEST_F(GroupedColumns, BlockCutShortByTheRowCountStaysInside) {
  table.SetRowCount(8);  // last block holds rows 6 and 7 only
  ints->SetInt(7, 5);
  EXPECT_EQ(IntRows(5), (std::vector<int>{6, 7}));
}

TEST(EnumColumn, SetByTextAndNotifiedOnRealChangesOnly) {
  TGridTable table;
  auto column = std::make_unique<TEnumColumn>();
  column->SetItems({"Point Load", "Line Load", "Strip Load"});
  auto& types = table.Add(std::move(column));
  table.SetRowCount(1);
  int notices = 0;
  table.CellChangedLink = [&](int, int) { ++notices; };

  EXPECT_EQ(types.GetInt(0), 1);  // a new row holds the first item
  types.SetText(0, "2.0");
  EXPECT_EQ(types.GetInt(0), 2);
  EXPECT_EQ(types.GetText(0), "2");
  EXPECT_EQ(types.ItemText(0), "Line Load");
  EXPECT_EQ(notices, 1);
  types.SetText(0, "2");
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(MessageOf([&] { types.SetText(0, "2.5"); }), "Value must be an integer.");
  EXPECT_EQ(MessageOf([&] { types.SetText(0, "1e12"); }), "Value must be an integer.");
  EXPECT_EQ(types.GetInt(0), 2);
  types.SetInt(0, 9);
  EXPECT_EQ(types.ItemText(0), "");
}

TEST(FloatColumn, UnitChangeConvertsValuesAndHeader) {
  TGridTable table;
  auto column = std::make_unique<TFloatColumn>();
  column->Headers() = {"Total Unit", "Weight,"};
  column->SetUnitsString("F/L2^3");
  auto& weight = table.Add(std::move(column));
  auto depth_column = std::make_unique<TFloatColumn>();
  depth_column->Headers() = {"Depth"};
  depth_column->SetUnitsString("L2");
  auto& depth = table.Add(std::move(depth_column));
  table.SetRowCount(1);
  weight.SetFloat(0, 120);
  depth.SetFloat(0, 10);

  EXPECT_EQ(depth.HeaderLine(0), "Depth (ft)  ");
  EXPECT_EQ(weight.HeaderLine(0), "Total Unit");
  EXPECT_EQ(weight.HeaderLine(1), "Weight, (lbs/ft^3)  ");
  table.SetUnits(kSIUnits);
  EXPECT_NEAR(static_cast<double>(weight.GetFloat(0)), 18.85, 0.005);
  EXPECT_NEAR(static_cast<double>(depth.GetFloat(0)), static_cast<double>(10 / 3.280839895L), 1e-15);
  EXPECT_EQ(depth.HeaderLine(0), "Depth (m)  ");
  table.SetUnits(kEnglishUnits);
  EXPECT_NEAR(static_cast<double>(weight.GetFloat(0)), 120.0, 1e-12);
  table.SetUnits(kOtherUnits);
  EXPECT_NEAR(static_cast<double>(weight.GetFloat(0)), 120.0, 1e-12);
  EXPECT_EQ(depth.HeaderLine(0), "Depth (L)  ");
}

TEST(TData, WrongTypeAndOutOfRangeCellsThrow) {
  TGridTable table;
  table.Add(std::make_unique<TFloatColumn>());
  table.Add(std::make_unique<TIntColumn>());
  table.Add(std::make_unique<TStringColumn>());
  table.SetRowCount(2);
  EXPECT_EQ(MessageOf([&] { table.Cell(0, 0).AsInteger(); }), "Data of wrong type");
  EXPECT_THROW(table.Cell(1, 0).AsFloat(), EInvalidCast);
  EXPECT_THROW(table.Cell(0, 0).AsTable(), EInvalidCast);
  EXPECT_THROW(table.Cell(2, 0).SetInteger(1), EInvalidCast);
  EXPECT_THROW(table.Cell(0, 2), EListError);
  EXPECT_THROW(table.Cell(3, 0), EListError);
  table.Cell(0, 1).SetFloat(2.5L);
  table.Cell(1, 1).SetInteger(-4);
  EXPECT_EQ(table.Cell(0, 1).AsFloat(), 2.5L);
  EXPECT_EQ(table.Cell(0, 1).AsString(), "2.5");
  EXPECT_EQ(table.Cell(1, 1).AsInteger(), -4);
}

// Layer boundaries: column 0 is the top depth (TopDepth), column 1 the bottom depth.
class DepthLinked : public ::testing::Test {
 protected:
  void SetUp() override {
    auto top_column = std::make_unique<TFloatColumn>();
    top_column->SetTopDepth(true);
    top = &table.Add(std::move(top_column));
    bottom = &table.Add(std::make_unique<TFloatColumn>());
    table.SetRowCount(1);
    bottom->SetFloat(0, 10);
  }
  TGridTable table;
  TFloatColumn* top = nullptr;
  TFloatColumn* bottom = nullptr;
};

TEST_F(DepthLinked, LayersStayContiguous) {
  // A layer appended below starts at the bottom of the layer above.
  table.AddRowGroup();
  EXPECT_EQ(top->GetFloat(1), 10);
  bottom->SetFloat(1, 25);
  table.AddRowGroup();
  EXPECT_EQ(top->GetFloat(2), 25);
  bottom->SetFloat(2, 40);

  // Moving a boundary moves it in both columns.
  top->SetFloat(2, 30);
  EXPECT_EQ(bottom->GetFloat(1), 30);
  bottom->SetFloat(0, 12);
  EXPECT_EQ(top->GetFloat(1), 12);

  // Deleting a middle layer joins its neighbours.
  table.DeleteRowGroup(1);
  ASSERT_EQ(table.RowCount(), 2);
  EXPECT_EQ(top->GetFloat(1), bottom->GetFloat(0));
}

TEST(DepthLinking, TopDepthBeforeANonFloatColumnIsRefused) {
  TGridTable table;
  auto top = std::make_unique<TFloatColumn>();
  top->SetTopDepth(true);
  table.Add(std::move(top));
  table.Add(std::make_unique<TIntColumn>());
  EXPECT_EQ(MessageOf([&] { table.SetRowCount(1); }),
            "If column if a topdepth then the next column must be a float column");
  EXPECT_EQ(table.RowCount(), 0);
  EXPECT_EQ(table.Column(0).RowCount(), table.Column(1).RowCount());
}

struct FixedCanvas : TextCanvas {
  int TextWidth(std::string_view text) const override { return 5 * static_cast<int>(text.size()); }
  int PixelsPerInch() const override { return 96; }
};

TEST(ColumnWidth, HeaderOrKindMinimum) {
  const FixedCanvas canvas;
  TEnumColumn choice;
  choice.Headers() = {"Case"};
  TIntColumn integer;
  integer.Headers() = {"Nodal No."};
  TFloatColumn number;
  number.Headers() = {"Depth"};
  number.SetUnitsString("L2");
  TTableColumn tables;
  TStringColumn text;
  text.SetMinWidthInches(1.25L);
  EXPECT_EQ(choice.MinWidth(canvas), 144);             // 1.5 inch
  EXPECT_EQ(integer.MinWidth(canvas), 5 * 11);         // "Nodal No.  " is wider than half an inch
  EXPECT_EQ(number.MinWidth(canvas), 5 * (12 + 2));    // "Depth (ft)  " and two blanks
  EXPECT_EQ(tables.MinWidth(canvas), 192);
  EXPECT_EQ(text.MinWidth(canvas), 120);
}

TEST(EnumColumn, DropDownControlsFollowTheirRows) {
  TGridTable table;
  auto column = std::make_unique<TEnumColumn>();
  column->SetItems({"A", "B"});
  auto& choice = table.Add(std::move(column));
  table.SetRowCount(4);
  std::vector<std::pair<int, int>> entered;
  table.CellEnteredLink = [&](int col, int row) { entered.emplace_back(col, row); };

  int parent = 0, other_parent = 0;
  EXPECT_EQ(MessageOf([&] { choice.AllocateControls(nullptr, 0, 2); }), "null parent");
  choice.AllocateControls(&parent, 1, 2);
  EXPECT_TRUE(choice.HasControls());
  EXPECT_EQ(choice.ControlTopRow(), 1);
  EXPECT_EQ(MessageOf([&] { choice.AllocateControls(&other_parent, 0, 2); }),
            "Error attempt to change parent with controls already allocated");
  choice.ChooseItem(2, 2);
  EXPECT_EQ(choice.GetInt(2), 2);
  EXPECT_EQ(MessageOf([&] { choice.ChooseItem(-1, 1); }), "Unexpected row for combobox");
  choice.ControlFocused(1);
  EXPECT_EQ(entered, (std::vector<std::pair<int, int>>{{0, 1}}));
  choice.ReleaseControls();
  EXPECT_FALSE(choice.HasControls());
  choice.AllocateControls(&other_parent, 0, 1);
  EXPECT_EQ(choice.ControlParent(), &other_parent);
}

}  // namespace
}  // namespace veldra::framework
