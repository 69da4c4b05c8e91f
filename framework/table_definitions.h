// The input tables of the main window, with their columns, limits, notes and
// sub-table templates, built in one place.
//
// MainTables owns every table and is meant to exist once (the main window's); the
// tables register their fixed identifiers, so a second live instance would take
// them over (identifiers swap) and the first would resolve its templates to the
// second's.
#ifndef VELDRA_FRAMEWORK_TABLE_DEFINITIONS_H
#define VELDRA_FRAMEWORK_TABLE_DEFINITIONS_H

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/grid_table.h"
#include "framework/grid_table_chart.h"

namespace veldra::framework {

// Names by which the data model reaches the tables.
inline constexpr const char* kPileSect = "PileSect";
inline constexpr const char* kSoilLayer = "SoilLayer";
inline constexpr const char* kBoundCond = "BoundCond";
inline constexpr const char* kSoilStrength = "SoilStrength";
inline constexpr const char* kPYMod = "PYMod";
inline constexpr const char* kDistLoad = "DistLoad";
inline constexpr const char* kLongDist = "LongDist";
inline constexpr const char* kSurchargeTable = "SurchargeTable";
inline constexpr const char* kTiebackTable1 = "TiebackTable1";
inline constexpr const char* kNewSoil = "NewSoil";
inline constexpr const char* kLongSoil = "LongSoil";
inline constexpr const char* kPYCurves2 = "PYCurves2";
inline constexpr const char* kMEICurves2 = "MEICurves2";
inline constexpr const char* kTblClay1 = "TblClay1";
inline constexpr const char* kTblSand1 = "TblSand1";
inline constexpr const char* kTblSilt1 = "TblSilt1";
inline constexpr const char* kTblRock1 = "TblRock1";
inline constexpr const char* kTblRock2 = "TblRock2";
inline constexpr const char* kPYCurve2 = "PYCurve2";
inline constexpr const char* kRows2 = "Rows2";

class MainTables {
 public:
  // Builds every table and gives each its minimum row count (a soil-layer row then
  // holds a two-row parameter table of its type).
  MainTables();
  ~MainTables();
  MainTables(const MainTables&) = delete;
  MainTables& operator=(const MainTables&) = delete;

  // The table of a name; Exception "Unknown table <name>" for any other name.
  TGridTable& Table(std::string_view name) const;
  // A chart-capable table (Rows2, MEICurves2, PYCurves2, PYCurve2); Exception for a
  // name of a plain table.
  TGridTableChart& ChartTable(std::string_view name) const;
  bool Has(std::string_view name) const;
  // Every table in definition order: templates, then the tables of the data model.
  std::vector<std::pair<std::string, TGridTable*>> All() const;

 private:
  TGridTable& Define(std::string name, std::unique_ptr<TGridTable> table, int identifier);
  std::vector<std::pair<std::string, std::unique_ptr<TGridTable>>> tables_;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_TABLE_DEFINITIONS_H
