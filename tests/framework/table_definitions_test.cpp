// The main window's tables as defined in code: their templates, identifiers and
// definition records.
#include "framework/table_definitions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/chart_data.h"
#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/row_import.h"
#include "framework/string_column.h"
#include "framework/table_column.h"
#include "framework/table_family.h"
#include "framework/units.h"

namespace veldra::framework {
namespace {

// Every setting of a column, written out independently of the record format.
std::string Describe(const TColumn& column) {
  std::ostringstream text;
  text << static_cast<int>(column.Kind()) << (column.Visible() ? " visible" : " hidden")
       << (column.Grouped() ? " grouped" : "") << " [";
  for (const std::string& line : column.Headers()) text << line << "|";
  text << "]";
  if (auto* c = dynamic_cast<const TEnumColumn*>(&column)) {
    for (const std::string& item : c->Items()) text << " item=" << item;
  } else if (auto* c = dynamic_cast<const TIntColumn*>(&column)) {
    text << " default=" << c->Default() << " min=" << c->Min() << " max=" << c->Max();
  } else if (auto* c = dynamic_cast<const TFloatColumn*>(&column)) {
    text << " top=" << c->TopDepth() << " units=" << c->UnitsString()
         << " default=" << static_cast<double>(c->Default());
  } else if (auto* c = dynamic_cast<const TTableColumn*>(&column)) {
    for (int id : c->Templates().Entries()) text << " template=" << id;
  } else if (auto* c = dynamic_cast<const TStringColumn*>(&column)) {
    text << " default=" << c->Default() << " width=" << static_cast<double>(c->MinWidthInches());
  }
  return text.str();
}

TEST(MainTables, EveryDefinitionRoundTripsThroughItsRecord) {
  const MainTables tables;
  ASSERT_EQ(tables.All().size(), 20u);
  for (const auto& [name, table] : tables.All()) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> record = table->ColumnRecord();
    const auto* chart = dynamic_cast<const TGridTableChart*>(table);
    std::unique_ptr<TGridTable> read =
        chart ? std::unique_ptr<TGridTable>(std::make_unique<TGridTableChart>()) : std::make_unique<TGridTable>();
    read->SetColumnRecord(record);
    ASSERT_EQ(read->ColumnCount(), table->ColumnCount());
    for (int c = 0; c < table->ColumnCount(); ++c)
      EXPECT_EQ(Describe(read->Column(c)), Describe(table->Column(c))) << "column " << c;
    if (chart) {
      const auto& read_chart = static_cast<const TGridTableChart&>(*read);
      EXPECT_EQ(read_chart.ShowChart(), chart->ShowChart());
      EXPECT_EQ(read_chart.XColumn(), chart->XColumn());
      EXPECT_EQ(read_chart.YColumn(), chart->YColumn());
    }
    EXPECT_EQ(read->ColumnRecord(), record);
  }
}

TEST(MainTables, TablesStartAtTheirMinimumRows) {
  const MainTables tables;
  for (const auto& [name, table] : tables.All()) {
    SCOPED_TRACE(name);
    EXPECT_EQ(table->RowCount(), table->MinRows());
  }
  // The stiffness table of a new problem: one row from node 0 to node 1.
  const TGridTable& stiffness = tables.Table(kPileSect);
  EXPECT_EQ(stiffness.Cell(0, 0).AsInteger(), 0);
  EXPECT_EQ(stiffness.Cell(1, 0).AsInteger(), 1);
  EXPECT_EQ(tables.Table(kPYMod).Cell(1, 0).AsFloat(), 1.0L);
}

TEST(MainTables, SoilLayerParametersFollowTheSoilType) {
  const MainTables tables;
  TGridTable& layers = tables.Table(kNewSoil);
  layers.SetRowCount(3);
  EXPECT_EQ(layers.Column(1).HeaderLine(1), "of the Layer, (ft)  ");

  const struct {
    int type;
    const char* caption;
    int columns;
  } cases[] = {{1, "Clay", 5}, {3, "Clay", 5}, {4, "Sand", 4}, {5, "Silt", 6}, {6, "Strong Rock", 2}, {7, "Weak Rock", 5}};
  TGridTable* below = layers.Cell(2, 2).AsTable();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    layers.Cell(0, 1).SetInteger(c.type);
    TGridTable* parameters = layers.Cell(2, 1).AsTable();
    ASSERT_NE(parameters, nullptr);
    EXPECT_EQ(parameters->Caption(), c.caption);
    EXPECT_EQ(parameters->ColumnCount(), c.columns);
    EXPECT_EQ(parameters->RowCount(), 2);
    EXPECT_EQ(parameters->WindowCaption(), std::string(c.caption) + "  2");
  }
  EXPECT_EQ(layers.Cell(2, 2).AsTable(), below);

