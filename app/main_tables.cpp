#include "app/main_tables.h"

#include <cstdint>

#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/table_column.h"

namespace veldra::app {

namespace fw = veldra::framework;

namespace {

using Texts = std::vector<std::string>;

// Identifiers by which the sub-table columns name their templates. The plain and
// the chart-capable tables are numbered apart.
enum PlainId : int {
  kWallStiffnessId = 0,
  kRestraintsId = 1,
  kConcentratedLoadsId = 2,
  kSpringsId = 3,
  kPYModificationId = 4,
  kPressureDistributionId = 5,
  kLongTermPressureDistributionId = 6,
  kSurchargesId = 7,
  kTiebacksId = 8,
  kSoilLayersId = 9,
  kLongTermSoilLayersId = 10,
  kClayId = 11,
  kSandId = 12,
  kSiltId = 13,
  kStrongRockId = 14,
  kWeakRockId = 15,
};
enum ChartId : int {
  kMomentEIPointsId = 0,
  kMomentEICurveSetsId = 36,
  kPYCurveSetsId = 37,
  kPYCurvePointsId = 38,
};

constexpr std::int32_t kNodeMax = 2147483600;

// --- One column ------------------------------------------------------------------

enum class ColumnKind { kInt, kFloat, kChoice, kSubTables };

struct ColumnSpec {
  ColumnKind kind;
  Texts headers;
  std::string units;          // float columns
  fw::EntryNumber value = 0;  // default of int and float columns
  std::int32_t min = fw::kInt32Min;
  std::int32_t max = fw::kInt32Max;
  Texts items;                 // choice columns
  std::vector<int> templates;  // sub-table columns
};

ColumnSpec Int(Texts headers, std::int32_t value = 0, std::int32_t min = fw::kInt32Min,
               std::int32_t max = fw::kInt32Max) {
  return {ColumnKind::kInt, std::move(headers), {}, static_cast<fw::EntryNumber>(value), min, max, {}, {}};
}

ColumnSpec Float(Texts headers, std::string units = {}, fw::EntryNumber value = 0) {
  return {ColumnKind::kFloat, std::move(headers), std::move(units), value, fw::kInt32Min, fw::kInt32Max, {}, {}};
}

ColumnSpec Choice(Texts headers, Texts items) {
  return {ColumnKind::kChoice, std::move(headers), {}, 0, fw::kInt32Min, fw::kInt32Max, std::move(items), {}};
}

ColumnSpec SubTables(Texts headers, std::vector<int> templates) {
  return {ColumnKind::kSubTables, std::move(headers), {}, 0, fw::kInt32Min, fw::kInt32Max, {}, std::move(templates)};
}

std::unique_ptr<fw::TColumn> MakeColumn(const ColumnSpec& spec) {
  switch (spec.kind) {
    case ColumnKind::kInt: {
      auto column = std::make_unique<fw::TIntColumn>();
      column->Headers() = spec.headers;
      column->SetDefault(static_cast<std::int32_t>(spec.value));
      column->SetMin(spec.min);
      column->SetMax(spec.max);
      return column;
    }
    case ColumnKind::kFloat: {
      auto column = std::make_unique<fw::TFloatColumn>();
      column->Headers() = spec.headers;
      column->SetUnitsString(spec.units);
      column->SetDefault(spec.value);
      return column;
    }
    case ColumnKind::kChoice: {
      auto column = std::make_unique<fw::TEnumColumn>();
      column->Headers() = spec.headers;
      column->SetItems(spec.items);
      return column;
    }
    case ColumnKind::kSubTables: {
      auto column = std::make_unique<fw::TTableColumn>();
      column->Headers() = spec.headers;
      for (int identifier : spec.templates) column->Templates().Add(identifier);
      return column;
    }
  }
  return nullptr;
}

// --- One table -------------------------------------------------------------------

enum class TableKind {
  kPlain,
  kChart,  // chart-capable, no graph of its own (a list of curves)
  kCurve,  // a curve: graph of column 1 over column 0, points read from files
};

struct TableSpec {
  const char* name;
  int identifier;
  TableKind kind;
  const char* caption;
  int min_rows;
  int max_rows;  // 0: no limit
  std::string comments;
  const char* help_picture;
  std::vector<ColumnSpec> columns;
};

TableSpec Table(const char* name, int identifier, TableKind kind, const char* caption, int min_rows, int max_rows,
                std::string comments, const char* help_picture, std::vector<ColumnSpec> columns) {
  return {name, identifier, kind, caption, min_rows, max_rows, std::move(comments), help_picture, std::move(columns)};
}

constexpr const char* kInterpolationNote =
    "Linear interpolation (when selected) is performed from START node of previous line to END node of "
    "the following line.";
constexpr const char* kEarthPressureNote =
    "The user may optionally enter an earth pressure coefficient for generating \rlateral earth pressure "
    "that is equal to the vertical soil pressure multiplied \rby this user-specified coefficient. If the "
    "user does not intend to use this option, \rplease leave the optional earth pressure coefficient as "
    "zero and the program will \ruse the active earth pressure coefficient calculated internally.";
constexpr const char* kPYCurveNote =
    "* Use negative (-) values for deflections to the left (to backfill)\r     and positive (+) to the "
    "right (to excavation).\rLateral movement (y) should start from negative deflection\r     (towards "
    "backfill) and gradually increase to positive\r     deflection (towards excavation) for the range of "
    "the response.\rPositive soil resistance (p) should correspond to the negative\r     soil movement "
    "(-y) and negative soil resistance (-p) should\r     correspond to the positive soil movement (y).";
constexpr const char* kSurchargeNote =
    "The unit for point load is lbs or kN \rThe unit for line load is lbs/in. or kN/m \rThe unit for strip "
    "load is lbs/in^2 or kN/m^2 \rFor strip load, Distance X goes from the wall to the middle of the strip "
    "width";

Texts SoilTypes(const char* second) {
  return {"Soft Clay", second, "Stiff Clay w/o Free Water", "Sand", "Silt (c-phi soil)", "Strong Rock", "Weak Rock"};
}

std::vector<ColumnSpec> SoilLayerColumns(const char* second_type) {
  // Soil types 1 to 3 are clays and share a template.
  return {Choice({"Soil Type"}, SoilTypes(second_type)), Float({"Depth at Bottom", "of the Layer,"}, "L2"),
          SubTables({"Edit Soil", "Parameters"},
                    {kClayId, kClayId, kClayId, kSandId, kSiltId, kStrongRockId, kWeakRockId})};
}

std::vector<ColumnSpec> DistributionColumns() {
  return {Float({"Depth measured from the top of the wall,"}, "L2"),
          Float({"Lateral distributed line load, "}, "F/L2")};
}

const Texts kConstantOrInterpolate = {"Use Constant Values for all Nodes on this Line",
                                      "Linear Interpolate to End Node of Next Line"};

// Every table, in the order they are made: the templates first, so that the rows
// of the other tables are made from complete templates.
std::vector<TableSpec> TableSpecs() {
  return {
      Table(ClayParameters::kName, kClayId, TableKind::kPlain, "Clay", 2, 2, kEarthPressureNote, "",
            {Float({"Total Unit", "Weight,"}, "F/L2^3"), Float({"Cohesive", "Strength,"}, "F/L2^2"), Float({"E50"}),
             Float({"k(py)"}, "F/L^3"), Float({"Optional Earth", "Pressure Coefficient"})}),
      Table(SandParameters::kName, kSandId, TableKind::kPlain, "Sand", 2, 2, kEarthPressureNote, "",
            {Float({"Total Unit", "Weight,"}, "F/L2^3"), Float({"Friction", "Angle, deg."}), Float({"k(py)"}, "F/L^3"),
             Float({"Optional Earth", "Pressure Coefficient"})}),
      Table(SiltParameters::kName, kSiltId, TableKind::kPlain, "Silt", 2, 2, kEarthPressureNote, "",
            {Float({"Total Unit ", "Weight,"}, "F/L2^3"), Float({"Friction", "Angle, deg."}),
             Float({"Cohesive", "Strength,"}, "F/L2^2"), Float({"E50"}), Float({"K(py)"}, "F/L^3"),
             Float({"Optional Earth", "Pressure Coefficient"})}),
      Table(StrongRockParameters::kName, kStrongRockId, TableKind::kPlain, "Strong Rock", 2, 2, "", "",
            {Float({"Total Unit", "Weight,"}, "F/L2^3"), Float({"Uniaxial Compressive", "Strength,"}, "F/L^2")}),
      Table(WeakRockParameters::kName, kWeakRockId, TableKind::kPlain, "Weak Rock", 2, 2,
            "* krm is a strain constant that seve to establish the overall stiffness of the curves", "",
            {Float({"Total Unit", "Weight,"}, "F/L2^3"), Float({"Uniaxial Compressive", "Strength,"}, "F/L^2"),
             Float({"krm *"}), Float({"Elastic", "Modulus,"}, "F/L^2"), Float({"RQD", "%"})}),

      Table(MomentEIPoints::kName, kMomentEIPointsId, TableKind::kCurve, "Moment and EI data", 1, 100, "", "",
            {Float({"Bending moment"}, "F-L"), Float({"Flexural rigidity"}, "F-L^2")}),
      Table(PYCurvePoints::kName, kPYCurvePointsId, TableKind::kCurve, "External p-y Curve", 2, 17, kPYCurveNote, "",
            {Float({"Lateral Deflection, y (*)"}, "L"), Float({"Soil Resistance, p"}, "F/L")}),

      Table(WallStiffness::kName, kWallStiffnessId, TableKind::kPlain, "Wall Stiffness", 1, 10,
            std::string("The nodal number at the top of the wall is set to be 0.\rValues of Flexural Stiffness (EI) "
                        "must be specified for all nodes of the wall.\r") +
                kInterpolationNote,
            "",
            {Int({"From Node No. (Start)"}, 0, 0, kNodeMax), Int({"To Node No. (End)"}, 1),
             Choice({"Constant or Interpolate?"},
                    {"Use Constant Value for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"}),
             Float({"Flexural Stiffness (EI)"}, "F-L^2")}),
      Table(Restraints::kName, kRestraintsId, TableKind::kPlain, "Specify Deflection and Slope on Wall", 1, 10, "", "",
            {Choice({"Case"}, {"Specify Deflection", "Specify Slope"}), Int({"Nodal No."}, 0, 0, kNodeMax),
             Float({"Deflection"}, "L"), Float({"Slope"})}),
      Table(ConcentratedLoads::kName, kConcentratedLoadsId, TableKind::kPlain, "Concentrated Loads on Wall", 1, 20,
            std::string("The concentrated loads are applied at nodal points only (including the specified START and "
                        "END nodes).\r") +
                kInterpolationNote,
            "",
            {Choice({"Constant or Interpolate?"}, kConstantOrInterpolate), Int({"From Node No. (Start)"}),
             Int({"To Node No. (End)"}, 1), Float({"Lateral Load"}, "F"), Float({"Moment"}, "F-L"),
             Float({"Axial Load"}, "F")}),
      Table(Springs::kName, kSpringsId, TableKind::kPlain, "Lateral Spring and Rotation Spring", 1, 20,
            std::string("The spring stiffnesses are applied at nodal points only (including the specified START and "
                        "END nodes).\r") +
                kInterpolationNote,
            "TiebackArrangement",
            {Choice({"Constant or Interpolate?"}, kConstantOrInterpolate), Int({"From Node No. (Start)"}),
             Int({"To Node No. (End)"}), Float({"Lateral Spring", "Stiffness"}, "F/L"),
             Float({"Rotational Spr.", "Stiff."}, "F-L/RAD.")}),
      Table(PYModification::kName, kPYModificationId, TableKind::kPlain, "p-y Modification Factors", 2, 30, "", "",
            {Float({"Depth"}, "L2"), Float({"p-Multiplier"}, {}, 1.0L), Float({"y-Multiplier"}, {}, 1.0L)}),
      Table(PressureDistribution::kName, kPressureDistributionId, TableKind::kPlain, "Distributed Loads", 2, 100, "",
            "PressureDiagram", DistributionColumns()),
      Table(PressureDistribution::kLongTermName, kLongTermPressureDistributionId, TableKind::kPlain,
            "Distributed Load (Long-Term)", 1, 0, "", "PressureDiagram", DistributionColumns()),
      Table(Surcharges::kName, kSurchargesId, TableKind::kPlain, "Surcharge Loads", 1, 20, kSurchargeNote, "",
            {Choice({"Load Types"}, {"Point Load", "Line Load", "Strip Load"}), Float({"Load Magnitude"}, "SEE NOTES"),
             Float({"Distance, X"}, "L1"), Float({"Width of Strip Load, W"}, "L1")}),
      Table(Tiebacks::kName, kTiebacksId, TableKind::kPlain, "Tieback (ground anchor) Table", 1, 20, "", "",
            {Float({"Depth from top", "of wall,"}, "L2"), Float({"Cross sectional area", "of steel rod,"}, "L1^2"),
             Float({"Elastic modulus", "of steel,"}, "F/L^2"), Float({"Unbonded anchor", "length,"}, "L2"),
             Float({"Angle from", "horizontal,"}, "DEG."), Float({"Anchor spacing", "in each row,"}, "L2"),
             Float({"Prestressing Force"}, "F")}),
      Table(SoilLayers::kName, kSoilLayersId, TableKind::kPlain, "Soil Layers", 1, 10, "", "",
            SoilLayerColumns("Stiff Clay with Free Water")),
      Table(SoilLayers::kLongTermName, kLongTermSoilLayersId, TableKind::kPlain, "Soil Layers (Long-Term)", 1, 10, "",
            "", SoilLayerColumns("Stiff Clay with Free water")),
      Table(PYCurveSets::kName, kPYCurveSetsId, TableKind::kChart, "Sets of Ext. p-y Curves", 2, 30, "", "",
            {Int({"Node # "}), SubTables({"Multiplier for p-value"}, {kPYCurvePointsId}),
             Float({"Multiplier for p-value"}, {}, 1.0L), Float({"Multiplier for y-value"}, {}, 1.0L)}),
      Table(MomentEICurveSets::kName, kMomentEICurveSetsId, TableKind::kChart, "Nonlinear Moment vs EI Curves", 1, 20,
            "", "",
            {Int({"From Node No. (Start)"}, 0, 0, 1000), Int({"To Node No. (End)"}, 0, 0, 1000),
             SubTables({"Edit Curve"}, {kMomentEIPointsId})}),
  };
}

std::unique_ptr<fw::TGridTable> MakeTable(const TableSpec& spec) {
  std::unique_ptr<fw::TGridTable> table;
  if (spec.kind == TableKind::kPlain) {
    table = std::make_unique<fw::TGridTable>();
  } else {
    auto chart = std::make_unique<fw::TGridTableChart>();
    if (spec.kind == TableKind::kCurve) {
      chart->SetShowChart(true);
      chart->SetXColumn(0);
      chart->SetYColumn(1);
      chart->SetGetDataFromFile(true);
    }
    table = std::move(chart);
  }
  table->SetIdentifier(spec.identifier);
  table->SetCaption(spec.caption);
  table->SetMinRows(spec.min_rows);
  table->SetMaxRows(spec.max_rows);
  if (!spec.comments.empty()) table->SetComments(spec.comments);
  if (*spec.help_picture) table->SetHelpPicture(spec.help_picture);
  for (const ColumnSpec& column : spec.columns) table->AddColumn(MakeColumn(column));
  return table;
}

}  // namespace

MainTables::MainTables() {
  for (const TableSpec& spec : TableSpecs()) tables_.emplace_back(spec.name, MakeTable(spec));
  // Rows last: the templates must all exist before a soil layer or curve set is made.
  for (auto& [name, table] : tables_) table->SetRowCount(table->MinRows());
}

MainTables::~MainTables() = default;

fw::TGridTable& MainTables::Table(std::string_view name) const {
  for (const auto& [table_name, table] : tables_)
    if (table_name == name) return *table;
  throw fw::Exception("Unknown table " + std::string(name));
}

fw::TGridTableChart& MainTables::ChartTable(std::string_view name) const {
  auto* chart = dynamic_cast<fw::TGridTableChart*>(&Table(name));
  if (!chart) throw fw::Exception("Not a chart table: " + std::string(name));
  return *chart;
}

bool MainTables::Has(std::string_view name) const {
  for (const auto& entry : tables_)
    if (entry.first == name) return true;
  return false;
}

std::vector<std::pair<std::string, fw::TGridTable*>> MainTables::All() const {
  std::vector<std::pair<std::string, fw::TGridTable*>> all;
  for (const auto& [name, table] : tables_) all.emplace_back(name, table.get());
  return all;
}

}  // namespace veldra::app
