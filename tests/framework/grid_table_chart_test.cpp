// The chart-capable table family: its own identifiers, sub-tables and graphic
// parameters.
#include "framework/grid_table_chart.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/table_column.h"
#include "framework/table_family.h"

namespace veldra::framework {
namespace {

std::unique_ptr<TTableColumn> SubTables(int template_id) {
  auto column = std::make_unique<TTableColumn>();
  column->Templates().Add(template_id);
  return column;
}

TEST(ChartFamily, IdentifiersAndTemplatesAreSeparateFromPlainTables) {
  TGridTable plain;
  plain.SetCaption("Plain");
  plain.Add(std::make_unique<TIntColumn>());
  TGridTableChart curve;
  curve.SetCaption("Moment and EI data");
  curve.SetShowChart(true);
  curve.SetYColumn(1);
  curve.SetGetDataFromFile(true);
  curve.SetInvertedYAxis(true);
  curve.Add(std::make_unique<TFloatColumn>());
  curve.Add(std::make_unique<TFloatColumn>());
  plain.SetIdentifier(0);
  curve.SetIdentifier(0);
  EXPECT_EQ(TableFamily::Plain().Find(0), &plain);
  EXPECT_EQ(TableFamily::Chart().Find(0), &curve);

  TGridTableChart sets;
  sets.Add(std::make_unique<TIntColumn>());
  sets.Add(SubTables(0));
  sets.SetRowCount(2);
  auto* sub = dynamic_cast<TGridTableChart*>(sets.Cell(1, 0).AsTable());
  ASSERT_NE(sub, nullptr);  // a chart-capable copy of the chart table 0
  EXPECT_EQ(sub->Caption(), "Moment and EI data");
  EXPECT_EQ(sub->ColumnCount(), 2);
  EXPECT_TRUE(sub->ShowChart());
  EXPECT_EQ(sub->YColumn(), 1);
  EXPECT_TRUE(sub->GetDataFromFile());
  EXPECT_TRUE(sub->InvertedYAxis());
  EXPECT_EQ(&sub->Family(), &TableFamily::Chart());

  // A plain table's sub-table column resolves among plain tables only.
  TGridTable plain_sets;
  plain_sets.Add(SubTables(0));
  plain_sets.SetRowCount(1);
  ASSERT_NE(plain_sets.Cell(0, 0).AsTable(), nullptr);
  EXPECT_EQ(plain_sets.Cell(0, 0).AsTable()->Caption(), "Plain");
  EXPECT_EQ(dynamic_cast<TGridTableChart*>(plain_sets.Cell(0, 0).AsTable()), nullptr);
}

TEST(ChartFamily, GraphicParametersFollowTheColumns) {
  TGridTableChart curve;
  curve.Add(std::make_unique<TFloatColumn>());
  curve.SetShowChart(true);
  curve.SetXColumn(0);
  curve.SetYColumn(1);
  curve.SetY2Column(300);
  const std::vector<std::uint8_t> record = curve.ColumnRecord();
  const std::vector<std::uint8_t> tail(record.end() - 11, record.end());
  EXPECT_EQ(tail, (std::vector<std::uint8_t>{9, 8, 2, 0, 2, 1, 2, 0, 3, 0x2C, 0x01}));

  TGridTableChart read;
  read.SetColumnRecord(record);
  EXPECT_TRUE(read.ShowChart());
  EXPECT_FALSE(read.DrawSegments());
  EXPECT_EQ(read.YColumn(), 1);
  EXPECT_EQ(read.Y2Column(), 300);
  EXPECT_EQ(read.ColumnRecord(), record);

  // The same columns without the graphic parameters.
  TGridTable plain;
  plain.Add(std::make_unique<TFloatColumn>());
  TGridTableChart missing;
  try {
    missing.SetColumnRecord(plain.ColumnRecord());
    ADD_FAILURE() << "no error";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Error reading graphic parameters");
  }
}

TEST(ChartFamily, SetCellTextUsesTheColumnsEntryRules) {
  TGridTableChart curve;
  curve.Add(std::make_unique<TFloatColumn>());
  curve.SetRowCount(1);
  curve.SetCellText(0, 0, "2.5E-6*2");
  EXPECT_EQ(curve.Cell(0, 0).AsFloat(), 5e-6L);
  EXPECT_THROW(curve.SetCellText(0, 0, "x"), EAssignError);
  EXPECT_EQ(curve.Cell(0, 0).AsFloat(), 5e-6L);
}

}  // namespace
}  // namespace veldra::framework