  // Unit weights are converted with the table: 120 lbs/ft^3 is about 18.85 kN/m^3.
  TGridTable* top_layer = layers.Cell(2, 0).AsTable();
  top_layer->Cell(0, 0).SetFloat(120);
  layers.SetUnits(kSIUnits);
  EXPECT_NEAR(static_cast<double>(top_layer->Cell(0, 0).AsFloat()), 18.85, 0.005);
  EXPECT_EQ(top_layer->Column(0).HeaderLine(1), "Weight, (kN/m^3)  ");

  const auto& long_term_types = static_cast<const TEnumColumn&>(tables.Table(kLongSoil).Column(0));
  EXPECT_EQ(long_term_types.Items()[1], "Stiff Clay with Free water");
  EXPECT_EQ(tables.Table(kLongSoil).Cell(2, 0).AsTable()->Caption(), "Clay");
}

TEST(MainTables, CurveSetsHoldChartCurvesOfTheirTemplates) {
  const MainTables tables;
  EXPECT_EQ(tables.Table(kPileSect).Identifier(), 0);
  EXPECT_EQ(tables.ChartTable(kRows2).Identifier(), 0);
  EXPECT_EQ(tables.ChartTable(kMEICurves2).Identifier(), 36);
  EXPECT_EQ(tables.ChartTable(kPYCurves2).Identifier(), 37);
  EXPECT_EQ(tables.ChartTable(kPYCurve2).Identifier(), 38);

  // Template 0 of the moment-EI sets is the chart table Rows2, not PileSect.
  auto* curve = dynamic_cast<TGridTableChart*>(tables.Table(kMEICurves2).Cell(2, 0).AsTable());
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->Caption(), "Moment and EI data");
  EXPECT_TRUE(curve->ShowChart());
  EXPECT_EQ(curve->YColumn(), 1);
  EXPECT_EQ(BuildChartData(*curve).vertical.title, "Flexural rigidity (lbs-in^2)  ");

  TGridTable& sets = tables.Table(kPYCurves2);
  ASSERT_EQ(sets.RowCount(), 2);
  auto* py = dynamic_cast<TGridTableChart*>(sets.Cell(1, 1).AsTable());
  ASSERT_NE(py, nullptr);
  EXPECT_EQ(py->Caption(), "External p-y Curve");
  EXPECT_EQ(py->RowCount(), 2);
  EXPECT_TRUE(py->GetDataFromFile());
  EXPECT_EQ(py->Number(), 2);

  // Twenty imported points fill the curve's 17 rows and no more.
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i) lines.push_back(std::to_string(i - 10) + "\t" + std::to_string(-i));
  EXPECT_EQ(ImportRows(*py, lines), 17);
  EXPECT_EQ(py->RowCount(), 17);
  EXPECT_TRUE(sets.IsChanged());
}

TEST(MainTables, NamesOutsideTheSetAreRefused) {
  const MainTables tables;
  EXPECT_TRUE(tables.Has(kTiebackTable1));
  EXPECT_FALSE(tables.Has("Tieback"));
  EXPECT_THROW(tables.Table("Tieback"), Exception);
  EXPECT_THROW(tables.ChartTable(kPileSect), Exception);
}

}  // namespace
}  // namespace veldra::framework
