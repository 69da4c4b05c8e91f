// TProgramData: the current retaining-wall problem.
//
// It holds the title, the unit system, the file names, the scalar wall and soil
// quantities, the option flags, the stage bookkeeping and the control values derived
// at every save. The tabular input lives in the main window's tables (reached through
// the model, TMainModel); the problem never owns them, but it converts them when the
// unit system changes and clears them when an option that gates them is turned off.
//
// Lengths and forces are stored in the internal units of UnitSystem: inches and
// pounds (1, English), metres and kilonewtons (2, SI), the user's own units (3).
// Dialogs show some of them in feet or per-foot units; that conversion is theirs.
#ifndef VELDRA_APP_PROGRAM_DATA_H
#define VELDRA_APP_PROGRAM_DATA_H

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/entry_number.h"
#include "framework/grid_table.h"

namespace veldra::app {

using framework::EntryNumber;

class TMainModel;

// The name of a problem never saved.
inline constexpr const char* kNewFileName = "NewWall.vd5d";
inline constexpr const char* kNewTitle = "New Wall";

// The single surcharge of older data files. Units: distance and strip width are
// lengths, the point load a force, the line load force per length, the strip load
// force per area.
struct LegacySurchargeValues {
  EntryNumber distance = 0;
  EntryNumber point_load = 0;
  EntryNumber line_load = 0;
  EntryNumber strip_load = 0;
  EntryNumber strip_width = 0;
};

// The apply-options of the Options menu, each gating one table.
enum class ApplyOption {
  kRestraints,         // SoilLayer
  kConcentratedLoads,  // BoundCond
  kSprings,            // SoilStrength
  kExternalPY,         // PYCurves2
  kEICurves,           // MEICurves2
  kPYModification,     // PYMod
  kSurcharge,          // SurchargeTable
  kTiebacks,           // TiebackTable1 (kept when the option is turned off)
};

class TProgramData {
 public:
  // A new problem with the defaults: closes every child window of the main window,
  // sets the unit system to 1 through SetUnits, resets every table to 0 rows and then
  // to its minimum row count, and clears the modified state.
  explicit TProgramData(TMainModel& main);
  TProgramData(const TProgramData&) = delete;
  TProgramData& operator=(const TProgramData&) = delete;

  TMainModel& Main() const { return *main_; }
  // A table of the main window by its name ("PileSect", "NewSoil", ...).
  framework::TGridTable& Table(std::string_view name) const;

  // --- Scalar data -------------------------------------------------------------
  std::string Title = kNewTitle;  // first line of the data file
  int UnitSystem = 1;              // change it with SetUnits
  std::string FileName = kNewFileName;
  std::string StageFileName;       // stage file being read or written
  std::string SaveFileName;        // targets while a staged problem is saved
  std::string PreviousFileName;
  std::int32_t Increments = 0;     // N; nodes 0 (top of the wall) to N
  EntryNumber IncrementLength = 0;
  EntryNumber MaxDeflection = 100;
  EntryNumber ClosureTolerance = 0.00001L;
  EntryNumber WallHeight = 0;            // free height H
  EntryNumber ActiveWidth = 0;           // Wa; also the width tiebacks are spread over
  EntryNumber PYWidth = 0;               // Wp
  EntryNumber WaterDepthBackfill = 0;
  EntryNumber WaterDepthExcavation = 0;
  EntryNumber ActiveFactor = 1.0L;       // pure number
  EntryNumber BackfillSlope = 0;         // degrees
  EntryNumber UniformSurcharge = 0;      // force per area
  std::int32_t ConfigurationCode = 1;    // carried through the file unchanged
  LegacySurchargeValues LegacySurcharge;

  // --- Options and state -----------------------------------------------------------
  int EarthPressureOption = 2;  // 1 user distribution, 2 triangular, 3 trapezoidal
  bool UserPressure = false;    // EarthPressureOption == 1 (see SetEarthPressureOption)
  bool PressureGenerated = false;
  bool GeneratePY = true;
  bool ApplyExternalPY = false;
  bool ApplyEICurves = false;
  bool ApplyPYModification = false;
  bool ApplyConcentratedLoads = false;
  bool ApplySprings = false;
  bool ApplyTiebacks = false;
  bool ApplySurcharge = false;
  bool ApplyRestraints = false;
  bool LongTermMode = false;
  int StageCount = 1;    // 1 to 5; 1: not staged
  int CurrentStage = 1;  // 1 to StageCount
  // Which optional records a stage file holds (true for every file written here).
  bool Has2013Records = true;
  bool Has2015Records = true;

  // --- Control values, derived at every save (DeriveControlValues) -----------------
  int PressureCode = 0;  // KEP: 0 none, 1 user, 2 triangular, 3 trapezoidal
  int PYCode = 0;        // KPY: 0 none, 1 external curves only, 2 generated
  int EICurveSetCount = 0;
  int TiebackCount = 0;

  // --- Rules ------------------------------------------------------------------------
  // Switches the unit system (code clamped to 1..3). Only 1 -> 2 and 2 -> 1 convert
  // numbers: the scalar lengths and forces and the surcharge magnitudes (by F, F/L
  // or F/L^2 of their load type) with the factors of ScalarUnitFactors, every table
  // by its columns' units; every other switch relabels.
  void SetUnits(int code);

  // Sets the earth-pressure option and recomputes UserPressure.
  void SetEarthPressureOption(int option);

  // Flips an apply-option. Turning one off (from on) resets the table it gates to
  // its default empty state, except the tiebacks, whose table is kept.
  void SetApplyOption(ApplyOption option, bool on);
  bool ApplyOptionValue(ApplyOption option) const;

  // Turning generated p-y curves off forces the user pressure distribution, turns
  // the surcharges and tiebacks off and the external p-y curves on.
  void SetGeneratePY(bool on);

  // What every save derives before it writes: tables of options that are off lose
  // their rows (BoundCond, SoilLayer, PYCurves2, PYMod), the four control values,
  // and the last stiffness row becomes constant.
  void DeriveControlValues();

 private:
  TMainModel* main_;
};

// The conversion factors of a unit switch of the problem's scalars: the length and
// force factors from English to SI and back. Any other switch gives 1 and 1.
struct UnitSwitchFactors {
  EntryNumber length = 1;
  EntryNumber force = 1;
};
UnitSwitchFactors ScalarUnitFactors(int from, int to);

}  // namespace veldra::app

#endif  // VELDRA_APP_PROGRAM_DATA_H
