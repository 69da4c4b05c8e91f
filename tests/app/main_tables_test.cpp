// The main window's tables as defined in code: their templates, identifiers and
// definition records.
#include "app/main_tables.h"

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

namespace veldra::app {
namespace {

using namespace veldra::framework;

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
  const TGridTable& stiffness = tables.Table(WallStiffness::kName);
  EXPECT_EQ(stiffness.Cell(WallStiffness::kFromNode, 0).AsInteger(), 0);
  EXPECT_EQ(stiffness.Cell(WallStiffness::kToNode, 0).AsInteger(), 1);
  EXPECT_EQ(tables.Table(PYModification::kName).Cell(PYModification::kPMultiplier, 0).AsFloat(), 1.0L);
}

TEST(MainTables, SoilLayerParametersFollowTheSoilType) {
  const MainTables tables;
  TGridTable& layers = tables.Table(SoilLayers::kName);
  layers.SetRowCount(3);
  EXPECT_EQ(layers.Column(1).HeaderLine(1), "of the Layer, (ft)  ");

  const struct {
    int type;
    const char* caption;
    int columns;
  } cases[] = {{1, "Clay", 5}, {3, "Clay", 5}, {4, "Sand", 4}, {5, "Silt", 6}, {6, "Strong Rock", 2}, {7, "Weak Rock", 5}};
  TGridTable* below = layers.Cell(SoilLayers::kParameters, 2).AsTable();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    layers.Cell(SoilLayers::kSoilType, 1).SetInteger(c.type);
    TGridTable* parameters = layers.Cell(SoilLayers::kParameters, 1).AsTable();
    ASSERT_NE(parameters, nullptr);
    EXPECT_EQ(parameters->Caption(), c.caption);
    EXPECT_EQ(parameters->ColumnCount(), c.columns);
    EXPECT_EQ(parameters->RowCount(), 2);
    EXPECT_EQ(parameters->WindowCaption(), std::string(c.caption) + "  2");
  }
  EXPECT_EQ(layers.Cell(SoilLayers::kParameters, 2).AsTable(), below);

  // Unit weights are converted with the table: 120 lbs/ft^3 is about 18.85 kN/m^3.
  TGridTable* top_layer = layers.Cell(SoilLayers::kParameters, 0).AsTable();
  top_layer->Cell(ClayParameters::kUnitWeight, 0).SetFloat(120);
  layers.SetUnits(kSIUnits);
  EXPECT_NEAR(static_cast<double>(top_layer->Cell(ClayParameters::kUnitWeight, 0).AsFloat()), 18.85, 0.005);
  EXPECT_EQ(top_layer->Column(0).HeaderLine(1), "Weight, (kN/m^3)  ");

  const auto& long_term_types = static_cast<const TEnumColumn&>(tables.Table(SoilLayers::kLongTermName).Column(0));
  EXPECT_EQ(long_term_types.Items()[1], "Stiff Clay with Free water");
  EXPECT_EQ(tables.Table(SoilLayers::kLongTermName).Cell(SoilLayers::kParameters, 0).AsTable()->Caption(), "Clay");
}

TEST(MainTables, CurveSetsHoldChartCurvesOfTheirTemplates) {
  const MainTables tables;
  EXPECT_EQ(tables.Table(WallStiffness::kName).Identifier(), 0);
  EXPECT_EQ(tables.ChartTable(MomentEIPoints::kName).Identifier(), 0);
  EXPECT_EQ(tables.ChartTable(MomentEICurveSets::kName).Identifier(), 36);
  EXPECT_EQ(tables.ChartTable(PYCurveSets::kName).Identifier(), 37);
  EXPECT_EQ(tables.ChartTable(PYCurvePoints::kName).Identifier(), 38);

  // Template 0 of the moment-EI sets is the chart table Rows2, not PileSect.
  auto* curve = dynamic_cast<TGridTableChart*>(tables.Table(MomentEICurveSets::kName).Cell(MomentEICurveSets::kCurve, 0).AsTable());
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->Caption(), "Moment and EI data");
  EXPECT_TRUE(curve->ShowChart());
  EXPECT_EQ(curve->YColumn(), 1);
  EXPECT_EQ(BuildChartData(*curve).vertical.title, "Flexural rigidity (lbs-in^2)  ");

  TGridTable& sets = tables.Table(PYCurveSets::kName);
  ASSERT_EQ(sets.RowCount(), 2);
  auto* py = dynamic_cast<TGridTableChart*>(sets.Cell(PYCurveSets::kCurve, 1).AsTable());
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

