// The input tables of the application: every table of the problem and the
// templates of their sub-tables, with their columns, limits and notes.
//
// Each table is named here by what it holds; the value is the name it has always
// been stored and reached under ("SoilLayer" holds the restraints). The columns of
// each table have named indices, shared by the writer, the loader and the table
// windows.
//
// MainTables owns every table and is meant to exist once (the main window's); the
// tables register their fixed identifiers, so a second live instance would take
// them over (identifiers swap) and the first would resolve its templates to the
// second's.
#ifndef VELDRA_APP_MAIN_TABLES_H
#define VELDRA_APP_MAIN_TABLES_H

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/grid_table.h"
#include "framework/grid_table_chart.h"

namespace veldra::app {

// --- The tables of the problem ---------------------------------------------------

// Flexural stiffness along the wall, by station ranges.
struct WallStiffness {
  static constexpr const char* kName = "PileSect";
  enum Column : int { kFromNode, kToNode, kContinuation, kStiffness };
};
// Specified deflections and slopes.
struct Restraints {
  static constexpr const char* kName = "SoilLayer";
  enum Column : int { kCase, kNode, kDeflection, kSlope };
};
// Lateral loads, moments and axial loads at stations.
struct ConcentratedLoads {
  static constexpr const char* kName = "BoundCond";
  enum Column : int { kContinuation, kFromNode, kToNode, kLateralLoad, kMoment, kAxialLoad };
};
// Lateral and rotational springs at stations.
struct Springs {
  static constexpr const char* kName = "SoilStrength";
  enum Column : int { kContinuation, kFromNode, kToNode, kLateralStiffness, kRotationalStiffness };
};
// Depth-wise factors on the generated p-y curves.
struct PYModification {
  static constexpr const char* kName = "PYMod";
  enum Column : int { kDepth, kPMultiplier, kYMultiplier };
};
// The user's earth-pressure distribution, short term and long term.
struct PressureDistribution {
  static constexpr const char* kName = "DistLoad";
  static constexpr const char* kLongTermName = "LongDist";
  enum Column : int { kDepth, kLoad };
};
// Point, line and strip surcharges.
struct Surcharges {
  static constexpr const char* kName = "SurchargeTable";
  enum Column : int { kLoadType, kMagnitude, kDistance, kStripWidth };
  // Load types of kLoadType.
  enum LoadType : int { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };
};
// Tiebacks (ground anchors).
struct Tiebacks {
  static constexpr const char* kName = "TiebackTable1";
  enum Column : int { kDepth, kArea, kModulus, kUnbondedLength, kAngle, kSpacing, kPrestress };
};
// Soil layers, short term and long term; each row holds a parameter table of its
// soil type (the templates below).
struct SoilLayers {
  static constexpr const char* kName = "NewSoil";
  static constexpr const char* kLongTermName = "LongSoil";
  enum Column : int { kSoilType, kBottom, kParameters };
};
// The user's p-y curves, one per row, with their multipliers.
struct PYCurveSets {
  static constexpr const char* kName = "PYCurves2";
  enum Column : int { kNode, kCurve, kPMultiplier, kYMultiplier };
};
// Moment-EI curves over station ranges.
struct MomentEICurveSets {
  static constexpr const char* kName = "MEICurves2";
  enum Column : int { kFromNode, kToNode, kCurve };
};

// --- Templates of the sub-tables ---------------------------------------------------

// Soil parameters of a layer: row 0 at its top, row 1 at its bottom.
struct ClayParameters {
  static constexpr const char* kName = "TblClay1";
  enum Column : int { kUnitWeight, kCohesion, kE50, kK, kPressureCoefficient };
};
struct SandParameters {
  static constexpr const char* kName = "TblSand1";
  enum Column : int { kUnitWeight, kFrictionAngle, kK, kPressureCoefficient };
};
struct SiltParameters {
  static constexpr const char* kName = "TblSilt1";
  enum Column : int { kUnitWeight, kFrictionAngle, kCohesion, kE50, kK, kPressureCoefficient };
};
struct StrongRockParameters {
  static constexpr const char* kName = "TblRock1";
  enum Column : int { kUnitWeight, kCompressiveStrength };
};
struct WeakRockParameters {
  static constexpr const char* kName = "TblRock2";
  enum Column : int { kUnitWeight, kCompressiveStrength, kKrm, kModulus, kRQD };
};
// The points of one p-y curve and of one moment-EI curve.
struct PYCurvePoints {
  static constexpr const char* kName = "PYCurve2";
  enum Column : int { kY, kP };
};
struct MomentEIPoints {
  static constexpr const char* kName = "Rows2";
  enum Column : int { kMoment, kStiffness };
};

class MainTables {
 public:
  // Builds every table and gives each its minimum row count (a soil-layer row then
  // holds a two-row parameter table of its type).
  MainTables();
  ~MainTables();
  MainTables(const MainTables&) = delete;
  MainTables& operator=(const MainTables&) = delete;

  // The table of a name; framework::Exception "Unknown table <name>" for any other
  // name.
  framework::TGridTable& Table(std::string_view name) const;
  // A chart-capable table (the curve sets and their points); framework::Exception
  // for a name of a plain table.
  framework::TGridTableChart& ChartTable(std::string_view name) const;
  bool Has(std::string_view name) const;
  // Every table in definition order: templates, then the tables of the problem.
  std::vector<std::pair<std::string, framework::TGridTable*>> All() const;

 private:
  std::vector<std::pair<std::string, std::unique_ptr<framework::TGridTable>>> tables_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_MAIN_TABLES_H
