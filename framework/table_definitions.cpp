#include "framework/table_definitions.h"

#include "framework/enum_column.h"
#include "framework/exceptions.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/table_column.h"

namespace veldra::framework {

namespace {

using Headers = std::vector<std::string>;

// Identifiers by which the sub-table columns name their templates. The plain and
// the chart-capable tables are numbered apart.
constexpr int kPileSectId = 0;
constexpr int kSoilLayerId = 1;
constexpr int kBoundCondId = 2;
constexpr int kSoilStrengthId = 3;
constexpr int kPYModId = 4;
constexpr int kDistLoadId = 5;
constexpr int kLongDistId = 6;
constexpr int kSurchargeTableId = 7;
constexpr int kTiebackTable1Id = 8;
constexpr int kNewSoilId = 9;
constexpr int kLongSoilId = 10;
constexpr int kTblClay1Id = 11;
constexpr int kTblSand1Id = 12;
constexpr int kTblSilt1Id = 13;
constexpr int kTblRock1Id = 14;
constexpr int kTblRock2Id = 15;
constexpr int kRows2Id = 0;
constexpr int kMEICurves2Id = 36;
constexpr int kPYCurves2Id = 37;
constexpr int kPYCurve2Id = 38;

constexpr int kNodeMax = 2147483600;

constexpr const char* kInterpolationNote =
    "Linear interpolation (when selected) is performed from START node of previous line to END node of "
    "the following line.";
constexpr const char* kEarthPressureNote =
    "The user may optionally enter an earth pressure coefficient for generating \rlateral earth pressure "
    "that is equal to the vertical soil pressure multiplied \rby this user-specified coefficient. If the "
    "user does not intend to use this option, \rplease leave the optional earth pressure coefficient as "
    "zero and the program will \ruse the active earth pressure coefficient calculated internally.";

std::unique_ptr<TIntColumn> Int(Headers headers, std::int32_t value = 0, std::int32_t min = kInt32Min,
                                std::int32_t max = kInt32Max) {
  auto column = std::make_unique<TIntColumn>();
  column->Headers() = std::move(headers);
  column->SetDefault(value);
  column->SetMin(min);
  column->SetMax(max);
  return column;
}

std::unique_ptr<TFloatColumn> Float(Headers headers, std::string units = {}, EntryNumber value = 0) {
  auto column = std::make_unique<TFloatColumn>();
  column->Headers() = std::move(headers);
  column->SetUnitsString(std::move(units));
  column->SetDefault(value);
  return column;
}

std::unique_ptr<TEnumColumn> Choice(Headers headers, std::vector<std::string> items) {
  auto column = std::make_unique<TEnumColumn>();
  column->Headers() = std::move(headers);
  column->SetItems(std::move(items));
  return column;
}

std::unique_ptr<TTableColumn> SubTables(Headers headers, std::vector<int> templates) {
  auto column = std::make_unique<TTableColumn>();
  column->Headers() = std::move(headers);
  for (int identifier : templates) column->Templates().Add(identifier);
  return column;
}

void SetRows(TGridTable& table, int min_rows, int max_rows) {
  table.SetMinRows(min_rows);
  table.SetMaxRows(max_rows);
}

std::vector<std::string> SoilTypes(const char* second) {
  return {"Soft Clay", second, "Stiff Clay w/o Free Water", "Sand", "Silt (c-phi soil)", "Strong Rock",
          "Weak Rock"};
}

// Soil types 1 to 3 are clays and share a template.
const std::vector<int> kSoilTemplates = {kTblClay1Id, kTblClay1Id, kTblClay1Id, kTblSand1Id,
                                         kTblSilt1Id, kTblRock1Id, kTblRock2Id};

void DefineSoilLayers(TGridTable& table, const char* caption, const char* second_type) {
  table.SetCaption(caption);
  SetRows(table, 1, 10);
  table.AddColumn(Choice({"Soil Type"}, SoilTypes(second_type)));
  table.AddColumn(Float({"Depth at Bottom", "of the Layer,"}, "L2"));
  table.AddColumn(SubTables({"Edit Soil", "Parameters"}, kSoilTemplates));
}

void DefineDistributedLoads(TGridTable& table, const char* caption, int max_rows, int min_rows) {
  table.SetCaption(caption);
  SetRows(table, min_rows, max_rows);
  table.SetHelpPicture("PressureDiagram");
  table.AddColumn(Float({"Depth measured from the top of the wall,"}, "L2"));
  table.AddColumn(Float({"Lateral distributed line load, "}, "F/L2"));
}

}  // namespace

TGridTable& MainTables::Define(std::string name, std::unique_ptr<TGridTable> table, int identifier) {
  table->SetIdentifier(identifier);
  tables_.emplace_back(std::move(name), std::move(table));
  return *tables_.back().second;
}

MainTables::MainTables() {
  // Templates of the soil-parameter sub-tables: two rows, top and bottom of a layer.
  {
    TGridTable& t = Define(kTblClay1, std::make_unique<TGridTable>(), kTblClay1Id);
    t.SetCaption("Clay");
    SetRows(t, 2, 2);
    t.SetComments(kEarthPressureNote);
    t.AddColumn(Float({"Total Unit", "Weight,"}, "F/L2^3"));
    t.AddColumn(Float({"Cohesive", "Strength,"}, "F/L2^2"));
    t.AddColumn(Float({"E50"}));
    t.AddColumn(Float({"k(py)"}, "F/L^3"));
    t.AddColumn(Float({"Optional Earth", "Pressure Coefficient"}));
  }
  {
    TGridTable& t = Define(kTblSand1, std::make_unique<TGridTable>(), kTblSand1Id);
    t.SetCaption("Sand");
    SetRows(t, 2, 2);
    t.SetComments(kEarthPressureNote);
    t.AddColumn(Float({"Total Unit", "Weight,"}, "F/L2^3"));
    t.AddColumn(Float({"Friction", "Angle, deg."}));
    t.AddColumn(Float({"k(py)"}, "F/L^3"));
    t.AddColumn(Float({"Optional Earth", "Pressure Coefficient"}));
  }
  {
    TGridTable& t = Define(kTblSilt1, std::make_unique<TGridTable>(), kTblSilt1Id);
    t.SetCaption("Silt");
    SetRows(t, 2, 2);
    t.SetComments(kEarthPressureNote);
    t.AddColumn(Float({"Total Unit ", "Weight,"}, "F/L2^3"));
    t.AddColumn(Float({"Friction", "Angle, deg."}));
    t.AddColumn(Float({"Cohesive", "Strength,"}, "F/L2^2"));
    t.AddColumn(Float({"E50"}));
    t.AddColumn(Float({"K(py)"}, "F/L^3"));
    t.AddColumn(Float({"Optional Earth", "Pressure Coefficient"}));
  }
  {
    TGridTable& t = Define(kTblRock1, std::make_unique<TGridTable>(), kTblRock1Id);
    t.SetCaption("Strong Rock");
    SetRows(t, 2, 2);
    t.AddColumn(Float({"Total Unit", "Weight,"}, "F/L2^3"));
    t.AddColumn(Float({"Uniaxial Compressive", "Strength,"}, "F/L^2"));
  }
  {
    TGridTable& t = Define(kTblRock2, std::make_unique<TGridTable>(), kTblRock2Id);
    t.SetCaption("Weak Rock");
    SetRows(t, 2, 2);
    t.SetComments("* krm is a strain constant that seve to establish the overall stiffness of the curves");
    t.AddColumn(Float({"Total Unit", "Weight,"}, "F/L2^3"));
    t.AddColumn(Float({"Uniaxial Compressive", "Strength,"}, "F/L^2"));
    t.AddColumn(Float({"krm *"}));
    t.AddColumn(Float({"Elastic", "Modulus,"}, "F/L^2"));
    t.AddColumn(Float({"RQD", "%"}));
  }

  // Templates of the curve sub-tables, with their graphs and file import.
  {
    auto chart = std::make_unique<TGridTableChart>();
    chart->SetShowChart(true);
    chart->SetXColumn(0);
    chart->SetYColumn(1);
    chart->SetGetDataFromFile(true);
    TGridTable& t = Define(kRows2, std::move(chart), kRows2Id);
    t.SetCaption("Moment and EI data");
    SetRows(t, 1, 100);
    t.AddColumn(Float({"Bending moment"}, "F-L"));
    t.AddColumn(Float({"Flexural rigidity"}, "F-L^2"));
  }
  {
    auto chart = std::make_unique<TGridTableChart>();
    chart->SetShowChart(true);
    chart->SetXColumn(0);
    chart->SetYColumn(1);
    chart->SetGetDataFromFile(true);
    TGridTable& t = Define(kPYCurve2, std::move(chart), kPYCurve2Id);
    t.SetCaption("External p-y Curve");
    SetRows(t, 2, 17);
    t.SetComments(
        "* Use negative (-) values for deflections to the left (to backfill)\r     and positive (+) to the "
        "right (to excavation).\rLateral movement (y) should start from negative deflection\r     (towards "
        "backfill) and gradually increase to positive\r     deflection (towards excavation) for the range of "
        "the response.\rPositive soil resistance (p) should correspond to the negative\r     soil movement "
        "(-y) and negative soil resistance (-p) should\r     correspond to the positive soil movement (y).");
    t.AddColumn(Float({"Lateral Deflection, y (*)"}, "L"));
    t.AddColumn(Float({"Soil Resistance, p"}, "F/L"));
  }

  // The tables of the data model.
  {
    TGridTable& t = Define(kPileSect, std::make_unique<TGridTable>(), kPileSectId);
    t.SetCaption("Wall Stiffness");
    SetRows(t, 1, 10);
    t.SetComments(
        std::string("The nodal number at the top of the wall is set to be 0.\rValues of Flexural Stiffness (EI) "
                    "must be specified for all nodes of the wall.\r") +
        kInterpolationNote);
    t.AddColumn(Int({"From Node No. (Start)"}, 0, 0, kNodeMax));
    t.AddColumn(Int({"To Node No. (End)"}, 1));
    t.AddColumn(Choice({"Constant or Interpolate?"},
                       {"Use Constant Value for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"}));
    t.AddColumn(Float({"Flexural Stiffness (EI)"}, "F-L^2"));
  }
  {
    TGridTable& t = Define(kSoilLayer, std::make_unique<TGridTable>(), kSoilLayerId);
    t.SetCaption("Specify Deflection and Slope on Wall");
    SetRows(t, 1, 10);
    t.AddColumn(Choice({"Case"}, {"Specify Deflection", "Specify Slope"}));
    t.AddColumn(Int({"Nodal No."}, 0, 0, kNodeMax));
    t.AddColumn(Float({"Deflection"}, "L"));
    t.AddColumn(Float({"Slope"}));
  }
  const std::vector<std::string> constant_or_interpolate = {"Use Constant Values for all Nodes on this Line",
                                                            "Linear Interpolate to End Node of Next Line"};
  {
    TGridTable& t = Define(kBoundCond, std::make_unique<TGridTable>(), kBoundCondId);
    t.SetCaption("Concentrated Loads on Wall");
    SetRows(t, 1, 20);
    t.SetComments(
        std::string("The concentrated loads are applied at nodal points only (including the specified START and "
                    "END nodes).\r") +
        kInterpolationNote);
    t.AddColumn(Choice({"Constant or Interpolate?"}, constant_or_interpolate));
    t.AddColumn(Int({"From Node No. (Start)"}));
    t.AddColumn(Int({"To Node No. (End)"}, 1));
    t.AddColumn(Float({"Lateral Load"}, "F"));
    t.AddColumn(Float({"Moment"}, "F-L"));
    t.AddColumn(Float({"Axial Load"}, "F"));
  }
  {
    TGridTable& t = Define(kSoilStrength, std::make_unique<TGridTable>(), kSoilStrengthId);
    t.SetCaption("Lateral Spring and Rotation Spring");
    SetRows(t, 1, 20);
    t.SetComments(
        std::string("The spring stiffnesses are applied at nodal points only (including the specified START and "
                    "END nodes).\r") +
        kInterpolationNote);
    t.SetHelpPicture("TiebackArrangement");
    t.AddColumn(Choice({"Constant or Interpolate?"}, constant_or_interpolate));
    t.AddColumn(Int({"From Node No. (Start)"}));
    t.AddColumn(Int({"To Node No. (End)"}));
    t.AddColumn(Float({"Lateral Spring", "Stiffness"}, "F/L"));
    t.AddColumn(Float({"Rotational Spr.", "Stiff."}, "F-L/RAD."));
  }
  {
    TGridTable& t = Define(kPYMod, std::make_unique<TGridTable>(), kPYModId);
    t.SetCaption("p-y Modification Factors");
    SetRows(t, 2, 30);
    t.AddColumn(Float({"Depth"}, "L2"));
    t.AddColumn(Float({"p-Multiplier"}, {}, 1.0L));
    t.AddColumn(Float({"y-Multiplier"}, {}, 1.0L));
  }
  DefineDistributedLoads(Define(kDistLoad, std::make_unique<TGridTable>(), kDistLoadId), "Distributed Loads", 100, 2);
  DefineDistributedLoads(Define(kLongDist, std::make_unique<TGridTable>(), kLongDistId),
                         "Distributed Load (Long-Term)", 0, 1);
  {
    TGridTable& t = Define(kSurchargeTable, std::make_unique<TGridTable>(), kSurchargeTableId);
    t.SetCaption("Surcharge Loads");
    SetRows(t, 1, 20);
    t.SetComments(
        "The unit for point load is lbs or kN \rThe unit for line load is lbs/in. or kN/m \rThe unit for strip "
        "load is lbs/in^2 or kN/m^2 \rFor strip load, Distance X goes from the wall to the middle of the strip "
        "width");
    t.AddColumn(Choice({"Load Types"}, {"Point Load", "Line Load", "Strip Load"}));
    t.AddColumn(Float({"Load Magnitude"}, "SEE NOTES"));
    t.AddColumn(Float({"Distance, X"}, "L1"));
    t.AddColumn(Float({"Width of Strip Load, W"}, "L1"));
  }
  {
    TGridTable& t = Define(kTiebackTable1, std::make_unique<TGridTable>(), kTiebackTable1Id);
    t.SetCaption("Tieback (ground anchor) Table");
    SetRows(t, 1, 20);
    t.AddColumn(Float({"Depth from top", "of wall,"}, "L2"));
    t.AddColumn(Float({"Cross sectional area", "of steel rod,"}, "L1^2"));
    t.AddColumn(Float({"Elastic modulus", "of steel,"}, "F/L^2"));
    t.AddColumn(Float({"Unbonded anchor", "length,"}, "L2"));
    t.AddColumn(Float({"Angle from", "horizontal,"}, "DEG."));
    t.AddColumn(Float({"Anchor spacing", "in each row,"}, "L2"));
    t.AddColumn(Float({"Prestressing Force"}, "F"));
  }
  DefineSoilLayers(Define(kNewSoil, std::make_unique<TGridTable>(), kNewSoilId), "Soil Layers",
                   "Stiff Clay with Free Water");
  DefineSoilLayers(Define(kLongSoil, std::make_unique<TGridTable>(), kLongSoilId), "Soil Layers (Long-Term)",
                   "Stiff Clay with Free water");
  {
    TGridTable& t = Define(kPYCurves2, std::make_unique<TGridTableChart>(), kPYCurves2Id);
    t.SetCaption("Sets of Ext. p-y Curves");
    SetRows(t, 2, 30);
    t.AddColumn(Int({"Node # "}));
    t.AddColumn(SubTables({"Multiplier for p-value"}, {kPYCurve2Id}));
    t.AddColumn(Float({"Multiplier for p-value"}, {}, 1.0L));
    t.AddColumn(Float({"Multiplier for y-value"}, {}, 1.0L));
  }
  {
    TGridTable& t = Define(kMEICurves2, std::make_unique<TGridTableChart>(), kMEICurves2Id);
    t.SetCaption("Nonlinear Moment vs EI Curves");
    SetRows(t, 1, 20);
    t.AddColumn(Int({"From Node No. (Start)"}, 0, 0, 1000));
    t.AddColumn(Int({"To Node No. (End)"}, 0, 0, 1000));
    t.AddColumn(SubTables({"Edit Curve"}, {kRows2Id}));
  }

  // Rows last: the templates must all exist before a soil layer or curve set is made.
  for (auto& [name, table] : tables_) table->SetRowCount(table->MinRows());
}

MainTables::~MainTables() = default;

TGridTable& MainTables::Table(std::string_view name) const {
  for (const auto& [table_name, table] : tables_)
    if (table_name == name) return *table;
  throw Exception("Unknown table " + std::string(name));
}

TGridTableChart& MainTables::ChartTable(std::string_view name) const {
  auto* chart = dynamic_cast<TGridTableChart*>(&Table(name));
  if (!chart) throw Exception("Not a chart table: " + std::string(name));
  return *chart;
}

bool MainTables::Has(std::string_view name) const {
  for (const auto& entry : tables_)
    if (entry.first == name) return true;
  return false;
}

std::vector<std::pair<std::string, TGridTable*>> MainTables::All() const {
  std::vector<std::pair<std::string, TGridTable*>> all;
  for (const auto& [name, table] : tables_) all.emplace_back(name, table.get());
  return all;
}

}  // namespace veldra::framework