// The named column indices point at the columns they name.
TEST(MainTables, ColumnNamesMatchTheColumns) {
  const MainTables tables;
  const struct {
    const char* table;
    int column;
    const char* header;  // first header line
    bool last;           // the last column of the table
  } cases[] = {
      {WallStiffness::kName, WallStiffness::kStiffness, "Flexural Stiffness (EI)", true},
      {Restraints::kName, Restraints::kNode, "Nodal No.", false},
      {Restraints::kName, Restraints::kSlope, "Slope", true},
      {ConcentratedLoads::kName, ConcentratedLoads::kLateralLoad, "Lateral Load", false},
      {ConcentratedLoads::kName, ConcentratedLoads::kAxialLoad, "Axial Load", true},
      {Springs::kName, Springs::kLateralStiffness, "Lateral Spring", false},
      {Springs::kName, Springs::kRotationalStiffness, "Rotational Spr.", true},
      {PYModification::kName, PYModification::kYMultiplier, "y-Multiplier", true},
      {PressureDistribution::kName, PressureDistribution::kLoad, "Lateral distributed line load, ", true},
      {PressureDistribution::kLongTermName, PressureDistribution::kLoad, "Lateral distributed line load, ", true},
      {Surcharges::kName, Surcharges::kMagnitude, "Load Magnitude", false},
      {Surcharges::kName, Surcharges::kStripWidth, "Width of Strip Load, W", true},
      {Tiebacks::kName, Tiebacks::kUnbondedLength, "Unbonded anchor", false},
      {Tiebacks::kName, Tiebacks::kPrestress, "Prestressing Force", true},
      {SoilLayers::kName, SoilLayers::kBottom, "Depth at Bottom", false},
      {SoilLayers::kLongTermName, SoilLayers::kParameters, "Edit Soil", true},
      {PYCurveSets::kName, PYCurveSets::kPMultiplier, "Multiplier for p-value", false},
      {PYCurveSets::kName, PYCurveSets::kYMultiplier, "Multiplier for y-value", true},
      {MomentEICurveSets::kName, MomentEICurveSets::kCurve, "Edit Curve", true},
      {ClayParameters::kName, ClayParameters::kK, "k(py)", false},
      {ClayParameters::kName, ClayParameters::kPressureCoefficient, "Optional Earth", true},
      {SandParameters::kName, SandParameters::kFrictionAngle, "Friction", false},
      {SandParameters::kName, SandParameters::kPressureCoefficient, "Optional Earth", true},
      {SiltParameters::kName, SiltParameters::kCohesion, "Cohesive", false},
      {SiltParameters::kName, SiltParameters::kPressureCoefficient, "Optional Earth", true},
      {StrongRockParameters::kName, StrongRockParameters::kCompressiveStrength, "Uniaxial Compressive", true},
      {WeakRockParameters::kName, WeakRockParameters::kKrm, "krm *", false},
      {WeakRockParameters::kName, WeakRockParameters::kRQD, "RQD", true},
      {PYCurvePoints::kName, PYCurvePoints::kP, "Soil Resistance, p", true},
      {MomentEIPoints::kName, MomentEIPoints::kStiffness, "Flexural rigidity", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.table) + " column " + std::to_string(c.column));
    const TGridTable& table = tables.Table(c.table);
    ASSERT_LT(c.column, table.ColumnCount());
    EXPECT_EQ(table.Column(c.column).Headers().front(), c.header);
    if (c.last) EXPECT_EQ(c.column, table.ColumnCount() - 1);
  }
}

TEST(MainTables, NamesOutsideTheSetAreRefused) {
  const MainTables tables;
  EXPECT_TRUE(tables.Has(Tiebacks::kName));
  EXPECT_FALSE(tables.Has("Tieback"));
  EXPECT_THROW(tables.Table("Tieback"), Exception);
  EXPECT_THROW(tables.ChartTable(WallStiffness::kName), Exception);
}

}  // namespace
}  // namespace veldra::app
