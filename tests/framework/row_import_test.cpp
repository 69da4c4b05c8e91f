// Filling curve tables from text files and clipboard text.
#include "framework/row_import.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_table_window.h"
#include "framework/exceptions.h"
#include "framework/file_errors.h"
#include "framework/float_column.h"
#include "framework/grid_table_chart.h"
#include "framework/int_column.h"
#include "framework/split_numbers.h"

namespace veldra::framework {
namespace {

TEST(SplitNumbers, LeadingNumbersOfALine) {
  const std::pair<const char*, std::vector<long double>> cases[] = {
      {"1.5, 2", {1.5L, 2}},
      {"1 2 x", {1, 2}},
      {"1,,2", {1}},
      {"Deflection Resistance", {}},
      {"  \t-3\t+4e2\r", {-3, 400}},
      {"2.5E-6 7", {2.5e-6L, 7}},
      {"", {}},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
  };
  for (const auto& [line, numbers] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(SplitNumbers(line), numbers);
  }
}

// A two-column curve like the external p-y curves: MinRows 2, MaxRows 17.
class CurveImport : public ::testing::Test {
 protected:
  void SetUp() override {
    curve.SetMinRows(2);
    curve.SetMaxRows(17);
    curve.Add(std::make_unique<TFloatColumn>());
    curve.Add(std::make_unique<TFloatColumn>());
    SetRows(5);
  }
  void SetRows(int n) {
    curve.SetRowCount(n);
    for (int r = 0; r < n; ++r) {
      curve.Cell(0, r).SetFloat(-1);
      curve.Cell(1, r).SetFloat(-1);
    }
  }
  std::vector<std::pair<long double, long double>> Points() const {
    std::vector<std::pair<long double, long double>> points;
    for (int r = 0; r < curve.RowCount(); ++r)
      points.emplace_back(curve.Cell(0, r).AsFloat(), curve.Cell(1, r).AsFloat());
    return points;
  }
  using Points_t = std::vector<std::pair<long double, long double>>;
  TGridTableChart curve;
};

TEST_F(CurveImport, ThreeLineFileReplacesFiveRows) {
  EXPECT_EQ(ImportRowsFromFile(curve, VELDRA_TEST_DATA_DIR "/three_points.txt"), 3);
  EXPECT_EQ(Points(), (Points_t{{0, 0}, {0.5L, 100}, {1, 150}}));
  EXPECT_TRUE(curve.IsChanged());
}

TEST_F(CurveImport, HeadingsAndLinesOfOtherCountsAreSkipped) {
  EXPECT_EQ(ImportRowsFromFile(curve, VELDRA_TEST_DATA_DIR "/headed_points.txt"), 3);
  EXPECT_EQ(Points(), (Points_t{{-0.5L, 2.5e-6L}, {0, 0}, {0.5L, 100}}));
}

TEST_F(CurveImport, OneLineFillsOneRowAndReopeningRestoresMinRows) {
  SetRows(2);
  EXPECT_EQ(ImportRows(curve, {"3 4"}), 1);
  EXPECT_EQ(Points(), (Points_t{{3, 4}}));
  testing::FakeWindows windows;
  curve.ShowWindow();
  EXPECT_EQ(curve.RowCount(), 2);
  EXPECT_EQ(Points()[0], (std::pair<long double, long double>{3, 4}));
  curve.CloseWindow();
}

TEST_F(CurveImport, FillingStopsAtMaxRows) {
  SetRows(2);
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i) lines.push_back(std::to_string(i) + " " + std::to_string(10 * i));
  EXPECT_EQ(ImportRows(curve, lines), 17);
  ASSERT_EQ(curve.RowCount(), 17);
  EXPECT_EQ(Points().back(), (std::pair<long double, long double>{16, 160}));
}

TEST_F(CurveImport, NoMatchingLineChangesNothing) {
  EXPECT_EQ(ImportRows(curve, {"x y", "1 2 3"}), 0);
  EXPECT_EQ(curve.RowCount(), 5);
  EXPECT_FALSE(curve.IsChanged());
}

TEST_F(CurveImport, ClipboardTextLines) {
  // Without any line break nothing is taken.
  EXPECT_EQ(ImportRowsFromClipboard(curve, "0 0"), 0);
  EXPECT_EQ(Points(), Points_t(5, {-1, -1}));

  // Spreadsheet rows end in CR LF; text after the last line break is ignored.
  EXPECT_EQ(ImportRowsFromClipboard(curve, "1\t10\r\n2\t20\r\n3\t30"), 2);
  EXPECT_EQ(Points(), (Points_t{{1, 10}, {2, 20}}));

  // Lines ending in a bare LF or CR are lines too, the last one included.
  EXPECT_EQ(ImportRowsFromClipboard(curve, "4 40\n5 50\n6 60\n"), 3);
  EXPECT_EQ(Points(), (Points_t{{4, 40}, {5, 50}, {6, 60}}));
  EXPECT_EQ(ImportRowsFromClipboard(curve, "7 70\r8 80\r"), 2);
  EXPECT_EQ(Points(), (Points_t{{7, 70}, {8, 80}}));
}

TEST(ClipboardLines, SplitsAtEveryKindOfLineBreak) {
  EXPECT_EQ(ClipboardLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(FileLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(ClipboardLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
}

TEST(RowImport, RefusedEntryStopsWithRowsKept) {
  testing::FakeWindows windows;
  TGridTableChart table;
  auto node = std::make_unique<TIntColumn>();
  node->SetMax(100);
  table.Add(std::move(node));
  table.Add(std::make_unique<TFloatColumn>());
  table.SetRowCount(4);
  table.ShowWindow();  // integer entries are checked while the window is open
  int refused_line = 0;
  EXPECT_THROW(ImportRows(table, {"heading", "1 10", "2.5 20", "3 30"}, -1, &refused_line), EAssignError);
  EXPECT_EQ(refused_line, 3);
  EXPECT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.Cell(0, 0).AsInteger(), 1);
  EXPECT_EQ(table.Cell(1, 0).AsFloat(), 10);
  EXPECT_EQ(table.Cell(0, 1).AsInteger(), 0);
  table.CloseWindow();
}

TEST(RowImport, MissingFileChangesNothing) {
  TGridTableChart table;
  table.Add(std::make_unique<TFloatColumn>());
  table.SetRowCount(3);
  EXPECT_THROW(ImportRowsFromFile(table, VELDRA_TEST_DATA_DIR "/no_such_file.txt"), EFileError);
  EXPECT_EQ(table.RowCount(), 3);
}

// With blocks of two rows, deleting the surplus must not take a filled row with the
// block it shares.
TEST(RowImport, SurplusDeletionKeepsFilledRowsOfABlock) {
  TGridTableChart table;
  table.SetRowGroup(2);
  table.Add(std::make_unique<TFloatColumn>());
  table.SetRowCount(6);
  EXPECT_EQ(ImportRows(table, {"1", "2", "3"}), 3);
  ASSERT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.Cell(0, 2).AsFloat(), 3);
}

TEST(RowImport, OneShownColumnTakesLinesOfOneNumber) {
  TGridTableChart table;
  table.Add(std::make_unique<TFloatColumn>());
  table.Add(std::make_unique<TFloatColumn>());
  table.SetRowCount(1);
  EXPECT_EQ(ImportRows(table, {"1 2", "5", "6"}, 1), 2);
  EXPECT_EQ(table.Cell(0, 1).AsFloat(), 6);
}

}  // namespace
}  // namespace veldra::framework
